#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Transferencia.h"
#include "fb/Transaction.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/TempDir.h"

// Audit rows and codes as the suite may leave them, sent through every family
// handler: nothing is written twice, nothing is marked that was not sent, and
// the bytes of a code travel unchanged.
namespace norvane::test {
namespace {

using fb::Value;

constexpr int kEntrada = 11;

// The suite's own audit table may let any column but its key be null.
void PermitirNulo(fb::Attachment& db, const std::string& columna) {
  fb::Transaction t(db);
  const auto bandera = t.query(
      "select RDB$NULL_FLAG from RDB$RELATION_FIELDS where RDB$RELATION_NAME = 'AUDITORIA' and "
          "RDB$FIELD_NAME = ?", {columna});
  t.commit();
  if (!bandera.at(0).at(0).isNull() && bandera[0][0].asInteger() == 1)
    db.execute("alter table AUDITORIA alter " + columna + " drop not null");
}
const std::string kCodigo = "PQ000123";

class EntradaInvalida : public EnvioPrueba {
protected:
  EntradaInvalida() : d(Descriptor(kEntrada)), tablas(TablasDe(d)) {}

  // An inventory receipt under `id` and `codigo` with two detail rows.
  fb::Row Documento(fb::Attachment& db, int id, const std::string& codigo, int semilla) {
    fb::Row encabezado = Encabezado(db, d, id, codigo, semilla).Insertar();
    for (int i = 1; i <= 2; ++i)
      NuevaFila(db, tablas.detalles[0], semilla * 10 + i).En(0, id).En(1, i).Insertar();
    return encabezado;
  }

  std::vector<fb::Row> Encabezados(fb::Attachment& db) {
    return Consultar(db, "select * from " + tablas.encabezado + " order by 1");
  }

  // The destination already holds the document under its code, so a lookup
  // that missed it would write it a second time.
  void DocumentoEnAmbas(const std::string& codigo = kCodigo) {
    auto origen = Origen();
    origenEncabezado = Documento(origen, 501, codigo, 1);
    auto destino = CompaniaDestino();
    destinoEncabezado = Documento(destino, 901, codigo, 7);
  }

  // What the destination's header holds now: the origin's values (sent) or
  // its own earlier ones (not sent), and never a second copy.
  void EsperarEncabezado(bool enviado) {
    sesion.DBEnvio.reset();
    auto destino = CompaniaDestino();
    const auto encabezados = Encabezados(destino);
    ASSERT_EQ(encabezados.size(), 1u);
    fb::Row esperado = enviado ? origenEncabezado : destinoEncabezado;
    esperado[0] = 901;
    EXPECT_EQ(encabezados[0], esperado);
  }

