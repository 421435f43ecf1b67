#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "engine/Informe.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

struct CasoCampo {
  const char* nombre;
  std::string campo;
  std::string escrito;
};

class CampoCsv_ : public ::testing::TestWithParam<CasoCampo> {};

// Quoted exactly when a quote, a comma, CR or LF is inside, and read back
// unchanged by a reader that follows the RFC.
TEST_P(CampoCsv_, QuotesOnlyWhatNeedsItAndReadsBack) {
  const auto& c = GetParam();
  EXPECT_EQ(CampoCsv(c.campo), c.escrito);
  const auto leidos = test::LeerCsv(CampoCsv(c.campo) + ",x\r\n");
  ASSERT_EQ(leidos.size(), 1u);
  EXPECT_EQ(leidos[0], (std::vector<std::string>{c.campo, "x"}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CampoCsv_,
    ::testing::Values(CasoCampo{"Plano", "FV000123", "FV000123"},
                      CasoCampo{"Vacio", "", ""},
                      CasoCampo{"Blancos", " A B ", " A B "},
                      CasoCampo{"Comilla", "A\"B", "\"A\"\"B\""},
                      CasoCampo{"SoloComilla", "\"", "\"\"\"\""},
                      CasoCampo{"Coma", "A,1", "\"A,1\""},
                      CasoCampo{"SaltoDeLinea", "A\nB", "\"A\nB\""},
                      CasoCampo{"RetornoDeCarro", "A\rB", "\"A\rB\""},
                      CasoCampo{"Todo", "\"x\",\r\n", "\"\"\"x\"\",\r\n\""}),
    [](const ::testing::TestParamInfo<CasoCampo>& i) { return std::string(i.param.nombre); });

struct CasoLatin1 {
  const char* nombre;
  std::string latin1;
  std::string utf8;
};

class Latin1AUtf8_ : public ::testing::TestWithParam<CasoLatin1> {};

TEST_P(Latin1AUtf8_, EveryByteIsItsCodePoint) {
  EXPECT_EQ(Latin1AUtf8(GetParam().latin1), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Latin1AUtf8_,
    ::testing::Values(CasoLatin1{"Ascii", "Compa,nia\"1", "Compa,nia\"1"},
                      CasoLatin1{"Enie", "Compa\xF1ia", "Compa\xC3\xB1ia"},
                      CasoLatin1{"Extremos", std::string("\x80\xFF\x7F", 3), "\xC2\x80\xC3\xBF\x7F"},
                      CasoLatin1{"Cero", std::string("A\0B", 3), std::string("A\0B", 3)},
                      CasoLatin1{"YaUtf8SeConvierteOtraVez", "\xC3\xB1", "\xC3\x83\xC2\xB1"}),
    [](const ::testing::TestParamInfo<CasoLatin1>& i) { return std::string(i.param.nombre); });

// The database's fields are converted, the program's own texts are not.
TEST(LineaCsv, ConvertsTheDatabaseFieldsAndQuotesEach) {
  const LineaInforme linea{.audiId = "7",
                           .tidoCod = "11",
                           .tidoNombre = "Entrada de se\xF1or",
                           .audiOper = "M",
                           .audiCod = "A\"B,C\r\nD\xF1",
                           .decision = "sin efecto (fuera de línea)",
                           .resultado = "error",
                           .error = "violation of \"PK\", key 'ñ'",
                           .milisegundos = 12};
  EXPECT_EQ(LineaCsv(linea),
            "7,11,Entrada de se\xC3\xB1or,M,\"A\"\"B,C\r\nD\xC3\xB1\",sin efecto (fuera de línea),"
            "error,\"violation of \"\"PK\"\", key 'ñ'\",12\r\n");
  const auto leidos = test::LeerCsv(EncabezadoCsv() + LineaCsv(linea));
  ASSERT_EQ(leidos.size(), 2u);
  EXPECT_EQ(leidos[0].size(), leidos[1].size());
  EXPECT_EQ(leidos[1][4], "A\"B,C\r\nD\xC3\xB1");
}

std::chrono::system_clock::time_point Local(int anio, int mes, int dia, int h, int m, int s) {
  std::tm t{};
  t.tm_year = anio - 1900;
  t.tm_mon = mes - 1;
  t.tm_mday = dia;
  t.tm_hour = h;
  t.tm_min = m;
  t.tm_sec = s;
  t.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

TEST(NombreInforme, IsTheLocalStartWithAnOrdinalFromTheSecond) {
  const auto inicio = Local(2024, 4, 3, 9, 7, 5);
  EXPECT_EQ(NombreInforme(inicio), "envio-20240403-090705.csv");
  EXPECT_EQ(NombreInforme(inicio, 2), "envio-20240403-090705-2.csv");
  EXPECT_EQ(NombreInforme(inicio, 12), "envio-20240403-090705-12.csv");
}

// Runs of the same second get "-2", "-3"; none overwrites another's file.
TEST(Informe, ANameTakenGetsTheNextOrdinalAndIsNotTouched) {
  test::TempDir dir;
  const auto inicio = Local(2024, 4, 3, 9, 7, 5);
  const auto carpeta = dir.path() / "informes";  // made by the first report
  Informe primero = Informe::Nuevo(carpeta, inicio);
  ASSERT_TRUE(primero.Abierto());
  primero.Escribir({.audiId = "1", .tidoCod = "2", .resultado = "enviado"});
  Informe segundo = Informe::Nuevo(carpeta, inicio);
  Informe tercero = Informe::Nuevo(carpeta, inicio);
  EXPECT_EQ(primero.Ruta(), (carpeta / "envio-20240403-090705.csv").string());
  EXPECT_EQ(segundo.Ruta(), (carpeta / "envio-20240403-090705-2.csv").string());
  EXPECT_EQ(tercero.Ruta(), (carpeta / "envio-20240403-090705-3.csv").string());
  EXPECT_EQ(test::TempDir::LeerArchivo(primero.Ruta()),
            EncabezadoCsv() + "1,2,,,,,enviado,,0\r\n");
  EXPECT_EQ(test::TempDir::LeerArchivo(segundo.Ruta()), EncabezadoCsv());
}


// A folder that cannot be made or a path that cannot be opened gives a
// report that writes nothing, without an error.
TEST(Informe, WhatCannotBeCreatedWritesNothing) {
  test::TempDir dir;
  const auto carpeta = dir.path() / "informes";
  { std::ofstream(carpeta) << "no soy una carpeta"; }
  Informe nuevo = Informe::Nuevo(carpeta, std::chrono::system_clock::now());
  EXPECT_FALSE(nuevo.Abierto());
  EXPECT_EQ(nuevo.Ruta(), "");
  nuevo.Escribir({.audiId = "1"});
  nuevo.Reiniciar();
  Informe elegido = Informe::En(carpeta / "envio.csv");
  EXPECT_FALSE(elegido.Abierto());
  EXPECT_EQ(test::TempDir::LeerArchivo(carpeta), "no soy una carpeta");
}

// A chosen path replaces the file there, down to the header.
TEST(Informe, AChosenPathIsReplaced) {
  test::TempDir dir;
  const auto ruta = dir.path() / "mio.csv";
  { std::ofstream(ruta) << "antes\r\n"; }
  Informe informe = Informe::En(ruta);
  ASSERT_TRUE(informe.Abierto());
  informe.Escribir({.audiId = "5", .resultado = "error", .error = "x"});
  EXPECT_EQ(test::TempDir::LeerArchivo(ruta), EncabezadoCsv() + "5,,,,,,error,x,0\r\n");
  informe.Reiniciar();
  EXPECT_EQ(test::TempDir::LeerArchivo(ruta), EncabezadoCsv());
}

}  // namespace
}  // namespace norvane
