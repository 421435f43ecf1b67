#include "engine/Referencias.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/ContextoEnvio.h"
#include "engine/TextoSql.h"

namespace norvane {

namespace {

// Unlike the return's invoice reference, these texts are lower case.
constexpr EntradaReferencia kCliente[] = {
    {.tipo = 31,
     .busqueda = "select fact_id from facturas where pref_pre = ",
     .clausulaNumero = " and fact_numero = "},
    {.tipo = 33,
     .busqueda = "select devt_id from devoluciones_ventas where pref_pre = ",
     .clausulaNumero = " and devt_numero = "},
    {.tipo = 41,
     .busqueda = "select ndcl_id from notas_debito_clientes where pref_pre = ",
     .clausulaNumero = " and ndcl_numero = "},
    {.tipo = 42,
     .busqueda = "select nccl_id from notas_credito_clientes where pref_pre = ",
     .clausulaNumero = " and nccl_numero = "},
    {.tipo = 45,
     .busqueda = "select ancl_id from anticipos_cliente where pref_pre = ",
     .clausulaNumero = " and ancl_numero = "},
};

constexpr EntradaReferencia kProveedor[] = {
    {.tipo = 21,
     .busqueda = "select faco_id from facturas_compra where pref_pre = ",
     .clausulaNumero = " and faco_numero = "},
    {.tipo = 24,
     .busqueda = "select dvco_id from devoluciones_compras where pref_pre = ",
     .clausulaNumero = " and dvco_numero = "},
    {.tipo = 51,
     .busqueda = "select ndpr_id from notas_debito_proveedor where pref_pre = ",
     .clausulaNumero = " and ndpr_numero = "},
    {.tipo = 52,
     .busqueda = "select ncpr_id from notas_credito_proveedor where pref_pre = ",
     .clausulaNumero = " and ncpr_numero = "},
    {.tipo = 55,
     .busqueda = "select anpr_id from anticipos_proveedor where pref_pre = ",
     .clausulaNumero = " and anpr_numero = "},
};

// The kind of the document a row names, when it is an integer at all.
std::optional<int> LeerTipo(const fb::Value& valor) {
  if (valor.kind() == fb::Value::Kind::Integer) {
    const std::int64_t tipo = valor.asInteger();
    if (tipo < INT32_MIN || tipo > INT32_MAX) return std::nullopt;
    return static_cast<int>(tipo);
  }
  if (valor.kind() == fb::Value::Kind::Text && EsEnteroLiteral(valor.asText())) {
    try {
      return std::stoi(valor.asText());
    } catch (const std::out_of_range&) {
      return std::nullopt;  // a number of no kind at all
    }
  }
  return std::nullopt;
}

}  // namespace

const TablaReferencias ReferenciasCliente{kCliente};
const TablaReferencias ReferenciasProveedor{kProveedor};

const EntradaReferencia* TablaReferencias::Buscar(int tipo) const {
  for (const auto& e : entradas)
    if (e.tipo == tipo) return &e;
  return nullptr;
}

std::optional<fb::Value> ResolverReferencia(ContextoEnvio& c, const TablaReferencias& tabla, int tipo,
                                            std::string_view prefijo, std::string_view numero) {
  const EntradaReferencia* entrada = tabla.Buscar(tipo);
  if (!entrada) return std::nullopt;
  c.AbrirDestino(c.CIdfact, entrada->busqueda + Citar(prefijo) + entrada->clausulaNumero + Citar(numero));
  std::optional<fb::Value> id;
  if (!c.CIdfact.Vacio()) id = c.CIdfact.Fila().at(0);
  c.CIdfact.Cerrar();
  return id;
}

void ResolverReferenciaDetalle(ContextoEnvio& c, const ReferenciaDetalle& r) {
  const fb::Row& fila = c.CDestino.Pendiente();
  const std::size_t receptora =
      r.columnaId ? c.CDestino.Posicion(r.columnaId) : static_cast<std::size_t>(r.posicionId);
  std::optional<fb::Value> id;
  // A row without a kind, or of a kind the table does not know, names no
  // document the destination can find: it is a reference not found.
  if (const auto tipo = LeerTipo(fila.at(static_cast<std::size_t>(r.posicionTipo))))
    id = ResolverReferencia(c, *r.tabla, *tipo, fila.at(static_cast<std::size_t>(r.posicionPrefijo)).toString(),
                            fila.at(static_cast<std::size_t>(r.posicionNumero)).toString());
  if (id && r.soloIdNoVacio && id->toString().empty()) id.reset();
  if (id)
    c.CDestino.Asignar(receptora, *id);
  else if (r.siNoEncontrada == SiNoEncontrada::Cero)
    c.CDestino.Asignar(receptora, 0);
}

void ResolverReferenciaEncabezado(ContextoEnvio& c, const ReferenciaEncabezado& r) {
  if (!c.banderas.EnLinea) return;
  const auto posicion = static_cast<std::size_t>(r.posicion);
  // The origin read writes the value without quotes: without an integer
  // there is nothing to read, and the advance goes as the origin holds it.
  const std::string valor = c.QCopia.Fila().at(posicion).toString();
  if (!EsEnteroLiteral(valor)) return;
  c.QCopiadet.Abrir(r.lecturaOrigen + valor);
  if (!c.QCopiadet.Vacio()) {
    const fb::Row& codigo = c.QCopiadet.Fila();
    c.AbrirDestino(c.CIdfact, r.busqueda + Citar(codigo.at(0).toString()) + r.clausulaNumero +
                                  Citar(codigo.at(1).toString()));
    if (!c.CIdfact.Vacio()) c.CDestino.Asignar(posicion, c.CIdfact.Fila().at(0));
    c.CIdfact.Cerrar();
  }
  c.QCopiadet.Cerrar();
}

}  // namespace norvane
