#include "engine/families/Familias.h"

#include "engine/families/Catalogos.h"
#include "engine/families/Comprobantes.h"
#include "engine/families/CuentasArticulos.h"
#include "engine/families/DocumentosBancarios.h"
#include "engine/families/DocumentosConReferencias.h"
#include "engine/families/DocumentosEstandar.h"
#include "engine/families/Egresos.h"
#include "engine/families/Interfaz.h"
#include "engine/families/NotasAplicacionesAnticipos.h"
#include "engine/families/Tesoreria.h"

namespace norvane {

Despacho DespachoCompleto() {
  Despacho despacho;
  RegistrarDocumentosEstandar(despacho);
  RegistrarDocumentosConReferencias(despacho);
  RegistrarNotasAplicacionesAnticipos(despacho);
  RegistrarTesoreria(despacho);
  RegistrarEgresos(despacho);
  RegistrarComprobantes(despacho);
  RegistrarDocumentosBancarios(despacho);
  RegistrarCuentasArticulos(despacho);
  RegistrarCatalogos(despacho);
  RegistrarInterfaz(despacho);
  return despacho;
}

std::vector<const DescriptorDocumento*> DescriptoresDocumento() {
  std::vector<const DescriptorDocumento*> todos;
  for (const auto tabla : {DescriptoresDocumentosEstandar(), DescriptoresDocumentosConReferencias(),
                           DescriptoresNotasAplicacionesAnticipos(), DescriptoresTesoreria(),
                           DescriptoresEgresos(), DescriptoresDocumentosBancarios()})
    for (const auto& d : tabla) todos.push_back(&d);
  return todos;
}

}  // namespace norvane
