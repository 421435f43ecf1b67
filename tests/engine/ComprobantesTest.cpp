#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "engine/Sesion.h"
#include "engine/Transferencia.h"
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

const std::string kEncabezado = "COMPROBANTE_ENCABEZADO";
// The two sets of entries, in the order the voucher sends them.
const std::string kAsientos[] = {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"};
constexpr std::size_t kConciliado = 8;

struct Codigo {
  std::string tipo = "CE1";
  std::string prefijo = "CE";
  std::string numero = "001234";
};

// The accounting lock date kept in `db`; nullopt: no configuration row.
void FijarBloqueo(fb::Attachment& db, const std::optional<std::string>& fecha) {
  db.execute("delete from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' and "
             "CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'");
  if (fecha)
    db.execute("insert into CONFIGURACION (CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD, CONF_VALOR) "
               "values ('CONTABILIDAD', 'GENERAL', 'FECHA DE BLOQUEO', ?)",
               {*fecha});
}

// A trigger of `db` that refuses inserting the row of `tabla` whose column 1
// (the line number) is `item`, with `mensaje`.
void RechazarLinea(fb::Attachment& db, const std::string& tabla, int item, const std::string& mensaje) {
  const std::string nombre = "PRUEBA_" + std::to_string(item) + "_" + tabla.substr(tabla.size() - 4);
  db.execute("create exception E_" + nombre + " '" + mensaje + "'");
  db.execute("create trigger T_" + nombre + " for " + tabla + " before insert as begin if (new." +
             test::Columnas(db, tabla)[1].field + " = " + std::to_string(item) +
             ") then exception E_" + nombre + "; end");
}

class Comprobante : public test::EnvioPrueba {
protected:
  Comprobante() {
    for (auto& t : opciones.Ctipodoc) t.F_1 = t.TIDO_COD == 1 ? "S" : "N";
    // No lock date unless a test sets one.
    auto destino = inst.Compania("002");
    FijarBloqueo(destino, std::nullopt);
    auto plantilla = inst.Abrir("sop/envio.fdb");
    FijarBloqueo(plantilla, std::nullopt);
  }

  // Where an earlier copy of a voucher lives before the run: the company
  // online, the empty transfer database that an offline run copies.
  fb::Attachment Previo(bool enLinea) { return enLinea ? inst.Compania("002") : inst.Abrir("sop/envio.fdb"); }
  // Where the run writes.
  fb::Attachment Destino(bool enLinea) {
    return enLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb");
  }

  // A voucher in `db` with `asientos` entries of the first set and `niif` of
  // the second, numbered from 1.
  fb::Row Crear(fb::Attachment& db, int id, const Codigo& codigo, int semilla, int asientos = 2, int niif = 2,
                fb::Date fecha = {2024, 4, 10}) {
    fb::Row fila = test::FilaGenerica(test::Columnas(db, kEncabezado), semilla);
    fila[0] = id;
    fila[1] = codigo.tipo;
    fila[2] = codigo.prefijo;
    fila[3] = codigo.numero;
    fila[4] = fecha;
    test::Insertar(db, kEncabezado, fila);
    const int cantidades[] = {asientos, niif};
    for (std::size_t t = 0; t < 2; ++t) {
      const auto columnas = test::Columnas(db, kAsientos[t]);
      for (int i = 0; i < cantidades[t]; ++i) {
        fb::Row linea = test::FilaGenerica(columnas, semilla * 10 + i);
        linea[0] = id;
        linea[1] = i + 1;
        test::Insertar(db, kAsientos[t], linea);
      }
    }
    return fila;
  }

  void Auditar(int auditId, int iddoc, const std::string& oper, const Value& tico, const std::string& cod) {
    auto db = inst.Compania("001");
    db.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
        "AUDI_OPER, AUDI_COD, AUDI_ENVIO, AUDI_TICO) values (?, 'ANA', '2024/04/20', ?, 1, ?, ?, ?, 'N', ?)",
        {auditId, fb::Time{8, 0, static_cast<unsigned>(auditId % 60), 0}, iddoc, oper, cod, tico});
  }
  void Auditar(int auditId, int iddoc, const std::string& oper, const Codigo& codigo = {}) {
    Auditar(auditId, iddoc, oper, Value(codigo.tipo), codigo.prefijo + codigo.numero);
  }

  std::vector<fb::Row> Encabezados(fb::Attachment& db) {
    return Consultar(db, "select * from " + kEncabezado + " order by 1");
  }
  std::vector<fb::Row> Lineas(fb::Attachment& db, std::size_t set, std::int64_t id) {
    return Consultar(db, "select * from " + kAsientos[set] + " where ENCO_CONSEC = ? order by 2", {id});
  }
  std::size_t TodasLasLineas(fb::Attachment& db, std::size_t set) {
    return Consultar(db, "select * from " + kAsientos[set]).size();
  }

  // Every position of `real` equals `esperada`, but those in `salvo`.
  static void EsperarIguales(const fb::Row& esperada, const fb::Row& real, std::initializer_list<std::size_t> salvo) {
    ASSERT_EQ(esperada.size(), real.size());
    for (std::size_t i = 0; i < esperada.size(); ++i)
      if (std::find(salvo.begin(), salvo.end(), i) == salvo.end()) {
      EXPECT_EQ(real[i], esperada[i]) << "position " << i;
    }
  }

};

