#include "engine/Transferencia.h"

#include <filesystem>
#include <system_error>

#include "instalacion/APUtilCrpt.h"
#include "instalacion/Directorio.h"
#include "instalacion/NombresBD.h"
#include "engine/ContextoEnvio.h"
#include "instalacion/Operador.h"
#include "engine/SeleccionAuditoria.h"
#include "engine/TextoSql.h"
#include "engine/Sesion.h"

namespace norvane {

namespace {

fb::ConnectParams Parametros(const std::string& base, const Credenciales& c) {
  return {base, c.Usuario, DescifrarClave(c.ClaveCifrada), ""};
}

const TipoDocumento* BuscarTipo(const ListaTipos& tipos, std::int64_t tidoCod) {
  for (const auto& t : tipos)
    if (t.TIDO_COD == tidoCod) return &t;
  return nullptr;
}

// Copies the empty transfer database over the destination company's transfer
// file of this machine.
bool CopiarPlantilla(const std::string& directorio, const std::string& compania) {
  std::error_code error;
  std::filesystem::copy_file(PlantillaEnvio(directorio), ArchivoEnvio(directorio, compania),
                             std::filesystem::copy_options::overwrite_existing, error);
  return !error;
}

// The origin company database, a new connection with its two transactions;
// the earlier one is closed first, which commits it.
void AbrirOrigen(Sesion& sesion, const std::string& compania) {
  sesion.origen.reset();
  auto origen = std::make_unique<Origen>();
  origen->DbCia = fb::Attachment::attach(
      Parametros(BaseCompania(sesion.CredOrigen.Servidor, compania), sesion.CredOrigen));
  origen->principal.emplace(origen->DbCia);
  origen->detalle.emplace(origen->DbCia);
  sesion.origen = std::move(origen);
}

// The destination: the company database online, a fresh copy of the
// transfer database offline. False when that copy could not be made.
bool AbrirDestino(Sesion& sesion, const OpcionesEnvio& o, Operador& operador) {
  sesion.DBEnvio.reset();
  std::string base = BaseCompania(sesion.CredDestino.Servidor, o.CompaniaDestino);
  if (!o.EnLinea) {
    if (!CopiarPlantilla(diraplicacion(operador), o.CompaniaDestino)) return false;
    base = BaseEnvio(sesion.CredDestino.Servidor, o.CompaniaDestino);
  }
  sesion.DBEnvio = std::make_unique<Destino>(Parametros(base, sesion.CredDestino));
  return true;
}

// The destination's accounting lock date; empty without its configuration row.
std::string LeerFechaBloqueo(ContextoEnvio& c) {
  c.AbrirDestino(c.CBorrar,
                 "select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' "
                 "and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'");
  std::string fecha = c.CBorrar.Vacio() ? std::string() : c.CBorrar.Fila().at(0).toString();
  c.CBorrar.Cerrar();
  return fecha;
}

// Offline, every completed row travels with the transfer file; the outcome
// of this write is only logged.
void CopiarAuditoria(ContextoEnvio& c, const CursorOrigen& QAuditor) {
  // Only the layout of the transfer file's audit table is needed.
  c.CDestino.AbrirEstructura("SELECT * FROM AUDITORIA");
  c.CopiarFila(QAuditor);
  if (auto error = c.CDestino.Aplicar()) c.ManejarError(*error);
  c.CDestino.Cerrar();
}

}  // namespace

Transferencia::Transferencia(Sesion& sesion, Operador& operador, const Despacho& despacho)
    : sesion_(sesion), operador_(operador), despacho_(despacho), bitacora_(operador) {}

ResultadoEnvio Transferencia::Ejecutar(const OpcionesEnvio& o) {
  resumen_ = {};
  if (o.CompaniaOrigen.empty() || o.CompaniaDestino.empty()) {
    operador_.Mensaje("Debe indicar las compañías origen y destino.");
    return {FinEnvio::SinCompanias, {}};
  }
  operador_.MostrarProgreso(true);

  AbrirOrigen(sesion_, o.CompaniaOrigen);
  if (!AbrirDestino(sesion_, o, operador_)) {
    operador_.Mensaje("No se pudo copiar la base de datos para el envio.");
    return {FinEnvio::CopiaFallida, {}};
  }
  fb::Transaction& principal = *sesion_.origen->principal;

  CursorOrigen QAuditor(principal);
  QAuditor.Abrir(TextoSeleccionAuditoria(o, operador_));
  resumen_.seleccionadas = static_cast<int>(QAuditor.CantidadFilas());
  operador_.ProgresoMaximo(resumen_.seleccionadas);

  BanderasEnvio banderas{.EnLinea = o.EnLinea, .Reemplazar = o.Reemplazar};
  ContextoEnvio contexto(banderas, principal, *sesion_.origen->detalle, *sesion_.DBEnvio,
                         bitacora_, operador_);
  banderas.FechaBloqueo = LeerFechaBloqueo(contexto);

  const RangoCodigo rango = CalcularRango(o);
  for (QAuditor.Primero(); !QAuditor.Eof(); QAuditor.Siguiente()) {
    const fb::Row& fila = QAuditor.Fila();
    contexto.FijarAuditoria(fila);
    contexto.fila = {};
    operador_.ProgresoAvanzar();

    // A type that is not in the list counts as not marked.
    const std::int64_t tidoCod = fila.at(auditoria::TIDO_COD).isNull()
                                     ? -1
                                     : fila.at(auditoria::TIDO_COD).asInteger();
    const TipoDocumento* tipo = BuscarTipo(o.Ctipodoc, tidoCod);
    if (!tipo || tipo->F_1 != "S") {
      ++resumen_.sinMarcar;
      continue;
    }

    contexto.fila.CodigoDesde = rango.CodigoDesde;
    contexto.fila.CodigoHasta = rango.CodigoHasta;
    // A document outside the range was not copied, so the row is left for a
    // later run rather than marked as sent.
    if (tidoCod < 100 && !EnRango(rango, contexto.AUDI_COD())) {
      ++resumen_.fueraDeRango;
      continue;
    }

    try {
      if (const Manejador* manejador = despacho_.Buscar(static_cast<int>(tidoCod)))
        (*manejador)(contexto);
      if (!o.EnLinea) CopiarAuditoria(contexto, QAuditor);
    } catch (const RechazoCursor& rechazo) {
      // The cursor refused a row before writing it: the run ends silently.
      return {FinEnvio::Rechazo, contexto.ManejarClientError(rechazo)};
    }
    Completar(contexto, *tipo, o.CompaniaDestino);
  }

  operador_.MostrarProgreso(false);
  operador_.Mensaje("Proceso de envio de información concluído.");
  return {FinEnvio::Concluido, {}};
}

void Transferencia::Completar(ContextoEnvio& c, const TipoDocumento& tipo,
                              const std::string& companiaDestino) {
  const fb::Row& fila = c.Auditoria();
  const std::string tidoCod = std::to_string(tipo.TIDO_COD);
  if (c.fila.HuboError) {
    std::string mensaje = "Error transmitiendo " + tipo.TIDO_NOMLARGO + " ";
    if (tipo.TIDO_COD == 1) mensaje += c.AUDI_TICO() + " ";
    bitacora_.error_transmision(sesion_.CredOrigen.Usuario, mensaje + c.AUDI_COD());
    ++resumen_.fallidas;
    return;
  }
  const std::string audiId = fila.at(auditoria::AUDI_ID).toString();
  bitacora_.archivo_auditoria(audiId, tidoCod, c.AUDI_OPER(), c.AUDI_COD());
  c.QCopia.Ejecutar("UPDATE AUDITORIA SET AUDI_ENVIO = 'S' where AUDI_ID = " + audiId);
  c.QCopia.Ejecutar(
      "UPDATE REPLICA_EVENTOS SET RPEV_FECREP = CAST('NOW' AS DATE), RPEV_HORAREP = "
      "CAST('NOW' AS TIME) where RPEV_COMPANIA =" +
      Citar(companiaDestino) + " AND RPEV_TIPO = " + tidoCod + " AND RPEV_IDDOC = " +
      c.AUDI_IDDOC());
  // Durable at once: a run that is killed does not send this row again.
  sesion_.origen->principal->commitRetaining();
  ++resumen_.enviadas;
}

}  // namespace norvane
