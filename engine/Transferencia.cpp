#include "engine/Transferencia.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "instalacion/APUtilCrpt.h"
#include "instalacion/Directorio.h"
#include "instalacion/NombresBD.h"
#include "engine/ContextoEnvio.h"
#include "engine/Informe.h"
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

// A column of the audit row as text, "" for a null: for the range, the logs
// and the marks, which need no lookup.
std::string Texto(const fb::Row& auditoria, std::size_t posicion) {
  return auditoria.at(posicion).toString();
}

// The connection is gone (SQLSTATE class 08): nothing more can be sent.
bool ConexionPerdida(const fb::Error& error) { return error.sqlState().starts_with("08"); }

using Reloj = std::chrono::steady_clock;

std::int64_t Milisegundos(Reloj::time_point desde) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - desde).count();
}

// The report's line of an audit row, before anything is decided for it.
LineaInforme Linea(const fb::Row& fila, const TipoDocumento* tipo) {
  return {.audiId = fila.at(auditoria::AUDI_ID).toString(),
          .tidoCod = fila.at(auditoria::TIDO_COD).toString(),
          .tidoNombre = tipo ? tipo->TIDO_NOMLARGO : std::string(),
          .audiOper = fila.at(auditoria::AUDI_OPER).toString(),
          .audiCod = fila.at(auditoria::AUDI_COD).toString()};
}

// The text of the error that stopped the run: the server's in its Latin-1
// bytes, the program's own already UTF-8.
std::string TextoDeError(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const fb::Error& e) {
    return Latin1AUtf8(e.what());
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return {};
  }
}

}  // namespace

std::string DetallesResumen(const ResumenEnvio& r) {
  return "Filas de auditoría seleccionadas: " + std::to_string(r.seleccionadas) +
         "\nEnviadas: " + std::to_string(r.enviadas) +
         "\nFallidas: " + std::to_string(r.fallidas) +
         "\nSin marcar: " + std::to_string(r.sinMarcar) +
         "\nFuera de rango: " + std::to_string(r.fueraDeRango) +
         "\nInforme: " + (r.informe.empty() ? std::string("no se pudo escribir") : r.informe);
}

Transferencia::Transferencia(Sesion& sesion, Operador& operador, const Despacho& despacho)
    : sesion_(sesion), operador_(operador), despacho_(despacho), bitacora_(operador) {}

ResultadoEnvio Transferencia::Ejecutar(const OpcionesEnvio& o) {
  const auto inicio = std::chrono::system_clock::now();
  resumen_ = {};
  registro_.reset();
  lineasVista_.clear();
  vistaPrevia_ = o.VistaPrevia;
  bitacora_.Silenciar(o.VistaPrevia);
  pendientes_.reset();
  if (o.CompaniaOrigen.empty() || o.CompaniaDestino.empty()) {
    operador_.Mensaje("Debe indicar las compañías origen y destino.");
    return {FinEnvio::SinCompanias, {}};
  }
  // A preview's lines are final at once: it has no file whose end decides them.
  registro_ = std::make_unique<RegistroEnvio>(CrearInforme(o, inicio), o.EnLinea || o.VistaPrevia);
  resumen_.informe = registro_->Ruta();
  try {
    ResultadoEnvio resultado = Abrir(o);
    if (vistaPrevia_) TerminarVistaPrevia();
    registro_->Terminar(resultado.fin == FinEnvio::Concluido);
    resumen_.informe = registro_->Ruta();
    return resultado;
  } catch (...) {
    if (vistaPrevia_) TerminarVistaPrevia();
    registro_->Terminar(false);
    resumen_.informe = registro_->Ruta();
    throw;
  }
}

bool Transferencia::AbrirDestino(const OpcionesEnvio& o) {
  sesion_.DBEnvio.reset();
  const Destino::Modo modo = o.VistaPrevia ? Destino::Modo::VistaPrevia : Destino::Modo::Envio;
  std::string base = BaseCompania(sesion_.CredDestino.Servidor, o.CompaniaDestino);
  if (!o.EnLinea && o.VistaPrevia) {
    // Next to the transfer file, where the destination's server reaches it,
    // under a name of this process: the transfer file itself is not touched.
    static int ordinal = 0;
    const std::string nombre =
        "envio-vista-" + std::to_string(::getpid()) + "-" + std::to_string(++ordinal) + ".fdb";
    const std::filesystem::path archivo =
        std::filesystem::path(ArchivoEnvio(diraplicacion(operador_), o.CompaniaDestino))
            .parent_path() / nombre;
    std::error_code error;
    std::filesystem::copy_file(PlantillaEnvio(diraplicacion(operador_)), archivo,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) return false;
    copiaVistaPrevia_ = archivo.string();
    base = std::filesystem::path(BaseEnvio(sesion_.CredDestino.Servidor, o.CompaniaDestino))
               .parent_path()
               .string() +
           "/" + nombre;
  } else if (!o.EnLinea) {
    if (!CopiarPlantilla(diraplicacion(operador_), o.CompaniaDestino)) return false;
    base = BaseEnvio(sesion_.CredDestino.Servidor, o.CompaniaDestino);
  }
  sesion_.DBEnvio =
      std::make_unique<Destino>(Parametros(base, sesion_.CredDestino), o.esperaBloqueo, modo);
  return true;
}