class ComprobanteNuevo : public Comprobante, public ::testing::WithParamInterface<bool> {};

// The header goes as the origin has it (no fixed-point rule: a null stays
// null, six decimals stay six) but for its identifier and position 8; the
// entries of both sets follow under the header's identifier, with the rule.
TEST_P(ComprobanteNuevo, HeaderAsItIsEntriesUnderItsIdentifier) {
  const bool enLinea = GetParam();
  fb::Row origen;
  std::vector<fb::Row> asientos[2];
  {
    auto db = inst.Compania("001");
    // A column finer than the rule's four decimals, at both ends.
    auto destino = Previo(enLinea);
    for (auto* base : {&db, &destino}) base->execute("alter table " + kEncabezado + " add PRUEBA_TASA numeric(18,6)");
    Crear(db, 501, {}, 1, 3, 2);
    const auto columnas = test::Columnas(db, kEncabezado);
    db.execute("update " + kEncabezado + " set PRUEBA_TASA = 1.234567, " + columnas[6].field + " = null");
    db.execute("update COMPROBANTE_DETALLE set DECO_BASE = null where DECO_ITEM = 2");
    origen = Encabezados(db)[0];
    ASSERT_NE(origen[kConciliado], Value(fb::Decimal{0, -2}));
    for (std::size_t t = 0; t < 2; ++t) asientos[t] = Lineas(db, t, 501);
  }
  Auditar(1, 501, "M");
  opciones.EnLinea = enLinea;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = Destino(enLinea);
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  const std::int64_t id = encabezados[0][0].asInteger();
  if (enLinea)
    EXPECT_GT(id, 1000000000);  // from cambie_id_comproba
  else
    EXPECT_EQ(id, 501);
  EsperarIguales(origen, encabezados[0], {0, kConciliado});
  EXPECT_EQ(encabezados[0][kConciliado].toString(), "0.00");
  const auto columnas = test::Columnas(destino, kEncabezado);
  EXPECT_TRUE(encabezados[0][6].isNull());
  EXPECT_EQ(encabezados[0][test::PosicionDe(columnas, "PRUEBA_TASA")].toString(), "1.234567");

  for (std::size_t t = 0; t < 2; ++t) {
    const auto lineas = Lineas(destino, t, id);
    ASSERT_EQ(lineas.size(), asientos[t].size()) << kAsientos[t];
    for (std::size_t r = 0; r < lineas.size(); ++r) {
      EXPECT_EQ(lineas[r][0], Value(id));
      if (t == 0 && r == 1) {
        const auto base = test::PosicionDe(test::Columnas(destino, kAsientos[0]), "DECO_BASE");
        EXPECT_EQ(lineas[r][base].toString(), "0.00");  // the rule: a null amount arrives as 0
        EsperarIguales(asientos[t][r], lineas[r], {0, base});
      } else {
        EsperarIguales(asientos[t][r], lineas[r], {0});
      }
    }
  }
  EXPECT_EQ(Envio(1), "S");
  if (!enLinea) {
    auto compania = inst.Compania("002");
    EXPECT_TRUE(Encabezados(compania).empty());
  }
}

