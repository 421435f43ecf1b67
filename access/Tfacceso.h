#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace norvane {

struct Sesion;

// "Control de acceso": signs the operator in against an origin server and a
// destination server by opening the general database of each, and leaves
// CredOrigen and CredDestino in the session. Accepted when the destination
// was connected while the origin already was; rejected any other way.
class Tfacceso final : public QDialog {
  Q_OBJECT

public:
  Tfacceso(Sesion& sesion, const std::vector<std::string>& servidores, QWidget* parent = nullptr);

  bool OrigenConectado() const { return OrigenConectado_; }

protected:
  // Takes F2, Esc and Enter before the focused control, and sees the focus
  // leave the origin password and the destination server.
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void done(int resultado) override;

private:
  QWidget* PanelIzquierdo();
  QWidget* GrupoOrigen(const std::vector<std::string>& servidores);
  QWidget* GrupoDestino(const std::vector<std::string>& servidores);
  bool Tecla(QKeyEvent& tecla);
  bool SalidaDeFoco(QObject* control, const QFocusEvent& foco);

  void TClaveExit();
  void ServidorDesExit();
  void SpeedButton1Click();
  void MostrarEstado(const QString& texto);
  void OcultarEstado();

  Sesion& sesion_;
  bool OrigenConectado_ = false;
  bool cerrado_ = false;
  QComboBox* Servidor = nullptr;
  QLineEdit* Tusua = nullptr;
  QLineEdit* TClave = nullptr;
  QComboBox* ServidorDes = nullptr;
  QLineEdit* TUsuades = nullptr;
  QLineEdit* TClavedes = nullptr;
  QLabel* estado_ = nullptr;
};

}  // namespace norvane
