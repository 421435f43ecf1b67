#include "engine/Verificacion.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <tuple>

#include "engine/ContextoEnvio.h"
#include "engine/CopiarMaestro.h"
#include "engine/DescriptorDocumento.h"
#include "engine/EnviarDocumento.h"
#include "engine/SeleccionAuditoria.h"
#include "engine/Sesion.h"
#include "engine/TextoSql.h"
#include "engine/ValorDestino.h"
#include "engine/families/Catalogos.h"
#include "engine/families/Comprobantes.h"
#include "engine/families/CuentasArticulos.h"
#include "engine/families/Familias.h"
#include "engine/families/Interfaz.h"
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

// How a copied value is expected at the destination.
enum class Regla {
  Exacta,      // converted to the destination column's type, unchanged
  PuntoFijo,   // a fixed-point column takes four decimals, a null 0
  Cualquiera,  // either of the two (an update exact, an insert by the rule)
};

struct Consulta {
  fb::Columns columnas;
  std::vector<fb::Row> filas;
};

Consulta Leer(fb::Transaction& t, const std::string& select) {
  fb::Statement sentencia(t, select);
  Consulta c;
  c.columnas = sentencia.columns();
  c.filas = sentencia.open(t).fetchAll();
  return c;
}

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

std::string NombreTabla(const Consulta& c, const std::string& select) {
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

// What the verification reads, and the run's choices it judges by.
struct Lado {
  fb::Transaction& origen;
  fb::Transaction& destino;
  bool reemplazar;
  std::string fechaBloqueo;
};

DocumentoVerificado Resultado(Estado estado, std::vector<std::string> detalle = {}) {
  DocumentoVerificado d;
  d.estado = estado;
  d.detalle = std::move(detalle);
  return d;
}

// Differences of something the run copies whatever was there: none is equal.
DocumentoVerificado PorDiferencias(std::vector<std::string> detalle) {
  const Estado estado = detalle.empty() ? Estado::Igual : Estado::Diferente;
  return Resultado(estado, std::move(detalle));
}

std::string Texto(const fb::Row& auditoria, std::size_t posicion) {
  return auditoria.at(posicion).toString();
}

// ---- Documents: header and detail tables, found by code ----

std::string BusquedaDocumento(const DescriptorDocumento& d, const fb::Row& auditoria,
                              const fb::Row* encabezado) {
  if (d.busquedaCodigo) return d.busquedaCodigo(d, auditoria, encabezado);
  const auto partido = PartirCodigo(Texto(auditoria, auditoria::AUDI_COD), d.largoNumero);
  return d.busqueda + Citar(partido.prefijo) + d.clausulaNumero + Citar(partido.numero);
}

DocumentoVerificado VerificarDocumento(Lado& l, const DescriptorDocumento& d, const fb::Row& a) {
  const std::string operacion = Texto(a, auditoria::AUDI_OPER);
  if (operacion == "D") {
    // Deleted online: only its absence is compared.
    if (Leer(l.destino, BusquedaDocumento(d, a, nullptr)).filas.empty()) return Resultado(Estado::Igual);
    return Resultado(Estado::Diferente, {"presente en destino"});
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
    CompararFilas(NombreTabla(filasDestino, select), filasOrigen, filasDestino, t.excluidas, true,
                  Regla::PuntoFijo, detalle);
  }
  // An existing document that the run omits keeps what it had.
  if (!detalle.empty() && !l.reemplazar) return Resultado(Estado::Omitido, std::move(detalle));
  return PorDiferencias(std::move(detalle));
}

// ---- Master rows: found by key, position 0 included ----

// One master row by its two selects; `etiqueta` prefixes the columns named.
std::optional<Estado> CompararMaestro(Lado& l, const std::string& seleccionOrigen,
                                      const std::string& seleccionDestino, Regla regla,
                                      const std::string& etiqueta, std::vector<std::string>& detalle) {
  const Consulta origen = Leer(l.origen, seleccionOrigen);
  if (origen.filas.empty()) return Estado::SinCopia;
  const Consulta destino = Leer(l.destino, seleccionDestino);
  if (destino.filas.empty()) return Estado::AusenteEnDestino;
  for (const auto& columna : Distintas(origen.filas[0], destino.filas[0], destino.columnas,
                                       Fuera({}, destino.columnas, false), regla))
    detalle.push_back(etiqueta + columna);
  return std::nullopt;
}

DocumentoVerificado MaestroSimple(Lado& l, const std::string& seleccionOrigen,
                                  const std::string& seleccionDestino, Regla regla) {
  std::vector<std::string> detalle;
  if (const auto estado = CompararMaestro(l, seleccionOrigen, seleccionDestino, regla, "", detalle))
    return *estado == Estado::SinCopia ? Resultado(*estado, {"ausente en origen"}) : Resultado(*estado);
  return PorDiferencias(std::move(detalle));
}

DocumentoVerificado VerificarMaestro(Lado& l, const DescriptorMaestro& d, const fb::Row& a) {
  const std::string clave = d.clave(Texto(a, auditoria::AUDI_COD));
  // An update without the rule, an insert with it: the destination holds one.
  return MaestroSimple(l, d.seleccionOrigen + clave, d.seleccionDestino + clave,
                       d.reglaEnEdicion ? Regla::PuntoFijo : Regla::Cualquiera);
}

DocumentoVerificado VerificarCatalogo(Lado& l, const Catalogo& k, const fb::Row& a) {
  const auto cola = ColaClave(Texto(a, auditoria::AUDI_COD), k.clausulas);
  if (!cola) return Resultado(Estado::SinCopia, {"clave incompleta"});
  if (Texto(a, auditoria::AUDI_OPER) == "D") {
    if (Leer(l.destino, k.seleccionDestino + *cola).filas.empty()) return Resultado(Estado::Igual);
    return Resultado(Estado::Diferente, {"presente en destino"});
  }
  return MaestroSimple(l, k.seleccionOrigen + *cola, k.seleccionDestino + *cola, Regla::PuntoFijo);
}

DocumentoVerificado VerificarSubtabla(Lado& l, const SubtablaArticulo& s, const fb::Row& a) {
  const std::string articulo = Citar(Texto(a, auditoria::AUDI_COD));
  const std::string seleccionOrigen = s.seleccionOrigen + articulo;
  const Consulta origen = Leer(l.origen, seleccionOrigen);
  if (origen.filas.empty()) {
    // Online, a "D" row empties the article's rows first: none may be left.
    if (s.borrado && Texto(a, auditoria::AUDI_OPER) == "D") {
      if (Leer(l.destino, s.seleccionDestino + articulo).filas.empty()) return Resultado(Estado::Igual);
      return Resultado(Estado::Diferente, {"presente en destino"});
    }
    return Resultado(Estado::SinCopia, {"sin filas en origen"});
  }
  std::vector<std::string> detalle;
  if (!s.segunda) {
    // Every origin row is written over the one row the article finds: the
    // destination holds the last.
    const std::string select = s.seleccionDestino + articulo;
    const Consulta destino = Leer(l.destino, select);
    if (destino.filas.empty()) return Resultado(Estado::AusenteEnDestino);
    for (const auto& columna : Distintas(origen.filas.back(), destino.filas[0], destino.columnas,
                                         Fuera({}, destino.columnas, false), Regla::PuntoFijo))
      detalle.push_back(columna);
    return PorDiferencias(std::move(detalle));
  }
  std::size_t ausentes = 0;
  for (std::size_t i = 0; i < origen.filas.size(); ++i) {
    const fb::Value& valor = origen.filas[i].at(static_cast<std::size_t>(s.segunda->posicion));
    const std::string select = s.seleccionDestino + articulo + s.segunda->clausula +
                               (s.segunda->citada ? Citar(valor.toString()) : valor.toString());
    const Consulta destino = Leer(l.destino, select);
    const std::string etiqueta = NombreTabla(destino, select) + " " + valor.toString();
    if (destino.filas.empty()) {
      ++ausentes;
      detalle.push_back(etiqueta + ": ausente en destino");
      continue;
    }
    const auto distintas = Distintas(origen.filas[i], destino.filas[0], destino.columnas,
                                     Fuera({}, destino.columnas, false), Regla::PuntoFijo);
    if (!distintas.empty()) detalle.push_back(etiqueta + ": " + Unir(distintas, ", "));
  }
  if (ausentes == origen.filas.size()) return Resultado(Estado::AusenteEnDestino);
  return PorDiferencias(std::move(detalle));
}

DocumentoVerificado VerificarInterfaz(Lado& l, const DefinicionInterfaz& d, const fb::Row& a) {
  if (a.at(auditoria::AUDI_IDDOC).isNull()) return Resultado(Estado::SinCopia, {"sin AUDI_IDDOC"});
  const std::string id = Texto(a, auditoria::AUDI_IDDOC);
  std::vector<std::string> detalle;
  if (const auto estado = CompararMaestro(l, d.seleccionOrigen + id, d.seleccionDestino + id,
                                          Regla::PuntoFijo, "", detalle))
    return *estado == Estado::SinCopia ? Resultado(*estado, {"ausente en origen"}) : Resultado(*estado);
  // The account rows by their item; those only the destination has stay.
  const Consulta cuentas = Leer(l.origen, d.cuentasOrigen + id);
  for (const fb::Row& fila : cuentas.filas) {
    const std::string item = fila.at(1).toString();
    const std::string select = d.cuentasDestino + id + d.clausulaItem + item;
    const Consulta destino = Leer(l.destino, select);
    const std::string etiqueta = NombreTabla(destino, select) + " item " + item;
    if (destino.filas.empty()) {
      detalle.push_back(etiqueta + ": ausente en destino");
      continue;
    }
    const auto distintas = Distintas(fila, destino.filas[0], destino.columnas,
                                     Fuera({}, destino.columnas, false), Regla::PuntoFijo);
    if (!distintas.empty()) detalle.push_back(etiqueta + ": " + Unir(distintas, ", "));
  }
  return PorDiferencias(std::move(detalle));
}

// ---- The families' tables, by type ----

using Verificador = std::function<DocumentoVerificado(Lado&, const fb::Row&)>;

struct Tabla {
  std::map<int, Verificador> porTipo;
  std::vector<int> porIdentificador;  // types whose rows are one by AUDI_IDDOC, not by code
};

Tabla TablaDeVerificacion() {
  Tabla t;
  auto documento = [&](const DescriptorDocumento* d) {
    t.porTipo[d->tidoCod] = [d](Lado& l, const fb::Row& a) { return VerificarDocumento(l, *d, a); };
  };
  for (const DescriptorDocumento* d : DescriptoresDocumento()) documento(d);
  documento(&DescriptorComprobante());
  for (const auto tabla : {DescriptoresCuentasArticulos(), DescriptoresCatalogosComerciales()})
    for (const DescriptorMaestro& d : tabla)
      t.porTipo[d.tidoCod] = [&d](Lado& l, const fb::Row& a) { return VerificarMaestro(l, d, a); };
  for (const Catalogo& k : Catalogos())
    t.porTipo[k.tidoCod] = [&k](Lado& l, const fb::Row& a) { return VerificarCatalogo(l, k, a); };
  for (const SubtablaArticulo& s : SubtablasArticulo())
    t.porTipo[s.tidoCod] = [&s](Lado& l, const fb::Row& a) { return VerificarSubtabla(l, s, a); };
  for (const DefinicionInterfaz& d : DefinicionesInterfaz()) {
    t.porTipo[d.tidoCod] = [&d](Lado& l, const fb::Row& a) { return VerificarInterfaz(l, d, a); };
    t.porIdentificador.push_back(d.tidoCod);
  }
  return t;
}

bool Marcado(const ListaTipos& tipos, std::int64_t tidoCod) {
  for (const auto& t : tipos)
    if (t.TIDO_COD == tidoCod) return t.F_1 == "S";
  return false;
}

// Which document an audit row speaks of.
std::string Clave(const Tabla& tabla, const fb::Row& a) {
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
                                Operador& operador) {
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
  Lado lado{origen, destino, opciones.Reemplazar,
            bloqueo.filas.empty() ? std::string() : bloqueo.filas[0].at(0).toString()};

  const Tabla tabla = TablaDeVerificacion();
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
