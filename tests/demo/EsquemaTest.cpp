// The suite's databases as the SQL scripts build them: every folder loads,
// the companies share one layout, the identifier views and the points
// procedure behave as the transfer expects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "demo/Instalacion.h"
#include "fb/Error.h"
#include "tests/demo/ConsultaDemo.h"
#include "tests/support/TempDir.h"

namespace norvane::test {
namespace {

namespace fs = std::filesystem;

// What each script folder must leave in a fresh database.
struct Carpeta {
  const char* nombre;
  std::vector<const char*> tablas;
};

const Carpeta kCarpetas[] = {
    {"general", {"COMPANIA", "USUARIO"}},
    {"soporte", {"TIPO_DOCUMENTO"}},
    {"compania",
     {"AUDITORIA", "CONFIGURACION", "REPLICA_EVENTOS", "COMPROBANTE_ENCABEZADO", "COMPROBANTE_DETALLE",
      "COMPROBANTE_DETALLE_NIIF", "ENTRADAS", "ORDENINVENTARIO_DETALLE", "FACTURAS_COMPRA",
      "DEVOLUCIONES_COMPRAS", "FACTURAS", "DEVOLUCIONES_VENTAS", "NOTAS_DEBITO_CLIENTES",
      "APLICACION_PROVEDOR", "APLICACION_PROVEEDOR_DETALLE", "ANTICIPOS_CLIENTE", "RECIBOS_CAJA_CRUCEC",
      "EGRESOS_CONTABILIDAD", "CONSIGNA_TARJETAS_DET", "TRASLADOS_CAJA_DET", "CONSIGNA_DETALLE",
      "DEVOLUCION_CHEQUES", "CUENTAS", "ARTICULO", "ARTICULOS_PRODUCTO", "TERCEROS", "SUBMARCA",
      "INTERFAZ_VENTAS_CTAS", "PUNTOS_CLIENTE"}},
};

TEST(Esquema, CadaCarpetaDeScriptsCargaEnUnaBaseNueva) {
  TempDir dir;
  for (const Carpeta& carpeta : kCarpetas) {
    SCOPED_TRACE(carpeta.nombre);
    const fs::path ruta = dir.path() / (std::string(carpeta.nombre) + ".fdb");
    ASSERT_NO_THROW(demo::CrearBase(ruta, "SYSDBA", carpeta.nombre));
    auto db = AbrirBase(ruta);
    const auto tablas = Tablas(db);
    for (const char* t : carpeta.tablas)
      EXPECT_TRUE(std::find(tablas.begin(), tablas.end(), t) != tablas.end()) << t;
  }
}

// An installation with a few documents, shared by the tests of this file.
class InstalacionEsquema : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    demo::OpcionesInstalacion o;
    o.directorio = dir_->path();
    o.documentos = 4;
    demo::CrearInstalacion(o);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static fb::Attachment Abrir(const std::string& relativa) { return AbrirBase(dir_->path() / relativa); }

