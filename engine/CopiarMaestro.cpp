#include "engine/CopiarMaestro.h"

#include "engine/ContextoEnvio.h"

namespace norvane {

ResultadoMaestro EscribirMaestro(ContextoEnvio& c, const CursorOrigen& fuente,
                                 std::string_view seleccionDestino, bool reglaEnEdicion) {
  ResultadoMaestro resultado{.existe = true};
  c.AbrirDestino(seleccionDestino);
  resultado.enDestino = !c.CDestino.Vacio();
  // Master rows keep their keys: position 0 is copied like any other.
  if (!resultado.enDestino)
    c.CopiarFila(fuente);
  else
    c.CopiarSobreActual(fuente, 0, reglaEnEdicion);
  c.AplicarDestino();
  c.CDestino.Cerrar();
  resultado.fallo = c.fila.HuboError;
  return resultado;
}

ResultadoMaestro CopiarMaestro(ContextoEnvio& c, std::string_view seleccionOrigen,
                               std::string_view seleccionDestino, bool reglaEnEdicion) {
  c.QCopia.Abrir(seleccionOrigen);
  ResultadoMaestro resultado;
  if (c.QCopia.Vacio()) {
    c.fila.decision = Decision::AusenteEnOrigen;
  } else {
    resultado = EscribirMaestro(c, c.QCopia, seleccionDestino, reglaEnEdicion);
    c.fila.decision = resultado.enDestino ? Decision::Actualizar : Decision::Nuevo;
  }
  c.QCopia.Cerrar();
  return resultado;
}

void EnviarMaestro(ContextoEnvio& c, const DescriptorMaestro& d) {
  const std::string clave = d.clave(c.AUDI_COD());
  CopiarMaestro(c, d.seleccionOrigen + clave, d.seleccionDestino + clave, d.reglaEnEdicion);
}

}  // namespace norvane
