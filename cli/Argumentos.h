#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fb/Value.h"

namespace norvane::cli {

// The choices of one command line, as typed. Passwords never come from here.
struct Argumentos {
  std::string servidorOrigen;
  std::string usuarioOrigen;
  std::optional<std::string> servidorDestino;  // omitted: the origin's
  std::optional<std::string> usuarioDestino;   // omitted: the origin's (same server only)
  std::string companiaOrigen;
  std::string companiaDestino;
  bool EnLinea = false;  // default: offline, as the window starts
  bool omitir = false;   // default: existing documents are replaced
  std::optional<fb::Date> desde;  // both or neither: a date-range run
  std::optional<fb::Date> hasta;
  std::optional<std::vector<int>> tipos;  // omitted: every type
  std::string prefijo;
  std::string numeroDesde;
  std::string numeroHasta;
  std::string tipoComprobante;
  std::optional<int> esperaBloqueo;  // omitted: a locked row is waited for as long as it takes
  std::string informe;  // omitted: a new report in "informes" of the installation
  bool verificar = false;  // compare what was sent instead of sending
  bool vistaPrevia = false;  // a preview: nothing made durable
  std::string traza;  // empty: no trace of the statements sent

  // The destination server, the origin's when omitted.
  const std::string& ServidorDestino() const {
    return servidorDestino ? *servidorDestino : servidorOrigen;
  }
  // Omitted or equal to the origin's: the destination may take the origin's sign-in.
  bool MismoServidor() const { return ServidorDestino() == servidorOrigen; }
  const std::string& UsuarioDestino() const {
    return usuarioDestino ? *usuarioDestino : usuarioOrigen;
  }
};

// A command line read: the arguments, a request for help or for the
// program's version, or what is wrong with it.
struct LecturaArgumentos {
  Argumentos argumentos;
  bool ayuda = false;
  bool version = false;
  std::string error;  // empty when the command line is good

  bool Valida() const { return error.empty(); }
};

// Reads the arguments that follow the program's name. Options take their
// value as the next argument or after "=".
LecturaArgumentos LeerArgumentos(const std::vector<std::string>& argumentos);

// A date written "AAAA/MM/DD" that exists in the calendar.
std::optional<fb::Date> LeerFecha(const std::string& texto);

// How the program is called.
extern const char* const kUso;

}  // namespace norvane::cli
