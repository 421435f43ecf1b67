#include "engine/SeleccionAuditoria.h"

#include <stdexcept>

#include "instalacion/Operador.h"
#include "engine/TextoSql.h"

namespace norvane {

namespace {

bool Marcado(const ListaTipos& tipos, int tidoCod) {
  for (const auto& t : tipos)
    if (t.TIDO_COD == tidoCod) return t.F_1 == "S";
  return false;
}

}  // namespace

std::string TextoSeleccionAuditoria(const OpcionesEnvio& o, Operador& operador) {
  if (o.TodoLoNoEnviado)
    return "select * from auditoria where audi_envio = 'N' order by audi_fecha, audi_hora";

  if (!o.FechaDesde || !o.FechaHasta)
    throw std::runtime_error("Debe indicar las fechas inicial y final del rango.");
  std::string texto = "select * from auditoria where audi_fecha >= " +
                      Citar(fb::toString(*o.FechaDesde)) + " and audi_fecha <= " +
                      Citar(fb::toString(*o.FechaHasta));

  bool alguno = false;
  for (const auto& t : o.Ctipodoc) {
    if (t.F_1 != "S") continue;
    texto += alguno ? " or " : " and (";
    texto += " (tido_cod = " + std::to_string(t.TIDO_COD) + ")";
    alguno = true;
  }
  if (alguno)
    texto += ")";
  else
    operador.Mensaje("Debe marcar al menos un tipo de documento.");

  if (Marcado(o.Ctipodoc, 1) && !o.TipoComprobante.empty())
    texto += " and AUDI_TICO = " + Citar(o.TipoComprobante);

  // The typed bounds are quoted: the operator's input never becomes SQL.
  if (!o.Prefijo.empty() && !o.NumeroDesde.empty() && !o.NumeroHasta.empty())
    texto += " and audi_cod >= " + Citar(o.Prefijo + o.NumeroDesde) +
             " and audi_cod <= " + Citar(o.Prefijo + o.NumeroHasta);

  return texto + " order by audi_fecha, audi_hora";
}

RangoCodigo CalcularRango(const OpcionesEnvio& o) {
  if (o.Prefijo.empty()) return {"00000000", "zzzz99999999"};
  return {o.Prefijo + (o.NumeroDesde.empty() ? "00000000" : o.NumeroDesde),
          o.Prefijo + (o.NumeroHasta.empty() ? "99999999" : o.NumeroHasta)};
}

namespace {

// Byte-wise as unsigned values; a proper beginning is the smaller.
int Comparar(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

bool EnRango(const RangoCodigo& rango, std::string_view codigo) {
  return Comparar(rango.CodigoDesde, codigo) <= 0 && Comparar(codigo, rango.CodigoHasta) <= 0;
}

}  // namespace norvane
