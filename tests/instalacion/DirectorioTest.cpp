#include "instalacion/Directorio.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/OperadorGrabador.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

const std::string kArchivo = "Lumo/NorvaneERP2024.conf";
const std::string kSinClave =
    "No se encontr\xc3\xb3 la Clave HKEY_LOCAL_MACHINE\\Software\\Lumo\\NorvaneERP2024\\Directorio";

// Points the system configuration folders at a fresh temporary folder for the
// length of a test, and puts the variable back afterwards.
class DirectorioTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (const char* antes = std::getenv("XDG_CONFIG_DIRS")) anterior_ = antes;
    Apuntar(xdg_.str());
  }
  void TearDown() override {
    if (anterior_)
      ::setenv("XDG_CONFIG_DIRS", anterior_->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_DIRS");
  }

  static void Apuntar(const std::string& carpetas) { ::setenv("XDG_CONFIG_DIRS", carpetas.c_str(), 1); }
  void Escribir(const std::string& contenido) const { xdg_.write(kArchivo, contenido); }
  void Borrar() const { std::filesystem::remove(xdg_.path() / kArchivo); }

  test::TempDir xdg_;
  test::OperadorGrabador operador_;

private:
  std::optional<std::string> anterior_;
};

struct CasoAjustes {
  const char* nombre;
  std::optional<std::string> contenido;  // nullopt: no settings file at all
  std::string directorio;
  std::vector<std::string> mensajes;
};

void PrintTo(const CasoAjustes& caso, std::ostream* os) { *os << caso.nombre; }

const CasoAjustes kCasos[] = {
    {"ConValor", "[General]\nDirectorio=/srv/norvane\n", "/srv/norvane", {}},
    {"ConOtrasClaves", "[General]\nOtro=1\nDirectorio=/opt/x y\n[Extra]\nDirectorio=/no\n", "/opt/x y", {}},
    {"ValorUtf8", "[General]\nDirectorio=/srv/compa\xc3\xb1\xc3\xad" "a\n", "/srv/compa\xc3\xb1\xc3\xad" "a", {}},
    {"ComaEntreComillas", "[General]\nDirectorio=\"/srv/a,b\"\n", "/srv/a,b", {}},
    {"ValorVacio", "[General]\nDirectorio=\n", "", {}},
    {"SinValor", "[General]\nOtro=/srv/norvane\n", "", {}},
    {"ValorEnOtraSeccion", "[Rutas]\nDirectorio=/srv/norvane\n", "", {}},
    {"ArchivoVacio", "", "", {}},
    {"SinArchivo", std::nullopt, "", {kSinClave}},
};

class AjustesTest : public DirectorioTest, public ::testing::WithParamInterface<CasoAjustes> {};

TEST_P(AjustesTest, DaElDirectorioYLosMensajes) {
  if (GetParam().contenido) Escribir(*GetParam().contenido);
  EXPECT_EQ(diraplicacion(operador_), GetParam().directorio);
  EXPECT_EQ(operador_.mensajes, GetParam().mensajes);
}

INSTANTIATE_TEST_SUITE_P(Archivo, AjustesTest, ::testing::ValuesIn(kCasos),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

TEST_F(DirectorioTest, SinAjustesAvisaEnCadaLlamada) {
  EXPECT_EQ(diraplicacion(operador_), "");
  EXPECT_EQ(diraplicacion(operador_), "");
  EXPECT_EQ(operador_.mensajes, (std::vector<std::string>{kSinClave, kSinClave}));
}

TEST_F(DirectorioTest, ArchivoDeOtraAplicacionNoCuenta) {
  xdg_.write("Lumo/OtraAplicacion.conf", "[General]\nDirectorio=/srv/otra\n");
  EXPECT_EQ(diraplicacion(operador_), "");
  EXPECT_EQ(operador_.mensajes, std::vector<std::string>{kSinClave});
}

TEST_F(DirectorioTest, LeeCadaVezSinGuardarNada) {
  Escribir("[General]\nDirectorio=/srv/uno\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/uno");
  Escribir("[General]\nDirectorio=/srv/otro/mas/largo\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/otro/mas/largo");
  Borrar();
  EXPECT_EQ(diraplicacion(operador_), "");
  EXPECT_EQ(operador_.mensajes, std::vector<std::string>{kSinClave});
  Escribir("[General]\nDirectorio=/srv/vuelta\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/vuelta");
  EXPECT_EQ(operador_.mensajes.size(), 1u);
}

TEST_F(DirectorioTest, BuscaEnTodasLasCarpetasDelSistema) {
  test::TempDir primera;
  Apuntar(primera.str() + ":" + xdg_.str());
  Escribir("[General]\nDirectorio=/srv/segunda\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/segunda");
  EXPECT_TRUE(operador_.mensajes.empty());

  // The earlier folder wins when both hold the settings.
  primera.write(kArchivo, "[General]\nDirectorio=/srv/primera\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/primera");
}

TEST_F(DirectorioTest, LosAjustesDelUsuarioNoCuentan) {
  test::TempDir usuario;
  usuario.write(kArchivo, "[General]\nDirectorio=/home/yo\n");
  const char* antes = std::getenv("XDG_CONFIG_HOME");
  const std::optional<std::string> anterior = antes ? std::optional<std::string>(antes) : std::nullopt;
  ::setenv("XDG_CONFIG_HOME", usuario.str().c_str(), 1);

  const std::string directorio = diraplicacion(operador_);

  if (anterior)
    ::setenv("XDG_CONFIG_HOME", anterior->c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(directorio, "");
  EXPECT_EQ(operador_.mensajes, std::vector<std::string>{kSinClave});
}

struct CasoNoTexto {
  const char* nombre;
  std::string contenido;
};

void PrintTo(const CasoNoTexto& caso, std::ostream* os) { *os << caso.nombre; }

const CasoNoTexto kNoTexto[] = {
    {"Lista", "[General]\nDirectorio=/srv/a, /srv/b\n"},
    {"Bytes", "[General]\nDirectorio=@ByteArray(/srv/norvane)\n"},
    {"Rectangulo", "[General]\nDirectorio=@Rect(1 2 3 4)\n"},
};

class NoTextoTest : public DirectorioTest, public ::testing::WithParamInterface<CasoNoTexto> {};

TEST_P(NoTextoTest, LanzaError) {
  Escribir(GetParam().contenido);
  EXPECT_THROW(diraplicacion(operador_), std::runtime_error);
  EXPECT_TRUE(operador_.mensajes.empty());
}

INSTANTIATE_TEST_SUITE_P(Valores, NoTextoTest, ::testing::ValuesIn(kNoTexto),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

TEST_F(DirectorioTest, FuncionaTambienConAplicacionQt) {
  int argc = 1;
  char nombre[] = "app_tests";
  char* argv[] = {nombre, nullptr};
  const QCoreApplication aplicacion(argc, argv);

  Escribir("[General]\nDirectorio=/srv/norvane\n");
  EXPECT_EQ(diraplicacion(operador_), "/srv/norvane");
  Borrar();
  EXPECT_EQ(diraplicacion(operador_), "");
  EXPECT_EQ(operador_.mensajes, std::vector<std::string>{kSinClave});
}

}  // namespace
}  // namespace norvane