// A replace deletes the destination's voucher, both sets of entries and the
// header, and inserts the origin's anew: online under a fresh identifier,
// offline under the origin's. It is found by the origin header's code, not
// by the audit row's.
TEST_P(ComprobanteNuevo, ReplaceWritesTheVoucherAnew) {
  const bool enLinea = GetParam();
  fb::Row origen;
  fb::Row vecino;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 503, {}, 3, 2, 1);
    db.execute("update " + kEncabezado + " set " + test::Columnas(db, kEncabezado)[kConciliado].field +
               " = null");
    auto destino = Previo(enLinea);
    Crear(destino, 777, {}, 7, 3, 3);
    vecino = Crear(destino, 778, {.numero = "001235"}, 8, 1, 1);
  }
  // The audit row names another voucher type and code: the header's own count.
  Auditar(1, 503, "M", Value("ZZZ"), "XX999999");
  opciones.EnLinea = enLinea;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = Destino(enLinea);
  auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 2u);
  if (encabezados[1] == vecino) std::swap(encabezados[0], encabezados[1]);
  EXPECT_EQ(encabezados[0], vecino);
  const fb::Row& nuevo = encabezados[1];
  const std::int64_t id = nuevo[0].asInteger();
  if (enLinea)
    EXPECT_GT(id, 1000000000);
  else
    EXPECT_EQ(id, 503);
  EsperarIguales(origen, nuevo, {0, kConciliado});
  EXPECT_EQ(nuevo[kConciliado].toString(), "0.00");  // a null at the origin: 0 too
  EXPECT_EQ(Lineas(destino, 0, id).size(), 2u);
  EXPECT_EQ(Lineas(destino, 1, id).size(), 1u);
  for (std::size_t t = 0; t < 2; ++t) {
    EXPECT_TRUE(Lineas(destino, t, 777).empty()) << kAsientos[t];
    EXPECT_EQ(Lineas(destino, t, 778).size(), 1u) << kAsientos[t];
  }
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(EnLineaYFueraDeLinea, ComprobanteNuevo, ::testing::Bool(),
                         [](const auto& caso) { return caso.param ? "EnLinea" : "FueraDeLinea"; });

struct CasoBloqueo {
  const char* nombre;
  std::optional<std::string> enCompania;  // the destination company's lock date
  std::optional<std::string> enArchivo;   // the empty transfer database's
  bool enLinea;
  fb::Date fecha;  // the voucher's
  bool enviado;
};

void PrintTo(const CasoBloqueo& caso, std::ostream* os) { *os << caso.nombre; }

class Bloqueo : public Comprobante, public ::testing::WithParamInterface<CasoBloqueo> {};

