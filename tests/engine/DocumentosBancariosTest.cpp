#include <gtest/gtest.h>

#include <tuple>

#include "engine/DescriptorDocumento.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/families/DocumentosBancarios.h"
#include "engine/families/Familias.h"
#include "fb/Error.h"
#include "fb/Transaction.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane {

namespace {

using fb::Value;

// The name that follows `antes` in `texto`, up to a blank.
std::string NombreTras(const std::string& texto, const std::string& antes) {
  const auto at = texto.find(antes) + antes.size();
  return texto.substr(at, texto.find(' ', at) - at);
}

const DescriptorDocumento& Bancario(int tidoCod) {
  for (const auto& d : DescriptoresDocumentosBancarios())
    if (d.tidoCod == tidoCod) return d;
  throw std::runtime_error("no bank descriptor for " + std::to_string(tidoCod));
}

class Bancaria : public test::EnvioPrueba {
protected:
  void Preparar(const DescriptorDocumento& descriptor) {
    d = &descriptor;
    encabezado = NombreTras(d->busqueda, "FROM ");
    numero = NombreTras(d->clausulaNumero, "AND ");
    if (!d->detalles.empty()) detalle = NombreTras(d->detalles[0].seleccionDestino, "FROM ");
    for (auto& t : opciones.Ctipodoc) t.F_1 = t.TIDO_COD == d->tidoCod ? "S" : "N";
  }

  static std::string Numero(int n) {
    const std::string t = std::to_string(n);
    return std::string(6 - t.size(), '0') + t;
  }

  // A document of account `cuenta` numbered PQ + `n` in `db`, with `lineas`
  // detail rows when its type has them. A fixed-point column of the header
  // is null, so that the copy's rule shows.
  fb::Row Crear(fb::Attachment& db, int id, const Value& cuenta, int n, int semilla, int lineas = 2) {
    const auto columnas = test::Columnas(db, encabezado);
    fb::Row fila = test::FilaGenerica(columnas, semilla);
    fila[0] = id;
    fila[test::PosicionDe(columnas, "CUBA_COD")] = cuenta;
    fila[test::PosicionDe(columnas, "PRBA_PREF")] = "PQ";
    fila[test::PosicionDe(columnas, numero)] = Numero(n);
    fila[test::PosicionDe(columnas, d->columnaAnulado)] = "N";
    fila[PosicionImporte(columnas)] = Value();
    test::Insertar(db, encabezado, fila);
    if (!detalle.empty()) {
      const auto det = test::Columnas(db, detalle);
      for (int i = 0; i < lineas; ++i) {
        fb::Row linea = test::FilaGenerica(det, semilla * 10 + i);
        linea[0] = id;
        linea[1] = i + 1;
        test::Insertar(db, detalle, linea);
      }
    }
    return fila;
  }
  // The last fixed-point column of the header.
  static std::size_t PosicionImporte(const fb::Columns& columnas) {
    for (std::size_t p = columnas.size(); p-- > 0;)
      if (columnas[p].isFixedPoint()) return p;
    throw std::runtime_error("no fixed-point column");
  }

  void Auditar(int auditId, int iddoc, const std::string& oper, const Value& tico, int n) {
    auto db = inst.Compania("001");
    db.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
        "AUDI_OPER, AUDI_COD, AUDI_ENVIO, AUDI_TICO) values (?, 'ANA', '2024/04/20', ?, ?, ?, ?, ?, 'N', ?)",
        {auditId, fb::Time{8, 0, static_cast<unsigned>(auditId % 60), 0}, d->tidoCod, iddoc, oper,
         "PQ" + Numero(n), tico});
  }

  std::vector<fb::Row> Encabezados(fb::Attachment& db) {
    return Consultar(db, "select * from " + encabezado + " order by 1");
  }
  fb::Row Encabezado(fb::Attachment& db, std::int64_t id) {
    const auto filas = Consultar(db, "select * from " + encabezado + " where " +
                                         test::Columnas(db, encabezado)[0].field + " = ?", {id});
    return filas.empty() ? fb::Row{} : filas[0];
  }
  std::vector<fb::Row> Lineas(fb::Attachment& db, std::int64_t id) {
    if (detalle.empty()) return {};
    return Consultar(db, "select * from " + detalle + " where CONS_ID = ? order by 2", {id});
  }

