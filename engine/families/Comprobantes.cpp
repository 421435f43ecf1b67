#include "engine/families/Comprobantes.h"

#include <string>
#include <string_view>

#include "engine/ContextoEnvio.h"
#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"
#include "engine/TextoSql.h"
#include "engine/ValorDestino.h"

namespace norvane {

namespace {

// Positions of the voucher header (COMPROBANTE_ENCABEZADO, "select *").
constexpr std::size_t kTipo = 1;
constexpr std::size_t kPrefijo = 2;
constexpr std::size_t kNumero = 3;
constexpr std::size_t kFecha = 4;
constexpr std::size_t kConciliado = 8;  // 0 in every header received

constexpr int kLargoNumero = 6;

// The entries under local rules, then under IFRS; `borrado` is the delete of
// a replace.
constexpr TablaDetalle kAsientos[] = {
    {.borrado = "delete FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = ",
     .seleccionOrigen = "select * from comprobante_detalle where enco_consec = ",
     .seleccionDestino = "SELECT * FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = "},
    {.borrado = "delete FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = ",
     .seleccionOrigen = "select * from comprobante_detalle_niif where enco_consec = ",
     .seleccionDestino = "SELECT * FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = "},
};

// The voucher's code as a condition; each value comes already quoted.
std::string PorCodigo(const std::string& tipo, const std::string& prefijo, const std::string& numero) {
  return "TICO_COD = " + tipo + " AND PRCO_PREF = " + prefijo + " AND ENCO_NUMERO = " + numero;
}

// The lock date compares as text, byte by byte: a date that is a proper
// beginning of it sorts first, and an empty lock date holds nothing back.
bool AntesDelBloqueo(std::string_view fecha, std::string_view bloqueo) {
  return fecha.compare(bloqueo) < 0;
}

// Online only: found by the audit row's voucher type and code, removed with
// both sets of entries so that no orphan rows stay.
void BorrarComprobante(ContextoEnvio& c) {
  if (!c.banderas.EnLinea) {
    c.fila.decision = Decision::SinEfectoFueraDeLinea;
    return;
  }
  const auto partido = PartirCodigo(c.AUDI_COD(), kLargoNumero);
  const std::string codigo =
      PorCodigo(Citar(c.AUDI_TICO()), Citar(partido.prefijo), Citar(partido.numero));
  c.AbrirDestino("SELECT ENCO_CONSEC FROM COMPROBANTE_ENCABEZADO WHERE " + codigo);
  if (c.CDestino.Vacio()) {
    c.fila.decision = Decision::AusenteEnDestino;
    c.CDestino.Cerrar();
    return;
  }
  c.fila.decision = Decision::Borrar;
  c.fila.NuevoId = ComoEntero(c.CDestino.Fila().at(0));
  const std::string id = std::to_string(c.fila.NuevoId);
  c.EjecutarDestino("DELETE FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = " + id);
  c.EjecutarDestino("DELETE FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = " + id);
  c.EjecutarDestino("DELETE FROM COMPROBANTE_ENCABEZADO WHERE " + codigo);
  c.CDestino.Cerrar();
}

// Inserts the voucher unless the destination has it; a replace deletes the
// destination's copy first, so the voucher is written anew. A refused write
// fails the row, whose destination transaction undoes the rest.
void CopiarComprobante(ContextoEnvio& c) {
  c.QCopia.Abrir("select * from comprobante_encabezado where enco_consec = " + c.AUDI_IDDOC());
  if (c.QCopia.Vacio()) {
    c.fila.decision = Decision::AusenteEnOrigen;
    c.QCopia.Cerrar();
    return;
  }
  const fb::Row& origen = c.QCopia.Fila();
  if (AntesDelBloqueo(origen.at(kFecha).toString(), c.banderas.FechaBloqueo)) {
    c.fila.decision = Decision::BloqueadoPorFecha;
    c.QCopia.Cerrar();
    return;
  }
  // Found by the origin header's own code, not by the audit row's.
  const std::string codigo = PorCodigo(Citar(origen.at(kTipo).toString()),
                                       Citar(origen.at(kPrefijo).toString()),
                                       Citar(origen.at(kNumero).toString()));
  if (c.banderas.Reemplazar) {
    c.AbrirDestino("SELECT ENCO_CONSEC FROM COMPROBANTE_ENCABEZADO WHERE " + codigo);
    if (!c.CDestino.Vacio()) {
      c.fila.decision = Decision::Reemplazar;
      c.fila.NuevoId = ComoEntero(c.CDestino.Fila().at(0));
      for (const auto& t : kAsientos) c.EjecutarDestino(t.borrado + std::to_string(c.fila.NuevoId));
      c.EjecutarDestino("delete FROM COMPROBANTE_ENCABEZADO WHERE " + codigo);
    }
  }

  c.fila.NuevoId = 0;
  c.AbrirDestino("SELECT * FROM COMPROBANTE_ENCABEZADO WHERE " + codigo);
  if (!c.CDestino.Vacio()) {  // there, and not replaced: omitted
    c.fila.decision = Decision::Omitir;
    c.CDestino.Cerrar();
    c.QCopia.Cerrar();
    return;
  }
  // A replaced voucher is written anew, and stays a replace.
  if (c.fila.decision != Decision::Reemplazar) c.fila.decision = Decision::Nuevo;
  // The header's values go as they are: nulls and every decimal kept.
  c.CopiarFila(c.QCopia, false);
  c.CDestino.Asignar(kConciliado, ConvertirValor(fb::Value(0), c.CDestino.Columnas().at(kConciliado)));
  // Without a fresh identifier the voucher would take the origin's, or its
  // entries 0: the row fails instead.
  if (c.banderas.EnLinea && !c.AsignarId("select * from cambie_id_comproba")) {
    c.fila.HuboError = true;
    c.CDestino.Cerrar();
    c.QCopia.Cerrar();
    return;
  }
  c.AplicarDestino();
  if (!c.fila.HuboError) {
    if (!c.banderas.EnLinea) c.fila.NuevoId = ComoEntero(c.CDestino.Fila().at(0));
    c.fila.EncabezadoInsertado = true;
  }
  c.CDestino.Cerrar();

  if (c.fila.EncabezadoInsertado) EnviarDetalles(c, kAsientos);
  c.QCopia.Cerrar();
}

// The voucher's lookup without a run: by the origin header's code when the
// origin holds the voucher, as the copy finds it; otherwise by the audit
// row's voucher type and code, as the delete does.
std::string BusquedaComprobante(const DescriptorDocumento&, const fb::Row& auditoria,
                                const fb::Row* encabezado) {
  if (encabezado)
    return "SELECT * FROM COMPROBANTE_ENCABEZADO WHERE " +
           PorCodigo(Citar(encabezado->at(kTipo).toString()),
                     Citar(encabezado->at(kPrefijo).toString()),
                     Citar(encabezado->at(kNumero).toString()));
  const auto partido = PartirCodigo(auditoria.at(auditoria::AUDI_COD).toString(), kLargoNumero);
  return "SELECT * FROM COMPROBANTE_ENCABEZADO WHERE " +
         PorCodigo(Citar(auditoria.at(auditoria::AUDI_TICO).toString()), Citar(partido.prefijo),
                   Citar(partido.numero));
}

constexpr Excluida kConciliadoExcluido[] = {{.posicion = kConciliado}};

// The voucher as data, for what reads it without sending it: its header is
// copied exactly, column 8 starts at 0, the lock date holds back by column 4,
// and "A" is no void (no voided column).
constexpr DescriptorDocumento kComprobante{
    .tidoCod = 1,
    .seleccionEncabezado = "select * from comprobante_encabezado where enco_consec = ",
    .detalles = kAsientos,
    .largoNumero = kLargoNumero,
    .excluidas = kConciliadoExcluido,
    .reglaEncabezado = false,
    .posicionFecha = kFecha,
    .busquedaCodigo = BusquedaComprobante,
};

}  // namespace

const DescriptorDocumento& DescriptorComprobante() { return kComprobante; }

void EnviarComprobante(ContextoEnvio& c) {
  // "A" is no void here: like any value but "D" it copies the voucher.
  if (c.AUDI_OPER() == "D")
    BorrarComprobante(c);
  else
    CopiarComprobante(c);
}

void RegistrarComprobantes(Despacho& despacho) { despacho.Registrar({1}, EnviarComprobante); }

}  // namespace norvane
