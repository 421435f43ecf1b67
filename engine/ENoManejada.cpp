#include "engine/ENoManejada.h"

namespace norvane {

namespace {

// The text between the first double quote at or after `desde` and the next
// one; empty when there is none.
std::string EntreComillas(const std::string& mensaje, std::size_t desde = 0) {
  const auto abre = mensaje.find('"', desde);
  if (abre == std::string::npos) return {};
  const auto cierra = mensaje.find('"', abre + 1);
  if (cierra == std::string::npos) return {};
  return mensaje.substr(abre + 1, cierra - abre - 1);
}

}  // namespace

std::string TextoENoManejada(const std::string& mensaje) {
  if (mensaje.find("Your user name and password are not defined") != std::string::npos)
    return "El nombre de Usuario o la clave son incorrectas.";
  // Older clients said `I/O error for file "..."`; Firebird 3 says
  // `I/O error during "open" operation for file "..."`. Either way the file
  // is the quoted text after "for file".
  if (mensaje.find("I/O error for file") != std::string::npos ||
      (mensaje.find("I/O error during") != std::string::npos &&
       mensaje.find("for file") != std::string::npos))
    return "No se encontró el archivo o la ruta " +
           EntreComillas(mensaje, mensaje.find("for file"));
  if (mensaje.find("Unable to complete network request") != std::string::npos)
    return "No se encontró el equipo servidor con nombre " + EntreComillas(mensaje);
  return "Se presento el siguiente error: " + mensaje;
}

}  // namespace norvane
