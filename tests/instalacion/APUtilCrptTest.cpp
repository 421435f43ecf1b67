#include "instalacion/APUtilCrpt.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace norvane {
namespace {

using namespace std::string_literals;

unsigned char Byte(const std::string& texto, std::size_t i) { return static_cast<unsigned char>(texto.at(i)); }

// Difference a - b brought into 0..255.
unsigned Diferencia(unsigned char a, unsigned char b) { return (256u + a - b) % 256u; }

// Worked by hand from the key table {0, 7, 3, 5}: byte + n + p + entry.
struct VectorConocido {
  const char* nombre;
  std::string claro;
  std::string cifrado;
};

void PrintTo(const VectorConocido& caso, std::ostream* os) { *os << caso.nombre; }

const VectorConocido kVectores[] = {
    // n = 3: 'a'+3+1+7, 'b'+3+2+3, 'c'+3+3+5.
    {"abc", "abc", "ljn"},
    // n = 4, wrapping past 255: 255+4+1+7=267, 0+4+2+3, 250+4+3+5=262, 255+4+4+7=270.
    {"Desborde", "\xff\x00\xfa\xff"s, "\x0b\x09\x06\x0e"s},
    // n = 1: 0+1+1+7.
    {"CeroSolo", "\0"s, "\x09"},
    // n = 2: the output may hold zero bytes: 254+2+1+7=264 -> 8; 251+2+2+3=258 -> 2.
    {"DaBytesCero", "\xfe\xfb"s, "\x08\x02"s},
    // 247+1+1+7=256 -> 0.
    {"SaleCero", "\xf7", "\0"s},
};

class VectorConocidoTest : public ::testing::TestWithParam<VectorConocido> {};

TEST_P(VectorConocidoTest, CifraYDescifraComoALaMano) {
  EXPECT_EQ(CifrarClave(GetParam().claro), GetParam().cifrado);
  EXPECT_EQ(DescifrarClave(GetParam().cifrado), GetParam().claro);
}

INSTANTIATE_TEST_SUITE_P(APUtilCrpt, VectorConocidoTest, ::testing::ValuesIn(kVectores),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

// A text whose bytes run over every value, so that wrapping is exercised.
std::string Patron(std::size_t largo) {
  std::string texto(largo, '\0');
  for (std::size_t i = 0; i < largo; ++i) texto[i] = static_cast<char>((i * 37 + 11) % 256);
  return texto;
}

class IdaYVueltaTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(IdaYVueltaTest, ConservaLargoYTexto) {
  const std::string claro = Patron(GetParam());
  const std::string cifrado = CifrarClave(claro);
  ASSERT_EQ(cifrado.size(), claro.size());
  EXPECT_EQ(DescifrarClave(cifrado), claro);
  if (!claro.empty()) {
    EXPECT_NE(cifrado, claro);
  }
}

INSTANTIATE_TEST_SUITE_P(Largos, IdaYVueltaTest, ::testing::Values(0, 1, 2, 3, 255, 256, 257, 1000));

TEST(APUtilCrptTest, TextoVacioDaTextoVacio) {
  EXPECT_EQ(CifrarClave(""), "");
  EXPECT_EQ(DescifrarClave(""), "");
}

TEST(APUtilCrptTest, TodosLosValoresDeByteVuelven) {
  std::string todos;
  for (unsigned v = 0; v < 256; ++v) todos.push_back(static_cast<char>(v));
  EXPECT_EQ(DescifrarClave(CifrarClave(todos)), todos);

  for (unsigned v = 0; v < 256; ++v) {
    const std::string uno(1, static_cast<char>(v));
    const std::string cifrado = CifrarClave(uno);
    EXPECT_EQ(DescifrarClave(cifrado), uno) << "byte " << v;
    // n = 1, p = 1, entry 1: each value moves by the same amount.
    EXPECT_EQ(Diferencia(Byte(cifrado, 0), static_cast<unsigned char>(v)), 9u) << "byte " << v;
  }
}

TEST(APUtilCrptTest, ElLargoEntraEnCadaByte) {
  const std::string corto = CifrarClave("clave");
  const std::string largo = CifrarClave("clave1");
  for (std::size_t i = 0; i < corto.size(); ++i)
    EXPECT_EQ(Diferencia(Byte(largo, i), Byte(corto, i)), 1u) << "posicion " << i + 1;
}

TEST(APUtilCrptTest, LaPosicionEligeLaEntradaDeLaClave) {
  // The same byte everywhere: what changes from one position to the next is p
  // and the key entry, which repeats every three positions.
  for (unsigned v : {0u, 120u, 0xfeu, 0xffu}) {
    const std::string cifrado = CifrarClave(std::string(7, static_cast<char>(v)));
    EXPECT_EQ(Diferencia(Byte(cifrado, 3), Byte(cifrado, 0)), 3u) << "byte " << v;
    EXPECT_EQ(Diferencia(Byte(cifrado, 6), Byte(cifrado, 3)), 3u) << "byte " << v;
    // Positions 1, 2 and 3 use different entries, so the steps differ from 1.
    EXPECT_NE(Diferencia(Byte(cifrado, 1), Byte(cifrado, 0)), 1u) << "byte " << v;
    EXPECT_NE(Diferencia(Byte(cifrado, 2), Byte(cifrado, 1)), 1u) << "byte " << v;
  }
}

TEST(APUtilCrptTest, LargoDe256OMasCuentaMod256) {
  // n = 256 adds nothing mod 256: zero bytes come out as p + entry.
  const std::string cifrado = CifrarClave(std::string(256, '\0'));
  EXPECT_EQ(Byte(cifrado, 0), 1 + 7);
  EXPECT_EQ(Byte(cifrado, 1), 2 + 3);
  EXPECT_EQ(Byte(cifrado, 2), 3 + 5);
  EXPECT_EQ(Byte(cifrado, 254), (255 + 5) % 256);  // 255 % 3 == 0: entry 3
  EXPECT_EQ(Byte(cifrado, 255), (256 + 7) % 256);  // 256 % 3 == 1: entry 1

  // n = 257: one more than above at the first byte.
  EXPECT_EQ(Byte(CifrarClave(std::string(257, '\0')), 0), 1 + 1 + 7);
}

}  // namespace
}  // namespace norvane
