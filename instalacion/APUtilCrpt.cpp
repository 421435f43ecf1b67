#include "instalacion/APUtilCrpt.h"

#include <array>
#include <cstddef>

namespace norvane {

namespace {

// Entry 0 is never used: positions pick entries 1, 2, 3, 1, 2, 3, ...
// The values only need to differ, so that a byte's position shows in its
// scrambled value; the scrambled text never leaves the process.
constexpr std::array<unsigned, 4> kClave{0, 7, 3, 5};

// What is added to the byte at 1-based position p of a text of n bytes,
// reduced mod 256 (n may be 256 or more).
unsigned Desplazamiento(std::size_t n, std::size_t p) {
  const std::size_t r = p % 3;
  const unsigned entrada = kClave[r == 0 ? 3 : r];
  return static_cast<unsigned>((n + p + entrada) % 256);
}

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

char Caracter(unsigned valor) { return static_cast<char>(static_cast<unsigned char>(valor % 256)); }

}  // namespace

std::string CifrarClave(std::string_view clave) {
  std::string salida(clave.size(), '\0');
  for (std::size_t i = 0; i < clave.size(); ++i)
    salida[i] = Caracter(Byte(clave[i]) + Desplazamiento(clave.size(), i + 1));
  return salida;
}

std::string DescifrarClave(std::string_view cifrada) {
  std::string salida(cifrada.size(), '\0');
  // Adding 256 first keeps the subtraction from going below zero.
  for (std::size_t i = 0; i < cifrada.size(); ++i)
    salida[i] = Caracter(Byte(cifrada[i]) + 256u - Desplazamiento(cifrada.size(), i + 1));
  return salida;
}

}  // namespace norvane
