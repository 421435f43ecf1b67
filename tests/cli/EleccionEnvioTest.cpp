#include "cli/EleccionEnvio.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace norvane::cli {
namespace {

const std::vector<Compania> kOrigen{{"001", "Origen S.A."}, {"003", "Otra"}};
const std::vector<Compania> kDestino{{"002", "Destino Ltda."}};
const ListaTipos kTipos{{1, "Comprobante contable", "S"}, {11, "Entrada", "S"}, {31, "Factura", "S"},
                        {101, "Articulos", "S"}};

Argumentos Base() {
  Argumentos a;
  a.servidorOrigen = "srv:/n";
  a.usuarioOrigen = "ana";
  a.companiaOrigen = "001";
  a.companiaDestino = "002";
  return a;
}

std::string Marcas(const ListaTipos& tipos) {
  std::string marcas;
  for (const TipoDocumento& t : tipos) marcas += std::to_string(t.TIDO_COD) + "=" + t.F_1 + " ";
  return marcas;
}

TEST(ElegirEnvio, LosValoresPorOmisionSonLosDeLaVentana) {
  const EleccionEnvio e = ElegirEnvio(Base(), kOrigen, kDestino, kTipos);
  const OpcionesEnvio& o = e.opciones;
  EXPECT_EQ(o.CompaniaOrigen, "001");
  EXPECT_EQ(o.CompaniaDestino, "002");
  EXPECT_FALSE(o.EnLinea);
  EXPECT_TRUE(o.Reemplazar);
  EXPECT_TRUE(o.TodoLoNoEnviado);
  EXPECT_FALSE(o.FechaDesde);
  EXPECT_FALSE(o.FechaHasta);
  EXPECT_EQ(o.rutaInforme, "");  // the report goes to informes/ of the installation
  EXPECT_TRUE(o.informePorOmision);
  EXPECT_FALSE(o.VistaPrevia);
  EXPECT_EQ(Marcas(o.Ctipodoc), "1=S 11=S 31=S 101=S ");
  EXPECT_FALSE(e.companiaOrigenDesconocida);
  EXPECT_FALSE(e.companiaDestinoDesconocida);
  EXPECT_TRUE(e.tiposDesconocidos.empty());
}

TEST(ElegirEnvio, CadaOpcionLlegaASuCampo) {
  Argumentos a = Base();
  a.EnLinea = true;
  a.omitir = true;
  a.desde = fb::Date{2024, 4, 1};
  a.hasta = fb::Date{2024, 4, 30};
  a.prefijo = "FV";
  a.numeroDesde = "000100";
  a.numeroHasta = "000200";
  a.tipoComprobante = "CE";
  a.informe = "/tmp/mi informe.csv";
  a.vistaPrevia = true;
  const OpcionesEnvio o = ElegirEnvio(a, kOrigen, kDestino, kTipos).opciones;
  EXPECT_TRUE(o.EnLinea);
  EXPECT_FALSE(o.Reemplazar);
  EXPECT_FALSE(o.TodoLoNoEnviado);
  EXPECT_EQ(o.FechaDesde, (fb::Date{2024, 4, 1}));
  EXPECT_EQ(o.FechaHasta, (fb::Date{2024, 4, 30}));
  EXPECT_EQ(o.Prefijo, "FV");
  EXPECT_EQ(o.NumeroDesde, "000100");
  EXPECT_EQ(o.NumeroHasta, "000200");
  EXPECT_EQ(o.TipoComprobante, "CE");
  EXPECT_EQ(o.rutaInforme, "/tmp/mi informe.csv");
  EXPECT_TRUE(o.VistaPrevia);
}

struct CasoTipos {
  const char* nombre;
  std::optional<std::vector<int>> tipos;
  ListaTipos lista;
  std::string marcas;
  std::vector<int> desconocidos;
};

void PrintTo(const CasoTipos& caso, std::ostream* os) { *os << caso.nombre; }

std::vector<CasoTipos> CasosTipos() {
  ListaTipos desmarcada = kTipos;
  for (TipoDocumento& t : desmarcada) t.F_1 = "N";
  return {
      {"OmitidosTodosMarcados", std::nullopt, desmarcada, "1=S 11=S 31=S 101=S ", {}},
      {"SoloLosNombrados", std::vector<int>{101, 11}, kTipos, "1=N 11=S 31=N 101=S ", {}},
      {"RepetidoNoCambiaNada", std::vector<int>{31, 31}, kTipos, "1=N 11=N 31=S 101=N ", {}},
      // A code absent from the list does not take another type's mark.
      {"Desconocidos", std::vector<int>{31, 2, 999, 2}, kTipos, "1=N 11=N 31=S 101=N ", {2, 999}},
      {"ListaVacia", std::vector<int>{1}, {}, "", {1}},
  };
}

class ElegirTipos : public ::testing::TestWithParam<CasoTipos> {};

TEST_P(ElegirTipos, MarcasYDesconocidos) {
  Argumentos a = Base();
  a.tipos = GetParam().tipos;
  const EleccionEnvio e = ElegirEnvio(a, kOrigen, kDestino, GetParam().lista);
  EXPECT_EQ(Marcas(e.opciones.Ctipodoc), GetParam().marcas);
  EXPECT_EQ(e.tiposDesconocidos, GetParam().desconocidos);
  // The names and the order are the list's.
  ASSERT_EQ(e.opciones.Ctipodoc.size(), GetParam().lista.size());
  for (std::size_t i = 0; i < GetParam().lista.size(); ++i)
    EXPECT_EQ(e.opciones.Ctipodoc[i].TIDO_NOMLARGO, GetParam().lista[i].TIDO_NOMLARGO);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ElegirTipos, ::testing::ValuesIn(CasosTipos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

struct CasoCompanias {
  const char* nombre;
  std::string origen;
  std::string destino;
  std::string elegidaOrigen;
  std::string elegidaDestino;
};

void PrintTo(const CasoCompanias& caso, std::ostream* os) { *os << caso.nombre; }

class ElegirCompanias : public ::testing::TestWithParam<CasoCompanias> {};

TEST_P(ElegirCompanias, SoloLasDeLaListaDeSuServidor) {
  Argumentos a = Base();
  a.companiaOrigen = GetParam().origen;
  a.companiaDestino = GetParam().destino;
  const EleccionEnvio e = ElegirEnvio(a, kOrigen, kDestino, kTipos);
  EXPECT_EQ(e.opciones.CompaniaOrigen, GetParam().elegidaOrigen);
  EXPECT_EQ(e.opciones.CompaniaDestino, GetParam().elegidaDestino);
  EXPECT_EQ(e.companiaOrigenDesconocida, GetParam().elegidaOrigen.empty());
  EXPECT_EQ(e.companiaDestinoDesconocida, GetParam().elegidaDestino.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, ElegirCompanias,
    ::testing::ValuesIn(std::vector<CasoCompanias>{
        {"Ambas", "003", "002", "003", "002"},
        {"OrigenDesconocido", "009", "002", "", "002"},
        // Each list is its own server's: the destination's code is not an origin company.
        {"OrigenDeLaOtraLista", "002", "002", "", "002"},
        {"DestinoDeLaOtraLista", "001", "001", "001", ""},
        // Codes are compared exactly.
        {"SinCeros", "1", "002", "", "002"},
    }),
    [](const auto& fila) { return std::string(fila.param.nombre); });

}  // namespace
}  // namespace norvane::cli