  // `real` is `origen` sent with the fixed-point rule, under `id`.
  void EsperarCopia(const fb::Row& origen, const fb::Row& real, std::int64_t id, const fb::Columns& columnas) {
    ASSERT_EQ(origen.size(), real.size());
    EXPECT_EQ(real[0], Value(id));
    for (std::size_t i = 1; i < origen.size(); ++i) {
      if (i == PosicionImporte(columnas)) {
        EXPECT_EQ(real[i].toString(), "0.00") << "a null amount arrives as 0";
      } else {
        EXPECT_EQ(real[i], origen[i]) << "position " << i;
      }
    }
  }
  void EsperarLineas(const std::vector<fb::Row>& origen, const std::vector<fb::Row>& real, std::int64_t id) {
    ASSERT_EQ(real.size(), origen.size());
    for (std::size_t r = 0; r < origen.size(); ++r) {
      EXPECT_EQ(real[r][0], Value(id));
      for (std::size_t i = 1; i < origen[r].size(); ++i) EXPECT_EQ(real[r][i], origen[r][i]) << "line " << r;
    }
  }

  const DescriptorDocumento* d = nullptr;
  std::string encabezado;
  std::string numero;
  std::string detalle;  // empty for the header-only documents
};

class Bancarios : public Bancaria, public ::testing::WithParamInterface<std::tuple<std::size_t, bool>> {
protected:
  void SetUp() override {
    Preparar(DescriptoresDocumentosBancarios()[std::get<0>(GetParam())]);
    enLinea = std::get<1>(GetParam());
    opciones.EnLinea = enLinea;
  }
  fb::Attachment Previo() { return enLinea ? inst.Compania("002") : inst.Abrir("sop/envio.fdb"); }
  fb::Attachment Destino() { return enLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb"); }

  bool enLinea = true;
};

std::string NombreCaso(const ::testing::TestParamInfo<std::tuple<std::size_t, bool>>& info) {
  return "Tipo" + std::to_string(DescriptoresDocumentosBancarios()[std::get<0>(info.param)].tidoCod) +
         (std::get<1>(info.param) ? "EnLinea" : "FueraDeLinea");
}

// A new document: online under the view's identifier, offline under the
// origin's, its deposit lines under the same.
TEST_P(Bancarios, NewDocumentWithItsLines) {
  fb::Row origen;
  std::vector<fb::Row> lineas;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 501, 12, 45, 1);
    lineas = Lineas(db, 501);
  }
  Auditar(1, 501, "M", Value("12"), 45);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  const std::int64_t id = encabezados[0][0].asInteger();
  if (enLinea)
    EXPECT_GT(id, 1000000000);
  else
    EXPECT_EQ(id, 501);
  EsperarCopia(origen, encabezados[0], id, test::Columnas(destino, encabezado));
  EsperarLineas(lineas, Lineas(destino, id), id);
  EXPECT_EQ(Envio(1), "S");
}

// The document of the audit row's account is replaced in place, keeping its
// identifier, and its lines are sent again; the same prefix and number of
// another account is another document.
TEST_P(Bancarios, ReplaceInPlaceByAccountPrefixAndNumber) {
  fb::Row origen;
  std::vector<fb::Row> lineas;
  fb::Row otraCuenta;
  std::vector<fb::Row> lineasOtra;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 503, 12, 45, 3);
    lineas = Lineas(db, 503);
    auto destino = Previo();
    Crear(destino, 777, 12, 45, 7, 3);
    otraCuenta = Crear(destino, 778, 13, 45, 8, 1);
    lineasOtra = Lineas(destino, 778);
  }
  Auditar(1, 503, "M", Value("12"), 45);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  ASSERT_EQ(Encabezados(destino).size(), 2u);
  EsperarCopia(origen, Encabezado(destino, 777), 777, test::Columnas(destino, encabezado));
  EsperarLineas(lineas, Lineas(destino, 777), 777);
  EXPECT_EQ(Encabezado(destino, 778), otraCuenta);
  EXPECT_EQ(Lineas(destino, 778), lineasOtra);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Bancarios, OmittedWhenItExistsAndNothingIsReplaced) {
  fb::Row anterior;
  std::vector<fb::Row> lineas;
  {
    auto db = inst.Compania("001");
    Crear(db, 504, 12, 46, 4);
    auto destino = Previo();
    anterior = Crear(destino, 779, 12, 46, 9, 3);
    lineas = Lineas(destino, 779);
  }
  Auditar(1, 504, "M", Value("12"), 46);
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  EXPECT_EQ(Lineas(destino, 779), lineas);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(resumen.fallidas, 0);
}

