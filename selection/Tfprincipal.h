#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Opciones.h"
#include "instalacion/Operador.h"
#include "engine/Sesion.h"
#include "selection/EnvioAutomatico.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace norvane {

class EditorFecha;
class ModeloTipos;
struct LineaInforme;
struct ResultadoEnvio;
class NavegadorTipos;
class PanelProgreso;
class RejillaTipos;
class SelectorCompania;

// "Envío de información", the main window: signs in on its first activation,
// then lets the operator choose the companies, the kind of run and what to
// send, and runs the transfer ("Enviar"). It owns the session (connections,
// company lists, document types) for the life of the program, and is the
// operator of the runs it starts: modal boxes, the beep and the progress bar.
class Tfprincipal final : public QWidget, public Operador {
  Q_OBJECT

public:
  explicit Tfprincipal(std::optional<EnvioAutomatico> automatico = std::nullopt,
                       QWidget* parent = nullptr);
  ~Tfprincipal() override;

  Sesion& sesion() { return sesion_; }
  // The choices of a run as the window shows them now.
  OpcionesEnvio Opciones() const;

  void Mensaje(const std::string& texto) override;
  // A message box whose details (QMessageBox's detailed text) hold `detalles`.
  void MensajeConDetalles(const std::string& texto, const std::string& detalles) override;
  void Beep() override;
  void ProgresoMaximo(int maximo) override;
  void ProgresoAvanzar() override;
  void MostrarProgreso(bool visible) override;

protected:
  bool event(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

private:
  QWidget* Companias();
  QWidget* Filtros();
  QWidget* Operaciones();
  QWidget* Pie();

  void FormActivate();
  bool Acceder();
  void FijarServidores();
  void SerOri1Change();
  void SerDes1Change();
  void TipoClick();
  void CkTodoClick();
  // One run of the engine (a send or a preview) with the window held busy;
  // a preview's rows go to `lineas` when given.
  ResultadoEnvio Correr(const OpcionesEnvio& opciones, std::vector<LineaInforme>* lineas);
  void SpeedButton1Click();
  // "Vista previa": the run previewed, its rows in a dialog from which
  // "Enviar" runs it.
  void VistaPreviaClick();
  void EnviarArticulos(const EnvioAutomatico& envio);
  void AtenderPintura();

  Sesion sesion_;
  std::unique_ptr<ModeloTipos> modelo_;  // over sesion_.Ctipodoc; goes before it
  std::optional<EnvioAutomatico> automatico_;
  bool primeraActivacion_ = true;
  bool enEnvio_ = false;

  QLineEdit* SerOri1 = nullptr;
  QLineEdit* SerDes1 = nullptr;
  SelectorCompania* LCiaOri = nullptr;
  SelectorCompania* LCiaDes = nullptr;
  QCheckBox* CkTodo = nullptr;
  QLineEdit* Pref = nullptr;
  QLineEdit* Tico = nullptr;
  QLineEdit* NumIni = nullptr;
  QLineEdit* NumFin = nullptr;
  QGroupBox* RngFechas = nullptr;
  EditorFecha* Fecini = nullptr;
  EditorFecha* Fecfin = nullptr;
  QButtonGroup* Tipo = nullptr;
  QGroupBox* Existe = nullptr;
  QButtonGroup* ExisteOpciones = nullptr;
  RejillaTipos* rejilla_ = nullptr;
  NavegadorTipos* navegador_ = nullptr;
  PanelProgreso* progreso_ = nullptr;
};

}  // namespace norvane
