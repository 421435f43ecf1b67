// --verificar of the headless program on a demo installation sent online:
// what a real run leaves compares equal, and a destination changed behind the
// run's back is reported by the document's code with status 4.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Programa.h"
#include "demo/Instalacion.h"
#include "engine/EnviarDocumento.h"
#include "engine/TextoSql.h"
#include "engine/families/Catalogos.h"
#include "engine/families/CuentasArticulos.h"
#include "engine/families/Familias.h"
#include "engine/families/Interfaz.h"
#include "fb/Attachment.h"
#include "fb/Transaction.h"
#include "tests/support/OperadorGrabador.h"
#include "tests/support/TempDir.h"

namespace norvane::cli {
namespace {

namespace fs = std::filesystem;

// One line of the report, taken apart: "31 FV00000012 igual".
struct Linea {
  int tido = 0;
  std::string codigo;
  std::string resto;  // the state and its detail
};

class VerificarDemo : public ::testing::Test {
protected:
  VerificarDemo() {
    demo::OpcionesInstalacion o;
    o.directorio = dir.path();
    o.documentos = 4;
    demo::CrearInstalacion(o);
    ::setenv("XDG_CONFIG_DIRS", dir.str().c_str(), 1);
  }

  int Programa(std::vector<std::string> extra) {
    std::vector<std::string> args = {"--servidor-origen", dir.str(),  "--usuario-origen", "SYSDBA",
                                     "--compania-origen", "001",      "--compania-destino", "002"};
    args.insert(args.end(), extra.begin(), extra.end());
    salida.str("");
    errores.str("");
    return EjecutarPrograma(args, {{"NORVANE_CLAVE_ORIGEN", "x"}}, operador,
                            Consola{salida, errores, {}});
  }

  void EnviarEnLinea(std::vector<std::string> extra = {}) {
    extra.push_back("--en-linea");
    ASSERT_EQ(Programa(extra), 0) << errores.str() << salida.str();
  }

  // Every document line of the last report, the counts left out.
  std::vector<Linea> Lineas() const {
    std::vector<Linea> lineas;
    std::istringstream in(salida.str());
    std::string texto;
    while (std::getline(in, texto)) {
      if (texto.starts_with("Documentos verificados") || texto.starts_with("  ")) continue;
      std::istringstream partes(texto);
      Linea l;
      partes >> l.tido >> l.codigo;
      std::getline(partes, l.resto);
      // AUDI_TICO, when the row has one, follows the code in parentheses.
      if (l.resto.starts_with(" (")) l.resto.erase(0, l.resto.find(')') + 1);
      lineas.push_back(l);
    }
    return lineas;
  }

  fb::Attachment Base(const std::string& compania) const {
    return fb::Attachment::attach({dir.str() + "/datos/" + compania + "/norvane.fdb", "SYSDBA", "x", ""});
  }

