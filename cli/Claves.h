#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "cli/Argumentos.h"

namespace norvane::cli {

// The environment variables that hold the passwords.
inline constexpr const char* kVariableClaveOrigen = "NORVANE_CLAVE_ORIGEN";
inline constexpr const char* kVariableClaveDestino = "NORVANE_CLAVE_DESTINO";

// The process environment, or the part of it that a test sets.
using Variables = std::map<std::string, std::string>;
// Asks the operator for a password; nothing when the answer never came.
using PedirClave = std::function<std::optional<std::string>(const std::string& pregunta)>;

struct Claves {
  std::string origen;
  std::string destino;
};

// The passwords of both sides, or what is missing.
struct LecturaClaves {
  Claves claves;
  std::string error;  // empty when both were had
  bool Validas() const { return error.empty(); }
};

// Each password comes from its variable; when that is not set, the
// destination takes the origin's if it signs in as the same user on the same
// server (as the access dialog copies them); otherwise it is asked with
// `pedir`, which is empty when there is nobody to ask.
LecturaClaves ObtenerClaves(const Argumentos& argumentos, const Variables& entorno,
                            const PedirClave& pedir);

}  // namespace norvane::cli
