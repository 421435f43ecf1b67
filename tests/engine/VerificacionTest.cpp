// The comparison of origin and destination: what the descriptors leave out
// exists in its table and covers every column the copy changes on purpose,
// and the fixed-point rule is allowed only where the copy applies it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DescriptorDocumento.h"
#include "engine/Verificacion.h"
#include "engine/families/Comprobantes.h"
#include "engine/families/Familias.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/InstalacionPrueba.h"

namespace norvane {
namespace {

std::vector<const DescriptorDocumento*> Todos() {
  auto todos = DescriptoresDocumento();
  todos.push_back(&DescriptorComprobante());
  return todos;
}

// The columns a select gives on the suite's company database.
fb::Columns Columnas(fb::Attachment& db, const std::string& select) {
  fb::Transaction t(db);
  fb::Statement s(t, select);
  return s.columns();
}

bool Tiene(const fb::Columns& columnas, const char* nombre) {
  return std::any_of(columnas.begin(), columnas.end(),
                     [&](const fb::Column& c) { return c.name == nombre; });
}

bool Excluye(std::span<const Excluida> excluidas, int posicion) {
  return std::any_of(excluidas.begin(), excluidas.end(),
                     [&](const Excluida& e) { return e.posicion == posicion; });
}

bool Excluye(std::span<const Excluida> excluidas, const char* columna) {
  return std::any_of(excluidas.begin(), excluidas.end(), [&](const Excluida& e) {
    return e.columna && std::string(e.columna) == columna;
  });
}

void ExistenEn(std::span<const Excluida> excluidas, const fb::Columns& columnas, const std::string& donde) {
  for (const Excluida& e : excluidas) {
    EXPECT_TRUE((e.posicion >= 0) != (e.columna != nullptr)) << donde << ": a position or a name, one";
    if (e.posicion >= 0) {
      EXPECT_LT(static_cast<std::size_t>(e.posicion), columnas.size()) << donde;
    }
    if (e.columna) {
      EXPECT_TRUE(Tiene(columnas, e.columna)) << donde << ": " << e.columna;
    }
    // Position 0 is left out of every document row anyway.
    EXPECT_NE(e.posicion, 0) << donde;
  }
}

class Excluidas : public ::testing::TestWithParam<const DescriptorDocumento*> {
protected:
  test::InstalacionPrueba inst;
};

TEST_P(Excluidas, ExistInTheirTablesAndCoverWhatTheCopyChanges) {
  const DescriptorDocumento& d = *GetParam();
  auto db = inst.Compania("001");
  const fb::Columns encabezado = Columnas(db, d.seleccionEncabezado + std::string("0"));
  ExistenEn(d.excluidas, encabezado, d.seleccionEncabezado);

  // Whatever the descriptor re-links or fixes is left out of the comparison.
  if (d.referenciaFactura) {
    EXPECT_TRUE(Excluye(d.excluidas, d.referenciaFactura->posicionId));
  }
  if (d.referenciaEncabezado) {
    EXPECT_TRUE(Excluye(d.excluidas, d.referenciaEncabezado->posicion));
  }
  if (d.implicada) {
    EXPECT_TRUE(Excluye(d.excluidas, d.implicada->nombre));
  }
  // A lookup of its own needs one that works without a run.
  if (d.busquedaPropia) {
    EXPECT_NE(d.busquedaCodigo, nullptr);
  }
  if (d.posicionFecha >= 0) {
    EXPECT_LT(static_cast<std::size_t>(d.posicionFecha), encabezado.size());
  }

  for (const TablaDetalle& t : d.detalles) {
    const fb::Columns columnas = Columnas(db, t.seleccionOrigen + std::string("0") + t.orden);
    ExistenEn(t.excluidas, columnas, t.seleccionOrigen);
    if (t.columnaEnCero >= 0) {
      EXPECT_TRUE(Excluye(t.excluidas, t.columnaEnCero)) << t.seleccionOrigen;
    }
    if (t.referencia) {
      if (t.referencia->columnaId) {
        EXPECT_TRUE(Excluye(t.excluidas, t.referencia->columnaId)) << t.seleccionOrigen;
      } else {
        EXPECT_TRUE(Excluye(t.excluidas, t.referencia->posicionId)) << t.seleccionOrigen;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Descriptores, Excluidas, ::testing::ValuesIn(Todos()),
                         [](const auto& caso) { return std::to_string(caso.param->tidoCod); });

// ---- The fixed-point rule where the copy applies it ----

// One header (or master row) at both sides, as a case sets it up: the
// destination's row starts as the origin's under another identifier.
struct Caso {
  const char* nombre;
  int tido;
  const char* tabla;
  void (*origen)(const fb::Columns&, fb::Row&);
  void (*destino)(const fb::Columns&, fb::Row&);
  EstadoVerificacion estado;
  std::vector<std::string> columnas;  // what the report names, in order
};

std::ostream& operator<<(std::ostream& out, const Caso& c) { return out << c.nombre; }

void Nada(const fb::Columns&, fb::Row&) {}
void SinImportes(const fb::Columns& c, fb::Row& f) { f = test::SinImportes(c, f); }
void NulosEnCero(const fb::Columns& c, fb::Row& f) { f = test::ImportesNulosEnCero(c, test::SinImportes(c, f)); }
void Conciliado(const fb::Columns&, fb::Row& f) { f.at(8) = fb::Decimal{12345, -2}; }
void CostoDistinto(const fb::Columns& c, fb::Row& f) {
  f.at(test::PosicionDe(c, "ARTI_COSTO")) = fb::Decimal{999999, -4};
}
void FacturaEImplica(const fb::Columns& c, fb::Row& f) {
  f.at(29) = 4242;
  f.at(test::PosicionDe(c, "DEVT_IMPLICA")) = "S";
}
void Implica(const fb::Columns& c, fb::Row& f) { f.at(test::PosicionDe(c, "DEVT_IMPLICA")) = "N"; }
void FacturaEImplicaYTotal(const fb::Columns& c, fb::Row& f) {
  FacturaEImplica(c, f);
  f.at(test::PosicionDe(c, "DEVT_TOTAL")) = fb::Decimal{1, -2};
}

const Caso kCasos[] = {
    {"DocumentNullAmountArrivesAs0", 11, "ENTRADAS", SinImportes, NulosEnCero, EstadoVerificacion::Igual, {}},
    {"DocumentNullAmountLeftNullDiffers", 11, "ENTRADAS", SinImportes, SinImportes,
     EstadoVerificacion::Diferente, {"ENTR_SUBTOTAL", "ENTR_DESCUENTO", "ENTR_IVA", "ENTR_TOTAL"}},
    {"VoucherHeaderKeepsItsNulls", 1, "COMPROBANTE_ENCABEZADO", SinImportes, SinImportes,
     EstadoVerificacion::Igual, {}},
    {"VoucherHeaderNullAs0Differs", 1, "COMPROBANTE_ENCABEZADO", SinImportes, NulosEnCero,
     EstadoVerificacion::Diferente, {"ENCO_TOTAL_DEBITO", "ENCO_TOTAL_CREDITO"}},
    {"VoucherColumn8IsLeftOut", 1, "COMPROBANTE_ENCABEZADO", Nada, Conciliado, EstadoVerificacion::Igual, {}},
    {"ArticleUpdatedExactly", 101, "ARTICULO", SinImportes, SinImportes, EstadoVerificacion::Igual, {}},
    {"ArticleInsertedByTheRule", 101, "ARTICULO", SinImportes, NulosEnCero, EstadoVerificacion::Igual, {}},
    {"ArticleOtherCostDiffers", 101, "ARTICULO", Nada, CostoDistinto, EstadoVerificacion::Diferente,
     {"ARTI_COSTO"}},
    {"SalesReturnInvoiceAndImpliedAreLeftOut", 33, "DEVOLUCIONES_VENTAS", Implica, FacturaEImplica,
     EstadoVerificacion::Igual, {}},
    {"SalesReturnOtherColumnStillCompared", 33, "DEVOLUCIONES_VENTAS", Implica, FacturaEImplicaYTotal,
     EstadoVerificacion::Diferente, {"DEVT_TOTAL"}},
};

class ReglaPuntoFijo : public test::EnvioPrueba, public ::testing::WithParamInterface<Caso> {};

TEST_P(ReglaPuntoFijo, AllowedOnlyWhereTheCopyAppliesIt) {
  const Caso& c = GetParam();
  auto origen = Origen();
  auto destino = CompaniaDestino();
  const fb::Columns columnas = test::Columnas(origen, c.tabla);
  fb::Row fila = test::FilaGenerica(columnas, 3);
  const bool maestro = c.tido >= 100;
  std::string codigo;
  if (maestro) {
    fila.at(0) = "A1";
    codigo = "A1";
  } else if (c.tido == 1) {
    fila.at(1) = "CC1";
    fila.at(2) = "CC";
    fila.at(3) = "000123";
    codigo = "CC000123";
  } else {
    fila.at(test::PosicionDe(columnas, "PREF_PRE")) = "XY";
    fila.at(2) = "000123";
    codigo = "XY000123";
  }
  if (!maestro) fila.at(0) = 7;
  c.origen(columnas, fila);
  fb::Row copia = fila;
  if (!maestro) copia.at(0) = 90;  // online, the destination numbers it
  c.destino(columnas, copia);
  test::Insertar(origen, c.tabla, fila);
  test::Insertar(destino, c.tabla, copia);
  origen.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, AUDI_OPER, "
      "AUDI_COD, AUDI_ENVIO, AUDI_TICO) values (1, '2024/04/01', '08:00:00', ?, 7, 'M', ?, 'S', ?)",
      {c.tido, codigo, c.tido == 1 ? fb::Value("CC1") : fb::Value()});

  const ResultadoVerificacion r = Verificar(sesion, opciones, operador, VerificacionCompleta());
  ASSERT_EQ(r.documentos.size(), 1u);
  const DocumentoVerificado& d = r.documentos[0];
  EXPECT_EQ(d.estado, c.estado) << LineaVerificacion(d);
  EXPECT_EQ(d.detalle, c.columnas) << LineaVerificacion(d);
  EXPECT_EQ(d.codigo, codigo);
}

INSTANTIATE_TEST_SUITE_P(Casos, ReglaPuntoFijo, ::testing::ValuesIn(kCasos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// An article's units deleted at the origin: online the run empties the
// destination's, so a unit left there differs; with no unit there, equal.
class SubtablaBorrada : public test::EnvioPrueba {
protected:
  DocumentoVerificado Verificado(bool unidadEnDestino) {
    auto destino = CompaniaDestino();
    if (unidadEnDestino)
      destino.execute("insert into UNIDAD_ARTICULO (ARTI_COD, UNAR_UNIDAD) values ('A1', 'CAJA')");
    auto origen = Origen();
    origen.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_OPER, AUDI_COD, "
        "AUDI_ENVIO) values (1, '2024/04/01', '08:00:00', 124, 'D', 'A1', 'S')");
    const ResultadoVerificacion r = Verificar(sesion, opciones, operador, VerificacionCompleta());
    EXPECT_EQ(r.documentos.size(), 1u);
    return r.documentos.at(0);
  }
};

TEST_F(SubtablaBorrada, AUnitLeftAtTheDestinationDiffers) {
  const DocumentoVerificado d = Verificado(true);
  EXPECT_EQ(d.estado, EstadoVerificacion::Diferente) << LineaVerificacion(d);
  EXPECT_EQ(LineaVerificacion(d), "124 A1 diferente: presente en destino");
}

TEST_F(SubtablaBorrada, NoUnitLeftIsEqual) {
  const DocumentoVerificado d = Verificado(false);
  EXPECT_EQ(d.estado, EstadoVerificacion::Igual) << LineaVerificacion(d);
}

// Rows the run completes without copying the document: a void compares only
// the voided column, a delete only that the document is gone.
struct CasoSinCopia {
  const char* nombre;
  const char* operacion;
  const char* anuladoEnDestino;  // nullptr: the destination does not hold the receipt
  EstadoVerificacion estado;
  const char* linea;
};

std::ostream& operator<<(std::ostream& out, const CasoSinCopia& c) { return out << c.nombre; }

const CasoSinCopia kSinCopia[] = {
    {"VoidedWhateverElseDiffers", "A", "S", EstadoVerificacion::Igual, "11 EN000123 igual"},
    {"VoidNotApplied", "A", "N", EstadoVerificacion::Diferente, "11 EN000123 diferente: ENTR_ANULADO"},
    {"VoidOfAMissingDocument", "A", nullptr, EstadoVerificacion::AusenteEnDestino,
     "11 EN000123 ausente en destino"},
    {"DeletedAndGone", "D", nullptr, EstadoVerificacion::Igual, "11 EN000123 igual"},
    {"DeletedButStillThere", "D", "N", EstadoVerificacion::Diferente,
     "11 EN000123 diferente: presente en destino"},
};

class AnuladoBorrado : public test::EnvioPrueba, public ::testing::WithParamInterface<CasoSinCopia> {};

TEST_P(AnuladoBorrado, ComparesOnlyWhatTheRunChanged) {
  const CasoSinCopia& c = GetParam();
  auto destino = CompaniaDestino();
  const fb::Columns columnas = test::Columnas(destino, "ENTRADAS");
  if (c.anuladoEnDestino) {
    // Nothing but the code in common with the origin, which holds no receipt.
    fb::Row fila = test::FilaGenerica(columnas, 5);
    fila.at(0) = 90;
    fila.at(1) = "EN";
    fila.at(2) = "000123";
    fila.at(test::PosicionDe(columnas, "ENTR_ANULADO")) = c.anuladoEnDestino;
    test::Insertar(destino, "ENTRADAS", fila);
  }
  auto origen = Origen();
  origen.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, AUDI_OPER, "
      "AUDI_COD, AUDI_ENVIO) values (1, '2024/04/01', '08:00:00', 11, 7, ?, 'EN000123', 'S')",
      {c.operacion});
  const ResultadoVerificacion r = Verificar(sesion, opciones, operador, VerificacionCompleta());
  ASSERT_EQ(r.documentos.size(), 1u);
  EXPECT_EQ(r.documentos[0].estado, c.estado);
  EXPECT_EQ(LineaVerificacion(r.documentos[0]), c.linea);
  EXPECT_EQ(r.HayDiferencias(), c.estado != EstadoVerificacion::Igual);
}

INSTANTIATE_TEST_SUITE_P(Casos, AnuladoBorrado, ::testing::ValuesIn(kSinCopia),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// The comparison reads the destination through a snapshot that refuses
// every write.
TEST(TransaccionSoloLectura, RefusesWritesAndReads) {
  test::InstalacionPrueba inst;
  auto db = inst.Compania("002");
  fb::Transaction t(db, fb::Isolation::ReadOnlySnapshot);
  EXPECT_EQ(t.query("select count(*) from MARCAS")[0][0], fb::Value(0));
  EXPECT_THROW(t.execute("insert into MARCAS (MARC_COD, MARC_NOMBRE) values ('X', 'x')"), std::exception);
  t.rollback();
  fb::Transaction u(db);
  EXPECT_EQ(u.query("select count(*) from MARCAS")[0][0], fb::Value(0));
}

}  // namespace
}  // namespace norvane
