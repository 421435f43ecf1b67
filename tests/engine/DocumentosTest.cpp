#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "engine/ContextoEnvio.h"
#include "engine/EnviarDocumento.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/families/DocumentosConReferencias.h"
#include "engine/families/DocumentosEstandar.h"
#include "engine/families/Familias.h"
#include "fb/Error.h"
#include "fb/Transaction.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane {

namespace {

// The document types of one header and one detail table, both families.
const std::vector<DescriptorDocumento>& DescriptoresDocumentos() {
  static const std::vector<DescriptorDocumento> todos = [] {
    std::vector<DescriptorDocumento> v;
    for (const auto tabla : {DescriptoresDocumentosEstandar(), DescriptoresDocumentosConReferencias()})
      v.insert(v.end(), tabla.begin(), tabla.end());
    return v;
  }();
  return todos;
}

using fb::Value;

// The name that follows `antes` in `texto`, up to a blank.
std::string NombreTras(const std::string& texto, const std::string& antes) {
  const auto at = texto.find(antes) + antes.size();
  return texto.substr(at, texto.find(' ', at) - at);
}

struct CodigoPartidoCaso {
  const char* codigo;
  int largo;
  const char* prefijo;
  const char* numero;
};

class PartirCodigo_ : public ::testing::TestWithParam<CodigoPartidoCaso> {};

TEST_P(PartirCodigo_, NumberIsTheLastCharacters) {
  const auto& c = GetParam();
  const auto r = PartirCodigo(c.codigo, c.largo);
  EXPECT_EQ(r.prefijo, c.prefijo);
  EXPECT_EQ(r.numero, c.numero);
}

INSTANTIATE_TEST_SUITE_P(Casos, PartirCodigo_,
                         ::testing::Values(CodigoPartidoCaso{"EN000123", 6, "EN", "000123"},
                                           CodigoPartidoCaso{"FV00001234", 8, "FV", "00001234"},
                                           CodigoPartidoCaso{"000123", 6, "", "000123"},
                                           CodigoPartidoCaso{"123", 6, "", "123"},
                                           CodigoPartidoCaso{"FV001234", 8, "", "FV001234"},
                                           CodigoPartidoCaso{"", 6, "", ""},
                                           CodigoPartidoCaso{"ABC0000001", 6, "ABC0", "000001"}));

// What a test needs to know of a document type, read from its descriptor.
struct Tipo {
  const DescriptorDocumento* d;
  std::string encabezado;  // header table
  std::string detalle;     // detail table
  std::string numero;      // number column
  std::string prefijo = "PQ";
  std::string Numero(int n) const {
    std::string t = std::to_string(n);
    return std::string(static_cast<std::size_t>(d->largoNumero) - t.size(), '0') + t;
  }
};

Tipo TipoDe(const DescriptorDocumento& d) {
  return {&d, NombreTras(d.busqueda, "FROM "), NombreTras(d.detalles[0].seleccionDestino, "FROM "),
          NombreTras(d.clausulaNumero, "AND ")};
}

const DescriptorDocumento& Descriptor(int tidoCod) {
  for (const auto& d : DescriptoresDocumentos())
    if (d.tidoCod == tidoCod) return d;
  throw std::runtime_error("no descriptor for " + std::to_string(tidoCod));
}

class DocumentoBase : public test::EnvioPrueba {
protected:
  void Preparar(const DescriptorDocumento& d) {
    tipo = TipoDe(d);
    for (auto& t : opciones.Ctipodoc) t.F_1 = t.TIDO_COD == tipo.d->tidoCod ? "S" : "N";
  }