  test::TempDir dir;
  test::OperadorGrabador operador;
  std::ostringstream salida;
  std::ostringstream errores;
};

bool EsIgual(const Linea& l) {
  // The January voucher is held back by the destination's lock date.
  return l.resto == " igual" || l.resto.starts_with(" retenido por la fecha de bloqueo");
}

TEST_F(VerificarDemo, EveryFamilyComparesEqualAfterARealOnlineRun) {
  EnviarEnLinea();
  ASSERT_EQ(Programa({"--en-linea", "--verificar"}), 0) << salida.str() << errores.str();

  const auto lineas = Lineas();
  std::set<int> tipos;
  for (const Linea& l : lineas) {
    EXPECT_TRUE(EsIgual(l)) << l.tido << " " << l.codigo << l.resto;
    tipos.insert(l.tido);
  }
  // Every type that a family sends was compared at least once.
  std::set<int> esperados = {1};
  for (const auto* d : DescriptoresDocumento()) esperados.insert(d->tidoCod);
  for (const auto tabla : {DescriptoresCuentasArticulos(), DescriptoresCatalogosComerciales()})
    for (const auto& d : tabla) esperados.insert(d.tidoCod);
  for (const auto& k : Catalogos()) esperados.insert(k.tidoCod);
  for (const auto& s : SubtablasArticulo()) esperados.insert(s.tidoCod);
  for (const auto& d : DefinicionesInterfaz()) esperados.insert(d.tidoCod);
  for (const int tipo : esperados) EXPECT_TRUE(tipos.contains(tipo)) << "type " << tipo << " not compared";
  EXPECT_NE(salida.str().find("Documentos verificados: " + std::to_string(lineas.size()) + "\n"),
            std::string::npos)
      << salida.str();
}

// A change made at the destination after the run, to one document of a
// type; the texts name it by :P (quoted prefix), :N (quoted number), :T
// (AUDI_TICO as it stands), :Q (AUDI_TICO quoted), :C (quoted code) and :I
// (AUDI_IDDOC).
struct Alteracion {
  const char* nombre;
  int tido;
  int largoNumero;
  std::vector<const char*> sentencias;  // the last one must change a row
  const char* estado;                   // what the report says of the document
  const char* detalle;                  // part of what it names
};

std::ostream& operator<<(std::ostream& out, const Alteracion& a) { return out << a.nombre; }

std::string Reemplazar(std::string texto, const std::string& marca, const std::string& valor) {
  for (auto p = texto.find(marca); p != std::string::npos; p = texto.find(marca, p + valor.size()))
    texto.replace(p, marca.size(), valor);
  return texto;
}

const Alteracion kAlteraciones[] = {
    {"ReceiptDetailValue", 11, 6,
     {"update ENTRADAS_DETALLE set ENDE_CANTIDAD = ENDE_CANTIDAD + 1 where ENTR_ID = "
      "(select ENTR_ID from ENTRADAS where PREF_PRE = :P and ENTR_NUMERO = :N)"},
     "diferente", "ENTRADAS_DETALLE fila 1: ENDE_CANTIDAD"},
    {"SalesInvoiceHeaderDeleted", 31, 8,
     {"delete from FACTURAS_DETALLE where FACT_ID = "
      "(select FACT_ID from FACTURAS where PREF_PRE = :P and FACT_NUMERO = :N)",
      "delete from FACTURAS where PREF_PRE = :P and FACT_NUMERO = :N"},
     "ausente en destino", ""},
    {"CashReceiptPaymentRowsDeleted", 61, 6,
     {"delete from RECIBOS_CAJA_PAGO where RECA_ID = "
      "(select RECA_ID from RECIBOS_CAJA where PREF_PRE = :P and RECA_NUMERO = :N)"},
     "diferente", "RECIBOS_CAJA_PAGO: "},
    {"DepositValueOfTheSameAccount", 71, 6,
     {"update CONSIGNA set CONS_VALOR = CONS_VALOR + 1 where CUBA_COD = :T and PRBA_PREF = :P and "
      "CONS_NUMERO = :N"},
     "diferente", "CONS_VALOR"},
    {"VoucherEntryValue", 1, 6,
     {"update COMPROBANTE_DETALLE set DECO_DESCRIPCION = 'otra' where ENCO_CONSEC = "
      "(select ENCO_CONSEC from COMPROBANTE_ENCABEZADO where TICO_COD = :Q and PRCO_PREF = :P and "
      "ENCO_NUMERO = :N)"},
     "diferente", "COMPROBANTE_DETALLE fila"},
    {"ArticleName", 101, 0,
     {"update ARTICULO set ARTI_NOMBRE = ARTI_NOMBRE || ' bis' where ARTI_COD = :C"},
     "diferente", "ARTI_NOMBRE"},
    {"ArticleUnitFactor", 124, 0,
     {"update UNIDAD_ARTICULO set UNAR_FACTOR = UNAR_FACTOR + 1 where ARTI_COD = :C"},
     "diferente", "UNAR_FACTOR"},
    {"GroupOfACompositeKey", 202, 0,
     {"update GRUPO_INVENTARIO set GRIN_NOMBRE = GRIN_NOMBRE || ' bis' where "
      "FAIN_COD || '|' || GRIN_COD = :C"},
     "diferente", "GRIN_NOMBRE"},
    {"ThirdPartyName", 102, 0,
     {"update TERCEROS set TERC_NOMBRE = TERC_NOMBRE || ' bis' where TERC_NIT = :C"},
     "diferente", "TERC_NOMBRE"},
    {"InterfaceAccountRow", 112, 0,
     {"update INTERFAZ_CAJA_CTAS set INJC_DESCRIPCION = 'otra' where INCJ_ID = :I"},
     "diferente", "INTERFAZ_CAJA_CTAS item"},
};

class AlteracionDestino : public VerificarDemo, public ::testing::WithParamInterface<Alteracion> {
protected:
  // The last sent audit row of a document: its operation.
  std::string UltimaOperacion(int tido, const std::string& codigo) {
    auto origen = Base("001");
    fb::Transaction t(origen);
    const auto filas = t.query(
        "select AUDI_OPER from AUDITORIA where TIDO_COD = ? and AUDI_COD = ? and AUDI_ENVIO = 'S' "
        "order by AUDI_FECHA desc, AUDI_HORA desc",
        {tido, codigo});
    return filas.empty() ? std::string() : filas[0][0].toString();
  }

