#include "engine/CopiarMaestro.h"

#include "engine/ContextoEnvio.h"

namespace norvane {

bool EscribirMaestro(ContextoEnvio& c, const CursorOrigen& fuente, std::string_view seleccionDestino,
                     bool reglaEnEdicion) {
  c.AbrirDestino(seleccionDestino);
  // Master rows keep their keys: position 0 is copied like any other.
  if (c.CDestino.Vacio())
    c.CopiarFila(fuente);
  else
    c.CopiarSobreActual(fuente, 0, reglaEnEdicion);
  c.AplicarDestino();
  c.CDestino.Cerrar();
  return c.fila.HuboError;
}

ResultadoMaestro CopiarMaestro(ContextoEnvio& c, std::string_view seleccionOrigen,
                               std::string_view seleccionDestino, bool reglaEnEdicion) {
  c.QCopia.Abrir(seleccionOrigen);
  ResultadoMaestro resultado;
  if (!c.QCopia.Vacio()) {
    resultado.existe = true;
    resultado.fallo = EscribirMaestro(c, c.QCopia, seleccionDestino, reglaEnEdicion);
  }
  c.QCopia.Cerrar();
  return resultado;
}

void EnviarMaestro(ContextoEnvio& c, const DescriptorMaestro& d) {
  const std::string clave = d.clave(c.AUDI_COD());
  CopiarMaestro(c, d.seleccionOrigen + clave, d.seleccionDestino + clave, d.reglaEnEdicion);
}

}  // namespace norvane
