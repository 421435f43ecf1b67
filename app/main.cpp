#include "app/Aplicacion.h"
#include "app/LineaComandos.h"
#include "fb/Api.h"
#include "selection/Tfprincipal.h"

// Norvane Envio: the main window, signed in on its first activation, runs
// until it closes; its connections close (and commit) with it.
int main(int argc, char** argv) {
  int salida = 0;
  {
    norvane::Aplicacion aplicacion(argc, argv);
    norvane::Tfprincipal principal(norvane::EnvioPedido(aplicacion.arguments().mid(1)));
    principal.show();
    principal.activateWindow();
    salida = aplicacion.exec();
  }
  fb::shutdown();
  return salida;
}
