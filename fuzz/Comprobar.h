#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace norvane::fuzz {

// A property that does not hold: says which, with the input in hex, and
// aborts so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void Falla(const char* propiedad, std::string_view entrada) {
  std::fprintf(stderr, "property broken: %s\ninput (%zu bytes):", propiedad, entrada.size());
  for (char c : entrada) std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
  std::fputc('\n', stderr);
  std::abort();
}

inline void Comprobar(bool cumple, const char* propiedad, std::string_view entrada) {
  if (!cumple) Falla(propiedad, entrada);
}

}  // namespace norvane::fuzz