  // A document of this type in `db` with `lineas` detail rows.
  fb::Row Crear(fb::Attachment& db, int id, int numero, int semilla, int lineas = 2) {
    const auto columnas = test::Columnas(db, tipo.encabezado);
    fb::Row fila = test::FilaGenerica(columnas, semilla);
    fila[0] = id;
    fila[test::PosicionDe(columnas, "PREF_PRE")] = tipo.prefijo;
    fila[test::PosicionDe(columnas, tipo.numero)] = tipo.Numero(numero);
    fila[test::PosicionDe(columnas, tipo.d->columnaAnulado)] = "N";
    if (tipo.d->referenciaFactura) fila[static_cast<std::size_t>(tipo.d->referenciaFactura->posicionId)] = 0;
    test::Insertar(db, tipo.encabezado, fila);
    const auto det = test::Columnas(db, tipo.detalle);
    for (int i = 0; i < lineas; ++i) {
      fb::Row linea = test::FilaGenerica(det, semilla * 10 + i);
      linea[0] = id;
      test::Insertar(db, tipo.detalle, linea);
    }
    return fila;
  }

  void Auditar(int auditId, int iddoc, const std::string& oper, int numero) {
    auto db = inst.Compania("001");
    db.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, "
        "AUDI_IDDOC, AUDI_OPER, AUDI_COD, AUDI_ENVIO) values (?, 'ANA', '2024/04/01', ?, ?, ?, ?, ?, 'N')",
        {auditId, fb::Time{8, 0, static_cast<unsigned>(auditId % 60), 0}, tipo.d->tidoCod, iddoc,
         oper, tipo.prefijo + tipo.Numero(numero)});
  }

  std::vector<fb::Row> Encabezados(fb::Attachment& db) {
    return Consultar(db, "select * from " + tipo.encabezado + " order by 1");
  }
  std::vector<fb::Row> Lineas(fb::Attachment& db, std::int64_t id) {
    return Consultar(db, "select * from " + tipo.detalle + " where " +
                             test::Columnas(db, tipo.detalle)[0].field + " = ? order by 2", {id});
  }
  bool Puntos(fb::Attachment& db, std::int64_t id) {
    return !Consultar(db, "select 1 from PUNTOS_CLIENTE_MOV where TIDO_COD = ? and PCMO_IDDOC = ?",
                      {tipo.d->tidoCod, id}).empty();
  }

  // Positions that the destination sets by itself on this kind of write.
  std::set<std::size_t> Propias(fb::Attachment& db) {
    std::set<std::size_t> p{0};
    if (tipo.d->implicada) p.insert(test::PosicionDe(test::Columnas(db, tipo.encabezado), tipo.d->implicada->nombre));
    return p;
  }

  void EsperarIguales(const fb::Row& esperada, const fb::Row& real, const std::set<std::size_t>& salvo) {
    ASSERT_EQ(esperada.size(), real.size());
    for (std::size_t i = 0; i < esperada.size(); ++i) {
      if (!salvo.count(i)) {
        EXPECT_EQ(real[i], esperada[i]) << "position " << i;
      }
    }
  }

  void EsperarLineas(const std::vector<fb::Row>& origen, const std::vector<fb::Row>& destino, std::int64_t id) {
    ASSERT_EQ(destino.size(), origen.size());
    for (std::size_t r = 0; r < origen.size(); ++r) {
      EXPECT_EQ(destino[r][0], Value(id));
      std::set<std::size_t> salvo{0};
      if (tipo.d->detalles[0].columnaEnCero >= 0) {
        const auto p = static_cast<std::size_t>(tipo.d->detalles[0].columnaEnCero);
        salvo.insert(p);
        EXPECT_EQ(destino[r][p].toString().find_first_not_of("0."), std::string::npos)
            << "position " << p << " is " << destino[r][p];
      }
      EsperarIguales(origen[r], destino[r], salvo);
    }
  }

  Tipo tipo;
};

class Documentos : public DocumentoBase, public ::testing::WithParamInterface<std::size_t> {
protected:
  void SetUp() override { Preparar(DescriptoresDocumentos()[GetParam()]); }
};

std::string NombreCaso(const ::testing::TestParamInfo<std::size_t>& info) {
  return "Tipo" + std::to_string(DescriptoresDocumentos()[info.param].tidoCod);
}

