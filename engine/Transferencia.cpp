#include "engine/Transferencia.h"

#include <filesystem>
#include <system_error>

#include "app/APUtilCrpt.h"
#include "app/Directorio.h"
#include "app/NombresBD.h"
#include "engine/ContextoEnvio.h"
#include "engine/Operador.h"
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

  // Origin: a new connection, the earlier one closed (which commits).
  sesion_.origen.reset();
  auto origen = std::make_unique<Origen>();
  origen->DbCia = fb::Attachment::attach(
      Parametros(BaseCompania(sesion_.CredOrigen.Servidor, o.CompaniaOrigen), sesion_.CredOrigen));
  origen->principal.emplace(origen->DbCia);
  origen->detalle.emplace(origen->DbCia);
  sesion_.origen = std::move(origen);
  fb::Transaction& principal = *sesion_.origen->principal;

  // Destination: the company database online, a fresh transfer file offline.
  sesion_.DBEnvio.reset();
  std::string base = BaseCompania(sesion_.CredDestino.Servidor, o.CompaniaDestino);
  if (!o.EnLinea) {
    if (!CopiarPlantilla(diraplicacion(operador_), o.CompaniaDestino)) {
      operador_.Mensaje("No se pudo copiar la base de datos para el envio.");
      return {FinEnvio::CopiaFallida, {}};
    }
    base = BaseEnvio(sesion_.CredDestino.Servidor, o.CompaniaDestino);
  }
  sesion_.DBEnvio = std::make_unique<Destino>(Parametros(base, sesion_.CredDestino));

  CursorOrigen QAuditor(principal);
  QAuditor.Abrir(TextoSeleccionAuditoria(o, operador_));
  resumen_.seleccionadas = static_cast<int>(QAuditor.CantidadFilas());
  operador_.ProgresoMaximo(resumen_.seleccionadas);

  ContextoEnvio contexto(principal, *sesion_.origen->detalle, *sesion_.DBEnvio, bitacora_,
                         operador_);
  contexto.EnLinea = o.EnLinea;
  contexto.Reemplazar = o.Reemplazar;

  contexto.AbrirDestino(contexto.CBorrar,
                        "select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' "
                        "and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'");
  contexto.FechaBloqueo =
      contexto.CBorrar.Vacio() ? std::string() : contexto.CBorrar.Fila().at(0).toString();
  contexto.CBorrar.Cerrar();

  const RangoCodigo rango = CalcularRango(o);
  for (QAuditor.Primero(); !QAuditor.Eof(); QAuditor.Siguiente()) {
    const fb::Row& fila = QAuditor.Fila();
    contexto.FijarAuditoria(fila);
    contexto.HuboError = false;
    operador_.ProgresoAvanzar();
    contexto.EncabezadoInsertado = false;

    // A type that is not in the list counts as not marked.
    const std::int64_t tidoCod = fila.at(auditoria::TIDO_COD).isNull()
                                     ? -1
                                     : fila.at(auditoria::TIDO_COD).asInteger();
    const TipoDocumento* tipo = BuscarTipo(o.Ctipodoc, tidoCod);
    if (!tipo || tipo->F_1 != "S") {
      ++resumen_.sinMarcar;
      continue;
    }

    contexto.CodigoDesde = rango.CodigoDesde;
    contexto.CodigoHasta = rango.CodigoHasta;
    // A document outside the range was not copied, so the row is left for a
    // later run rather than marked as sent.
    if (tidoCod < 100 && !EnRango(rango, contexto.AUDI_COD())) {
      ++resumen_.fueraDeRango;
      continue;
    }

    try {
      if (const Manejador* manejador = despacho_.Buscar(static_cast<int>(tidoCod)))
        (*manejador)(contexto);

      // Completion of the row.
      if (!o.EnLinea) {
        // Only the layout of the transfer file's audit table is needed.
        contexto.CDestino.AbrirEstructura("SELECT * FROM AUDITORIA");
        contexto.CopiarFila(QAuditor);
        if (auto error = contexto.CDestino.Aplicar()) contexto.ManejarError(*error);
        contexto.CDestino.Cerrar();
      }
    } catch (const RechazoCursor& rechazo) {
      // The cursor refused a row before writing it: the run ends silently.
      return {FinEnvio::Rechazo, contexto.ManejarClientError(rechazo)};
    }

    if (!contexto.HuboError) {
      bitacora_.archivo_auditoria(fila.at(auditoria::AUDI_ID).toString(), std::to_string(tidoCod),
                                  contexto.AUDI_OPER(), contexto.AUDI_COD());
      contexto.QCopia.Ejecutar("UPDATE AUDITORIA SET AUDI_ENVIO = 'S' where AUDI_ID = " +
                        fila.at(auditoria::AUDI_ID).toString());
      contexto.QCopia.Ejecutar(
          "UPDATE REPLICA_EVENTOS SET RPEV_FECREP = CAST('NOW' AS DATE), RPEV_HORAREP = "
          "CAST('NOW' AS TIME) where RPEV_COMPANIA =" +
          Citar(o.CompaniaDestino) + " AND RPEV_TIPO = " + std::to_string(tidoCod) +
          " AND RPEV_IDDOC = " + contexto.AUDI_IDDOC());
      // Durable at once: a run that is killed does not send this row again.
      principal.commitRetaining();
      ++resumen_.enviadas;
    } else {
      std::string mensaje = "Error transmitiendo " + tipo->TIDO_NOMLARGO + " ";
      if (tidoCod == 1) mensaje += contexto.AUDI_TICO() + " ";
      bitacora_.error_transmision(sesion_.CredOrigen.Usuario, mensaje + contexto.AUDI_COD());
      ++resumen_.fallidas;
    }
  }

  operador_.MostrarProgreso(false);
  operador_.Mensaje("Proceso de envio de información concluído.");
  return {FinEnvio::Concluido, {}};
}

}  // namespace norvane