void Transferencia::TerminarVistaPrevia() noexcept {
  if (sesion_.DBEnvio) sesion_.DBEnvio->TerminarVistaPrevia();
  // A preview's destination can run nothing more: the next run opens its own.
  sesion_.DBEnvio.reset();
  if (!copiaVistaPrevia_.empty()) {
    std::error_code error;
    std::filesystem::remove(copiaVistaPrevia_, error);
    copiaVistaPrevia_.clear();
  }
}

void Transferencia::Anotar(const LineaInforme& linea, bool completada) {
  if (completada)
    registro_->AgregarCompletada(linea);
  else
    registro_->Agregar(linea);
  if (vistaPrevia_) lineasVista_.push_back(linea);
}

Informe Transferencia::CrearInforme(const OpcionesEnvio& o,
                                    std::chrono::system_clock::time_point inicio) {
  if (!o.rutaInforme.empty()) return Informe::En(o.rutaInforme);
  if (o.VistaPrevia) return {};  // a preview writes a report only where it is told
  // Without the settings the logs have no place either; the run says so
  // itself, the report adds no message of its own.
  if (!o.informePorOmision || !HayDirectorio()) return {};
  try {
    return Informe::Nuevo(std::filesystem::path(diraplicacion(operador_)) / "informes", inicio);
  } catch (const std::exception&) {
    return {};  // a report that cannot be written changes nothing of the run
  }
}

ResultadoEnvio Transferencia::Abrir(const OpcionesEnvio& o) {
  operador_.MostrarProgreso(true);

  AbrirOrigen(sesion_, o.CompaniaOrigen, o.esperaBloqueo);
  if (!AbrirDestino(o)) {
    operador_.Mensaje("No se pudo copiar la base de datos para el envio.");
    return {FinEnvio::CopiaFallida, {}};
  }
  // A preview leaves the transfer file as it was, whatever its end.
  if (o.EnLinea || o.VistaPrevia) return Recorrer(o);
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
  try {
    banderas.FechaBloqueo = LeerFechaBloqueo(contexto);
  } catch (...) {
    Detener(QAuditor, o, false, {}, {});
    throw;
  }

  const RangoCodigo rango = CalcularRango(o);
  for (QAuditor.Primero(); !QAuditor.Eof(); QAuditor.Siguiente()) {
    const auto inicio = Reloj::now();
    const fb::Row& fila = QAuditor.Fila();
    contexto.FijarAuditoria(fila);
    contexto.fila = {};
    operador_.ProgresoAvanzar();

    // A type that is not in the list counts as not marked.
    const std::int64_t tidoCod = fila.at(auditoria::TIDO_COD).isNull()
                                     ? -1
                                     : fila.at(auditoria::TIDO_COD).asInteger();
    const TipoDocumento* tipo = BuscarTipo(o.Ctipodoc, tidoCod);
    LineaInforme linea = Linea(fila, tipo);
    if (!tipo || tipo->F_1 != "S") {
      ++resumen_.sinMarcar;
      linea.decision = TextoDecision(Decision::SinMarcar);
      linea.resultado = resultado::kSinMarcar;
      linea.milisegundos = Milisegundos(inicio);
      Anotar(linea, false);
      continue;
    }

    contexto.fila.CodigoDesde = rango.CodigoDesde;
    contexto.fila.CodigoHasta = rango.CodigoHasta;
    // A document outside the range was not copied, so the row is left for a
    // later run rather than marked as sent.
    if (tidoCod < 100 && !EnRango(rango, Texto(fila, auditoria::AUDI_COD))) {
      ++resumen_.fueraDeRango;
      linea.decision = TextoDecision(Decision::FueraDeRango);
      linea.resultado = resultado::kFueraDeRango;
      linea.milisegundos = Milisegundos(inicio);
      Anotar(linea, false);
      continue;
    }

    try {
      // Every destination statement of the row runs in one transaction: the
      // row reaches the destination whole, or not at all.
      destino.IniciarFila();
      try {
        if (const Manejador* manejador = despacho_.Buscar(static_cast<int>(tidoCod)))
          (*manejador)(contexto);
        else
          contexto.fila.decision = Decision::SinManejador;
        if (!o.EnLinea) CopiarAuditoria(contexto, QAuditor);
      } catch (const RechazoCursor& rechazo) {
        // The cursor refused a row before writing it: the run ends silently.
        destino.DeshacerFila();
        std::string mensaje = contexto.ManejarClientError(rechazo);
        linea.decision = TextoDecision(contexto.fila.decision, contexto.fila.filasRepuestas);
        linea.milisegundos = Milisegundos(inicio);
        Detener(QAuditor, o, true, std::move(linea), Latin1AUtf8(mensaje));
        return {FinEnvio::Rechazo, std::move(mensaje)};
      } catch (const ConflictoBloqueo& conflicto) {
        // Another transaction holds what the row needs: the row fails whole.
        contexto.ManejarError(conflicto.what());
        contexto.fila.HuboError = true;
        contexto.fila.bloqueado = true;
      } catch (const ValorNoUtilizable& valor) {
        // A value the row cannot be sent with: the row fails, the run goes on.
        operador_.Beep();
        bitacora_.error_envio(valor.what());
        contexto.fila.decision = Decision::ValorNoUtilizable;
        if (contexto.fila.error.empty()) contexto.fila.error = valor.what();
        contexto.fila.HuboError = true;
      } catch (...) {
        destino.DeshacerFila();
        throw;
      }
      ConfirmarDestino(contexto);
      Completar(contexto, *tipo, o.CompaniaDestino);
    } catch (...) {
      linea.decision = TextoDecision(contexto.fila.decision, contexto.fila.filasRepuestas);
      linea.milisegundos = Milisegundos(inicio);
      Detener(QAuditor, o, true, std::move(linea), TextoDeError(std::current_exception()));
      throw;
    }
    linea.decision = TextoDecision(contexto.fila.decision, contexto.fila.filasRepuestas);
    linea.resultado = contexto.fila.HuboError ? resultado::kError : resultado::kEnviado;
    if (o.VistaPrevia)
      linea.resultado = !contexto.fila.HuboError ? resultado::kSeEnviaria
                        : contexto.fila.bloqueado ? resultado::kBloqueado
                                                  : resultado::kError;
    if (contexto.fila.HuboError) linea.error = contexto.fila.error;
    linea.milisegundos = Milisegundos(inicio);
    Anotar(linea, true);
  }
  if (!o.EnLinea && !o.VistaPrevia) MarcarPendientes(o.CompaniaDestino);
  registro_->Terminar(true);
  resumen_.informe = registro_->Ruta();

  operador_.MostrarProgreso(false);
  // The preview's lines are its message: the caller shows them.
  if (o.VistaPrevia) return {FinEnvio::Concluido, {}};
  operador_.MensajeConDetalles("Proceso de envio de información concluído.",
                               DetallesResumen(resumen_));
  return {FinEnvio::Concluido, {}};
}