TEST_P(Documentos, NewOnlineGetsAFreshIdentifierInHeaderAndEveryDetailRow) {
  fb::Row origen;
  std::vector<fb::Row> lineasOrigen;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 501, 123, 1);
    lineasOrigen = Lineas(db, 501);
  }
  Auditar(1, 501, "M", 123);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u) << inst.dir();
  const std::int64_t id = encabezados[0][0].asInteger();
  EXPECT_GT(id, 1000000000);
  EsperarIguales(origen, encabezados[0], Propias(destino));
  if (tipo.d->implicada) {
    EXPECT_EQ(encabezados[0][test::PosicionDe(test::Columnas(destino, tipo.encabezado), "DEVT_IMPLICA")], Value("S"));
  }
  EsperarLineas(lineasOrigen, Lineas(destino, id), id);
  EXPECT_EQ(Puntos(destino, id), tipo.d->procedimientoCierre != nullptr);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Documentos, NewOfflineKeepsTheOriginIdentifier) {
  std::vector<fb::Row> lineasOrigen;
  {
    auto db = inst.Compania("001");
    Crear(db, 502, 124, 2);
    lineasOrigen = Lineas(db, 502);
  }
  Auditar(1, 502, "M", 124);
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto archivo = inst.Abrir("datos/002/envio.fdb");
  const auto encabezados = Encabezados(archivo);
  ASSERT_EQ(encabezados.size(), 1u);
  EXPECT_EQ(encabezados[0][0], Value(502));
  EsperarLineas(lineasOrigen, Lineas(archivo, 502), 502);
  EXPECT_EQ(Puntos(archivo, 502), tipo.d->procedimientoCierre != nullptr);
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());  // the company itself is not touched
}

TEST_P(Documentos, ReplaceKeepsTheDestinationIdentifierAndSendsTheDetailAgain) {
  fb::Row origen;
  std::vector<fb::Row> lineasOrigen;
  fb::Row anterior;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 503, 125, 3);
    lineasOrigen = Lineas(db, 503);
    auto destino = inst.Compania("002");
    anterior = Crear(destino, 777, 125, 7, 3);
    Crear(destino, 778, 126, 8, 1);  // another document: its rows stay
    if (tipo.d->referenciaFactura) {
      const auto p = static_cast<std::size_t>(tipo.d->referenciaFactura->posicionId);
      destino.execute("update " + tipo.encabezado + " set " +
                      test::Columnas(destino, tipo.encabezado)[p].field + " = 4444 where " +
                      test::Columnas(destino, tipo.encabezado)[0].field + " = 777");
    }
  }
  Auditar(1, 503, "M", 125);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 2u);
  EXPECT_EQ(encabezados[0][0], Value(777));
  auto salvo = Propias(destino);
  if (tipo.d->referenciaFactura) {
    const auto p = static_cast<std::size_t>(tipo.d->referenciaFactura->posicionId);
    salvo.insert(p);
    EXPECT_EQ(encabezados[0][p], Value(4444));  // the reference stays as the destination had it
  }
  if (tipo.d->implicada) {
    EXPECT_EQ(encabezados[0][test::PosicionDe(test::Columnas(destino, tipo.encabezado), "DEVT_IMPLICA")], Value("N"));
  }
  EsperarIguales(origen, encabezados[0], salvo);
  EsperarLineas(lineasOrigen, Lineas(destino, 777), 777);
  EXPECT_EQ(Lineas(destino, 778).size(), 1u);
  EXPECT_EQ(Puntos(destino, 777), tipo.d->procedimientoCierre != nullptr);
  EXPECT_EQ(Envio(1), "S");
}