  // Alters the first document of the type that compared equal, was last
  // created or changed (not voided or deleted) and has a row to alter; its
  // code, or empty when none has.
  std::string Alterar(const Alteracion& a, const std::vector<Linea>& lineas) {
    auto destino = Base("002");
    for (const Linea& l : lineas) {
      if (l.tido != a.tido || l.resto != " igual") continue;
      const std::string operacion = UltimaOperacion(a.tido, l.codigo);
      if (operacion == "A" || operacion == "D") continue;
      auto origen = Base("001");
      fb::Transaction o(origen);
      const auto audit = o.query(
          "select AUDI_TICO, AUDI_IDDOC from AUDITORIA where TIDO_COD = ? and AUDI_COD = ?",
          {a.tido, l.codigo});
      o.commit();
      const auto partido = PartirCodigo(l.codigo, a.largoNumero);
      fb::Transaction t(destino);
      std::uint64_t cambiadas = 0;
      for (const char* sentencia : a.sentencias) {
        std::string sql = Reemplazar(sentencia, ":P", Citar(partido.prefijo));
        sql = Reemplazar(sql, ":N", Citar(partido.numero));
        sql = Reemplazar(sql, ":T", audit.empty() ? "null" : audit[0][0].toString());
        sql = Reemplazar(sql, ":Q", audit.empty() ? "null" : Citar(audit[0][0].toString()));
        sql = Reemplazar(sql, ":C", Citar(l.codigo));
        sql = Reemplazar(sql, ":I", audit.empty() ? "null" : audit[0][1].toString());
        cambiadas = t.execute(sql);
      }
      if (cambiadas == 0) {
        t.rollback();
        continue;
      }
      t.commit();
      return l.codigo;
    }
    return {};
  }
};

TEST_P(AlteracionDestino, IsReportedByTheDocumentsCodeWithStatus4) {
  const Alteracion& a = GetParam();
  EnviarEnLinea();
  ASSERT_EQ(Programa({"--en-linea", "--verificar"}), 0) << salida.str();
  const std::string codigo = Alterar(a, Lineas());
  ASSERT_FALSE(codigo.empty()) << "no document of type " << a.tido << " to alter";

  EXPECT_EQ(Programa({"--en-linea", "--verificar"}), 4) << salida.str();
  int reportadas = 0;
  for (const Linea& l : Lineas()) {
    if (EsIgual(l)) continue;
    ++reportadas;
    EXPECT_EQ(l.tido, a.tido) << l.codigo << l.resto;
    EXPECT_EQ(l.codigo, codigo);
    EXPECT_TRUE(l.resto.starts_with(std::string(" ") + a.estado)) << l.resto;
    EXPECT_NE(l.resto.find(a.detalle), std::string::npos) << l.resto;
  }
  EXPECT_EQ(reportadas, 1) << salida.str();
}

INSTANTIATE_TEST_SUITE_P(Familias, AlteracionDestino, ::testing::ValuesIn(kAlteraciones),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(VerificarDemo, ADocumentWithALaterUnsentAuditRowIsPendingNotDifferent) {
  EnviarEnLinea();
  ASSERT_EQ(Programa({"--en-linea", "--verificar"}), 0) << salida.str();
  // A receipt changed again at the origin and at the destination since:
  // its later change is still to be sent.
  std::string codigo;
  for (const Linea& l : Lineas())
    if (l.tido == 11 && l.resto == " igual") codigo = l.codigo;
  ASSERT_FALSE(codigo.empty());
  {
    auto origen = Base("001");
    origen.execute(
        "insert into AUDITORIA (AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD, "
        "AUDI_ENVIO) select first 1 '2099/12/31', '18:00:00', TIDO_COD, AUDI_IDDOC, 'M', AUDI_COD, 'N' "
        "from AUDITORIA where TIDO_COD = 11 and AUDI_COD = ?",
        {codigo});
    const auto partido = PartirCodigo(codigo, 6);
    auto destino = Base("002");
    destino.execute("update ENTRADAS set ENTR_ANULADO = 'X' where PREF_PRE = ? and ENTR_NUMERO = ?",
                    {partido.prefijo, partido.numero});
  }
  EXPECT_EQ(Programa({"--en-linea", "--verificar"}), 0) << salida.str();
  int pendientes = 0;
  for (const Linea& l : Lineas()) {
    if (l.codigo == codigo && l.tido == 11) {
      EXPECT_TRUE(l.resto.starts_with(" pendiente")) << l.resto;
      ++pendientes;
    } else {
      EXPECT_TRUE(EsIgual(l)) << l.tido << " " << l.codigo << l.resto;
    }
  }
  EXPECT_EQ(pendientes, 1);
}

TEST_F(VerificarDemo, ExistingDocumentsOmittedByChoiceAreReportedAsOmittedNotDifferent) {
  // The destination already holds some documents, which --omitir leaves as
  // they were.
  EnviarEnLinea({"--omitir"});
  EXPECT_EQ(Programa({"--en-linea", "--omitir", "--verificar"}), 0) << salida.str();
  int omitidos = 0;
  for (const Linea& l : Lineas()) {
    if (l.resto.starts_with(" omitido")) ++omitidos;
    else EXPECT_TRUE(EsIgual(l)) << l.tido << " " << l.codigo << l.resto;
  }
  EXPECT_GT(omitidos, 0) << salida.str();
  // Judged as a run that replaces, the same documents differ.
  EXPECT_EQ(Programa({"--en-linea", "--verificar"}), 4);
}

// What an installation holds that a program could write: the logs, the
// transfer file, the audit marks and the replication stamps.
std::string Huella(const fs::path& dir, fb::Attachment& origen) {
  std::string huella;
  for (const char* archivo : {"ENVIOMANUAL.TXT", "ERRORENVIO.TXT"})
    huella += std::string(archivo) + "=" + test::TempDir::LeerArchivo(dir / archivo) + "\n";
  huella += "envio.fdb=" + std::to_string(fs::exists(dir / "datos/002/envio.fdb")) + "\n";
  fb::Transaction tr(origen);
  for (const auto& fila : tr.query("select AUDI_ID, AUDI_ENVIO from AUDITORIA order by AUDI_ID"))
    huella += fila[0].toString() + fila[1].toString() + ",";
  for (const auto& fila : tr.query(
           "select RPEV_TIPO, RPEV_IDDOC, RPEV_FECREP, RPEV_HORAREP from REPLICA_EVENTOS "
           "order by RPEV_TIPO, RPEV_IDDOC"))
    for (const auto& v : fila) huella += v.toString() + ",";
  return huella;
}

TEST_F(VerificarDemo, OfflineSaysItIsOnlineOnlyExits2AndWritesNothing) {
  auto origen = Base("001");
  const std::string antes = Huella(dir.path(), origen);
  EXPECT_EQ(Programa({"--verificar"}), 2);
  EXPECT_NE(errores.str().find("--verificar compara con la compañía destino y solo se hace en línea"),
            std::string::npos)
      << errores.str();
  EXPECT_EQ(salida.str(), "");
  EXPECT_EQ(Huella(dir.path(), origen), antes);
}

TEST_F(VerificarDemo, OnlineVerificationWritesNothingOnEitherSide) {
  EnviarEnLinea();
  // A document sent and then changed at the destination: reported, not repaired.
  auto origen = Base("001");
  const std::string antes = Huella(dir.path(), origen);
  auto destino = Base("002");
  destino.execute("update MARCAS set MARC_NOMBRE = MARC_NOMBRE || ' bis'");
  const auto marcas = [&] {
    fb::Transaction t(destino);
    return t.query("select MARC_COD, MARC_NOMBRE from MARCAS order by MARC_COD");
  };
  const auto antesMarcas = marcas();
  EXPECT_EQ(Programa({"--en-linea", "--verificar"}), 4) << salida.str();
  EXPECT_EQ(Huella(dir.path(), origen), antes);
  EXPECT_EQ(marcas(), antesMarcas);
}

}  // namespace
}  // namespace norvane::cli
