#include "engine/EnviarDocumento.h"

#include "engine/ContextoEnvio.h"
#include "engine/Referencias.h"
#include "engine/TextoSql.h"
#include "engine/ValorDestino.h"

namespace norvane {

CodigoPartido PartirCodigo(std::string_view codigo, int largoNumero) {
  const auto n = static_cast<std::size_t>(largoNumero);
  if (codigo.size() <= n) return {"", std::string(codigo)};
  return {std::string(codigo.substr(0, codigo.size() - n)),
          std::string(codigo.substr(codigo.size() - n))};
}

namespace {

bool EsCero(const fb::Value& v) {
  switch (v.kind()) {
    case fb::Value::Kind::Integer: return v.asInteger() == 0;
    case fb::Value::Kind::Decimal: return v.asDecimal().value == 0;
    case fb::Value::Kind::Double: return v.asDouble() == 0.0;
    default: return false;  // a null is not 0
  }
}

std::string Busqueda(const char* texto, const char* clausula, const CodigoPartido& codigo) {
  return texto + Citar(codigo.prefijo) + clausula + Citar(codigo.numero);
}

// Online, a new return points to the destination's copy of its invoice, or
// to none when that invoice is not there.
void ResolverFactura(ContextoEnvio& c, const ReferenciaFactura& r) {
  fb::Row& fila = c.CDestino.Pendiente();
  const auto id = static_cast<std::size_t>(r.posicionId);
  const auto codigo = static_cast<std::size_t>(r.posicionCodigo);
  if (EsCero(fila.at(id))) return;
  // Without a code the invoice cannot be found at the destination.
  if (fila.at(codigo).isNull()) {
    fila[id] = 0;
    return;
  }
  const auto partido = PartirCodigo(fila[codigo].toString(), r.largoNumero);
  c.AbrirDestino(c.CIdfact, Busqueda(r.busqueda, r.clausulaNumero, partido));
  fila[id] = c.CIdfact.Vacio() ? fb::Value(0) : c.CIdfact.Fila().at(0);
  c.CIdfact.Cerrar();
}

void EnviarDetalle(ContextoEnvio& c, const TablaDetalle& t) {
  const std::string id = std::to_string(c.fila.NuevoId);
  c.QCopiadet.Abrir(t.seleccionOrigen + c.AUDI_IDDOC() + t.orden);
  c.AbrirDestino(t.seleccionDestino + id);
  auto nuevaFila = [&] {
    c.CopiarFila(c.QCopiadet);
    c.CDestino.Asignar(0, c.fila.NuevoId);
    if (t.columnaEnCero >= 0) c.CDestino.Asignar(static_cast<std::size_t>(t.columnaEnCero), 0);
    if (t.referencia) ResolverReferenciaDetalle(c, *t.referencia);
  };
  if (t.aplicarJuntas) {
    // All the rows or none: one apply after the last.
    for (c.QCopiadet.Primero(); !c.QCopiadet.Eof(); c.QCopiadet.Siguiente()) {
      nuevaFila();
      c.CDestino.Publicar();
    }
    c.AplicarDestino();
  } else {
    for (c.QCopiadet.Primero(); !c.fila.HuboError && !c.QCopiadet.Eof(); c.QCopiadet.Siguiente()) {
      nuevaFila();
      c.AplicarDestino();
    }
  }
  c.CDestino.Cerrar();
  c.QCopiadet.Cerrar();
}

}  // namespace

void EnviarDetalles(ContextoEnvio& c, std::span<const TablaDetalle> tablas) {
  // A table after a failed one is not even read at the origin.
  for (const auto& t : tablas) {
    if (c.fila.HuboError) return;
    EnviarDetalle(c, t);
  }
}

void EnviarDocumento(ContextoEnvio& c, const DescriptorDocumento& d) {
  const std::string busqueda =
      d.busquedaPropia ? d.busquedaPropia(c, d)
                       : Busqueda(d.busqueda, d.clausulaNumero, PartirCodigo(c.AUDI_COD(), d.largoNumero));
  const std::string operacion = c.AUDI_OPER();

  if (operacion == "D" || operacion == "A") {
    // The transfer file only gathers documents: it carries no delete or void.
    if (!c.banderas.EnLinea) {
      c.fila.decision = Decision::SinEfectoFueraDeLinea;
      return;
    }
    c.AbrirDestino(busqueda);
    if (c.CDestino.Vacio()) {
      c.fila.decision = Decision::AusenteEnDestino;
      return;
    }
    if (operacion == "D") {
      c.fila.decision = Decision::Borrar;
      c.CDestino.Borrar();
    } else {
      c.fila.decision = Decision::Anular;
      c.CDestino.Editar();
      c.CDestino.Asignar(c.CDestino.Posicion(d.columnaAnulado), "S");
    }
    c.AplicarDestino();
    return;
  }

  c.QCopia.Abrir(d.seleccionEncabezado + c.AUDI_IDDOC());
  c.fila.NuevoId = 0;
  if (c.QCopia.Vacio()) {
    c.fila.decision = Decision::AusenteEnOrigen;
    c.QCopia.Cerrar();
    return;
  }
  c.AbrirDestino(busqueda);
  if (c.CDestino.Vacio()) {
    c.fila.decision = Decision::Nuevo;
    c.CopiarFila(c.QCopia);
    if (c.banderas.EnLinea) {
      // Without a fresh identifier the document would be written under the
      // origin's, or its details under 0: the row fails and nothing is written.
      if (!c.AsignarId(d.vistaId)) {
        c.fila.HuboError = true;
        c.CDestino.Cerrar();
        c.QCopia.Cerrar();
        return;
      }
      if (d.referenciaFactura) ResolverFactura(c, *d.referenciaFactura);
    }
    if (d.referenciaEncabezado) ResolverReferenciaEncabezado(c, *d.referenciaEncabezado);
    if (d.implicada) c.CDestino.Asignar(c.CDestino.Posicion(d.implicada->nombre), d.implicada->alInsertar);
    c.AplicarDestino();
    if (!c.fila.HuboError) {
      if (!c.banderas.EnLinea) c.fila.NuevoId = ComoEntero(c.CDestino.Fila().at(0));
      c.fila.EncabezadoInsertado = true;
    }
  } else if (!c.banderas.Reemplazar) {
    c.fila.decision = Decision::Omitir;
  } else {
    c.fila.decision = Decision::Reemplazar;
    const fb::Value existente = c.CDestino.Fila().at(0);
    for (const auto& t : d.detalles) c.EjecutarDestino(t.borrado + existente.toString());
    c.fila.NuevoId = ComoEntero(existente);
    c.CopiarSobreActual(c.QCopia, 1);
    // The invoice reference of a replaced return stays as the destination has it.
    if (d.referenciaFactura) {
      const auto id = static_cast<std::size_t>(d.referenciaFactura->posicionId);
      c.CDestino.Asignar(id, c.CDestino.Fila().at(id));
    }
    // Unlike the invoice reference, an advance's is looked up again.
    if (d.referenciaEncabezado) ResolverReferenciaEncabezado(c, *d.referenciaEncabezado);
    if (d.implicada)
      c.CDestino.Asignar(c.CDestino.Posicion(d.implicada->nombre), d.implicada->alReemplazar);
    c.AplicarDestino();
    if (!c.fila.HuboError) c.fila.EncabezadoInsertado = true;
  }
  c.CDestino.Cerrar();

  // A failed detail row fails the audit row, whose rollback takes the header
  // and the earlier rows with it.
  if (c.fila.EncabezadoInsertado) EnviarDetalles(c, d.detalles);
  if (d.procedimientoCierre && c.fila.EncabezadoInsertado && !c.fila.HuboError)
    c.EjecutarDestino(d.procedimientoCierre + std::to_string(c.fila.NuevoId) + ",NULL,NULL)");
  c.QCopia.Cerrar();
}

}  // namespace norvane
