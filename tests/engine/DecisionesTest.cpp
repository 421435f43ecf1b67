// What every audit row was decided to be, read back from the run's report:
// each word a handler can give, for each shape of family, online and
// offline, with the row's outcome and its mark agreeing.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "engine/Transferencia.h"
#include "fb/Transaction.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/InformePrueba.h"

namespace norvane {
namespace {

using fb::Value;

// What the audit row stands for, and how its data is put in a database.
enum class Forma {
  Documento,    // a standard document (type 11), found by prefix and number
  Bancario,     // a bank document (type 72), found by account, prefix and number
  Comprobante,  // an accounting voucher (type 1)
  Maestro,      // a third party (type 102), by its whole key
  Subtabla,     // an article's units (type 124)
  Familia,      // an inventory family (type 201), deleted through the cursor
  Grupo,        // an inventory group (type 202), key "family|group", deleted by a statement
  Interfaz,     // a bank interface definition (type 111), by identifier
  SinManejador  // a type that no family handles (type 2)
};

struct CasoDecision {
  const char* nombre;
  Forma forma;
  bool enLinea;
  const char* oper;
  bool enOrigen;
  bool enDestino;
  const char* decision;
  const char* resultado = "enviado";
  bool reemplazar = true;
  bool bloqueado = false;      // the destination's lock date is after the voucher
  bool sinIdentificador = false;  // AUDI_IDDOC null
  const char* codigo = nullptr;   // in place of the shape's own code
  bool marcado = true;
  const char* prefijo = "";       // the run's code range
};

void PrintTo(const CasoDecision& c, std::ostream* os) { *os << c.nombre; }

int TipoDe(Forma f) {
  switch (f) {
    case Forma::Documento: return 11;
    case Forma::Bancario: return 72;
    case Forma::Comprobante: return 1;
    case Forma::Maestro: return 102;
    case Forma::Subtabla: return 124;
    case Forma::Familia: return 201;
    case Forma::Grupo: return 202;
    case Forma::Interfaz: return 111;
    case Forma::SinManejador: return 2;
  }
  return 0;
}

std::string CodigoDe(Forma f) {
  switch (f) {
    case Forma::Documento: return "EN000123";
    case Forma::Bancario: return "CH000001";
    case Forma::Comprobante: return "CE001234";
    case Forma::Maestro: return "900123";
    case Forma::Subtabla: return "ART1";
    case Forma::Familia: return "F1";
    case Forma::Grupo: return "F1|G1";
    case Forma::Interfaz: return "42";
    case Forma::SinManejador: return "SI000001";
  }
  return {};
}

constexpr int kIdOrigen = 501;

class Decisiones : public test::EnvioPrueba, public ::testing::WithParamInterface<CasoDecision> {
protected:
  // The row of `forma` in `db`; `id` is its identifier where it has one,
  // `semilla` makes its other values differ between the two sides.
  void Poner(fb::Attachment& db, Forma forma, int id, int semilla) {
    switch (forma) {
      case Forma::Documento:
        test::Encabezado(db, test::Descriptor(11), id, CodigoDe(forma), semilla).Insertar();
        break;
      case Forma::Comprobante:
        test::NuevaFila(db, "COMPROBANTE_ENCABEZADO", semilla)
            .En(0, id)
            .En(1, "CE1")
            .En(2, "CE")
            .En(3, "001234")
            .En(4, fb::Date{2024, 4, 10})
            .Insertar();
        break;
      case Forma::Maestro:
        test::NuevaFila(db, "TERCEROS", semilla).En("TERC_NIT", CodigoDe(forma)).Insertar();
        break;
      case Forma::Subtabla:
        test::NuevaFila(db, "UNIDAD_ARTICULO", semilla).En("ARTI_COD", "ART1").En("UNAR_UNIDAD", "U1").Insertar();
        // The origin has a second unit: a restore inserts both.
        if (id == kIdOrigen)
          test::NuevaFila(db, "UNIDAD_ARTICULO", semilla + 1)
              .En("ARTI_COD", "ART1")
              .En("UNAR_UNIDAD", "U2")
              .Insertar();
        break;
      case Forma::Familia:
        test::NuevaFila(db, "FAMILIA_INVENTARIO", semilla).En("FAIN_COD", "F1").Insertar();
        break;
      case Forma::Grupo:
        test::NuevaFila(db, "GRUPO_INVENTARIO", semilla).En("FAIN_COD", "F1").En("GRIN_COD", "G1").Insertar();
        break;
      case Forma::Interfaz:
        test::NuevaFila(db, "INTERFAZ_BANCOS", semilla).En(0, 42).Insertar();
        break;
      case Forma::Bancario:
      case Forma::SinManejador:
        break;  // their cases need no data
    }
  }