// A voucher dated before the destination's lock date is not written, yet its
// audit row is complete; the dates compare as "yyyy/mm/dd" texts.
TEST_P(Bloqueo, AnEarlierVoucherIsHeldBackAndItsRowCompleted) {
  const auto& c = GetParam();
  {
    auto compania = inst.Compania("002");
    FijarBloqueo(compania, c.enCompania);
    auto plantilla = inst.Abrir("sop/envio.fdb");
    FijarBloqueo(plantilla, c.enArchivo);
    auto db = inst.Compania("001");
    Crear(db, 510, {}, 1, 2, 1, c.fecha);
  }
  Auditar(1, 510, "M");
  opciones.EnLinea = c.enLinea;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino(c.enLinea);
  EXPECT_EQ(Encabezados(destino).size(), c.enviado ? 1u : 0u);
  EXPECT_EQ(TodasLasLineas(destino, 0), c.enviado ? 2u : 0u);
  EXPECT_EQ(TodasLasLineas(destino, 1), c.enviado ? 1u : 0u);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(resumen.fallidas, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Bloqueo,
    ::testing::Values(
        CasoBloqueo{"Igual", "2024/04/10", {}, true, {2024, 4, 10}, true},
        CasoBloqueo{"UnDiaAntes", "2024/04/10", {}, true, {2024, 4, 9}, false},
        CasoBloqueo{"SinFila", {}, {}, true, {2000, 1, 1}, true},
        CasoBloqueo{"Vacia", "", {}, true, {2000, 1, 1}, true},
        // Byte by byte: a proper beginning sorts first, and no date is parsed.
        CasoBloqueo{"BloqueoEsComienzo", "2024/04/1", {}, true, {2024, 4, 10}, true},
        CasoBloqueo{"FechaEsComienzo", "2024/04/10 ", {}, true, {2024, 4, 10}, false},
        CasoBloqueo{"ComoTexto", "2024/4/9", {}, true, {2024, 4, 10}, false},
        // Online the transfer database's lock date does not count; offline it
        // is the only one that does.
        CasoBloqueo{"EnLineaIgnoraElArchivo", {}, "2024/04/10", true, {2024, 4, 9}, true},
        CasoBloqueo{"ArchivoRetiene", {}, "2024/04/10", false, {2024, 4, 9}, false},
        CasoBloqueo{"ArchivoIgual", {}, "2024/04/10", false, {2024, 4, 10}, true},
        CasoBloqueo{"FueraDeLineaIgnoraLaCompania", "2024/04/10", {}, false, {2024, 4, 9}, true}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// A voucher sends what it has: no entries, or entries in one set only.
TEST_F(Comprobante, SendsTheEntriesItHas) {
  const int casos[][2] = {{0, 0}, {3, 0}, {0, 2}};
  int n = 0;
  for (const auto& caso : casos) {
    ++n;
    {
      auto db = inst.Compania("001");
      Crear(db, 520 + n, {.numero = "00010" + std::to_string(n)}, n, caso[0], caso[1]);
    }
    Auditar(n, 520 + n, "M", {.numero = "00010" + std::to_string(n)});
  }
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const std::int64_t id = encabezados[i][0].asInteger();
    EXPECT_EQ(encabezados[i][3], Value("00010" + std::to_string(i + 1)));
    EXPECT_EQ(Lineas(destino, 0, id).size(), static_cast<std::size_t>(casos[i][0])) << i;
    EXPECT_EQ(Lineas(destino, 1, id).size(), static_cast<std::size_t>(casos[i][1])) << i;
    EXPECT_EQ(Envio(static_cast<int>(i) + 1), "S");
  }
}

// With "Omitir" an existing voucher is left as it is; a voucher that is gone
// from the origin writes nothing. Neither is an error.
TEST_F(Comprobante, OmittedOrGoneWritesNothing) {
  fb::Row anterior;
  {
    auto db = inst.Compania("001");
    Crear(db, 530, {}, 1, 2, 2);
    auto destino = inst.Compania("002");
    anterior = Crear(destino, 779, {}, 9, 3, 1);
  }
  Auditar(1, 530, "M");
  Auditar(2, 999, "M", {.numero = "000999"});  // no such voucher at the origin
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  EXPECT_EQ(Lineas(destino, 0, 779).size(), 3u);
  EXPECT_EQ(Lineas(destino, 1, 779).size(), 1u);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
  EXPECT_EQ(resumen.fallidas, 0);
}

// "A" is no void for vouchers: the voucher is copied like any change.
TEST_F(Comprobante, VoidedAtTheOriginIsCopied) {
  fb::Row origen;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 540, {}, 4, 1, 1);
    db.execute("update " + kEncabezado + " set ENCO_ANULADO = 'S'");
    origen = Encabezados(db)[0];
    auto destino = inst.Compania("002");
    Crear(destino, 780, {}, 5, 2, 2);
  }
  Auditar(1, 540, "A");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  EsperarIguales(origen, encabezados[0], {0, kConciliado});
  EXPECT_EQ(Lineas(destino, 0, encabezados[0][0].asInteger()).size(), 1u);
  EXPECT_EQ(Envio(1), "S");
}

