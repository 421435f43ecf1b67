#include "tests/engine/TiposDocumento.h"

#include "tests/support/FilaGenerica.h"

namespace norvane::test {

using fb::Value;

void TipoDocumento::SetUp() {
  tablas = TablasDe(D());
  Marcar({D().tidoCod});
}

std::string TipoDocumento::Codigo(int numero) const {
  std::string n = std::to_string(numero);
  return "PQ" + std::string(static_cast<std::size_t>(D().largoNumero) - n.size(), '0') + n;
}

fb::Row TipoDocumento::Crear(fb::Attachment& db, int id, const std::string& codigo, int semilla, int lineas) {
  fb::Row encabezado = Encabezado(db, D(), id, codigo, semilla).Insertar();
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
    for (int i = 0; i < lineas; ++i)
      NuevaFila(db, tablas.detalles[k], semilla * 10 + i + 100 * static_cast<int>(k))
          .En(0, id)
          .En(1, i + 1)  // the line number
          .Insertar();
  return encabezado;
}

std::vector<fb::Row> TipoDocumento::Encabezados(fb::Attachment& db) const {
  return Consultar(db, "select * from " + tablas.encabezado + " order by 1");
}

std::vector<fb::Row> TipoDocumento::Lineas(fb::Attachment& db, std::size_t k, std::int64_t id) const {
  const auto& tabla = tablas.detalles.at(k);
  return Consultar(db, "select * from " + tabla + " where " + Columnas(db, tabla)[0].field + " = ? order by 2",
                   {id});
}

std::vector<fb::Row> TipoDocumento::TodasLasLineas(fb::Attachment& db, std::size_t k) const {
  return Consultar(db, "select * from " + tablas.detalles.at(k) + " order by 1, 2");
}

std::vector<std::string> TipoDocumento::Todas() const {
  std::vector<std::string> todas{tablas.encabezado};
  todas.insert(todas.end(), tablas.detalles.begin(), tablas.detalles.end());
  return todas;
}

std::vector<fb::Row> TipoDocumento::Copiadas(fb::Attachment& destino, std::size_t k, std::vector<fb::Row> filas,
                                             std::int64_t id) const {
  const auto& referencia = D().detalles[k].referencia;
  for (auto& fila : filas) {
    fila[0] = id;
    if (referencia && referencia->siNoEncontrada == SiNoEncontrada::Cero) {
      const std::size_t p = referencia->columnaId
                                ? PosicionDe(Columnas(destino, tablas.detalles[k]), referencia->columnaId)
                                : static_cast<std::size_t>(referencia->posicionId);
      fila[p] = 0;
    }
  }
  return filas;
}

void EsperarIguales(const fb::Row& esperada, const fb::Row& real, const std::set<std::size_t>& salvo) {
  ASSERT_EQ(esperada.size(), real.size());
  for (std::size_t i = 0; i < esperada.size(); ++i) {
    if (!salvo.count(i)) {
      EXPECT_EQ(real[i], esperada[i]) << "position " << i;
    }
  }
}

std::vector<const DescriptorDocumento*> Punteros(std::span<const DescriptorDocumento> descriptores,
                                                 std::size_t tablasMinimas) {
  std::vector<const DescriptorDocumento*> v;
  for (const auto& d : descriptores)
    if (d.detalles.size() >= tablasMinimas) v.push_back(&d);
  return v;
}

std::string NombreTipo(const ::testing::TestParamInfo<const DescriptorDocumento*>& info) {
  return "Tipo" + std::to_string(info.param->tidoCod);
}

namespace {

// The identifier view of a type, by its name in the select.
std::string Vista(const DescriptorDocumento& d) { return NombreTras(d.vistaId, "from "); }

void Rechazar(fb::Attachment& db, const std::string& tabla) {
  db.execute("create exception E_PRUEBA_RECHAZO 'fila rechazada'");
  db.execute("create trigger PRUEBA_RECHAZO for " + tabla +
             " before insert as begin exception E_PRUEBA_RECHAZO; end");
}

// Replaces an origin table by a view that cannot be read: reading it ends
// the run with an error.
void Ilegible(fb::Attachment& db, const std::string& tabla) {
  const std::string id = Columnas(db, tabla)[0].field;
  db.execute("drop table " + tabla);
  db.execute("create exception E_PRUEBA_LEIDA 'tabla leida'");
  db.execute("create procedure PRUEBA_ILEGIBLE returns (ID integer) as begin exception E_PRUEBA_LEIDA; suspend; end");
  db.execute("create view " + tabla + " (" + id + ") as select ID from PRUEBA_ILEGIBLE");
}

}  // namespace

TEST_P(TipoDocumento, ANewDocumentOnlineTakesItsViewsIdentifierAndFillsItsTablesInOrder) {
  fb::Row origen;
  std::vector<std::vector<fb::Row>> lineas;
  {
    auto db = Origen();
    origen = Crear(db, 501, Codigo(123), 1);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(Lineas(db, k, 501));
    auto destino = CompaniaDestino();
    destino.execute("recreate view " + Vista(D()) + " (ID) as select 1234567 from rdb$database");
    Trazar(destino, Todas());
  }
  Auditar(1, D().tidoCod, 501, "M", Codigo(123));
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = CompaniaDestino();
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  EXPECT_EQ(encabezados[0][0], Value(1234567));
  EsperarIguales(origen, encabezados[0], {0});
  std::vector<std::string> traza{"I " + tablas.encabezado};
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k) {
    EXPECT_EQ(Lineas(destino, k, 1234567), Copiadas(destino, k, lineas[k], 1234567)) << tablas.detalles[k];
    traza.insert(traza.end(), lineas[k].size(), "I " + tablas.detalles[k]);
  }
  EXPECT_EQ(Traza(destino), traza);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(TipoDocumento, ANewDocumentOfflineKeepsTheOriginsIdentifiers) {
  std::vector<std::vector<fb::Row>> lineas;
  fb::Row origen;
  {
    auto db = Origen();
    origen = Crear(db, 502, Codigo(124), 2);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(Lineas(db, k, 502));
  }
  Auditar(1, D().tidoCod, 502, "M", Codigo(124));
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto archivo = ArchivoEnvio();
  EXPECT_EQ(Encabezados(archivo), std::vector<fb::Row>{origen});
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
    EXPECT_EQ(Lineas(archivo, k, 502), Copiadas(archivo, k, lineas[k], 502)) << tablas.detalles[k];
  auto destino = CompaniaDestino();
  EXPECT_TRUE(Encabezados(destino).empty());  // the company itself is not touched
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(TipoDocumento, AReplaceDeletesEveryTablesRowsFirstAndKeepsTheDestinationIdentifier) {
  fb::Row origen;
  std::vector<std::vector<fb::Row>> lineas, otras;
  fb::Row otra;
  {
    auto db = Origen();
    origen = Crear(db, 503, Codigo(125), 3);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(Lineas(db, k, 503));
    auto destino = CompaniaDestino();
    Crear(destino, 777, Codigo(125), 7, 3);
    otra = Crear(destino, 778, Codigo(126), 8, 1);  // another document: left as it is
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) otras.push_back(Lineas(destino, k, 778));
    Trazar(destino, Todas());
  }
  Auditar(1, D().tidoCod, 503, "M", Codigo(125));
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = CompaniaDestino();
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 2u);
  EXPECT_EQ(encabezados[0][0], Value(777));
  EsperarIguales(origen, encabezados[0], {0});
  EXPECT_EQ(encabezados[1], otra);
  std::vector<std::string> traza;
  for (const auto& tabla : tablas.detalles) traza.insert(traza.end(), 3, "D " + tabla);
  traza.push_back("U " + tablas.encabezado);
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k) {
    EXPECT_EQ(Lineas(destino, k, 777), Copiadas(destino, k, lineas[k], 777)) << tablas.detalles[k];
    EXPECT_EQ(Lineas(destino, k, 778), otras[k]) << tablas.detalles[k];
    traza.insert(traza.end(), lineas[k].size(), "I " + tablas.detalles[k]);
  }
  EXPECT_EQ(Traza(destino), traza);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(TipoDocumento, AnExistingDocumentIsLeftAsItIsWhenNothingIsReplaced) {
  {
    auto db = Origen();
    Crear(db, 504, Codigo(127), 4);
    auto destino = CompaniaDestino();
    Crear(destino, 779, Codigo(127), 9, 3);
    Trazar(destino, Todas());
  }
  Auditar(1, D().tidoCod, 504, "M", Codigo(127));
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_TRUE(Traza(destino).empty());
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(resumen.fallidas, 0);
}