// Online a void sets only the voided column and a delete removes only the
// header (a deposit's lines stay); offline neither changes anything.
TEST_P(Bancarios, VoidAndDeleteOnlineOnly) {
  fb::Row anulado;
  fb::Row otraCuenta;
  {
    auto destino = Previo();
    anulado = Crear(destino, 780, 12, 47, 10, 2);
    Crear(destino, 781, 12, 48, 11, 2);
    otraCuenta = Crear(destino, 782, 13, 47, 12, 1);
  }
  Auditar(1, 505, "A", Value("12"), 47);
  Auditar(2, 506, "D", Value("12"), 48);
  Auditar(3, 507, "D", Value("14"), 47);  // no such document in account 14
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  const auto columnas = test::Columnas(destino, encabezado);
  if (!enLinea) {
    EXPECT_EQ(Encabezados(destino).size(), 3u);
    EXPECT_EQ(Encabezado(destino, 780), anulado);
  } else {
    EXPECT_EQ(Encabezados(destino).size(), 2u);
    EXPECT_TRUE(Encabezado(destino, 781).empty());
    anulado[test::PosicionDe(columnas, d->columnaAnulado)] = "S";
    EXPECT_EQ(Encabezado(destino, 780), anulado);
  }
  EXPECT_EQ(Encabezado(destino, 782), otraCuenta);
  EXPECT_EQ(Lineas(destino, 781).size(), detalle.empty() ? 0u : 2u);
  for (int audit : {1, 2, 3}) EXPECT_EQ(Envio(audit), "S");
}