struct CasoBorrado {
  const char* nombre;
  Value tico;        // AUDI_TICO
  const char* cod;   // AUDI_COD
  Codigo enDestino;  // the destination's voucher
  bool borrado;
};

void PrintTo(const CasoBorrado& caso, std::ostream* os) { *os << caso.nombre; }

class Borrado : public Comprobante, public ::testing::WithParamInterface<CasoBorrado> {};

// Online, a deleted voucher is found by the audit row's voucher type and
// code and removed with both sets of entries; the lock date plays no part.
TEST_P(Borrado, RemovesTheHeaderAndBothSets) {
  const auto& c = GetParam();
  {
    auto destino = inst.Compania("002");
    FijarBloqueo(destino, "2099/12/31");
    Crear(destino, 790, c.enDestino, 1, 2, 3);
    Crear(destino, 791, {.numero = "005555"}, 2, 1, 1);  // another voucher: it stays
  }
  Auditar(1, 790, "D", c.tico, c.cod);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), c.borrado ? 1u : 2u);
  EXPECT_EQ(encabezados.back()[0], Value(791));
  EXPECT_EQ(Lineas(destino, 0, 790).size(), c.borrado ? 0u : 2u);
  EXPECT_EQ(Lineas(destino, 1, 790).size(), c.borrado ? 0u : 3u);
  EXPECT_EQ(Lineas(destino, 0, 791).size(), 1u);
  EXPECT_EQ(Lineas(destino, 1, 791).size(), 1u);
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Borrado,
    ::testing::Values(
        CasoBorrado{"PorTipoYCodigo", Value("CE1"), "CE001234", {}, true},
        CasoBorrado{"CodigoCortoSinPrefijo", Value("CE1"), "001234", {.prefijo = ""}, true},
        CasoBorrado{"TipoCorto", Value("CE"), "CE001234", {.tipo = "CE"}, true},
        CasoBorrado{"ComillasDobladas", Value("O'K"), "O'001234", {.tipo = "O'K", .prefijo = "O'"}, true},
        CasoBorrado{"OtroTipo", Value("CE2"), "CE001234", {}, false},
        CasoBorrado{"OtroPrefijo", Value("CE1"), "CF001234", {}, false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(Comprobante, OfflineADeleteChangesNothing) {
  {
    auto plantilla = inst.Abrir("sop/envio.fdb");
    Crear(plantilla, 792, {}, 1, 2, 2);
  }
  Auditar(1, 792, "D");
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto archivo = inst.Abrir("datos/002/envio.fdb");
  EXPECT_EQ(Encabezados(archivo).size(), 1u);
  EXPECT_EQ(Lineas(archivo, 0, 792).size(), 2u);
  EXPECT_EQ(Lineas(archivo, 1, 792).size(), 2u);
  EXPECT_EQ(Envio(1), "S");
}

// The deletes of the delete branch are statements: a refused one is no
// failed row but an error that ends the run, the row left unsent.
TEST_F(Comprobante, ARefusedDeleteEndsTheRun) {
  {
    auto destino = inst.Compania("002");
    Crear(destino, 793, {}, 1, 2, 2);
    destino.execute("create exception E_PRUEBA_BORRADO 'borrado rechazado'");
    destino.execute("create trigger T_PRUEBA_BORRADO for COMPROBANTE_DETALLE before delete as "
                    "begin exception E_PRUEBA_BORRADO; end");
  }
  Auditar(1, 793, "D");
  EXPECT_THROW(Ejecutar(), fb::Error);
  EXPECT_EQ(Envio(1), "N");
}

// A refused entry fails the row, and the row's destination transaction
// leaves nothing of the voucher; the second set is not even tried.
TEST_F(Comprobante, ARefusedEntryLeavesNothingOfTheVoucher) {
  {
    auto db = inst.Compania("001");
    Crear(db, 550, {}, 1, 4, 2);
    auto destino = inst.Compania("002");
    RechazarLinea(destino, kAsientos[0], 3, "asiento rechazado");
    RechazarLinea(destino, kAsientos[1], 1, "niif intentado");
  }
  Auditar(1, 550, "M");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_EQ(TodasLasLineas(destino, 0), 0u);
  EXPECT_EQ(TodasLasLineas(destino, 1), 0u);
  const std::string errores = Errores();
  EXPECT_NE(errores.find("asiento rechazado"), std::string::npos) << errores;
  EXPECT_EQ(errores.find("niif intentado"), std::string::npos) << errores;
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(resumen.fallidas, 1);

  // Once the refusals are gone, a run that omits existing vouchers sends it whole.
  sesion.DBEnvio.reset();
  destino.execute("drop trigger T_PRUEBA_3_ALLE");
  destino.execute("drop trigger T_PRUEBA_1_NIIF");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  const std::int64_t id = encabezados[0][0].asInteger();
  EXPECT_EQ(Lineas(destino, 0, id).size(), 4u);
  EXPECT_EQ(Lineas(destino, 1, id).size(), 2u);
}

// A replace whose new copy is refused keeps the voucher the destination had.
TEST_F(Comprobante, ARefusedReplaceKeepsTheEarlierVoucherWhole) {
  fb::Row anterior;
  std::vector<fb::Row> asientos[2];
  {
    auto db = inst.Compania("001");
    Crear(db, 560, {}, 1, 3, 1);
    auto destino = inst.Compania("002");
    anterior = Crear(destino, 794, {}, 6, 2, 2);
    for (std::size_t t = 0; t < 2; ++t) asientos[t] = Lineas(destino, t, 794);
    RechazarLinea(destino, kAsientos[0], 3, "asiento rechazado");
  }
  Auditar(1, 560, "M");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  for (std::size_t t = 0; t < 2; ++t) EXPECT_EQ(Lineas(destino, t, 794), asientos[t]) << kAsientos[t];
  EXPECT_EQ(Envio(1), "N");

  // Once the refusal is gone, a run that omits existing vouchers keeps the
  // earlier copy whole and marks the row.
  sesion.DBEnvio.reset();
  destino.execute("drop trigger T_PRUEBA_3_ALLE");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  for (std::size_t t = 0; t < 2; ++t) EXPECT_EQ(Lineas(destino, t, 794), asientos[t]) << kAsientos[t];
}

class SinIdentificador : public Comprobante, public ::testing::WithParamInterface<bool> {};

// Online, a view that gives no identifier fails the row with a message and a
// beep, and writes nothing: a new voucher is not inserted, an existing one
// that was to be replaced stays.
TEST_P(SinIdentificador, FailsTheRowAndWritesNothing) {
  const bool existente = GetParam();
  fb::Row anterior;
  {
    auto db = inst.Compania("001");
    Crear(db, 570, {}, 1, 2, 2);
    auto destino = inst.Compania("002");
    if (existente) anterior = Crear(destino, 795, {}, 5, 1, 1);
    destino.execute("recreate view cambie_id_comproba (ENCO_CONSEC) as select 1 from rdb$database where 1 = 0");
  }
  Auditar(1, 570, "M");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  if (existente) {
    EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
    EXPECT_EQ(TodasLasLineas(destino, 0), 1u);
    EXPECT_EQ(TodasLasLineas(destino, 1), 1u);
  } else {
    EXPECT_TRUE(Encabezados(destino).empty());
    EXPECT_EQ(TodasLasLineas(destino, 0), 0u);
    EXPECT_EQ(TodasLasLineas(destino, 1), 0u);
  }
  const std::string errores = Errores();
  EXPECT_NE(errores.find("No se obtuvo un identificador nuevo de select * from cambie_id_comproba"),
            std::string::npos)
      << errores;
  EXPECT_GE(operador.beeps, 1);
  EXPECT_EQ(Envio(1), "N");
}

INSTANTIATE_TEST_SUITE_P(NuevoYReemplazo, SinIdentificador, ::testing::Bool(),
                         [](const auto& caso) { return caso.param ? "Reemplazo" : "Nuevo"; });

}  // namespace
}  // namespace norvane
