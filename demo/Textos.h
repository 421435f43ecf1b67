#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "demo/Azar.h"

namespace norvane::demo {

// `numero` in decimal, with zeros on the left up to `ancho` digits.
inline std::string ConCeros(std::int64_t numero, std::size_t ancho) {
  const std::string s = std::to_string(numero);
  return std::string(s.size() < ancho ? ancho - s.size() : 0, '0') + s;
}

// `cuantos` decimal digits drawn at random.
inline std::string Digitos(Azar& azar, int cuantos) {
  std::string s;
  for (int i = 0; i < cuantos; ++i) s += static_cast<char>('0' + azar.Entre(0, 9));
  return s;
}

}  // namespace norvane::demo