  static void FijarBloqueo(fb::Attachment& db, const std::optional<std::string>& fecha) {
    db.execute("delete from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' and "
               "CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'");
    if (fecha)
      db.execute("insert into CONFIGURACION (CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD, CONF_VALOR) "
                 "values ('CONTABILIDAD', 'GENERAL', 'FECHA DE BLOQUEO', ?)",
                 {*fecha});
  }
};

TEST_P(Decisiones, TheReportTellsWhatTheHandlerDecidedAndTheMarkAgrees) {
  const CasoDecision& c = GetParam();
  const int tido = TipoDe(c.forma);
  opciones.EnLinea = c.enLinea;
  opciones.Reemplazar = c.reemplazar;
  opciones.Prefijo = c.prefijo;
  if (c.marcado)
    Marcar({tido});
  else
    Marcar({});
  {
    auto plantilla = PlantillaEnvio();
    auto compania = CompaniaDestino();
    FijarBloqueo(plantilla, std::nullopt);
    FijarBloqueo(compania, std::nullopt);
  }
  {
    auto origen = Origen();
    if (c.enOrigen) Poner(origen, c.forma, kIdOrigen, 1);
    auto destino = DestinoAntes();
    if (c.enDestino) Poner(destino, c.forma, 900, 2);
    if (c.bloqueado) FijarBloqueo(destino, "2024/04/30");
  }
  const std::string codigo = c.codigo ? c.codigo : CodigoDe(c.forma);
  Auditar(1, tido, c.sinIdentificador ? Value() : Value(c.forma == Forma::Interfaz ? 42 : kIdOrigen),
          c.oper, codigo);
  if (c.forma == Forma::Comprobante || c.forma == Forma::Bancario) {
    auto origen = Origen();
    origen.execute(std::string("update AUDITORIA set AUDI_TICO = '") +
                   (c.forma == Forma::Comprobante ? "CE1" : "1") + "' where AUDI_ID = 1");
  }

  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();

  const auto informes = test::Informes(inst.dir());
  ASSERT_EQ(informes.size(), 1u);
  const auto informe = test::LeerInforme(informes[0]);
  ASSERT_EQ(informe.filas.size(), 1u);
  const auto& fila = informe.Fila("1");
  EXPECT_EQ(fila.at("decision"), c.decision);
  EXPECT_EQ(fila.at("resultado"), c.resultado);
  EXPECT_EQ(fila.at("TIDO_COD"), std::to_string(tido));
  EXPECT_EQ(fila.at("AUDI_OPER"), c.oper);
  EXPECT_EQ(fila.at("AUDI_COD"), codigo);
  for (const auto& t : opciones.Ctipodoc) {
    if (t.TIDO_COD == tido) {
      EXPECT_EQ(fila.at("TIDO_NOMLARGO"), t.TIDO_NOMLARGO);
    }
  }
  const bool enviada = std::string(c.resultado) == "enviado";
  EXPECT_EQ(Envio(1), enviada ? "S" : "N");
  EXPECT_EQ(fila.at("error").empty(), std::string(c.resultado) != "error") << fila.at("error");
  EXPECT_EQ(resumen.informe, informes[0].string());
}

// Online (L) and offline (F) rows of every shape.
const CasoDecision kCasos[] = {
    // Documents: the same procedure for every header-and-detail type.
    {"DocumentoNuevoL", Forma::Documento, true, "M", true, false, "nuevo"},
    {"DocumentoNuevoF", Forma::Documento, false, "M", true, false, "nuevo"},
    {"DocumentoReemplazarL", Forma::Documento, true, "M", true, true, "reemplazar"},
    {"DocumentoReemplazarF", Forma::Documento, false, "M", true, true, "reemplazar"},
    {"DocumentoOmitirL", Forma::Documento, true, "M", true, true, "omitir", "enviado", false},
    {"DocumentoOmitirF", Forma::Documento, false, "M", true, true, "omitir", "enviado", false},
    {"DocumentoAusenteEnOrigenL", Forma::Documento, true, "M", false, true, "ausente en origen"},
    {"DocumentoAusenteEnOrigenF", Forma::Documento, false, "M", false, false, "ausente en origen"},
    {"DocumentoBorrarL", Forma::Documento, true, "D", false, true, "borrar"},
    {"DocumentoBorrarAusenteL", Forma::Documento, true, "D", false, false, "ausente en destino"},
    {"DocumentoBorrarF", Forma::Documento, false, "D", false, true, "sin efecto (fuera de línea)"},
    {"DocumentoAnularL", Forma::Documento, true, "A", true, true, "anular"},
    {"DocumentoAnularAusenteL", Forma::Documento, true, "A", true, false, "ausente en destino"},
    {"DocumentoAnularF", Forma::Documento, false, "A", true, true, "sin efecto (fuera de línea)"},
    {"DocumentoSinIdentificadorL", Forma::Documento, true, "M", true, false, "valor no utilizable",
     "error", true, false, true},
    {"DocumentoSinIdentificadorF", Forma::Documento, false, "M", true, false, "valor no utilizable",
     "error", true, false, true},
    // Bank documents: the same procedure, found per account.
    {"BancarioAnularAusenteL", Forma::Bancario, true, "A", false, false, "ausente en destino"},
    {"BancarioBorrarF", Forma::Bancario, false, "D", false, false, "sin efecto (fuera de línea)"},
    {"BancarioAnularF", Forma::Bancario, false, "A", false, false, "sin efecto (fuera de línea)"},
    // Vouchers: never a void; absent, then locked, then replace, omit or new.
    {"ComprobanteNuevoL", Forma::Comprobante, true, "M", true, false, "nuevo"},
    {"ComprobanteNuevoF", Forma::Comprobante, false, "M", true, false, "nuevo"},
    {"ComprobanteAEsCopiaL", Forma::Comprobante, true, "A", true, true, "reemplazar"},
    {"ComprobanteAEsCopiaF", Forma::Comprobante, false, "A", true, false, "nuevo"},
    {"ComprobanteReemplazarL", Forma::Comprobante, true, "M", true, true, "reemplazar"},
    {"ComprobanteReemplazarF", Forma::Comprobante, false, "M", true, true, "reemplazar"},
    {"ComprobanteOmitirL", Forma::Comprobante, true, "M", true, true, "omitir", "enviado", false},
    {"ComprobanteAusenteEnOrigenL", Forma::Comprobante, true, "M", false, true, "ausente en origen",
     "enviado", true, true},
    {"ComprobanteBloqueadoL", Forma::Comprobante, true, "M", true, false, "bloqueado por fecha",
     "enviado", true, true},
    {"ComprobanteBloqueadoAntesQueReemplazarF", Forma::Comprobante, false, "M", true, true,
     "bloqueado por fecha", "enviado", true, true},
    {"ComprobanteBorrarL", Forma::Comprobante, true, "D", false, true, "borrar"},
    {"ComprobanteBorrarAusenteL", Forma::Comprobante, true, "D", false, false, "ausente en destino"},
    {"ComprobanteBorrarF", Forma::Comprobante, false, "D", false, true, "sin efecto (fuera de línea)"},
    // Master rows by key, whatever the operation.
    {"MaestroNuevoL", Forma::Maestro, true, "M", true, false, "nuevo"},
    {"MaestroActualizarF", Forma::Maestro, false, "M", true, true, "actualizar"},
    {"MaestroBorradoActualizaL", Forma::Maestro, true, "D", true, true, "actualizar"},
    {"MaestroAusenteEnOrigenF", Forma::Maestro, false, "D", false, true, "ausente en origen"},
    // An article's sub-table: only an online delete restores.
    {"SubtablaReponerL", Forma::Subtabla, true, "D", true, true, "reponer (2)"},
    {"SubtablaReponerSinFilasL", Forma::Subtabla, true, "D", false, true, "reponer (0)"},
    {"SubtablaBorradoCopiaF", Forma::Subtabla, false, "D", true, true, "actualizar"},
    {"SubtablaNuevoL", Forma::Subtabla, true, "M", true, false, "nuevo"},
    {"SubtablaActualizarL", Forma::Subtabla, true, "M", true, true, "actualizar"},
    {"SubtablaAusenteEnOrigenF", Forma::Subtabla, false, "M", false, false, "ausente en origen"},
    // Catalogues.
    {"FamiliaNuevoF", Forma::Familia, false, "M", true, false, "nuevo"},
    {"FamiliaBorrarL", Forma::Familia, true, "D", false, true, "borrar"},
    {"FamiliaBorrarAusenteF", Forma::Familia, false, "D", false, false, "ausente en destino"},
    {"GrupoActualizarL", Forma::Grupo, true, "M", true, true, "actualizar"},
    {"GrupoBorrarF", Forma::Grupo, false, "D", false, true, "borrar"},
    {"GrupoClaveIncompletaL", Forma::Grupo, true, "M", true, false, "clave incompleta", "enviado",
     true, false, false, "F1"},
    {"GrupoClaveIncompletaF", Forma::Grupo, false, "D", false, false, "clave incompleta", "enviado",
     true, false, false, "F1G1"},
    // Interface definitions: the header decides.
    {"InterfazNuevoL", Forma::Interfaz, true, "M", true, false, "nuevo"},
    {"InterfazActualizarF", Forma::Interfaz, false, "M", true, true, "actualizar"},
    {"InterfazAusenteEnOrigenL", Forma::Interfaz, true, "M", false, false, "ausente en origen"},
    {"InterfazSinIdentificadorF", Forma::Interfaz, false, "M", true, false, "valor no utilizable",
     "error", true, false, true},
    // What the run decides by itself.
    {"SinManejadorL", Forma::SinManejador, true, "M", false, false, "sin manejador"},
    {"SinManejadorF", Forma::SinManejador, false, "M", false, false, "sin manejador"},
    {"SinMarcarL", Forma::Documento, true, "M", true, false, "sin marcar", "sin marcar", true, false,
     false, nullptr, false},
    {"SinMarcarF", Forma::Documento, false, "M", true, false, "sin marcar", "sin marcar", true,
     false, false, nullptr, false},
    {"FueraDeRangoL", Forma::Documento, true, "M", true, false, "fuera de rango", "fuera de rango",
     true, false, false, nullptr, true, "ZZ"},
    {"FueraDeRangoF", Forma::Documento, false, "M", true, false, "fuera de rango",
     "fuera de rango", true, false, false, nullptr, true, "ZZ"},
    // A type of 100 or more is handled whatever its code.
    {"MaestroDentroDeCualquierRangoL", Forma::Maestro, true, "M", true, false, "nuevo", "enviado",
     true, false, false, nullptr, true, "ZZ"},
};

INSTANTIATE_TEST_SUITE_P(Casos, Decisiones, ::testing::ValuesIn(kCasos),
                         [](const ::testing::TestParamInfo<CasoDecision>& i) {
                           return std::string(i.param.nombre);
                         });

}  // namespace
}  // namespace norvane