  const DescriptorDocumento& d;
  TablasDocumento tablas;
  fb::Row origenEncabezado;
  fb::Row destinoEncabezado;
};

// One column of an otherwise sound audit row is null.
struct CasoNulo {
  const char* columna;
  bool enviada;         // marked sent, the document copied
  const char* error;    // the column named in the error log, or none
};

void PrintTo(const CasoNulo& c, std::ostream* os) { *os << c.columna; }

class AuditoriaNula : public EntradaInvalida, public ::testing::WithParamInterface<CasoNulo> {};

TEST_P(AuditoriaNula, FailsOnlyWhereTheValueIsNeededAndNeverWritesTwice) {
  const auto& caso = GetParam();
  DocumentoEnAmbas();
  Marcar({kEntrada});
  Auditar(1, kEntrada, 501, "M", kCodigo);
  {
    auto origen = Origen();
    PermitirNulo(origen, caso.columna);
    origen.execute(std::string("update AUDITORIA set ") + caso.columna + " = null");
  }
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), caso.enviada ? "S" : "N");
  EsperarEncabezado(caso.enviada);
  const std::string errores = Errores();
  if (caso.error) {
    EXPECT_NE(errores.find(std::string("Valor no utilizable en la fila de auditoría 1: ") + caso.error),
              std::string::npos)
        << errores;
    EXPECT_NE(errores.find("Error transmitiendo"), std::string::npos) << errores;
    EXPECT_EQ(resumen.fallidas, 1);
  } else {
    EXPECT_EQ(errores, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Columnas, AuditoriaNula,
    ::testing::Values(CasoNulo{"AUDI_USUARIO", true, nullptr}, CasoNulo{"AUDI_FECHA", true, nullptr},
                      CasoNulo{"AUDI_HORA", true, nullptr},
                      // Without a type the row counts as not marked.
                      CasoNulo{"TIDO_COD", false, nullptr}, CasoNulo{"AUDI_IDDOC", false, "AUDI_IDDOC"},
                      // Any operation but "D" and "A" copies the document.
                      CasoNulo{"AUDI_OPER", true, nullptr},
                      // A document without a code is outside every code range.
                      CasoNulo{"AUDI_COD", false, nullptr},
                      CasoNulo{"AUDI_TICO", true, nullptr}, CasoNulo{"AUDI_RAZON", true, nullptr}),
    [](const ::testing::TestParamInfo<CasoNulo>& i) { return std::string(i.param.columna); });

// Every column that may be null is null: nothing is written or marked, for
// any family that handles the type. Documents without a code are outside the
// code range; master rows have no range and fail for want of their key.
TEST_F(EntradaInvalida, ARowOfNullsIsNeitherSentNorMarkedByAnyFamily) {
  const int documentos[] = {1, 11, 31, 41, 61, 62, 71};
  const int maestros[] = {100, 101, 102, 111, 124, 127, 201};
  {
    auto origen = Origen();
    for (const char* columna : {"AUDI_FECHA", "TIDO_COD"}) PermitirNulo(origen, columna);
  }
  int id = 0;
  for (int tipo : documentos) Auditar(++id, tipo, Value(), "M", "X");
  for (int tipo : maestros) Auditar(++id, tipo, Value(), "M", "X");
  Auditar(++id, 11, Value(), "M", "X");  // its type null as well
  {
    auto origen = Origen();
    origen.execute(
        "update AUDITORIA set AUDI_USUARIO = null, AUDI_FECHA = null, AUDI_HORA = null, "
        "AUDI_IDDOC = null, AUDI_OPER = null, AUDI_COD = null, AUDI_TICO = null, AUDI_RAZON = null");
    origen.execute("update AUDITORIA set TIDO_COD = null where AUDI_ID = " + std::to_string(id));
  }
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  for (int i = 1; i <= id; ++i) EXPECT_EQ(Envio(i), "N") << "audit row " << i;
  EXPECT_EQ(resumen.fueraDeRango, static_cast<int>(std::size(documentos)));
  EXPECT_EQ(resumen.fallidas, static_cast<int>(std::size(maestros)));
  EXPECT_EQ(resumen.sinMarcar, 1);
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
}

// Operations other than the two upper-case letters copy the document, as any
// change does; none deletes or voids it.
class Operacion : public EntradaInvalida, public ::testing::WithParamInterface<const char*> {};

TEST_P(Operacion, OtherThanUpperCaseDOrACopiesTheDocument) {
  DocumentoEnAmbas();
  Marcar({kEntrada});
  Auditar(1, kEntrada, 501, GetParam(), kCodigo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EsperarEncabezado(true);
}

INSTANTIATE_TEST_SUITE_P(Letras, Operacion, ::testing::Values("d", "a", " ", "", "X", "\xD1"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return "Caso" + std::to_string(i.index);
                         });

// A document that is no longer at the origin, or not at the destination,
// changes nothing there and its row is done.
TEST_F(EntradaInvalida, DocumentsThatNoLongerExistChangeNothing) {
  DocumentoEnAmbas();
  Marcar({kEntrada});
  Auditar(1, kEntrada, 777, "M", kCodigo);       // gone at the origin
  Auditar(2, kEntrada, 778, "D", "PQ000999");    // not at the destination
  Auditar(3, kEntrada, 779, "A", "PQ000998");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  for (int i : {1, 2, 3}) EXPECT_EQ(Envio(i), "S") << i;
  EsperarEncabezado(false);
  EXPECT_EQ(Errores(), "");
}

// Codes with quotes, statement separators, comment marks, the composite key's
// bar and Latin-1 bytes are values, never SQL: a document is found by them at
// the destination and replaced, and the log line holds the same bytes.
TEST_F(EntradaInvalida, CodesThatLookLikeSqlAreFoundAndLoggedByteForByte) {
  // Within the default code range, which begins at "0".
  const std::string prefijo = "Q'--;|\xD1\xE9";  // 8 bytes of a 10-byte prefix
  const std::string codigo = prefijo + "000123";
  DocumentoEnAmbas(codigo);
  Marcar({kEntrada});
  Auditar(1, kEntrada, 501, "M", codigo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EsperarEncabezado(true);
  const std::string log = TempDir::LeerArchivo(inst.dir() / "ENVIOMANUAL.TXT");
  EXPECT_NE(log.find(",1,11,M," + codigo + "\r\n"), std::string::npos) << log;
}

// Mend: a master row whose audit row has no key would be looked up by an
// empty key, find nothing and be marked sent with its change lost; it fails
// instead, whatever the operation.
class MaestroSinClave : public EntradaInvalida, public ::testing::WithParamInterface<int> {};

TEST_P(MaestroSinClave, FailsTheRowInsteadOfMarkingIt) {
  {
    auto destino = CompaniaDestino();
    NuevaFila(destino, "ARTICULO", 4).En("ARTI_COD", "").Insertar();
  }
  Marcar({GetParam()});
  Auditar(1, GetParam(), 0, "M", "X");
  Auditar(2, GetParam(), 0, "D", "X");
  Origen().execute("update AUDITORIA set AUDI_COD = null");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(resumen.fallidas, 2);
  const std::string errores = Errores();
  EXPECT_NE(errores.find("Valor no utilizable en la fila de auditoría 2: AUDI_COD"), std::string::npos) << errores;
  sesion.DBEnvio.reset();
  auto destino = CompaniaDestino();
  EXPECT_EQ(Consultar(destino, "select * from ARTICULO").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Tipos, MaestroSinClave, ::testing::Values(101, 124, 128, 201),
                         [](const ::testing::TestParamInfo<int>& i) { return "Tipo" + std::to_string(i.param); });

// A master key of the column's full length, with the same bytes, is copied
// once and then updated in place.
TEST_F(EntradaInvalida, AMasterKeyAtItsFullLengthIsCopiedThenUpdatedInPlace) {
  const std::string clave = "A'--;|\xD1\xE9" "123456789012";  // 20 bytes, ARTI_COD's length
  ASSERT_EQ(clave.size(), 20u);
  fb::Row articulo;
  {
    auto origen = Origen();
    articulo = NuevaFila(origen, "ARTICULO", 3).En("ARTI_COD", clave).Insertar();
  }
  Marcar({101});
  Auditar(1, 101, 0, "N", clave);
  Auditar(2, 101, 0, "M", clave);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
  sesion.DBEnvio.reset();
  auto destino = CompaniaDestino();
  const auto filas = Consultar(destino, "select ARTI_COD from ARTICULO");
  ASSERT_EQ(filas.size(), 1u);
  EXPECT_EQ(filas[0][0], Value(clave));
  const std::string log = TempDir::LeerArchivo(inst.dir() / "ENVIOMANUAL.TXT");
  EXPECT_NE(log.find(",2,101,M," + clave + "\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace norvane::test
