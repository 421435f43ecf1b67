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
#include "fb/Error.h"

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
void AbrirOrigen(Sesion& sesion, const std::string& compania, std::optional<int> esperaBloqueo) {
  sesion.origen.reset();
  auto origen = std::make_unique<Origen>();
  origen->DbCia = fb::Attachment::attach(
      Parametros(BaseCompania(sesion.CredOrigen.Servidor, compania), sesion.CredOrigen));
  origen->principal.emplace(origen->DbCia, fb::Isolation::ServerDefault, esperaBloqueo);
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
  sesion.DBEnvio = std::make_unique<Destino>(Parametros(base, sesion.CredDestino), o.esperaBloqueo);
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

// The text of AUDI_IDDOC in the completion's stamp: a row without one stamps
// nothing, and the statement stays valid.
std::string IdDocumentoSello(const fb::Row& auditoria) {
  const fb::Value& id = auditoria.at(auditoria::AUDI_IDDOC);
  return id.isNull() ? "null" : id.toString();
}

// The connection is gone (SQLSTATE class 08): nothing more can be sent.
bool ConexionPerdida(const fb::Error& error) { return error.sqlState().starts_with("08"); }

}  // namespace

Transferencia::Transferencia(Sesion& sesion, Operador& operador, const Despacho& despacho)
    : sesion_(sesion), operador_(operador), despacho_(despacho), bitacora_(operador) {}

ResultadoEnvio Transferencia::Ejecutar(const OpcionesEnvio& o) {
  resumen_ = {};
  pendientes_.reset();
  if (o.CompaniaOrigen.empty() || o.CompaniaDestino.empty()) {
    operador_.Mensaje("Debe indicar las compañías origen y destino.");
    return {FinEnvio::SinCompanias, {}};
  }
  operador_.MostrarProgreso(true);

  AbrirOrigen(sesion_, o.CompaniaOrigen, o.esperaBloqueo);
  if (!AbrirDestino(sesion_, o, operador_)) {
    operador_.Mensaje("No se pudo copiar la base de datos para el envio.");
    return {FinEnvio::CopiaFallida, {}};
  }
  if (o.EnLinea) return Recorrer(o);
  // Offline the transfer file is the unit of work: a run that does not reach
  // its finish marks nothing and leaves no file that could be carried.
  try {
    ResultadoEnvio resultado = Recorrer(o);
    if (resultado.fin != FinEnvio::Concluido) ArchivoIncompleto(o);
    return resultado;
  } catch (...) {
    ArchivoIncompleto(o);
    throw;
  }
}

ResultadoEnvio Transferencia::Recorrer(const OpcionesEnvio& o) {
  fb::Transaction& principal = *sesion_.origen->principal;
  Destino& destino = *sesion_.DBEnvio;

  // The selection is read whole at once, as the run must not see rows added
  // after it started, but kept on disk: its size is the origin's.
  CursorOrigen QAuditor(principal, CursorOrigen::Retencion::Disco);
  QAuditor.Abrir(TextoSeleccionAuditoria(o, operador_));
  resumen_.seleccionadas = static_cast<int>(QAuditor.CantidadFilas());
  operador_.ProgresoMaximo(resumen_.seleccionadas);

  BanderasEnvio banderas{.EnLinea = o.EnLinea, .Reemplazar = o.Reemplazar};
  ContextoEnvio contexto(banderas, principal, *sesion_.origen->detalle, destino, bitacora_,
                         operador_);
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

    // Every destination statement of the row runs in one transaction: the
    // row reaches the destination whole, or not at all.
    destino.IniciarFila();
    try {
      if (const Manejador* manejador = despacho_.Buscar(static_cast<int>(tidoCod)))
        (*manejador)(contexto);
      if (!o.EnLinea) CopiarAuditoria(contexto, QAuditor);
    } catch (const RechazoCursor& rechazo) {
      // The cursor refused a row before writing it: the run ends silently.
      destino.DeshacerFila();
      return {FinEnvio::Rechazo, contexto.ManejarClientError(rechazo)};
    } catch (const ConflictoBloqueo& conflicto) {
      // Another transaction holds what the row needs: the row fails whole.
      contexto.ManejarError(conflicto.what());
      contexto.fila.HuboError = true;
    } catch (const ValorNoUtilizable& valor) {
      // A value the row cannot be sent with: the row fails, the run goes on.
      operador_.Beep();
      bitacora_.error_envio(valor.what());
      contexto.fila.HuboError = true;
    } catch (...) {
      destino.DeshacerFila();
      throw;
    }
    ConfirmarDestino(contexto);
    Completar(contexto, *tipo, o.CompaniaDestino);
  }
  if (!o.EnLinea) MarcarPendientes(o.CompaniaDestino);

  operador_.MostrarProgreso(false);
  operador_.Mensaje("Proceso de envio de información concluído.");
  return {FinEnvio::Concluido, {}};
}

