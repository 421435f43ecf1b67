#include "engine/Verificacion.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <tuple>

#include "engine/ContextoEnvio.h"
#include "engine/EnviarDocumento.h"
#include "engine/SeleccionAuditoria.h"
#include "engine/CopiarMaestro.h"
#include "engine/Sesion.h"
#include "engine/TextoSql.h"
#include "engine/ValorDestino.h"
#include "fb/Attachment.h"
#include "fb/Cursor.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "instalacion/APUtilCrpt.h"
#include "instalacion/NombresBD.h"

namespace norvane {

const char* TextoEstado(EstadoVerificacion estado) {
  switch (estado) {
    case EstadoVerificacion::Igual: return "igual";
    case EstadoVerificacion::Diferente: return "diferente";
    case EstadoVerificacion::AusenteEnDestino: return "ausente en destino";
    case EstadoVerificacion::Pendiente: return "pendiente";
    case EstadoVerificacion::Retenido: return "retenido por la fecha de bloqueo";
    case EstadoVerificacion::Omitido: return "omitido";
    case EstadoVerificacion::SinCopia: return "sin copia";
  }
  return "";
}

int ResultadoVerificacion::Cantidad(EstadoVerificacion estado) const {
  return static_cast<int>(std::count_if(documentos.begin(), documentos.end(),
                                        [&](const DocumentoVerificado& d) { return d.estado == estado; }));
}

bool ResultadoVerificacion::HayDiferencias() const {
  return Cantidad(EstadoVerificacion::Diferente) > 0 ||
         Cantidad(EstadoVerificacion::AusenteEnDestino) > 0;
}

std::string LineaVerificacion(const DocumentoVerificado& d) {
  std::string linea = std::to_string(d.tidoCod) + " " + d.codigo;
  if (!d.tico.empty()) linea += " (" + d.tico + ")";
  linea += std::string(" ") + TextoEstado(d.estado);
  for (std::size_t i = 0; i < d.detalle.size(); ++i) linea += (i == 0 ? ": " : "; ") + d.detalle[i];
  return linea;
}

namespace {

using Estado = EstadoVerificacion;

std::optional<fb::Decimal> ComoDecimal(const fb::Value& v) {
  if (v.kind() == fb::Value::Kind::Integer) return fb::Decimal{v.asInteger(), 0};
  if (v.kind() == fb::Value::Kind::Decimal) return v.asDecimal();
  return std::nullopt;
}

// Wide enough for any 64-bit amount brought to another scale.
__extension__ typedef __int128 Ancho;

Ancho Escalado(fb::Decimal d, int escala) {
  Ancho v = d.value;
  for (int s = d.scale; s > escala; --s) v *= 10;
  return v;
}

bool MismoNumero(fb::Decimal a, fb::Decimal b) {
  const int escala = std::min(a.scale, b.scale);
  return Escalado(a, escala) == Escalado(b, escala);
}

// Integers and decimals compare by their amount, whatever their scale.
bool MismoValor(const fb::Value& a, const fb::Value& b) {
  const auto da = ComoDecimal(a), db = ComoDecimal(b);
  if (da && db) return MismoNumero(*da, *db);
  return a == b;
}

// `d` brought to `escala` (>= its own), a half going away from zero or to
// the even neighbour.
Ancho Redondeado(fb::Decimal d, int escala, bool mitadPar) {
  Ancho p = 1;
  for (int s = d.scale; s < escala; ++s) p *= 10;
  Ancho q = d.value / p;
  const Ancho r = d.value % p;
  const Ancho doble = (r < 0 ? -r : r) * 2;
  if (doble > p || (doble == p && (!mitadPar || q % 2 != 0))) q += d.value < 0 ? -1 : 1;
  return q;
}

bool IgualExacto(const fb::Value& origen, const fb::Value& destino, const fb::Column& columna) {
  try {
    return MismoValor(ConvertirValor(origen, columna), destino);
  } catch (const std::exception&) {
    return false;  // the copy could not have written it
  }
}

// The rule's four decimals, then the destination column's own scale, which
// the server reaches by its own rounding.
bool IgualPorRegla(const fb::Value& origen, const fb::Value& destino, const fb::Column& columna) {
  if (!columna.isFixedPoint()) return IgualExacto(origen, destino, columna);
  const auto d = ComoDecimal(destino);
  if (!d) return false;
  fb::Decimal esperado;
  try {
    esperado = ConCuatroDecimales(origen);
  } catch (const std::exception&) {
    return false;
  }
  if (columna.scale < esperado.scale) return MismoNumero(esperado, *d);
  const Ancho valor = Escalado(*d, columna.scale);
  return valor == Redondeado(esperado, columna.scale, false) ||
         valor == Redondeado(esperado, columna.scale, true);
}

bool Iguales(const fb::Value& origen, const fb::Value& destino, const fb::Column& columna, Regla r) {
  switch (r) {
    case Regla::Exacta: return IgualExacto(origen, destino, columna);
    case Regla::PuntoFijo: return IgualPorRegla(origen, destino, columna);
    case Regla::Cualquiera:
      return IgualExacto(origen, destino, columna) || IgualPorRegla(origen, destino, columna);
  }
  return false;
}

// The destination positions that a comparison leaves out.
std::vector<bool> Fuera(std::span<const Excluida> excluidas, const fb::Columns& columnas,
                        bool posicionCero) {
  std::vector<bool> fuera(columnas.size(), false);
  if (posicionCero && !fuera.empty()) fuera[0] = true;
  for (const Excluida& e : excluidas) {
    if (e.posicion >= 0 && static_cast<std::size_t>(e.posicion) < fuera.size())
      fuera[static_cast<std::size_t>(e.posicion)] = true;
    if (e.columna)
      for (std::size_t p = 0; p < columnas.size(); ++p)
        if (columnas[p].name == e.columna) fuera[p] = true;
  }
  return fuera;
}

// The names of the destination columns whose values differ.
std::vector<std::string> Distintas(const fb::Row& origen, const fb::Row& destino,
                                   const fb::Columns& columnas, const std::vector<bool>& fuera,
                                   Regla regla) {
  std::vector<std::string> distintas;
  for (std::size_t p = 0; p < columnas.size() && p < destino.size(); ++p) {
    if (fuera[p]) continue;
    if (p >= origen.size() || !Iguales(origen[p], destino[p], columnas[p], regla))
      distintas.push_back(columnas[p].name);
  }
  return distintas;
}

std::string Unir(const std::vector<std::string>& partes, const char* separador) {
  std::string texto;
  for (std::size_t i = 0; i < partes.size(); ++i) texto += (i == 0 ? "" : separador) + partes[i];
  return texto;
}

std::string Relacion(const Consulta& c, const std::string& select) {
  if (!c.columnas.empty() && !c.columnas[0].relation.empty()) return c.columnas[0].relation;
  return select;
}

// The rows of one detail table, matched whole where they are equal (the
// destination's order need not be the origin's); the rows left over are
// paired in order and their differing columns named.
void CompararFilas(const std::string& tabla, const Consulta& origen, const Consulta& destino,
                   std::span<const Excluida> excluidas, bool posicionCero, Regla regla,
                   std::vector<std::string>& detalle) {
  const auto fuera = Fuera(excluidas, destino.columnas, posicionCero);
  std::vector<bool> usada(destino.filas.size(), false);
  std::vector<std::size_t> sobranOrigen;
  for (std::size_t i = 0; i < origen.filas.size(); ++i) {
    bool hallada = false;
    for (std::size_t j = 0; j < destino.filas.size() && !hallada; ++j) {
      if (usada[j]) continue;
      if (Distintas(origen.filas[i], destino.filas[j], destino.columnas, fuera, regla).empty())
        usada[j] = hallada = true;
    }
    if (!hallada) sobranOrigen.push_back(i);
  }
  std::vector<std::size_t> sobranDestino;
  for (std::size_t j = 0; j < destino.filas.size(); ++j)
    if (!usada[j]) sobranDestino.push_back(j);

  if (origen.filas.size() != destino.filas.size())
    detalle.push_back(tabla + ": " + std::to_string(origen.filas.size()) + " filas en origen, " +
                      std::to_string(destino.filas.size()) + " en destino");
  for (std::size_t k = 0; k < sobranOrigen.size() && k < sobranDestino.size(); ++k)
    detalle.push_back(tabla + " fila " + std::to_string(sobranOrigen[k] + 1) + ": " +
                      Unir(Distintas(origen.filas[sobranOrigen[k]], destino.filas[sobranDestino[k]],
                                     destino.columnas, fuera, regla),
                           ", "));
}

}  // namespace

Consulta Leer(fb::Transaction& t, const std::string& select) {
  fb::Statement sentencia(t, select);
  Consulta c;
  c.columnas = sentencia.columns();
  c.filas = sentencia.open(t).fetchAll();
  return c;
}

DocumentoVerificado Verificado(EstadoVerificacion estado, std::vector<std::string> detalle) {
  DocumentoVerificado d;
  d.estado = estado;
  d.detalle = std::move(detalle);
  return d;
}

DocumentoVerificado PorDiferencias(std::vector<std::string> detalle) {
  const Estado estado = detalle.empty() ? Estado::Igual : Estado::Diferente;
  return Verificado(estado, std::move(detalle));
}

std::vector<std::string> ColumnasDistintas(const fb::Row& origen, const fb::Row& destino,
                                           const fb::Columns& columnas,
                                           std::span<const Excluida> excluidas, bool posicionCero,
                                           Regla regla) {
  return Distintas(origen, destino, columnas, Fuera(excluidas, columnas, posicionCero), regla);
}

std::string UnirColumnas(const std::vector<std::string>& columnas) { return Unir(columnas, ", "); }

namespace {

DocumentoVerificado Resultado(Estado estado, std::vector<std::string> detalle = {}) {
  return Verificado(estado, std::move(detalle));
}

std::string Texto(const fb::Row& auditoria, std::size_t posicion) {
  return auditoria.at(posicion).toString();
}

std::string BusquedaDocumento(const DescriptorDocumento& d, const fb::Row& auditoria,
                              const fb::Row* encabezado) {
  if (d.busquedaCodigo) return d.busquedaCodigo(d, auditoria, encabezado);
  const auto partido = PartirCodigo(Texto(auditoria, auditoria::AUDI_COD), d.largoNumero);
  return d.busqueda + Citar(partido.prefijo) + d.clausulaNumero + Citar(partido.numero);
}

}  // namespace

std::string NombreTabla(const Consulta& c, const std::string& select) { return Relacion(c, select); }

DocumentoVerificado VerificarDocumento(LadosVerificacion& l, const DescriptorDocumento& d, const fb::Row& a) {
  const std::string operacion = Texto(a, auditoria::AUDI_OPER);
  if (operacion == "D") {
    // Deleted online: only its absence is compared.
    return VerificarAusencia(l, BusquedaDocumento(d, a, nullptr));
  }
  if (operacion == "A" && d.columnaAnulado) {
    // Voided online: only the voided column is compared.
    const Consulta destino = Leer(l.destino, BusquedaDocumento(d, a, nullptr));
    if (destino.filas.empty()) return Resultado(Estado::AusenteEnDestino);
    for (std::size_t p = 0; p < destino.columnas.size(); ++p)
      if (destino.columnas[p].name == d.columnaAnulado)
        return destino.filas[0].at(p).toString() == "S" ? Resultado(Estado::Igual)
                                                        : Resultado(Estado::Diferente, {d.columnaAnulado});
    return Resultado(Estado::Diferente, {d.columnaAnulado});
  }

  if (a.at(auditoria::AUDI_IDDOC).isNull()) return Resultado(Estado::SinCopia, {"sin AUDI_IDDOC"});
  const std::string iddoc = Texto(a, auditoria::AUDI_IDDOC);
  const Consulta origen = Leer(l.origen, d.seleccionEncabezado + iddoc);
  if (origen.filas.empty()) return Resultado(Estado::SinCopia, {"ausente en origen"});
  const fb::Row& encabezado = origen.filas[0];
  if (d.posicionFecha >= 0 &&
      encabezado.at(static_cast<std::size_t>(d.posicionFecha)).toString() < l.fechaBloqueo)
    return Resultado(Estado::Retenido, {"anterior a " + l.fechaBloqueo});

  const Consulta destino = Leer(l.destino, BusquedaDocumento(d, a, &encabezado));
  if (destino.filas.empty()) return Resultado(Estado::AusenteEnDestino);

  std::vector<std::string> detalle =
      Distintas(encabezado, destino.filas[0], destino.columnas,
                Fuera(d.excluidas, destino.columnas, true),
                d.reglaEncabezado ? Regla::PuntoFijo : Regla::Exacta);
  const std::string idDestino = destino.filas[0].at(0).toString();
  for (const TablaDetalle& t : d.detalles) {
    const Consulta filasOrigen = Leer(l.origen, t.seleccionOrigen + iddoc + t.orden);
    const std::string select = t.seleccionDestino + idDestino;
    const Consulta filasDestino = Leer(l.destino, select);
    CompararFilas(Relacion(filasDestino, select), filasOrigen, filasDestino, t.excluidas, true,
                  Regla::PuntoFijo, detalle);
  }
  // An existing document that the run omits keeps what it had.
  if (!detalle.empty() && !l.reemplazar) return Resultado(Estado::Omitido, std::move(detalle));
  return PorDiferencias(std::move(detalle));
}

DocumentoVerificado VerificarFilaMaestra(LadosVerificacion& l, const std::string& seleccionOrigen,
                                         const std::string& seleccionDestino, Regla regla) {
  const Consulta origen = Leer(l.origen, seleccionOrigen);
  if (origen.filas.empty()) return Resultado(Estado::SinCopia, {"ausente en origen"});
  const Consulta destino = Leer(l.destino, seleccionDestino);
  if (destino.filas.empty()) return Resultado(Estado::AusenteEnDestino);
  return PorDiferencias(
      ColumnasDistintas(origen.filas[0], destino.filas[0], destino.columnas, {}, false, regla));
}

DocumentoVerificado VerificarAusencia(LadosVerificacion& l, const std::string& seleccionDestino) {
  if (Leer(l.destino, seleccionDestino).filas.empty()) return Resultado(Estado::Igual);
  return Resultado(Estado::Diferente, {"presente en destino"});
}

DocumentoVerificado VerificarMaestro(LadosVerificacion& l, const DescriptorMaestro& d,
                                     const fb::Row& a) {
  const std::string clave = d.clave(Texto(a, auditoria::AUDI_COD));
  // An update without the rule, an insert with it: the destination holds one.
  return VerificarFilaMaestra(l, d.seleccionOrigen + clave, d.seleccionDestino + clave,
                              d.reglaEnEdicion ? Regla::PuntoFijo : Regla::Cualquiera);
}

namespace {

bool Marcado(const ListaTipos& tipos, std::int64_t tidoCod) {
  for (const auto& t : tipos)
    if (t.TIDO_COD == tidoCod) return t.F_1 == "S";
  return false;
}

// Which document an audit row speaks of.
std::string Clave(const TablaVerificacion& tabla, const fb::Row& a) {
  const std::string tido = Texto(a, auditoria::TIDO_COD);
  const bool porId = !a.at(auditoria::TIDO_COD).isNull() &&
                     std::count(tabla.porIdentificador.begin(), tabla.porIdentificador.end(),
                                a.at(auditoria::TIDO_COD).asInteger()) > 0;
  const char separador = '\x1f';
  if (porId) return tido + separador + Texto(a, auditoria::AUDI_IDDOC);
  return tido + separador + Texto(a, auditoria::AUDI_TICO) + separador + Texto(a, auditoria::AUDI_COD);
}

// The order in which the run reads audit rows, AUDI_ID settling a tie.
using Momento = std::tuple<std::string, std::string, std::int64_t>;
Momento MomentoDe(const fb::Row& a) {
  const fb::Value& id = a.at(auditoria::AUDI_ID);
  return {Texto(a, auditoria::AUDI_FECHA), Texto(a, auditoria::AUDI_HORA),
          id.isNull() ? 0 : ComoEntero(id)};
}

fb::ConnectParams Parametros(const std::string& base, const Credenciales& c) {
  return {base, c.Usuario, DescifrarClave(c.ClaveCifrada), ""};
}

}  // namespace

ResultadoVerificacion Verificar(const Sesion& sesion, const OpcionesEnvio& opciones,
                                Operador& operador, const TablaVerificacion& tabla) {
  if (!opciones.EnLinea)
    throw std::logic_error("the verification compares with the destination company: online only");
  fb::Attachment baseOrigen = fb::Attachment::attach(
      Parametros(BaseCompania(sesion.CredOrigen.Servidor, opciones.CompaniaOrigen), sesion.CredOrigen));
  fb::Attachment baseDestino = fb::Attachment::attach(Parametros(
      BaseCompania(sesion.CredDestino.Servidor, opciones.CompaniaDestino), sesion.CredDestino));
  fb::Transaction origen(baseOrigen, fb::Isolation::ReadOnlySnapshot);
  fb::Transaction destino(baseDestino, fb::Isolation::ReadOnlySnapshot);

  // The run's selection by date range, whatever AUDI_ENVIO.
  OpcionesEnvio seleccion = opciones;
  seleccion.TodoLoNoEnviado = false;
  if (!seleccion.FechaDesde || !seleccion.FechaHasta) {
    seleccion.FechaDesde = fb::Date{1, 1, 1};
    seleccion.FechaHasta = fb::Date{9999, 12, 31};
  }
  const Consulta auditoria = Leer(origen, TextoSeleccionAuditoria(seleccion, operador));

  const Consulta bloqueo = Leer(
      destino,
      "select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' "
      "and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'");
  LadosVerificacion lado{origen, destino, opciones.Reemplazar,
            bloqueo.filas.empty() ? std::string() : bloqueo.filas[0].at(0).toString()};

  const RangoCodigo rango = CalcularRango(opciones);

  // Each document's last sent audit row, in the order documents first appear.
  std::vector<std::string> orden;
  std::map<std::string, const fb::Row*> ultima;
  for (const fb::Row& a : auditoria.filas) {
    if (a.at(auditoria::TIDO_COD).isNull()) continue;
    const std::int64_t tido = a.at(auditoria::TIDO_COD).asInteger();
    if (!Marcado(opciones.Ctipodoc, tido)) continue;
    if (tido < 100 && !EnRango(rango, Texto(a, auditoria::AUDI_COD))) continue;
    if (Texto(a, auditoria::AUDI_ENVIO) != "S") continue;
    if (!tabla.porTipo.contains(static_cast<int>(tido))) continue;  // nothing is written for it
    const std::string clave = Clave(tabla, a);
    if (!ultima.contains(clave)) orden.push_back(clave);
    ultima[clave] = &a;
  }

  // The latest unsent audit row of each document, of any date.
  std::map<std::string, Momento> sinEnviar;
  for (const fb::Row& a : Leer(origen, "select * from auditoria where audi_envio = 'N'").filas) {
    if (a.at(auditoria::TIDO_COD).isNull()) continue;
    const std::string clave = Clave(tabla, a);
    const Momento m = MomentoDe(a);
    const auto it = sinEnviar.find(clave);
    if (it == sinEnviar.end() || it->second < m) sinEnviar[clave] = m;
  }

  ResultadoVerificacion resultado;
  for (const std::string& clave : orden) {
    const fb::Row& a = *ultima.at(clave);
    const int tido = static_cast<int>(a.at(auditoria::TIDO_COD).asInteger());
    DocumentoVerificado documento;
    const auto pendiente = sinEnviar.find(clave);
    if (pendiente != sinEnviar.end() && MomentoDe(a) < pendiente->second)
      documento = Resultado(Estado::Pendiente, {"fila de auditoría posterior sin enviar"});
    else
      documento = tabla.porTipo.at(tido)(lado, a);
    documento.tidoCod = tido;
    documento.codigo = Texto(a, auditoria::AUDI_COD);
    documento.tico = Texto(a, auditoria::AUDI_TICO);
    documento.iddoc = Texto(a, auditoria::AUDI_IDDOC);
    resultado.documentos.push_back(std::move(documento));
  }
  origen.commit();
  destino.commit();
  return resultado;
}

}  // namespace norvane
