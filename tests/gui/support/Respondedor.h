#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <string>

class QMessageBox;

namespace norvane {
class Tfacceso;
}

namespace norvane::test {

// Answers the modal windows that the program opens while a test waits for
// it, as an operator would: every message box is recorded and acknowledged
// with its first button; every access dialog is handed to `alAcceso` (or
// cancelled when there is none).
class Respondedor final : public QObject {
  Q_OBJECT

public:
  using AlAcceso = std::function<void(Tfacceso&)>;

  explicit Respondedor(AlAcceso alAcceso = {});

  QStringList mensajes;  // the text of each message box, in order
  QStringList titulos;   // and its title
  QStringList detalles;  // and its detailed text (empty when it has none)
  int accesos = 0;       // access dialogs shown

private:
  void Revisar();

  QTimer reloj_;
  AlAcceso alAcceso_;
  QPointer<QWidget> visto_;
};

// What an operator does in the access dialog to sign in on its first server
// for both sides: types the user and the password, presses Enter through the
// fields (leaving the password connects the origin, leaving the destination
// server copies the credentials) and then F2.
Respondedor::AlAcceso FirmarConEnter(const QString& usuario, const QString& clave);

}  // namespace norvane::test