void Transferencia::ConfirmarDestino(ContextoEnvio& c) {
  Destino& destino = *sesion_.DBEnvio;
  if (c.fila.HuboError) {
    destino.DeshacerFila();
    return;
  }
  try {
    destino.ConfirmarFila();
  } catch (const fb::Error& error) {
    // Rolled back by ConfirmarFila: the row failed and stays unsent.
    if (ConexionPerdida(error)) throw;
    c.ManejarError(error.what());
    c.fila.HuboError = true;
    return;
  }
  if (trasConfirmarDestino) trasConfirmarDestino();
}

void Transferencia::Completar(ContextoEnvio& c, const TipoDocumento& tipo,
                              const std::string& companiaDestino) {
  const fb::Row& fila = c.Auditoria();
  if (c.fila.HuboError) {
    std::string mensaje = "Error transmitiendo " + tipo.TIDO_NOMLARGO + " ";
    if (tipo.TIDO_COD == 1) mensaje += c.AUDI_TICO() + " ";
    bitacora_.error_transmision(sesion_.CredOrigen.Usuario, mensaje + c.AUDI_COD());
    ++resumen_.fallidas;
    return;
  }
  Pendiente pendiente{fila.at(auditoria::AUDI_ID).toString(), std::to_string(tipo.TIDO_COD),
                      c.AUDI_OPER(), c.AUDI_COD(), IdDocumentoSello(fila)};
  ++resumen_.enviadas;
  if (!c.banderas.EnLinea) {
    // Offline the marks wait for the finish: the file must be complete first.
    Guardar(pendiente);
    return;
  }
  Marcar(pendiente, companiaDestino);
  // Durable at once: a run that is killed does not send this row again.
  sesion_.origen->principal->commitRetaining();
  Registrar(pendiente);
}

void Transferencia::Registrar(const Pendiente& p) {
  bitacora_.archivo_auditoria(p.audiId, p.tidoCod, p.audiOper, p.audiCod);
}

void Transferencia::Marcar(const Pendiente& p, const std::string& companiaDestino) {
  fb::Transaction& principal = *sesion_.origen->principal;
  principal.execute("UPDATE AUDITORIA SET AUDI_ENVIO = 'S' where AUDI_ID = " + p.audiId);
  principal.execute(
      "UPDATE REPLICA_EVENTOS SET RPEV_FECREP = CAST('NOW' AS DATE), RPEV_HORAREP = "
      "CAST('NOW' AS TIME) where RPEV_COMPANIA =" +
      Citar(companiaDestino) + " AND RPEV_TIPO = " + p.tidoCod + " AND RPEV_IDDOC = " +
      p.audiIdDoc);
}

void Transferencia::Guardar(const Pendiente& p) {
  if (!pendientes_) pendientes_.emplace();
  pendientes_->Agregar({p.audiId, p.tidoCod, p.audiOper, p.audiCod, p.audiIdDoc});
}

template <class F>
void Transferencia::RecorrerPendientes(F&& f) {
  if (!pendientes_) return;
  pendientes_->Rebobinar();
  fb::Row fila;
  while (pendientes_->Leer(fila))
    f(Pendiente{fila.at(0).asText(), fila.at(1).asText(), fila.at(2).asText(), fila.at(3).asText(),
                fila.at(4).asText()});
}

void Transferencia::MarcarPendientes(const std::string& companiaDestino) {
  RecorrerPendientes([&](const Pendiente& p) { Marcar(p, companiaDestino); });
  // One origin transaction for every mark of the file, committed before the
  // finish message; a failure here reaches the caller with nothing marked.
  try {
    sesion_.origen->principal->commitRetaining();
  } catch (...) {
    sesion_.origen->principal->rollback();
    throw;
  }
  RecorrerPendientes([&](const Pendiente& p) { Registrar(p); });
  pendientes_.reset();
}

void Transferencia::ArchivoIncompleto(const OpcionesEnvio& o) {
  pendientes_.reset();
  resumen_.enviadas = 0;
  operador_.Mensaje("El archivo de envío quedó incompleto y no debe llevarse al destino.");
  // The file is closed before it is replaced by a fresh copy of the template.
  sesion_.DBEnvio.reset();
  CopiarPlantilla(diraplicacion(operador_), o.CompaniaDestino);
}

}  // namespace norvane
