// The demo installation: its databases, the audit trail of the origin
// company and the documents the destination already holds.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "demo/Instalacion.h"
#include "tests/demo/ConsultaDemo.h"
#include "tests/support/TempDir.h"

namespace norvane::test {
namespace {

constexpr int kDocumentos = 8;
constexpr unsigned kSemilla = 2024;

// Each document family of the transfer: TIDO_COD, header table, identifier,
// prefix and number columns, length of the number, and the column that
// AUDI_TICO repeats (voucher type, bank account).
struct Familia {
  int tipo;
  const char* encabezado;
  const char* id;
  const char* prefijo;
  const char* numero;
  int digitos;
  const char* tico;
};

const Familia kFamilias[] = {
    {1, "COMPROBANTE_ENCABEZADO", "ENCO_CONSEC", "PRCO_PREF", "ENCO_NUMERO", 6, "TICO_COD"},
    {11, "ENTRADAS", "ENTR_ID", "PREF_PRE", "ENTR_NUMERO", 6, nullptr},
    {12, "SALIDAS", "SALI_ID", "PREF_PRE", "SALI_NUMERO", 6, nullptr},
    {13, "TRASFERENCIAS", "TRAN_ID", "PREF_PRE", "TRAN_NUMERO", 6, nullptr},
    {14, "AJUSTES", "AJUS_ID", "PREF_PRE", "AJUS_NUMERO", 6, nullptr},
    {15, "ENSAMBLES", "ENSA_ID", "PREF_PRE", "ENSA_NUMERO", 6, nullptr},
    {16, "DESENSAMBLES", "DESE_ID", "PREF_PRE", "DESE_NUMERO", 6, nullptr},
    {17, "RESERVAS", "RESE_ID", "PREF_PRE", "RESE_NUMERO", 6, nullptr},
    {18, "ORDENES_INVENTARIO", "ORIN_ID", "PREF_PRE", "ORIN_NUMERO", 6, nullptr},
    {21, "FACTURAS_COMPRA", "FACO_ID", "PREF_PRE", "FACO_NUMERO", 6, nullptr},
    {22, "REMISION_PROVEEDOR", "REPR_ID", "PREF_PRE", "REPR_NUMERO", 6, nullptr},
    {23, "ORDENES_COMPRA", "ORDC_ID", "PREF_PRE", "ORDC_NUMERO", 6, nullptr},
    {24, "DEVOLUCIONES_COMPRAS", "DVCO_ID", "PREF_PRE", "DVCO_NUMERO", 6, nullptr},
    {25, "COTIZACION_PROVEEDOR", "COPR_ID", "PREF_PRE", "COPR_NUMERO", 6, nullptr},
    {31, "FACTURAS", "FACT_ID", "PREF_PRE", "FACT_NUMERO", 8, nullptr},
    {32, "REMISIONES_VENTA", "REVT_ID", "PREF_PRE", "REVT_NUMERO", 6, nullptr},
    {33, "DEVOLUCIONES_VENTAS", "DEVT_ID", "PREF_PRE", "DEVT_NUMERO", 6, nullptr},
    {34, "PEDIDOS", "PEDI_ID", "PREF_PRE", "PEDI_NUMERO", 6, nullptr},
    {35, "COTIZACIONES", "COTI_ID", "PREF_PRE", "COTI_NUMERO", 6, nullptr},
    {41, "NOTAS_DEBITO_CLIENTES", "NDCL_ID", "PREF_PRE", "NDCL_NUMERO", 6, nullptr},
    {42, "NOTAS_CREDITO_CLIENTES", "NCCL_ID", "PREF_PRE", "NCCL_NUMERO", 6, nullptr},
    {43, "APLICACION_CLIENTE", "APCL_ID", "PREF_PRE", "APCL_NUMERO", 6, nullptr},
    {45, "ANTICIPOS_CLIENTE", "ANCL_ID", "PREF_PRE", "ANCL_NUMERO", 6, nullptr},
    {51, "NOTAS_DEBITO_PROVEEDOR", "NDPR_ID", "PREF_PRE", "NDPR_NUMERO", 6, nullptr},
    {52, "NOTAS_CREDITO_PROVEEDOR", "NCPR_ID", "PREF_PRE", "NCPR_NUMERO", 6, nullptr},
    {53, "APLICACION_PROVEDOR", "APPR_ID", "PREF_PRE", "APPR_NUMERO", 6, nullptr},
    {55, "ANTICIPOS_PROVEEDOR", "ANPR_ID", "PREF_PRE", "ANPR_NUMERO", 6, nullptr},
    {61, "RECIBOS_CAJA", "RECA_ID", "PREF_PRE", "RECA_NUMERO", 6, nullptr},
    {62, "EGRESOS", "EGRE_ID", "PREF_PRE", "EGRE_NUMERO", 6, nullptr},
    {63, "CAMBIO_DOCUMENTOS", "CADO_ID", "PREF_PRE", "CADO_NUMERO", 6, nullptr},
    {64, "CONSIGNA_TARJETAS", "COTJ_ID", "PREF_PRE", "COTJ_NUMERO", 6, nullptr},
    {65, "RECIBO_PROVISIONAL", "RCPR_ID", "PREF_PRE", "RCPR_NUMERO", 6, nullptr},
    {66, "TRASLADOS_CAJA", "TRCJ_ID", "PREF_PRE", "TRCJ_NUMERO", 6, nullptr},
    {71, "CONSIGNA", "CONS_ID", "PRBA_PREF", "CONS_NUMERO", 6, "CUBA_COD"},
    {72, "CHEQUES", "CHEQ_ID", "PRBA_PREF", "CHEQ_NUMERO", 6, "CUBA_COD"},
    {73, "RETIROS", "RETI_ID", "PRBA_PREF", "RETI_NUMERO", 6, "CUBA_COD"},
    {74, "NOTAS_DEBITO", "NDBC_ID", "PRBA_PREF", "NDBC_NUMERO", 6, "CUBA_COD"},
    {75, "NOTAS_CREDITO", "NCBC_ID", "PRBA_PREF", "NCBC_NUMERO", 6, "CUBA_COD"},
    {76, "TRASLADOS", "TRAS_ID", "PRBA_PREF", "TRAS_NUMERO", 6, "CUBA_COD"},
    {77, "DEVOLUCION_CHEQUES", "DVCH_ID", "PRBA_PREF", "DVCH_NUMDOC", 6, "CUBA_COD"},
};

// Each master-data family: TIDO_COD and the count of origin rows that the
// audit row names (by AUDI_COD, or AUDI_IDDOC for interface definitions).
struct Maestro {
  int tipo;
  const char* cuenta;
  bool porIddoc;
};

const Maestro kMaestros[] = {
    {100, "select count(*) from CUENTAS where CUEN_COD = ?", false},
    {101, "select count(*) from ARTICULO where ARTI_COD = ?", false},
    {124, "select count(*) from UNIDAD_ARTICULO where ARTI_COD = ?", false},
    {125, "select count(*) from BARRAS_ARTICULO where ARTI_COD = ?", false},
    {126, "select count(*) from PRECIOS_ARTICULO where ARTI_COD = ?", false},
    {127, "select count(*) from CONTABIL_ARTICULO where ARTI_COD = ?", false},
    {128, "select count(*) from ARTICULOS_PRODUCTO where ARTI_COD = ?", false},
    {102, "select count(*) from TERCEROS where TERC_NIT = ?", false},
    {103, "select count(*) from CLIENTES where TERC_NIT = ?", false},
    {104, "select count(*) from PROVEEDORES where TERC_NIT = ?", false},
    {105, "select count(*) from COBRADORES where cast(COBR_COD as varchar(20)) = ?", false},
    {106, "select count(*) from VENDEDORES where cast(VEND_COD as varchar(20)) = ?", false},
    {111, "select count(*) from INTERFAZ_BANCOS where INBA_ID = ?", true},
    {112, "select count(*) from INTERFAZ_CAJA where INCJ_ID = ?", true},
    {113, "select count(*) from INTERFAZ_CARTERA where INCA_ID = ?", true},
    {114, "select count(*) from INTERFAZ_COMPRAS where INCO_ID = ?", true},
    {115, "select count(*) from INTERFAZ_CXPAGAR where INCP_ID = ?", true},
    {116, "select count(*) from INTERFAZ_INVENTARIO where ININ_ID = ?", true},
    {117, "select count(*) from INTERFAZ_VENTAS where INVE_ID = ?", true},
    {201, "select count(*) from FAMILIA_INVENTARIO where FAIN_COD = ?", false},
    {202, "select count(*) from GRUPO_INVENTARIO where FAIN_COD || '|' || GRIN_COD = ?", false},
    {203, "select count(*) from SUBGRUPO_INVENTARIO where FAIN_COD || '|' || GRIN_COD || '|' || SGIN_COD = ?",
     false},
    {204, "select count(*) from MARCAS where MARC_COD = ?", false},
    {205, "select count(*) from SUBMARCA where MARC_COD || '|' || SUBM_COD = ?", false},
};

std::string Texto(const fb::Value& v) { return v.isNull() ? std::string() : v.toString(); }

std::string SinBlancos(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// The installation that the tests of this file read.
class InstalacionDemo : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    Crear(dir_->path(), kSemilla);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  static void Crear(const std::filesystem::path& directorio, unsigned semilla) {
    demo::OpcionesInstalacion o;
    o.directorio = directorio;
    o.documentos = kDocumentos;
    o.semilla = semilla;
    demo::CrearInstalacion(o);
  }

  void SetUp() override {
    origen_ = AbrirBase(dir_->path() / "datos/001/norvane.fdb");
    destino_ = AbrirBase(dir_->path() / "datos/002/norvane.fdb");
  }

  // The audit rows of a type, in AUDI_ID order: id, iddoc, oper, cod, tico.
  std::vector<fb::Row> Auditoria(int tipo) {
    return Filas(origen_,
                 "select AUDI_ID, AUDI_IDDOC, AUDI_OPER, AUDI_COD, AUDI_TICO from AUDITORIA "
                 "where TIDO_COD = ? order by AUDI_ID",
                 {tipo});
  }

  // AUDI_ID of the first audit row of a document.
  std::int64_t PrimeraAuditoria(int tipo, std::int64_t iddoc) {
    const fb::Value v =
        Escalar(origen_, "select min(AUDI_ID) from AUDITORIA where TIDO_COD = ? and AUDI_IDDOC = ?", {tipo, iddoc});
    return v.isNull() ? -1 : v.asInteger();
  }

  static TempDir* dir_;
  fb::Attachment origen_;
  fb::Attachment destino_;
};

TempDir* InstalacionDemo::dir_ = nullptr;

TEST_F(InstalacionDemo, TodasLasBasesAbrenConSusDatos) {
  const std::tuple<const char*, const char*, std::int64_t> bases[] = {
      {"datos/general.fdb", "select count(*) from COMPANIA where COMP_COD in ('001', '002')", 2},
      {"sop/norvane.fdb", "select count(*) from TIPO_DOCUMENTO where TIDO_COD in (1, 31, 205)", 3},
      {"sop/envio.fdb", "select count(*) from AUDITORIA", 0},
      {"datos/001/norvane.fdb", "select sign(count(*)) from AUDITORIA", 1},
      {"datos/002/norvane.fdb", "select count(*) from AUDITORIA", 0},
  };
  for (const auto& [base, consulta, esperado] : bases) {
    SCOPED_TRACE(base);
    auto db = AbrirBase(dir_->path() / base);
    EXPECT_EQ(Contar(db, consulta), esperado);
  }
}

TEST_F(InstalacionDemo, LaAuditoriaCubreCadaFamiliaDelDespacho) {
  std::set<int> tipos;
  for (const auto& f : Filas(origen_, "select distinct TIDO_COD from AUDITORIA"))
    tipos.insert(static_cast<int>(f.at(0).asInteger()));
  for (const Familia& f : kFamilias) EXPECT_TRUE(tipos.count(f.tipo)) << f.tipo;
  for (const Maestro& m : kMaestros) EXPECT_TRUE(tipos.count(m.tipo)) << m.tipo;
}

TEST_F(InstalacionDemo, CadaFamiliaTieneLosDocumentosPedidos) {
  for (const Familia& f : kFamilias) {
    SCOPED_TRACE(f.tipo);
    EXPECT_EQ(Contar(origen_, "select count(distinct AUDI_IDDOC) from AUDITORIA where TIDO_COD = ?", {f.tipo}),
              kDocumentos);
  }
}

TEST_F(InstalacionDemo, TodasLasFilasDeAuditoriaEstanSinEnviar) {
  EXPECT_GT(Contar(origen_, "select count(*) from AUDITORIA"), 0);
  EXPECT_EQ(Contar(origen_, "select count(*) from AUDITORIA where AUDI_ENVIO is distinct from 'N'"), 0);
}

TEST_F(InstalacionDemo, ElOrdenDeAudiIdEsElDeFechaYHora) {
  const auto filas = Filas(origen_, "select AUDI_ID, AUDI_FECHA, AUDI_HORA from AUDITORIA order by AUDI_ID");
  ASSERT_GT(filas.size(), 1u);
  for (std::size_t i = 1; i < filas.size(); ++i) {
    const auto antes = std::make_tuple(filas[i - 1][1].toString(), filas[i - 1][2].toString());
    const auto ahora = std::make_tuple(filas[i][1].toString(), filas[i][2].toString());
    EXPECT_LT(antes, ahora) << "AUDI_ID " << filas[i][0].toString();
  }
}

// A document audited as created, changed or voided is in its header table
// under AUDI_IDDOC, with the code and voucher type or bank account of the
// audit row; one audited as deleted is no longer there.
TEST_F(InstalacionDemo, CadaFilaDeDocumentoNombraSuDocumento) {
  for (const Familia& f : kFamilias) {
    SCOPED_TRACE(f.tipo);
    const std::string tico = f.tico ? std::string(", ") + f.tico : std::string(", cast(null as char(3))");
    const std::string consulta = std::string("select ") + f.prefijo + ", " + f.numero + tico + " from " +
                                 f.encabezado + " where " + f.id + " = ?";
    for (const auto& a : Auditoria(f.tipo)) {
      const auto doc = Filas(origen_, consulta, {a[1]});
      const std::string oper = SinBlancos(a[2].asText());
      if (oper == "D") {
        EXPECT_TRUE(doc.empty()) << "deleted document still at the origin: " << a[3].toString();
        continue;
      }
      ASSERT_EQ(doc.size(), 1u) << "AUDI_ID " << a[0].toString();
      EXPECT_EQ(a[3].asText(), Texto(doc[0][0]) + Texto(doc[0][1]));
      EXPECT_EQ(Texto(doc[0][1]).size(), static_cast<std::size_t>(f.digitos));
      if (f.tico) {
        EXPECT_EQ(SinBlancos(a[4].asText()), Texto(doc[0][2]));
      }
    }
  }
}

TEST_F(InstalacionDemo, CadaFilaDeMaestroNombraUnaFilaDelOrigen) {
  for (const Maestro& m : kMaestros) {
    SCOPED_TRACE(m.tipo);
    for (const auto& a : Auditoria(m.tipo)) {
      const bool eliminada = SinBlancos(a[2].asText()) == "D";
      const std::int64_t filas = Contar(origen_, m.cuenta, {m.porIddoc ? a[1] : a[3]});
      if (eliminada && m.tipo >= 201) {
        // gone from the origin, still at the destination
        EXPECT_EQ(filas, 0) << a[3].toString();
        EXPECT_EQ(Contar(destino_, m.cuenta, {a[3]}), 1) << a[3].toString();
      } else {
        EXPECT_GT(filas, 0) << "AUDI_ID " << a[0].toString();
      }
    }
  }
}

TEST_F(InstalacionDemo, HayAnulacionesYEliminaciones) {
  EXPECT_GT(Contar(origen_, "select count(*) from AUDITORIA where AUDI_OPER = 'A'"), 0);
  EXPECT_GT(Contar(origen_, "select count(*) from AUDITORIA where AUDI_OPER = 'D' and TIDO_COD < 100"), 0);
  EXPECT_GT(Contar(origen_, "select count(*) from AUDITORIA where AUDI_OPER = 'D' and TIDO_COD > 100"), 0);
  // a voided document is voided at the origin
  EXPECT_EQ(Contar(origen_,
                   "select count(*) from AUDITORIA a where a.TIDO_COD = 31 and a.AUDI_OPER = 'A' and not exists "
                   "(select 1 from FACTURAS f where f.FACT_ID = a.AUDI_IDDOC and f.FACT_ANULADO = 'S')"),
            0);
}

TEST_F(InstalacionDemo, CadaDocumentoAuditadoTieneSuMarcaDeReplica) {
  EXPECT_EQ(Contar(origen_,
                   "select count(*) from AUDITORIA a where not exists (select 1 from REPLICA_EVENTOS r "
                   "where r.RPEV_COMPANIA = '002' and r.RPEV_TIPO = a.TIDO_COD and r.RPEV_IDDOC = a.AUDI_IDDOC)"),
            0);
  EXPECT_EQ(Contar(origen_, "select count(*) from REPLICA_EVENTOS where RPEV_FECREP is not null"), 0);
}

// A return names an invoice of the origin by identifier and by code, made
// before it; so do the lines of applications, receipts and payment vouchers
// and the advances with their receipt or voucher.
struct Nombrado {
  const char* descripcion;
  const char* consulta;  // rows: own TIDO_COD, own id, named TIDO_COD, named id, named code
};

const Nombrado kNombrados[] = {
    {"purchase return -> purchase invoice",
     "select 24, d.DVCO_ID, 21, d.DVCO_IDFACTURA, d.DVCO_FACTURA, f.PREF_PRE || f.FACO_NUMERO "
     "from DEVOLUCIONES_COMPRAS d left join FACTURAS_COMPRA f on f.FACO_ID = d.DVCO_IDFACTURA "
     "where d.DVCO_IDFACTURA <> 0"},
    {"sales return -> sales invoice",
     "select 33, d.DEVT_ID, 31, d.DEVT_IDFACTURA, d.DEVT_FACTURA, f.PREF_PRE || f.FACT_NUMERO "
     "from DEVOLUCIONES_VENTAS d left join FACTURAS f on f.FACT_ID = d.DEVT_IDFACTURA "
     "where d.DEVT_IDFACTURA <> 0"},
    {"client advance -> cash receipt",
     "select 45, a.ANCL_ID, 61, a.ANCL_IDRECIBO, r.PREF_PRE || r.RECA_NUMERO, r.PREF_PRE || r.RECA_NUMERO "
     "from ANTICIPOS_CLIENTE a left join RECIBOS_CAJA r on r.RECA_ID = a.ANCL_IDRECIBO "
     "where a.ANCL_IDRECIBO <> 0"},
    {"supplier advance -> payment voucher",
     "select 55, a.ANPR_ID, 62, a.ANPR_IDEGRESO, e.PREF_PRE || e.EGRE_NUMERO, e.PREF_PRE || e.EGRE_NUMERO "
     "from ANTICIPOS_PROVEEDOR a left join EGRESOS e on e.EGRE_ID = a.ANPR_IDEGRESO "
     "where a.ANPR_IDEGRESO <> 0"},
    {"client application lines",
     "select 43, d.APCL_ID, d.TIDO_COD, d.APCD_IDDOC, d.APCD_PREF || d.APCD_NUMERO, "
     "coalesce((select PREF_PRE || FACT_NUMERO from FACTURAS where FACT_ID = d.APCD_IDDOC and d.TIDO_COD = 31), "
     "(select PREF_PRE || DEVT_NUMERO from DEVOLUCIONES_VENTAS where DEVT_ID = d.APCD_IDDOC and d.TIDO_COD = 33), "
     "(select PREF_PRE || NDCL_NUMERO from NOTAS_DEBITO_CLIENTES where NDCL_ID = d.APCD_IDDOC and d.TIDO_COD = 41), "
     "(select PREF_PRE || NCCL_NUMERO from NOTAS_CREDITO_CLIENTES where NCCL_ID = d.APCD_IDDOC and d.TIDO_COD = 42), "
     "(select PREF_PRE || ANCL_NUMERO from ANTICIPOS_CLIENTE where ANCL_ID = d.APCD_IDDOC and d.TIDO_COD = 45)) "
     "from APLICACION_CLIENTE_DETALLE d"},
    {"supplier application lines",
     "select 53, d.APPR_ID, d.TIDO_COD, d.APPD_IDDOC, d.APPD_PREF || d.APPD_NUMERO, "
     "coalesce((select PREF_PRE || FACO_NUMERO from FACTURAS_COMPRA where FACO_ID = d.APPD_IDDOC and d.TIDO_COD = 21), "
     "(select PREF_PRE || DVCO_NUMERO from DEVOLUCIONES_COMPRAS where DVCO_ID = d.APPD_IDDOC and d.TIDO_COD = 24), "
     "(select PREF_PRE || NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = d.APPD_IDDOC and d.TIDO_COD = 51), "
     "(select PREF_PRE || NCPR_NUMERO from NOTAS_CREDITO_PROVEEDOR where NCPR_ID = d.APPD_IDDOC and d.TIDO_COD = 52), "
     "(select PREF_PRE || ANPR_NUMERO from ANTICIPOS_PROVEEDOR where ANPR_ID = d.APPD_IDDOC and d.TIDO_COD = 55)) "
     "from APLICACION_PROVEEDOR_DETALLE d"},
    {"cash receipt lines -> client invoices and debit notes",
     "select 61, d.RECA_ID, d.TIDO_COD, d.RCDE_IDDOC, d.RCDE_PREF || d.RCDE_NUMERO, "
     "coalesce((select PREF_PRE || FACT_NUMERO from FACTURAS where FACT_ID = d.RCDE_IDDOC and d.TIDO_COD = 31), "
     "(select PREF_PRE || NDCL_NUMERO from NOTAS_DEBITO_CLIENTES where NDCL_ID = d.RCDE_IDDOC and d.TIDO_COD = 41)) "
     "from RECIBOS_CAJA_DETALLE d"},
    {"payment voucher lines -> supplier invoices and debit notes",
     "select 62, d.EGRE_ID, d.TIDO_COD, d.EGDE_IDDOC, d.EGDE_PREF || d.EGDE_NUMERO, "
     "coalesce((select PREF_PRE || FACO_NUMERO from FACTURAS_COMPRA where FACO_ID = d.EGDE_IDDOC and d.TIDO_COD = 21), "
     "(select PREF_PRE || NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = d.EGDE_IDDOC and d.TIDO_COD = 51)) "
     "from EGRESOS_DETALLE d"},
};

TEST_F(InstalacionDemo, LosDocumentosNombradosExistenYSeCrearonAntes) {
  std::size_t nombrados = 0;
  for (const Nombrado& n : kNombrados) {
    SCOPED_TRACE(n.descripcion);
    for (const auto& r : Filas(origen_, n.consulta)) {
      ++nombrados;
      EXPECT_EQ(Texto(r[4]), Texto(r[5])) << "named code does not match the named document";
      const std::int64_t propio = PrimeraAuditoria(static_cast<int>(r[0].asInteger()), r[1].asInteger());
      const std::int64_t nombrado = PrimeraAuditoria(static_cast<int>(r[2].asInteger()), r[3].asInteger());
      EXPECT_GE(nombrado, 0) << "the named document has no audit row";
      EXPECT_LT(nombrado, propio) << "the named document is audited after the one naming it";
    }
  }
  EXPECT_GT(nombrados, kDocumentos);
}

TEST_F(InstalacionDemo, LaDevolucionDeVentasNombraLaFacturaConOchoDigitos) {
  const auto filas = Filas(origen_, "select DEVT_FACTURA from DEVOLUCIONES_VENTAS where DEVT_IDFACTURA <> 0");
  ASSERT_FALSE(filas.empty());
  for (const auto& f : filas) EXPECT_EQ(f[0].asText().size(), 2u + 8u) << f[0].asText();
}

TEST_F(InstalacionDemo, LosIdentificadoresDelOrigenQuedanBajoLosDelDestino) {
  for (const Familia& f : kFamilias) {
    SCOPED_TRACE(f.tipo);
    const fb::Value mayor = Escalar(origen_, std::string("select max(") + f.id + ") from " + f.encabezado);
    ASSERT_FALSE(mayor.isNull());
    EXPECT_LT(mayor.asInteger(), 1000000000);
  }
}

// ---------------------------------------------------------- destination

// The documents of a family by code (with voucher type or bank account).
std::set<std::string> Codigos(fb::Attachment& db, const Familia& f) {
  std::set<std::string> codigos;
  const std::string tico = f.tico ? std::string(" || '@' || ") + f.tico : "";
  for (const auto& r : Filas(db, std::string("select ") + f.prefijo + " || " + f.numero + tico + " from " +
                                     f.encabezado))
    codigos.insert(SinBlancos(r[0].asText()));
  return codigos;
}

TEST_F(InstalacionDemo, ElDestinoYaTieneDocumentosConCodigosDelOrigen) {
  for (const Familia& f : kFamilias) {
    SCOPED_TRACE(f.tipo);
    const auto enOrigen = Codigos(origen_, f);
    const auto enDestino = Codigos(destino_, f);
    std::size_t comunes = 0;
    for (const auto& c : enDestino) comunes += enOrigen.count(c);
    EXPECT_GT(comunes, 0u);
  }
}

TEST_F(InstalacionDemo, LosDocumentosEliminadosEnElOrigenEstanEnElDestino) {
  std::size_t eliminados = 0;
  for (const Familia& f : kFamilias) {
    SCOPED_TRACE(f.tipo);
    const auto enDestino = Codigos(destino_, f);
    for (const auto& a : Auditoria(f.tipo)) {
      if (SinBlancos(a[2].asText()) != "D") continue;
      ++eliminados;
      const std::string codigo = a[3].asText() + (f.tico ? "@" + SinBlancos(a[4].asText()) : "");
      EXPECT_TRUE(enDestino.count(codigo)) << codigo;
    }
  }
  EXPECT_GT(eliminados, 0u);
}

TEST_F(InstalacionDemo, ElDestinoTieneLaFechaDeBloqueoContable) {
  EXPECT_EQ(Escalar(destino_,
                    "select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' "
                    "and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'"),
            fb::Value("2024/01/31"));
}

// ------------------------------------------------------------ determinism

TEST_F(InstalacionDemo, LaMismaSemillaDaLosMismosDatosYOtraSemillaOtros) {
  const std::uint64_t huella = Huella(origen_);
  const std::uint64_t huellaDestino = Huella(destino_);
  TempDir igual;
  TempDir otra;
  Crear(igual.path(), kSemilla);
  Crear(otra.path(), kSemilla + 1);
  {
    auto db = AbrirBase(igual.path() / "datos/001/norvane.fdb");
    EXPECT_EQ(Huella(db), huella);
    auto destino = AbrirBase(igual.path() / "datos/002/norvane.fdb");
    EXPECT_EQ(Huella(destino), huellaDestino);
  }
  auto db = AbrirBase(otra.path() / "datos/001/norvane.fdb");
  EXPECT_NE(Huella(db), huella);
}

}  // namespace
}  // namespace norvane::test