// The code goes into the destination's search as quoted text: a quote in
// the prefix neither breaks the search nor keeps it from finding the copy.
TEST_P(Documentos, ACodeWithAQuoteFindsTheDestinationsCopy) {
  tipo.prefijo = "P'";
  fb::Row origen;
  {
    auto db = inst.Compania("001");
    origen = Crear(db, 509, 132, 12);
    auto destino = inst.Compania("002");
    Crear(destino, 782, 132, 13, 3);
  }
  Auditar(1, 509, "M", 132);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);  // replaced, not added
  EXPECT_EQ(encabezados[0][0], Value(782));
  auto salvo = Propias(destino);
  if (tipo.d->referenciaFactura) salvo.insert(static_cast<std::size_t>(tipo.d->referenciaFactura->posicionId));
  EsperarIguales(origen, encabezados[0], salvo);
  EXPECT_EQ(Lineas(destino, 782).size(), 2u);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Documentos, OmittedWhenItExistsAndNothingIsReplaced) {
  fb::Row anterior;
  {
    auto db = inst.Compania("001");
    Crear(db, 504, 127, 4);
    auto destino = inst.Compania("002");
    anterior = Crear(destino, 779, 127, 9, 3);
  }
  Auditar(1, 504, "M", 127);
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  EXPECT_EQ(Lineas(destino, 779).size(), 3u);
  EXPECT_FALSE(Puntos(destino, 779));
  EXPECT_EQ(Envio(1), "S");  // no error: the row is complete
  EXPECT_EQ(resumen.fallidas, 0);
}

TEST_P(Documentos, VoidAndDeleteOnlineOnly) {
  {
    auto db = inst.Compania("001");
    Crear(db, 505, 128, 5);
    auto destino = inst.Compania("002");
    Crear(destino, 780, 128, 10, 2);
    Crear(destino, 781, 129, 11, 2);
  }
  Auditar(1, 505, "A", 128);
  Auditar(2, 506, "D", 129);
  opciones.EnLinea = false;
  Ejecutar();
  {
    auto destino = inst.Compania("002");
    EXPECT_EQ(Encabezados(destino).size(), 2u);  // offline: nothing at all
  }
  auto db = inst.Compania("001");
  db.execute("update AUDITORIA set AUDI_ENVIO = 'N'");
  opciones.EnLinea = true;
  Ejecutar();
  auto destino = inst.Compania("002");
  const auto columnas = test::Columnas(destino, tipo.encabezado);
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);  // 781 deleted
  EXPECT_EQ(encabezados[0][0], Value(780));
  EXPECT_EQ(encabezados[0][test::PosicionDe(columnas, tipo.d->columnaAnulado)], Value("S"));
  EXPECT_EQ(Lineas(destino, 781).size(), 2u);  // only the header is deleted
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

