#include "demo/DatosDemo.h"

#include "demo/Documentos.h"
#include "demo/Maestros.h"
#include "demo/Muestra.h"

namespace norvane::demo {

void LlenarCompanias(fb::Attachment& origen, fb::Attachment& destino, int documentos,
                     unsigned semilla) {
  Muestra muestra(origen, destino, documentos, semilla);
  LlenarMaestros(muestra);
  LlenarDocumentos(muestra);
  muestra.auditoria.Escribir(muestra.origen, kCompaniaDestino);
  muestra.origen.Confirmar();
  muestra.destino.Confirmar();
}

}  // namespace norvane::demo
