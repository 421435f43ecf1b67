#include "engine/families/Interfaz.h"

#include "engine/ContextoEnvio.h"
#include "engine/CopiarMaestro.h"
#include "engine/Despacho.h"

namespace norvane {

namespace {

// The item number of an account row.
constexpr std::size_t kPosicionItem = 1;

// The item columns do not follow the identifiers' stems (INCJ_ID with
// INJC_ITEM, INCA_ID with INCD_ITEM): each is named as the table has it.
constexpr DefinicionInterfaz kDefiniciones[] = {
    {.tidoCod = 111,
     .seleccionOrigen = "select * from interfaz_bancos where inba_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_BANCOS WHERE INBA_ID = ",
     .cuentasOrigen = "select * from interfaz_bancos_ctas where inba_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_BANCOS_CTAS WHERE INBA_ID = ",
     .clausulaItem = " AND INBC_ITEM = "},
    {.tidoCod = 112,
     .seleccionOrigen = "select * from interfaz_caja where incj_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_CAJA WHERE INCJ_ID = ",
     .cuentasOrigen = "select * from interfaz_caja_ctas where incj_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_CAJA_CTAS WHERE INCJ_ID = ",
     .clausulaItem = " AND INJC_ITEM = "},
    {.tidoCod = 113,
     .seleccionOrigen = "select * from interfaz_cartera where inca_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_CARTERA WHERE INCA_ID = ",
     .cuentasOrigen = "select * from interfaz_cartera_ctas where inca_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_CARTERA_CTAS WHERE INCA_ID = ",
     .clausulaItem = " AND INCD_ITEM = "},
    {.tidoCod = 114,
     .seleccionOrigen = "select * from interfaz_compras where inco_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_COMPRAS WHERE INCO_ID = ",
     .cuentasOrigen = "select * from interfaz_compras_ctas where inco_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_COMPRAS_CTAS WHERE INCO_ID = ",
     .clausulaItem = " AND INCC_ITEM = "},
    {.tidoCod = 115,
     .seleccionOrigen = "select * from interfaz_cxpagar where incp_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_CXPAGAR WHERE INCP_ID = ",
     .cuentasOrigen = "select * from interfaz_cxpagar_ctas where incp_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_CXPAGAR_CTAS WHERE INCP_ID = ",
     .clausulaItem = " AND INPC_ITEM = "},
    {.tidoCod = 116,
     .seleccionOrigen = "select * from interfaz_inventario where inin_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_INVENTARIO WHERE ININ_ID = ",
     .cuentasOrigen = "select * from interfaz_inventario_ctas where inin_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_INVENTARIO_CTAS WHERE ININ_ID = ",
     .clausulaItem = " AND INIC_ITEM = "},
    {.tidoCod = 117,
     .seleccionOrigen = "select * from interfaz_ventas where inve_id = ",
     .seleccionDestino = "SELECT * FROM INTERFAZ_VENTAS WHERE INVE_ID = ",
     .cuentasOrigen = "select * from interfaz_ventas_ctas where inve_id = ",
     .cuentasDestino = "SELECT * FROM INTERFAZ_VENTAS_CTAS WHERE INVE_ID = ",
     .clausulaItem = " AND INVC_ITEM = "},
};

}  // namespace

std::span<const DefinicionInterfaz> DefinicionesInterfaz() { return kDefiniciones; }

void CopiarInterfaz(ContextoEnvio& c, const DefinicionInterfaz& d) {
  const std::string id = c.AUDI_IDDOC();
  const ResultadoMaestro encabezado =
      CopiarMaestro(c, d.seleccionOrigen + id, d.seleccionDestino + id);
  // A definition the origin no longer holds writes nothing, account rows
  // included. The header's write is the row's decision.
  if (!encabezado.existe) return;

  // A refused header or account row fails the row, though the later account
  // rows are still tried.
  bool fallo = encabezado.fallo;
  c.QCopiadet.Abrir(d.cuentasOrigen + id);
  for (c.QCopiadet.Primero(); !c.QCopiadet.Eof(); c.QCopiadet.Siguiente()) {
    const std::string item = c.QCopiadet.Fila().at(kPosicionItem).toString();
    fallo = EscribirMaestro(c, c.QCopiadet, d.cuentasDestino + id + d.clausulaItem + item).fallo ||
            fallo;
  }
  c.QCopiadet.Cerrar();
  c.fila.HuboError = fallo;
}

DocumentoVerificado VerificarInterfaz(LadosVerificacion& l, const DefinicionInterfaz& d,
                                      const fb::Row& a) {
  if (a.at(auditoria::AUDI_IDDOC).isNull())
    return Verificado(EstadoVerificacion::SinCopia, {"sin AUDI_IDDOC"});
  const std::string id = a.at(auditoria::AUDI_IDDOC).toString();
  DocumentoVerificado encabezado =
      VerificarFilaMaestra(l, d.seleccionOrigen + id, d.seleccionDestino + id, Regla::PuntoFijo);
  if (encabezado.estado != EstadoVerificacion::Igual && encabezado.estado != EstadoVerificacion::Diferente)
    return encabezado;
  // The account rows by their item; those only the destination has stay.
  std::vector<std::string> detalle = std::move(encabezado.detalle);
  for (const fb::Row& fila : Leer(l.origen, d.cuentasOrigen + id).filas) {
    const std::string item = fila.at(kPosicionItem).toString();
    const std::string select = d.cuentasDestino + id + d.clausulaItem + item;
    const Consulta destino = Leer(l.destino, select);
    const std::string etiqueta = NombreTabla(destino, select) + " item " + item;
    if (destino.filas.empty()) {
      detalle.push_back(etiqueta + ": ausente en destino");
      continue;
    }
    const auto distintas =
        ColumnasDistintas(fila, destino.filas[0], destino.columnas, {}, false, Regla::PuntoFijo);
    if (!distintas.empty()) detalle.push_back(etiqueta + ": " + UnirColumnas(distintas));
  }
  return PorDiferencias(std::move(detalle));
}

void RegistrarInterfaz(Despacho& despacho) {
  for (const auto& d : kDefiniciones)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { CopiarInterfaz(c, d); });
}

}  // namespace norvane