TEST_P(Documentos, TwoAuditRowsOfOneDocumentInsertThenReplace) {
  {
    auto db = inst.Compania("001");
    Crear(db, 507, 130, 6);
  }
  Auditar(1, 507, "N", 130);
  Auditar(2, 507, "M", 130);
  Ejecutar();
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  EXPECT_EQ(Lineas(destino, encabezados[0][0].asInteger()).size(), 2u);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

TEST_P(Documentos, AViewWithoutIdentifierFailsTheRowAndWritesNothing) {
  {
    auto db = inst.Compania("001");
    Crear(db, 508, 131, 7);
    auto destino = inst.Compania("002");
    const std::string vista = NombreTras(tipo.d->vistaId, "from ");
    destino.execute("recreate view " + vista + " (ID) as select 1 from rdb$database where 1 = 0");
  }
  Auditar(1, 508, "M", 131);
  Ejecutar();
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_TRUE(Consultar(destino, "select * from " + tipo.detalle).empty());
  EXPECT_EQ(Envio(1), "N");
  const std::string errores = test::TempDir::LeerArchivo(inst.dir() / "ERRORENVIO.TXT");
  EXPECT_NE(errores.find(std::string("No se obtuvo un identificador nuevo de ") + tipo.d->vistaId),
            std::string::npos) << errores;
}

// A trigger of the destination refuses the second detail row of documents.
void RechazarSegundaLinea(fb::Attachment& destino, const std::string& detalle, const fb::Value& marca) {
  const auto columnas = test::Columnas(destino, detalle);
  destino.execute("create exception E_PRUEBA_LINEA 'linea rechazada'");
  destino.execute("create trigger PRUEBA_RECHAZO for " + detalle +
                  " before insert as begin if (new." + columnas[1].field + " = " + marca.toString() +
                  ") then exception E_PRUEBA_LINEA; end");
}

class DocumentoDe : public DocumentoBase {};

// What a refused audit row is tried on, and where the destination refuses it.
struct CasoRechazo {
  const char* nombre;
  int tido;
  bool reemplaza;  // the destination holds an earlier copy of the document
  enum Falla { Encabezado, SegundaLinea, Procedimiento } falla;
};

class Rechazo : public DocumentoBase, public ::testing::WithParamInterface<CasoRechazo> {
protected:
  // Every row of the tables the document touches at the destination.
  std::vector<std::vector<fb::Row>> Foto() {
    auto destino = inst.Compania("002");
    return {Encabezados(destino), Consultar(destino, "select * from " + tipo.detalle + " order by 1, 2"),
            Consultar(destino, "select * from PUNTOS_CLIENTE_MOV order by 1")};
  }
  // Closes the run's connections, so that the destination takes DDL.
  void Soltar() {
    sesion.DBEnvio.reset();
    sesion.origen.reset();
  }
};

// A refused row leaves the destination exactly as it was before the row, the
// row is logged and unsent; once the refusal is gone, a run that omits
// existing documents sends it whole.
TEST_P(Rechazo, LeavesTheDestinationAsItWasAndALaterRunSendsTheDocumentWhole) {
  const auto& caso = GetParam();
  Preparar(Descriptor(caso.tido));
  std::vector<fb::Row> lineas;
  fb::Row encabezado;
  {
    auto db = inst.Compania("001");
    encabezado = Crear(db, 601, 200, 1, 3);
    lineas = Lineas(db, 601);
    auto destino = inst.Compania("002");
    if (caso.reemplaza) Crear(destino, 950, 200, 7, 2);
  }
  const auto antes = Foto();
  {
    auto destino = inst.Compania("002");
    switch (caso.falla) {
      case CasoRechazo::Encabezado:
        destino.execute("create exception E_PRUEBA_LINEA 'encabezado rechazado'");
        destino.execute("create trigger PRUEBA_RECHAZO for " + tipo.encabezado +
                        " before insert or update as begin exception E_PRUEBA_LINEA; end");
        break;
      case CasoRechazo::SegundaLinea: RechazarSegundaLinea(destino, tipo.detalle, lineas[1][1]); break;
      case CasoRechazo::Procedimiento:
        destino.execute("create exception E_PRUEBA_LINEA 'puntos rechazados'");
        destino.execute("create trigger PRUEBA_RECHAZO for PUNTOS_CLIENTE_MOV"
                        " before insert as begin exception E_PRUEBA_LINEA; end");
        break;
    }
  }
  Auditar(1, 601, "M", 200);
  if (caso.falla == CasoRechazo::Procedimiento) {
    // The procedure is a statement, not a write: its failure ends the run.
    EXPECT_THROW(Ejecutar(), fb::Error);
  } else {
    EXPECT_EQ(Ejecutar().fin, FinEnvio::Concluido);
    EXPECT_EQ(resumen.fallidas, 1);
    EXPECT_NE(test::TempDir::LeerArchivo(inst.dir() / "ERRORENVIO.TXT").find("Error transmitiendo"),
              std::string::npos);
  }
  Soltar();
  EXPECT_EQ(Foto(), antes);
  EXPECT_EQ(Envio(1), "N");

  inst.Compania("002").execute("drop trigger PRUEBA_RECHAZO");
  opciones.Reemplazar = false;
  Ejecutar();
  EXPECT_EQ(Envio(1), "S");
  auto destino = inst.Compania("002");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  if (caso.reemplaza) {
    EXPECT_EQ(Foto(), antes);  // omitted: the earlier copy stays whole
  } else {
    const std::int64_t id = encabezados[0][0].asInteger();
    EsperarIguales(encabezado, encabezados[0], Propias(destino));
    EsperarLineas(lineas, Lineas(destino, id), id);
    EXPECT_EQ(Puntos(destino, id), tipo.d->procedimientoCierre != nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Rechazo,
    ::testing::Values(CasoRechazo{"Encabezado", 11, false, CasoRechazo::Encabezado},
                      CasoRechazo{"Linea", 11, false, CasoRechazo::SegundaLinea},
                      CasoRechazo{"FacturaJuntas", 31, false, CasoRechazo::SegundaLinea},
                      CasoRechazo{"Procedimiento", 31, false, CasoRechazo::Procedimiento},
                      CasoRechazo{"ReemplazoLinea", 12, true, CasoRechazo::SegundaLinea},
                      CasoRechazo{"ReemplazoEncabezado", 33, true, CasoRechazo::Encabezado}),
    [](const ::testing::TestParamInfo<CasoRechazo>& caso) { return std::string(caso.param.nombre); });

// A stop between a row's destination commit and its origin mark.
struct CasoParada {
  const char* nombre;
  bool enLinea;
  bool reemplazar;  // the second run replaces documents that exist
};

class Parada : public DocumentoBase, public ::testing::WithParamInterface<CasoParada> {};

// The run stops (the hook throws) right after the first row's destination
// commit: online the document is at the destination whole and its audit row
// unsent; offline the file is replaced and nothing is marked. The document
// then changes at the origin, and the next run sends the row again: found by
// its code and replaced whole, or omitted, never a second copy.
TEST_P(Parada, AStopBeforeTheMarkSendsTheRowAgainWithoutADuplicate) {
  const auto& caso = GetParam();
  Preparar(Descriptor(11));
  opciones.EnLinea = caso.enLinea;
  {
    auto db = inst.Compania("001");
    Crear(db, 801, 401, 1, 3);
    Crear(db, 802, 402, 2, 2);
  }
  Auditar(1, 801, "M", 401);
  Auditar(2, 802, "M", 402);
  int llamadas = 0;
  EXPECT_THROW(Ejecutar([&] {
                 ++llamadas;
                 throw std::runtime_error("parada");
               }),
               std::runtime_error);
  EXPECT_EQ(llamadas, 1);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");

  std::vector<fb::Row> primera;  // the destination's copy after the stop
  std::vector<fb::Row> lineasPrimera;
  {
    auto destino = caso.enLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb");
    primera = Encabezados(destino);
    if (caso.enLinea) {
      auto origen = inst.Compania("001");
      ASSERT_EQ(primera.size(), 1u);
      EXPECT_EQ(primera[0][test::PosicionDe(test::Columnas(destino, tipo.encabezado), tipo.numero)],
                Value(tipo.Numero(401)));
      lineasPrimera = Lineas(destino, primera[0][0].asInteger());
      EsperarIguales(Encabezados(origen)[0], primera[0], Propias(destino));
      EsperarLineas(Lineas(origen, 801), lineasPrimera, primera[0][0].asInteger());
    } else {
      EXPECT_TRUE(primera.empty());  // a fresh copy of the template
      EXPECT_TRUE(Consultar(destino, "select * from " + tipo.detalle).empty());
    }
  }

  fb::Row encabezado;
  std::vector<fb::Row> lineas;
  {
    auto db = inst.Compania("001");
    db.execute("update ENTRADAS set ENTR_DESCRIPCION = 'cambiada' where ENTR_ID = 801");
    fb::Row linea = test::FilaGenerica(test::Columnas(db, tipo.detalle), 99);
    linea[0] = 801;
    test::Insertar(db, tipo.detalle, linea);
    encabezado = Encabezados(db)[0];
    lineas = Lineas(db, 801);
  }
  opciones.Reemplazar = caso.reemplazar;
  EXPECT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(resumen.enviadas, 2);
  EXPECT_EQ(resumen.fallidas, 0);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");

  auto destino = caso.enLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb");
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 2u);  // one copy of each document
  const auto posNumero = test::PosicionDe(test::Columnas(destino, tipo.encabezado), tipo.numero);
  const auto& copia = encabezados[0][posNumero] == Value(tipo.Numero(401)) ? encabezados[0] : encabezados[1];
  const std::int64_t id = copia[0].asInteger();
  if (caso.enLinea) {
    EXPECT_EQ(id, primera[0][0].asInteger());  // found by its code, kept its identifier
  }
  if (caso.reemplazar) {
    EsperarIguales(encabezado, copia, Propias(destino));
    EsperarLineas(lineas, Lineas(destino, id), id);
  } else {
    EXPECT_EQ(copia, primera[0]);  // omitted: the copy sent before the stop, whole
    EXPECT_EQ(Lineas(destino, id), lineasPrimera);
  }
  EXPECT_EQ(Consultar(destino, "select count(*) from " + tipo.detalle)[0][0].asInteger(),
            static_cast<std::int64_t>(Lineas(destino, id).size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Parada,
    ::testing::Values(CasoParada{"EnLineaReemplaza", true, true}, CasoParada{"EnLineaOmite", true, false},
                      CasoParada{"FueraDeLinea", false, true}),
    [](const ::testing::TestParamInfo<CasoParada>& caso) { return std::string(caso.param.nombre); });

TEST_F(DocumentoDe, ASalesInvoiceWritesAllItsRowsOrNoneAndThenNoPoints) {
  Preparar(Descriptor(31));
  std::vector<fb::Row> lineas;
  {
    auto db = inst.Compania("001");
    Crear(db, 602, 201, 2, 3);
    lineas = Lineas(db, 602);
    auto destino = inst.Compania("002");
    RechazarSegundaLinea(destino, tipo.detalle, lineas[1][1]);
  }
  Auditar(1, 602, "M", 201);
  Ejecutar();
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_TRUE(Consultar(destino, "select * from " + tipo.detalle).empty());
  EXPECT_TRUE(Consultar(destino, "select * from PUNTOS_CLIENTE_MOV").empty());
  EXPECT_EQ(Envio(1), "N");
}

TEST_F(DocumentoDe, ASalesInvoiceWritesItsRowsInItemOrderAndIsFoundByEightDigits) {
  Preparar(Descriptor(31));
  {
    auto db = inst.Compania("001");
    Crear(db, 603, 1234, 3, 0);
    const auto det = test::Columnas(db, tipo.detalle);
    for (int item : {3, 1, 2}) {
      fb::Row linea = test::FilaGenerica(det, item);
      linea[0] = 603;
      linea[test::PosicionDe(det, "FADE_ITEM")] = item;
      test::Insertar(db, tipo.detalle, linea);
    }
    auto destino = inst.Compania("002");
    Crear(destino, 900, 1234, 9, 0);  // PQ00001234 is there already
  }
  Auditar(1, 603, "M", 1234);
  Ejecutar();
  auto destino = inst.Compania("002");
  ASSERT_EQ(Encabezados(destino).size(), 1u);  // replaced, not added
  const auto pos = test::PosicionDe(test::Columnas(destino, tipo.detalle), "FADE_ITEM");
  std::vector<Value> items;
  // Rows come back in the order they were inserted (no other order asked).
  for (const auto& r : Consultar(destino, "select * from " + tipo.detalle + " where FACT_ID = 900"))
    items.push_back(r[pos]);
  EXPECT_EQ(items, (std::vector<Value>{Value(1), Value(2), Value(3)}));
}

TEST_F(DocumentoDe, ARefusedHeaderWritesNothingAndCallsNoProcedure) {
  Preparar(Descriptor(31));
  {
    auto db = inst.Compania("001");
    Crear(db, 604, 202, 4);
    auto destino = inst.Compania("002");
    destino.execute("create exception E_PRUEBA_ENCABEZADO 'encabezado rechazado'");
    destino.execute("create trigger PRUEBA_ENCABEZADO for " + tipo.encabezado +
                    " before insert as begin exception E_PRUEBA_ENCABEZADO; end");
  }
  Auditar(1, 604, "M", 202);
  Ejecutar();
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_TRUE(Consultar(destino, "select * from " + tipo.detalle).empty());
  EXPECT_TRUE(Consultar(destino, "select * from PUNTOS_CLIENTE_MOV").empty());
  EXPECT_EQ(Envio(1), "N");
  EXPECT_NE(test::TempDir::LeerArchivo(inst.dir() / "ERRORENVIO.TXT").find("encabezado rechazado"),
            std::string::npos);
}

struct CasoReferencia {
  int tido;
  bool enLinea;
  const char* codigo;      // the invoice code the return names (nullptr: null)
  bool facturaEnDestino;   // the invoice is at the destination under id 4242
  int idOrigen;            // the reference id the return carries at the origin
  int esperado;            // the reference id the destination ends with
};

class ReferenciaFactura_ : public DocumentoBase, public ::testing::WithParamInterface<CasoReferencia> {};

TEST_P(ReferenciaFactura_, ANewReturnPointsToTheDestinationsInvoice) {
  const auto& c = GetParam();
  Preparar(Descriptor(c.tido));
  const auto& r = *tipo.d->referenciaFactura;
  const Tipo factura = TipoDe(Descriptor(c.tido == 24 ? 21 : 31));
  const std::string codigoFactura = c.codigo ? c.codigo : "";
  {
    auto db = inst.Compania("001");
    Crear(db, 701, 300, 1);
    const auto columnas = test::Columnas(db, tipo.encabezado);
    db.execute("update " + tipo.encabezado + " set " + columnas[static_cast<std::size_t>(r.posicionId)].field +
                   " = ?, " + columnas[static_cast<std::size_t>(r.posicionCodigo)].field + " = ?",
               {c.idOrigen, c.codigo ? Value(c.codigo) : Value()});
    if (c.facturaEnDestino) {
      auto destino = inst.Compania("002");
      const auto cf = test::Columnas(destino, factura.encabezado);
      fb::Row f = test::FilaGenerica(cf, 5);
      f[0] = 4242;
      const auto partido = PartirCodigo(codigoFactura, r.largoNumero);
      f[test::PosicionDe(cf, "PREF_PRE")] = partido.prefijo;
      f[test::PosicionDe(cf, factura.numero)] = partido.numero;
      test::Insertar(destino, factura.encabezado, f);
    }
  }
  Auditar(1, 701, "M", 300);
  opciones.EnLinea = c.enLinea;
  Ejecutar();
  auto db = c.enLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb");
  const auto encabezados = Encabezados(db);
  ASSERT_EQ(encabezados.size(), 1u);
  EXPECT_EQ(encabezados[0][static_cast<std::size_t>(r.posicionId)], Value(c.esperado));
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ReferenciaFactura_,
    ::testing::Values(CasoReferencia{24, true, "FC000010", true, 55, 4242},   // found
                      CasoReferencia{24, true, "FC000010", false, 55, 0},     // not there: none
                      CasoReferencia{24, true, "FC000010", true, 0, 0},       // refers to none: no lookup
                      CasoReferencia{24, true, nullptr, true, 55, 0},         // no code: none
                      CasoReferencia{24, false, "FC000010", true, 55, 55},    // offline keeps it
                      CasoReferencia{33, true, "FV00000010", true, 66, 4242}, // split with 8
                      CasoReferencia{33, true, "FV00000010", false, 66, 0},
                      CasoReferencia{33, false, "FV00000010", true, 66, 66}));

INSTANTIATE_TEST_SUITE_P(Descriptores, Documentos,
                         ::testing::Range<std::size_t>(0, DescriptoresDocumentos().size()), NombreCaso);

}  // namespace
}  // namespace norvane
