#include "app/Aplicacion.h"

#include <exception>

#include "access/ENoManejada.h"

namespace norvane {

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {
  // The application's name, not a display name: X11 would append a display
  // name to every window's caption ("Control de acceso — ...").
  setApplicationName(QStringLiteral("Norvane Envio 2024"));
}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
  try {
    return QApplication::notify(receptor, evento);
  } catch (...) {
    ENoManejada(std::current_exception());
    return false;
  }
}

}  // namespace norvane
