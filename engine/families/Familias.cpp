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

TablaVerificacion VerificacionCompleta() {
  TablaVerificacion t;
  auto documento = [&t](const DescriptorDocumento* d) {
    t.porTipo[d->tidoCod] = [d](LadosVerificacion& l, const fb::Row& a) {
      return VerificarDocumento(l, *d, a);
    };
  };
  for (const DescriptorDocumento* d : DescriptoresDocumento()) documento(d);
  documento(&DescriptorComprobante());
  for (const auto tabla : {DescriptoresCuentasArticulos(), DescriptoresCatalogosComerciales()})
    for (const DescriptorMaestro& d : tabla)
      t.porTipo[d.tidoCod] = [&d](LadosVerificacion& l, const fb::Row& a) {
        return VerificarMaestro(l, d, a);
      };
  for (const Catalogo& k : Catalogos())
    t.porTipo[k.tidoCod] = [&k](LadosVerificacion& l, const fb::Row& a) {
      return VerificarCatalogo(l, k, a);
    };
  for (const SubtablaArticulo& s : SubtablasArticulo())
    t.porTipo[s.tidoCod] = [&s](LadosVerificacion& l, const fb::Row& a) {
      return VerificarSubtablaArticulo(l, s, a);
    };
  for (const DefinicionInterfaz& d : DefinicionesInterfaz()) {
    t.porTipo[d.tidoCod] = [&d](LadosVerificacion& l, const fb::Row& a) {
      return VerificarInterfaz(l, d, a);
    };
    t.porIdentificador.push_back(d.tidoCod);
  }
  return t;
}

}  // namespace norvane
