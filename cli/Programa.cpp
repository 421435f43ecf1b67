#include "cli/Programa.h"

#include <exception>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Desenlace.h"
#include "cli/EleccionEnvio.h"
#include "engine/families/Familias.h"
#include "engine/ENoManejada.h"
#include "instalacion/Directorio.h"
#include "instalacion/Operador.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/Verificacion.h"
#include "fb/Trace.h"

namespace norvane::cli {

namespace {

int ErrorDeUso(std::ostream& errores, const std::string& error) {
  errores << "norvane-envio-cli: " << error << '\n' << kUso;
  return kSalidaUso;
}

std::string Lista(const std::vector<int>& codigos) {
  std::string texto;
  for (const int codigo : codigos) texto += (texto.empty() ? "" : ", ") + std::to_string(codigo);
  return texto;
}

// Signs in, loads the lists and runs; errors reach the caller.
int Enviar(const Argumentos& a, const Claves& claves, Operador& operador, const Consola& consola) {
  Sesion sesion;
  IniciarSesion(sesion, {a.servidorOrigen, a.usuarioOrigen, claves.origen},
                {a.ServidorDestino(), a.UsuarioDestino(), claves.destino});

  const EleccionEnvio eleccion =
      ElegirEnvio(a, sesion.TCompania, sesion.TCompaniades, sesion.Ctipodoc);
  if (!eleccion.tiposDesconocidos.empty())
    return ErrorDeUso(consola.errores, "tipo de documento que no está en TIPO_DOCUMENTO: " +
                                           Lista(eleccion.tiposDesconocidos));
  // Which code was not found; the run itself then says that no company was chosen.
  if (eleccion.companiaOrigenDesconocida)
    operador.Mensaje("La compañía " + a.companiaOrigen + " no está en " + a.servidorOrigen + ".");
  if (eleccion.companiaDestinoDesconocida)
    operador.Mensaje("La compañía " + a.companiaDestino + " no está en " + a.ServidorDestino() + ".");

  if (a.verificar) {
    // Without both companies there is nothing to compare.
    if (eleccion.opciones.CompaniaOrigen.empty() || eleccion.opciones.CompaniaDestino.empty()) {
      operador.Mensaje("Debe indicar las compañías origen y destino.");
      return kSalidaDetenido;
    }
    const ResultadoVerificacion verificacion = Verificar(sesion, eleccion.opciones, operador, VerificacionCompleta());
    InformarVerificacion(verificacion, consola.salida);
    return SalidaDeVerificacion(verificacion);
  }

  Transferencia transferencia(sesion, operador, DespachoCompleto());
  ResultadoEnvio resultado;
  try {
    resultado = transferencia.Ejecutar(eleccion.opciones);
  } catch (...) {
    // The report of a run that an error stopped says how far it went.
    InformarInforme(transferencia.Resumen(), consola.salida);
    throw;
  }
  if (eleccion.opciones.VistaPrevia) {
    InformarVistaPrevia(resultado, transferencia, consola.salida, operador);
    return SalidaDelEnvio(resultado, transferencia.Resumen());
  }
  InformarDesenlace(resultado, transferencia.Resumen(), consola.salida, operador);
  return SalidaDelEnvio(resultado, transferencia.Resumen());
}

}  // namespace

int EjecutarPrograma(const std::vector<std::string>& argumentos, const Variables& entorno,
                     Operador& operador, const Consola& consola) {
  const LecturaArgumentos lectura = LeerArgumentos(argumentos);
  if (lectura.ayuda) {
    consola.salida << kUso;
    return kSalidaEnviado;
  }
  if (lectura.version) {
    consola.salida << "norvane-envio-cli " NORVANE_VERSION "\n";
    return kSalidaEnviado;
  }
  if (!lectura.Valida()) return ErrorDeUso(consola.errores, lectura.error);
  // An offline run writes a transfer file: there is no destination company to
  // compare with.
  if (lectura.argumentos.verificar && !lectura.argumentos.EnLinea)
    return ErrorDeUso(consola.errores,
                      "--verificar compara con la compañía destino y solo se hace en línea "
                      "(--en-linea)");
  // Without an installation the logs and the transfer file would have no
  // place: nothing is sent and nothing written.
  if (!HayDirectorio()) {
    operador.Mensaje(kSinDirectorio);
    return kSalidaUso;
  }

  const LecturaClaves claves = ObtenerClaves(lectura.argumentos, entorno, consola.pedirClave);
  if (!claves.Validas()) return ErrorDeUso(consola.errores, claves.error);

  const std::string& traza = lectura.argumentos.traza;
  if (!traza.empty()) {
    try {
      fb::startTrace(traza);
    } catch (const std::runtime_error&) {
      return ErrorDeUso(consola.errores, "no se pudo crear el archivo de --traza: " + traza);
    }
  }
  // The one boundary for errors, as the windows' unhandled-error handler:
  // whatever the sign-in or the run did not capture ends the program here.
  int salida = kSalidaDetenido;
  try {
    salida = Enviar(lectura.argumentos, claves.claves, operador, consola);
  } catch (const std::exception& e) {
    operador.Mensaje(TextoENoManejada(e.what()));
  } catch (...) {
    operador.Mensaje(TextoENoManejada("error desconocido"));
  }
  // Every connection of the run is closed by now: the trace holds its ends.
  if (!traza.empty()) {
    try {
      fb::stopTrace();
    } catch (const std::runtime_error&) {
      consola.errores << "norvane-envio-cli: no se pudo escribir el archivo de --traza: " << traza
                      << '\n';
    }
  }
  return salida;
}

}  // namespace norvane::cli
