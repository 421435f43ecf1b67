#include "cli/Claves.h"

namespace norvane::cli {

namespace {

// The password of one side: its variable, or the operator's answer.
std::optional<std::string> Clave(const Variables& entorno, const char* variable, const PedirClave& pedir,
                                 const std::string& usuario, const std::string& servidor,
                                 std::string& error) {
  if (const auto it = entorno.find(variable); it != entorno.end()) return it->second;
  if (pedir) {
    if (auto respuesta = pedir("Clave de " + usuario + " en " + servidor + ": ")) return respuesta;
    error = std::string("no se recibió la clave de ") + usuario + " en " + servidor;
    return std::nullopt;
  }
  error = std::string("falta la clave de ") + usuario + " en " + servidor + ": " + variable +
          " no está definida y la entrada no es una terminal";
  return std::nullopt;
}

}  // namespace

LecturaClaves ObtenerClaves(const Argumentos& argumentos, const Variables& entorno,
                            const PedirClave& pedir) {
  LecturaClaves lectura;
  const auto origen = Clave(entorno, kVariableClaveOrigen, pedir, argumentos.usuarioOrigen,
                            argumentos.servidorOrigen, lectura.error);
  if (!origen) return lectura;
  lectura.claves.origen = *origen;

  const bool mismoIngreso =
      argumentos.MismoServidor() && argumentos.UsuarioDestino() == argumentos.usuarioOrigen;
  if (mismoIngreso && !entorno.contains(kVariableClaveDestino)) {
    lectura.claves.destino = *origen;
    return lectura;
  }
  const auto destino = Clave(entorno, kVariableClaveDestino, pedir, argumentos.UsuarioDestino(),
                             argumentos.ServidorDestino(), lectura.error);
  if (destino) lectura.claves.destino = *destino;
  return lectura;
}

}  // namespace norvane::cli
