#include <gtest/gtest.h>

#include "engine/SeleccionAuditoria.h"
#include "engine/TextoSql.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane {
namespace {

ListaTipos Tipos(std::initializer_list<std::pair<int, const char*>> marcas) {
  ListaTipos tipos;
  for (auto [codigo, f1] : marcas) tipos.push_back({codigo, "Tipo " + std::to_string(codigo), f1});
  return tipos;
}

OpcionesEnvio RangoDeFechas() {
  OpcionesEnvio o;
  o.TodoLoNoEnviado = false;
  o.FechaDesde = fb::Date{2024, 4, 1};
  o.FechaHasta = fb::Date{2024, 4, 30};
  return o;
}

TEST(SeleccionAuditoria, TodoLoNoEnviadoIgnoresEveryOtherChoice) {
  OpcionesEnvio o;
  o.Prefijo = "FV";
  o.NumeroDesde = "1";
  o.NumeroHasta = "9";
  o.TipoComprobante = "CE";
  o.Ctipodoc = Tipos({{1, "S"}, {11, "N"}});
  test::OperadorGrabador operador;
  EXPECT_EQ(TextoSeleccionAuditoria(o, operador),
            "select * from auditoria where audi_envio = 'N' order by audi_fecha, audi_hora");
  EXPECT_TRUE(operador.mensajes.empty());
}

TEST(SeleccionAuditoria, DateRangeWithTwoTypesAsTheExampleJoinsIt) {
  OpcionesEnvio o = RangoDeFechas();
  o.Ctipodoc = Tipos({{1, "S"}, {2, "N"}, {11, "S"}});
  test::OperadorGrabador operador;
  EXPECT_EQ(TextoSeleccionAuditoria(o, operador),
            "select * from auditoria where audi_fecha >= '2024/04/01' and audi_fecha <= "
            "'2024/04/30' and ( (tido_cod = 1) or  (tido_cod = 11)) order by audi_fecha, "
            "audi_hora");
}

TEST(SeleccionAuditoria, VoucherTypeAndQuotedCodeRange) {
  OpcionesEnvio o = RangoDeFechas();
  o.Ctipodoc = Tipos({{1, "S"}});
  o.TipoComprobante = "C'E";
  o.Prefijo = "F'V";
  o.NumeroDesde = "000100";
  o.NumeroHasta = "000200' or ''='";
  test::OperadorGrabador operador;
  EXPECT_EQ(TextoSeleccionAuditoria(o, operador),
            "select * from auditoria where audi_fecha >= '2024/04/01' and audi_fecha <= "
            "'2024/04/30' and ( (tido_cod = 1)) and AUDI_TICO = 'C''E' and audi_cod >= "
            "'F''V000100' and audi_cod <= 'F''V000200'' or ''''=''' order by audi_fecha, "
            "audi_hora");
}

TEST(SeleccionAuditoria, FiltersThatDoNotApply) {
  test::OperadorGrabador operador;
  // The voucher type counts only when type 1 is marked; the code range only
  // with all three parts.
  OpcionesEnvio o = RangoDeFechas();
  o.Ctipodoc = Tipos({{1, "N"}, {11, "S"}});
  o.TipoComprobante = "CE";
  o.Prefijo = "FV";
  o.NumeroDesde = "1";
  EXPECT_EQ(TextoSeleccionAuditoria(o, operador),
            "select * from auditoria where audi_fecha >= '2024/04/01' and audi_fecha <= "
            "'2024/04/30' and ( (tido_cod = 11)) order by audi_fecha, audi_hora");
  EXPECT_TRUE(operador.mensajes.empty());
}

TEST(SeleccionAuditoria, NoTypeMarkedWarnsAndGoesOnWithoutTypeFilter) {
  OpcionesEnvio o = RangoDeFechas();
  o.Ctipodoc = Tipos({{1, "N"}, {11, "N"}});
  test::OperadorGrabador operador;
  EXPECT_EQ(TextoSeleccionAuditoria(o, operador),
            "select * from auditoria where audi_fecha >= '2024/04/01' and audi_fecha <= "
            "'2024/04/30' order by audi_fecha, audi_hora");
  EXPECT_EQ(operador.mensajes, (std::vector<std::string>{"Debe marcar al menos un tipo de documento."}));
}

TEST(SeleccionAuditoria, EmptyDateInADateRangeRunIsAnError) {
  OpcionesEnvio o = RangoDeFechas();
  o.FechaHasta.reset();
  test::OperadorGrabador operador;
  EXPECT_THROW(TextoSeleccionAuditoria(o, operador), std::runtime_error);
}

struct CasoRango {
  const char* prefijo;
  const char* desde;
  const char* hasta;
  const char* codigo;
  bool dentro;
};

class RangoDeCodigo : public ::testing::TestWithParam<CasoRango> {};

TEST_P(RangoDeCodigo, ComparesTextByteByByte) {
  const auto& c = GetParam();
  OpcionesEnvio o;
  o.Prefijo = c.prefijo;
  o.NumeroDesde = c.desde;
  o.NumeroHasta = c.hasta;
  EXPECT_EQ(EnRango(CalcularRango(o), c.codigo), c.dentro) << c.codigo;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RangoDeCodigo,
    ::testing::Values(CasoRango{"", "", "", "FV000123", true},
                      CasoRango{"", "", "", "", false},              // empty code
                      CasoRango{"", "", "", "-1", false},            // below "0"
                      CasoRango{"", "", "", "\xc3\x91" "A1", false}, // above "z"
                      CasoRango{"", "", "", "zzzz99999999", true},   // upper bound included
                      CasoRango{"", "", "", "00000000", true},       // lower bound included
                      CasoRango{"FV", "100", "", "FV000123", false}, // text, not numbers
                      CasoRango{"FV", "100", "", "FV100", true},
                      CasoRango{"FV", "100", "", "FV99999999", true},
                      CasoRango{"FV", "", "000200", "FV000123", true},
                      CasoRango{"FV", "", "000200", "FV000201", false},
                      CasoRango{"FV", "", "", "FC000001", false}));

TEST(SeleccionAuditoria, RangeBoundsOfTheRow) {
  OpcionesEnvio o;
  EXPECT_EQ(CalcularRango(o).CodigoDesde, "00000000");
  EXPECT_EQ(CalcularRango(o).CodigoHasta, "zzzz99999999");
  o.Prefijo = "EN";
  EXPECT_EQ(CalcularRango(o).CodigoDesde, "EN00000000");
  EXPECT_EQ(CalcularRango(o).CodigoHasta, "EN99999999");
}

}  // namespace
}  // namespace norvane