TEST_P(TipoDocumento, VoidAndDeleteChangeNothingOfflineAndOnlyTheHeaderOnline) {
  fb::Row anulado;
  std::vector<std::vector<fb::Row>> lineas;
  {
    auto destino = CompaniaDestino();
    anulado = Crear(destino, 780, Codigo(128), 10);
    Crear(destino, 781, Codigo(129), 11);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(TodasLasLineas(destino, k));
    Trazar(destino, Todas());
    auto plantilla = PlantillaEnvio();
    Trazar(plantilla, Todas());
  }
  Auditar(1, D().tidoCod, 505, "A", Codigo(128));
  Auditar(2, D().tidoCod, 506, "D", Codigo(129));
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  {
    auto archivo = ArchivoEnvio();
    EXPECT_TRUE(Traza(archivo).empty());
    auto destino = CompaniaDestino();
    EXPECT_TRUE(Traza(destino).empty());
    EXPECT_EQ(Envio(1), "S");
    EXPECT_EQ(Envio(2), "S");
  }

  auto db = Origen();
  db.execute("update AUDITORIA set AUDI_ENVIO = 'N'");
  opciones.EnLinea = true;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Traza(destino), (std::vector<std::string>{"U " + tablas.encabezado, "D " + tablas.encabezado}));
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  const auto anuladoEn = PosicionDe(Columnas(destino, tablas.encabezado), D().columnaAnulado);
  EXPECT_EQ(encabezados[0][anuladoEn], Value("S"));
  EsperarIguales(anulado, encabezados[0], {anuladoEn});
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
    EXPECT_EQ(TodasLasLineas(destino, k), lineas[k]) << tablas.detalles[k];
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

