#include "engine/families/DocumentosBancarios.h"

#include "engine/ContextoEnvio.h"
#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"
#include "engine/TextoSql.h"

namespace norvane {

namespace {

// A bank document is numbered per account: the lookup names the account
// (AUDI_TICO) before prefix and number.
std::string BusquedaBancariaCodigo(const DescriptorDocumento& d, const fb::Row& auditoria,
                                   const fb::Row*) {
  const auto codigo = PartirCodigo(auditoria.at(auditoria::AUDI_COD).toString(), d.largoNumero);
  // The account goes in bare only as an integer literal: a blank, a letter or
  // a quote would otherwise break the statement or change what it finds.
  return d.busqueda + EnteroOCitado(auditoria.at(auditoria::AUDI_TICO).toString()) +
         " AND PRBA_PREF = " + Citar(codigo.prefijo) + d.clausulaNumero + Citar(codigo.numero);
}

std::string BusquedaBancaria(const ContextoEnvio& c, const DescriptorDocumento& d) {
  return BusquedaBancariaCodigo(d, c.Auditoria(), nullptr);
}

constexpr TablaDetalle kConsignaDetalle[] = {{
    .borrado = "delete from consigna_detalle where cons_id = ",
    .seleccionOrigen = "select * from consigna_detalle where cons_id = ",
    .seleccionDestino = "SELECT * FROM CONSIGNA_DETALLE WHERE CONS_ID = ",
}};

// Every lookup is followed by the account; only the deposit has lines.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 71,
     .seleccionEncabezado = "select * from consigna where cons_id = ",
     .busqueda = "SELECT * FROM CONSIGNA WHERE CUBA_COD = ",
     .clausulaNumero = " AND CONS_NUMERO = ",
     .columnaAnulado = "CONS_ANULADO",
     .vistaId = "select * from cambie_id_consigna",
     .detalles = kConsignaDetalle,
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 72,
     .seleccionEncabezado = "select * from cheques where cheq_id = ",
     .busqueda = "SELECT * FROM CHEQUES WHERE CUBA_COD = ",
     .clausulaNumero = " AND CHEQ_NUMERO = ",
     .columnaAnulado = "CHEQ_ANULADO",
     .vistaId = "select * from cambie_id_cheque",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 73,
     .seleccionEncabezado = "select * from retiros where reti_id = ",
     .busqueda = "SELECT * FROM RETIROS WHERE CUBA_COD = ",
     .clausulaNumero = " AND RETI_NUMERO = ",
     .columnaAnulado = "RETI_ANULADO",
     .vistaId = "select * from cambie_id_retiro",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 74,
     .seleccionEncabezado = "select * from NOTAS_DEBITO where ndbc_id = ",
     .busqueda = "SELECT * FROM NOTAS_DEBITO WHERE CUBA_COD = ",
     .clausulaNumero = " AND NDBC_NUMERO = ",
     .columnaAnulado = "NDBC_ANULADO",
     .vistaId = "select * from cambie_id_nota_db_banco",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 75,
     .seleccionEncabezado = "select * from notas_credito where ncbc_id = ",
     .busqueda = "SELECT * FROM NOTAS_CREDITO WHERE CUBA_COD = ",
     .clausulaNumero = " AND NCBC_NUMERO = ",
     .columnaAnulado = "NCBC_ANULADO",
     .vistaId = "select * from cambie_id_nota_cr_banco",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 76,
     .seleccionEncabezado = "select * from traslados where tras_id = ",
     .busqueda = "SELECT * FROM TRASLADOS WHERE CUBA_COD = ",
     .clausulaNumero = " AND TRAS_NUMERO = ",
     .columnaAnulado = "TRAS_ANULADO",
     .vistaId = "select * from cambie_id_traslado",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
    {.tidoCod = 77,
     .seleccionEncabezado = "select * from devolucion_cheques where dvch_id = ",
     .busqueda = "SELECT * FROM DEVOLUCION_CHEQUES WHERE CUBA_COD = ",
     .clausulaNumero = " AND DVCH_NUMDOC = ",
     .columnaAnulado = "DVCH_ANULADO",
     .vistaId = "select * from cambie_id_dev_cheques",
     .busquedaPropia = BusquedaBancaria,
     .busquedaCodigo = BusquedaBancariaCodigo},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresDocumentosBancarios() { return kDescriptores; }

void RegistrarDocumentosBancarios(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