void Transferencia::Detener(CursorOrigen& QAuditor, const OpcionesEnvio& o, bool enFila,
                            LineaInforme linea, const std::string& error) {
  if (enFila) {
    linea.resultado = resultado::kDetenido;
    linea.error = error;
    Anotar(linea, false);
    QAuditor.Siguiente();
  } else {
    QAuditor.Primero();
  }
  // Only the rows' own values: nothing was decided for them.
  for (; !QAuditor.Eof(); QAuditor.Siguiente()) {
    const fb::Row& fila = QAuditor.Fila();
    const TipoDocumento* tipo =
        fila.at(auditoria::TIDO_COD).isNull()
            ? nullptr
            : BuscarTipo(o.Ctipodoc, fila.at(auditoria::TIDO_COD).asInteger());
    LineaInforme siguiente = Linea(fila, tipo);
    siguiente.resultado = resultado::kNoAlcanzado;
    Anotar(siguiente, false);
  }
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
    if (error.sqlState() == "40001") c.fila.bloqueado = true;
    return;
  }
  if (trasConfirmarDestino) trasConfirmarDestino();
}

void Transferencia::Completar(ContextoEnvio& c, const TipoDocumento& tipo,
                              const std::string& companiaDestino) {
  const fb::Row& fila = c.Auditoria();
  if (c.fila.HuboError) {
    std::string mensaje = "Error transmitiendo " + tipo.TIDO_NOMLARGO + " ";
    if (tipo.TIDO_COD == 1) mensaje += Texto(fila, auditoria::AUDI_TICO) + " ";
    bitacora_.error_transmision(sesion_.CredOrigen.Usuario, mensaje + Texto(fila, auditoria::AUDI_COD));
    ++resumen_.fallidas;
    return;
  }
  Pendiente pendiente{fila.at(auditoria::AUDI_ID).toString(), std::to_string(tipo.TIDO_COD),
                      c.AUDI_OPER(), Texto(fila, auditoria::AUDI_COD), IdDocumentoSello(fila)};
  ++resumen_.enviadas;
  if (vistaPrevia_) return;  // a preview marks nothing
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