// Created, then changed, in one run: inserted once, then replaced.
TEST_P(Bancarios, TwoAuditRowsInsertThenReplace) {
  {
    auto db = inst.Compania("001");
    Crear(db, 508, 12, 49, 6);
  }
  Auditar(1, 508, "N", Value("12"), 49);
  Auditar(2, 508, "M", Value("12"), 49);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  EXPECT_EQ(Lineas(destino, encabezados[0][0].asInteger()).size(), detalle.empty() ? 0u : 2u);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

INSTANTIATE_TEST_SUITE_P(
    Descriptores, Bancarios,
    ::testing::Combine(::testing::Range<std::size_t>(0, DescriptoresDocumentosBancarios().size()),
                       ::testing::Bool()),
    NombreCaso);

class SinIdentificadorBancario : public Bancaria, public ::testing::WithParamInterface<std::size_t> {
protected:
  void SetUp() override { Preparar(DescriptoresDocumentosBancarios()[GetParam()]); }
};

// Online, a view that gives no identifier fails the row, with a message and
// a beep, and nothing is written.
TEST_P(SinIdentificadorBancario, FailsTheRowAndWritesNothing) {
  {
    auto db = inst.Compania("001");
    Crear(db, 509, 12, 50, 7);
    auto destino = inst.Compania("002");
    destino.execute("recreate view " + NombreTras(d->vistaId, "from ") +
                    " (ID) as select 1 from rdb$database where 1 = 0");
  }
  Auditar(1, 509, "M", Value("12"), 50);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  if (!detalle.empty()) {
    EXPECT_TRUE(Consultar(destino, "select * from " + detalle).empty());
  }
  const std::string errores = Errores();
  EXPECT_NE(errores.find(std::string("No se obtuvo un identificador nuevo de ") + d->vistaId), std::string::npos)
      << errores;
  EXPECT_GE(operador.beeps, 1);
  EXPECT_EQ(Envio(1), "N");
}

INSTANTIATE_TEST_SUITE_P(Descriptores, SinIdentificadorBancario,
                         ::testing::Range<std::size_t>(0, DescriptoresDocumentosBancarios().size()),
                         [](const auto& caso) {
                           return "Tipo" + std::to_string(DescriptoresDocumentosBancarios()[caso.param].tidoCod);
                         });

struct CasoCuenta {
  const char* nombre;
  bool cuentaTexto;    // CUBA_COD is a text column at the destination
  Value tico;          // AUDI_TICO
  Value cuenta;        // the account of the document that must be found
  Value otra;          // another account with the same prefix and number
};

void PrintTo(const CasoCuenta& caso, std::ostream* os) { *os << caso.nombre; }

class Cuenta : public Bancaria, public ::testing::WithParamInterface<CasoCuenta> {};

// The account goes into the lookup bare when it is an integer literal, and
// quoted otherwise: the void finds the document of that account only.
TEST_P(Cuenta, TheVoidFindsTheDocumentOfThatAccount) {
  const auto& c = GetParam();
  Preparar(Bancario(72));
  fb::Row otra;
  {
    auto destino = inst.Compania("002");
    if (c.cuentaTexto) destino.execute("alter table CHEQUES alter CUBA_COD type varchar(20)");
    Crear(destino, 801, c.cuenta, 45, 1);
    otra = Crear(destino, 802, c.otra, 45, 2);
  }
  Auditar(1, 700, "A", c.tico, 45);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Encabezado(destino, 801)[test::PosicionDe(test::Columnas(destino, encabezado), "CHEQ_ANULADO")],
            Value("S"));
  EXPECT_EQ(Encabezado(destino, 802), otra);
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cuenta,
    ::testing::Values(CasoCuenta{"Doce", false, Value("12"), Value(12), Value(13)},
                      CasoCuenta{"BlancoDelante", false, Value(" 12"), Value(12), Value(13)},
                      CasoCuenta{"Negativa", false, Value("-5"), Value(-5), Value(5)},
                      CasoCuenta{"Blanca", true, Value("   "), Value(""), Value("0")},
                      CasoCuenta{"Nula", true, Value(), Value(""), Value("0")},
                      CasoCuenta{"Letras", true, Value("AB"), Value("AB"), Value("ABC")},
                      CasoCuenta{"Comilla", true, Value("O'K"), Value("O'K"), Value("OK")},
                      CasoCuenta{"Comentario", true, Value("1--"), Value("1--"), Value("1")}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Written bare, "1--" would turn the rest of the lookup into a comment and
// void the first cheque of account 1, whatever its number. Quoted, the
// destination refuses to compare it with its integer accounts: the run ends
// there and nothing is voided.
TEST_F(Bancaria, AnAccountThatIsNoIntegerNeverWidensTheLookup) {
  Preparar(Bancario(72));
  fb::Row otra;
  {
    auto destino = inst.Compania("002");
    otra = Crear(destino, 803, 1, 99, 1);
  }
  Auditar(1, 700, "A", Value("1--"), 45);
  EXPECT_THROW(Ejecutar(), fb::Error);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Encabezado(destino, 803), otra);
  EXPECT_EQ(Envio(1), "N");
}

// A refused deposit line fails the row and its destination transaction
// leaves nothing of the deposit.
TEST_F(Bancaria, ARefusedDepositLineLeavesNothingOfTheDeposit) {
  Preparar(Bancario(71));
  {
    auto db = inst.Compania("001");
    Crear(db, 601, 12, 45, 1, 3);
    auto destino = inst.Compania("002");
    destino.execute("create exception E_PRUEBA_LINEA 'linea rechazada'");
    destino.execute("create trigger T_PRUEBA_LINEA for CONSIGNA_DETALLE before insert as begin "
                    "if (new.CODE_ITEM = 2) then exception E_PRUEBA_LINEA; end");
  }
  Auditar(1, 601, "M", Value("12"), 45);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_TRUE(Consultar(destino, "select * from CONSIGNA_DETALLE").empty());
  EXPECT_NE(Errores().find("linea rechazada"), std::string::npos);
  EXPECT_EQ(Envio(1), "N");
}

}  // namespace
}  // namespace norvane