// Mend: without a fresh identifier the document would collide with the
// origin's identifier at the destination; the row fails instead.
TEST_P(TipoDocumento, AViewWithoutARowFailsTheRowAndWritesNothing) {
  {
    auto db = Origen();
    Crear(db, 508, Codigo(131), 5);
    auto destino = CompaniaDestino();
    destino.execute("recreate view " + Vista(D()) + " (ID) as select 1 from rdb$database where 1 = 0");
    Trazar(destino, Todas());
  }
  Auditar(1, D().tidoCod, 508, "M", Codigo(131));
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_TRUE(Traza(destino).empty());
  EXPECT_EQ(Envio(1), "N");
  EXPECT_NE(Errores().find(std::string("No se obtuvo un identificador nuevo de ") + D().vistaId),
            std::string::npos)
      << Errores();
  EXPECT_GE(operador.beeps, 1);
}

// A refused row is undone whole at the destination: nothing of a new
// document stays, whichever table refused it. Once the refusal is gone, a
// run that omits existing documents sends it whole.
TEST_P(TipoConDetalle, ARefusedRowInTheLastTableLeavesNothingOfANewDocument) {
  fb::Row origen;
  std::vector<std::vector<fb::Row>> lineas;
  {
    auto db = Origen();
    origen = Crear(db, 601, Codigo(200), 1);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(Lineas(db, k, 601));
    auto destino = CompaniaDestino();
    Rechazar(destino, tablas.detalles.back());
  }
  Auditar(1, D().tidoCod, 601, "M", Codigo(200));
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  {
    auto destino = CompaniaDestino();
    EXPECT_TRUE(Encabezados(destino).empty());
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
      EXPECT_TRUE(TodasLasLineas(destino, k).empty()) << tablas.detalles[k];
  }
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(resumen.fallidas, 1);
  EXPECT_NE(Errores().find("fila rechazada"), std::string::npos);

  sesion.DBEnvio.reset();
  CompaniaDestino().execute("drop trigger PRUEBA_RECHAZO");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  auto destino = CompaniaDestino();
  const auto encabezados = Encabezados(destino);
  ASSERT_EQ(encabezados.size(), 1u);
  const std::int64_t id = encabezados[0][0].asInteger();
  EsperarIguales(origen, encabezados[0], {0});
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
    EXPECT_EQ(Lineas(destino, k, id), Copiadas(destino, k, lineas[k], id)) << tablas.detalles[k];
}

TEST_P(TipoConDetalle, ARefusedRowLeavesAReplacedDocumentsEarlierCopyWhole) {
  fb::Row anterior;
  std::vector<std::vector<fb::Row>> lineas;
  {
    auto db = Origen();
    Crear(db, 602, Codigo(201), 2);
    auto destino = CompaniaDestino();
    anterior = Crear(destino, 777, Codigo(201), 7, 3);
    for (std::size_t k = 0; k < tablas.detalles.size(); ++k) lineas.push_back(TodasLasLineas(destino, k));
    Rechazar(destino, tablas.detalles.back());
  }
  Auditar(1, D().tidoCod, 602, "M", Codigo(201));
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  for (std::size_t k = 0; k < tablas.detalles.size(); ++k)
    EXPECT_EQ(TodasLasLineas(destino, k), lineas[k]) << tablas.detalles[k];
  EXPECT_EQ(Envio(1), "N");
}

// After a refused row no later table is copied, nor even read at the origin:
// reading the last table would end the run.
TEST_P(TipoConVariasTablas, ATableAfterARefusedOneIsNotReadAtTheOrigin) {
  const std::size_t rechazada = tablas.detalles.size() - 2;
  {
    auto db = Origen();
    Crear(db, 603, Codigo(202), 3);
    Ilegible(db, tablas.detalles.back());
    auto destino = CompaniaDestino();
    Rechazar(destino, tablas.detalles[rechazada]);
  }
  Auditar(1, D().tidoCod, 603, "M", Codigo(202));
  ResultadoEnvio r;
  ASSERT_NO_THROW(r = Ejecutar());
  EXPECT_EQ(r.fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(resumen.fallidas, 1);
  auto destino = CompaniaDestino();
  EXPECT_TRUE(TodasLasLineas(destino, tablas.detalles.size() - 1).empty());
}

}  // namespace norvane::test
