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

bool EnRango(const RangoCodigo& rango, std::string_view codigo) {
  // string_view compares as char_traits<char> does: byte by byte as unsigned
  // values, a proper beginning being the smaller.
  return std::string_view(rango.CodigoDesde).compare(codigo) <= 0 &&
         codigo.compare(rango.CodigoHasta) <= 0;
}

}  // namespace norvane