  static TempDir* dir_;
};

TempDir* InstalacionEsquema::dir_ = nullptr;

TEST_F(InstalacionEsquema, OrigenDestinoYEnvioTienenLaMismaEstructura) {
  auto origen = Abrir("datos/001/norvane.fdb");
  const auto estructura = Estructura(origen);
  ASSERT_GT(estructura.size(), 1000u);
  for (const char* otra : {"datos/002/norvane.fdb", "sop/envio.fdb"}) {
    SCOPED_TRACE(otra);
    auto db = Abrir(otra);
    EXPECT_EQ(Estructura(db), estructura);
  }
  // and the layout the scripts give when they run again
  TempDir dir;
  demo::CrearBase(dir.path() / "compania.fdb", "SYSDBA", "compania");
  auto nueva = AbrirBase(dir.path() / "compania.fdb");
  EXPECT_EQ(Estructura(nueva), estructura);
}

TEST_F(InstalacionEsquema, CadaTablaTieneLlavePrimaria) {
  auto db = Abrir("datos/001/norvane.fdb");
  const auto sinLlave = Filas(db,
                              "select trim(r.rdb$relation_name) from rdb$relations r "
                              "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null "
                              "and not exists (select 1 from rdb$relation_constraints c "
                              "where c.rdb$relation_name = r.rdb$relation_name "
                              "and c.rdb$constraint_type = 'PRIMARY KEY')");
  for (const auto& f : sinLlave) ADD_FAILURE() << f.at(0).asText();
}

// The identifier views the transfer opens, by the names it uses.
const char* const kVistas[] = {
    "cambie_id_comproba",   "cambie_id_entrada",     "cambie_id_salida",       "cambie_id_transfer",
    "cambie_id_ajusteinv",  "cambie_id_ensamble",    "cambie_id_desensamble",  "cambie_id_reserva",
    "cambie_id_ordenmcia",  "cambie_id_remiprov",    "cambie_id_ordencomp",    "cambie_id_coticomp",
    "cambie_id_remiclie",   "cambie_id_pedido",      "cambie_id_cotizaci",     "cambie_id_compras",
    "cambie_id_devolprov",  "cambie_id_factura",     "cambie_id_devolclie",    "cambie_id_notadbclie",
    "cambie_id_notadbprov", "cambie_id_notacrprov",  "cambie_id_apliclie",     "cambie_id_apliprov",
    "cambie_id_anticlie",   "cambie_id_antiprov",    "cambie_id_recicaja",     "cambie_id_reciprov",
    "cambie_id_egreso",     "cambie_id_cambdocu",    "cambie_id_consignatar",  "cambie_id_traslacaja",
    "cambie_id_consigna",   "cambie_id_cheque",      "cambie_id_retiro",       "cambie_id_nota_db_banco",
    "cambie_id_nota_cr_banco", "cambie_id_traslado", "cambie_id_dev_cheques",
};

std::vector<std::string> VistasDeIdentificador(fb::Attachment& db) {
  std::vector<std::string> vistas;
  for (const auto& f : Filas(db,
                             "select trim(rdb$relation_name) from rdb$relations "
                             "where rdb$view_blr is not null "
                             "and upper(rdb$relation_name) starting with 'CAMBIE_ID_' "
                             "order by rdb$relation_name"))
    vistas.push_back(f.at(0).asText());
  return vistas;
}

// The largest identifier at position 0 of any table of the database whose
// first column is an integer.
std::int64_t MayorIdentificador(fb::Attachment& db) {
  std::int64_t mayor = 0;
  const auto columnas = Filas(db,
                              "select trim(rf.rdb$relation_name), trim(rf.rdb$field_name) "
                              "from rdb$relation_fields rf "
                              "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
                              "join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name "
                              "where rf.rdb$field_position = 0 and f.rdb$field_type = 8 "
                              "and coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null");
  for (const auto& c : columnas) {
    const fb::Value v = Escalar(db, "select max(" + c.at(1).asText() + ") from " + c.at(0).asText());
    if (!v.isNull()) mayor = std::max(mayor, v.asInteger());
  }
  return mayor;
}

TEST_F(InstalacionEsquema, HayUnaVistaDeIdentificadorPorCadaNombreQueUsaElEnvio) {
  auto db = Abrir("datos/002/norvane.fdb");
  const auto vistas = VistasDeIdentificador(db);
  for (std::string nombre : kVistas) {
    for (char& c : nombre) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(std::find(vistas.begin(), vistas.end(), nombre) != vistas.end()) << nombre;
  }
}

TEST_F(InstalacionEsquema, CadaVistaDaValoresCrecientesDistintosYMayoresQueLosDelOrigen) {
  std::int64_t mayorOrigen = 0;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    mayorOrigen = MayorIdentificador(origen);
  }
  ASSERT_GT(mayorOrigen, 0);
  auto db = Abrir("datos/002/norvane.fdb");
  const auto vistas = VistasDeIdentificador(db);
  ASSERT_FALSE(vistas.empty());
  std::set<std::pair<std::string, std::int64_t>> vistos;
  for (const auto& vista : vistas) {
    SCOPED_TRACE(vista);
    std::int64_t anterior = 0;
    for (int i = 0; i < 3; ++i) {
      const auto filas = Filas(db, "select * from " + vista);
      ASSERT_EQ(filas.size(), 1u);
      const std::int64_t valor = filas[0].at(0).asInteger();
      EXPECT_GT(valor, anterior);
      EXPECT_GT(valor, mayorOrigen);
      EXPECT_TRUE(vistos.insert({vista, valor}).second);
      anterior = valor;
    }
  }
}

// A company database with one customer, one sales invoice and one return.
class PuntosCliente : public ::testing::Test {
protected:
  void SetUp() override {
    demo::CrearBase(dir_.path() / "c.fdb", "SYSDBA", "compania");
    db_ = AbrirBase(dir_.path() / "c.fdb");
    db_.execute("insert into CLIENTES (TERC_NIT, CLIE_ACUMULA_PUNTOS) values ('900111222', 'S')");
    db_.execute("insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, FACT_TOTAL) "
                "values (77, 'FV', '00000077', '2024/04/02', '900111222', 250000)");
    db_.execute("insert into DEVOLUCIONES_VENTAS (DEVT_ID, PREF_PRE, DEVT_NUMERO, DEVT_FECHA, TERC_NIT, "
                "DEVT_TOTAL) values (78, 'DV', '000078', '2024/04/09', '900111222', 60000)");
  }

  fb::Value Saldo() {
    return Escalar(db_, "select PUCL_SALDO from PUNTOS_CLIENTE where TERC_NIT = '900111222'");
  }

  TempDir dir_;
  fb::Attachment db_;
};

TEST_F(PuntosCliente, FacturaSumaYDevolucionRestaPuntosSinDuplicar) {
  // one point per 1000 of the total, the default value per point
  db_.execute("execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL)");
  EXPECT_EQ(Saldo(), fb::Value(fb::Decimal{25000, -2}));
  db_.execute("execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL)");
  EXPECT_EQ(Saldo(), fb::Value(fb::Decimal{25000, -2}));
  db_.execute("execute procedure ACUMULA_PUNTOS_CLIENTE(33,78,NULL,NULL)");
  EXPECT_EQ(Saldo(), fb::Value(fb::Decimal{19000, -2}));
  EXPECT_EQ(Contar(db_, "select count(*) from PUNTOS_CLIENTE_MOV"), 2);
}

TEST_F(PuntosCliente, OtroTipoDeDocumentoFallaSinTocarLosPuntos) {
  for (const int tipo : {21, 24, 11, 2, 0}) {
    SCOPED_TRACE(tipo);
    EXPECT_THROW(db_.execute("execute procedure ACUMULA_PUNTOS_CLIENTE(" + std::to_string(tipo) + ",77,NULL,NULL)"),
                 fb::Error);
  }
  EXPECT_TRUE(Saldo().isNull());
  EXPECT_EQ(Contar(db_, "select count(*) from PUNTOS_CLIENTE_MOV"), 0);
}

}  // namespace
}  // namespace norvane::test
