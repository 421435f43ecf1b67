#include "cli/EleccionEnvio.h"

#include <algorithm>

#include "engine/Sesion.h"

namespace norvane::cli {

namespace {

// The code when the company is in the list, as the selector would show it;
// otherwise the selector stays empty.
std::string Elegida(const std::vector<Compania>& lista, const std::string& codigo, bool& desconocida) {
  desconocida = BuscarCompania(lista, codigo) == nullptr;
  return desconocida ? std::string() : codigo;
}

bool Contiene(const std::vector<int>& codigos, int codigo) {
  return std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
}

}  // namespace

EleccionEnvio ElegirEnvio(const Argumentos& argumentos, const std::vector<Compania>& companiasOrigen,
                          const std::vector<Compania>& companiasDestino, const ListaTipos& tipos) {
  EleccionEnvio eleccion;
  OpcionesEnvio& o = eleccion.opciones;
  o.CompaniaOrigen =
      Elegida(companiasOrigen, argumentos.companiaOrigen, eleccion.companiaOrigenDesconocida);
  o.CompaniaDestino =
      Elegida(companiasDestino, argumentos.companiaDestino, eleccion.companiaDestinoDesconocida);
  o.EnLinea = argumentos.EnLinea;
  o.Reemplazar = !argumentos.omitir;
  o.esperaBloqueo = argumentos.esperaBloqueo;
  o.rutaInforme = argumentos.informe;
  o.VistaPrevia = argumentos.vistaPrevia;
  o.TodoLoNoEnviado = !argumentos.desde && !argumentos.hasta;
  o.FechaDesde = argumentos.desde;
  o.FechaHasta = argumentos.hasta;
  o.Prefijo = argumentos.prefijo;
  o.NumeroDesde = argumentos.numeroDesde;
  o.NumeroHasta = argumentos.numeroHasta;
  o.TipoComprobante = argumentos.tipoComprobante;

  o.Ctipodoc = tipos;
  if (!argumentos.tipos) {
    for (TipoDocumento& tipo : o.Ctipodoc) tipo.F_1 = "S";
    return eleccion;
  }
  const std::vector<int>& marcados = *argumentos.tipos;
  std::vector<int> conocidos;
  for (TipoDocumento& tipo : o.Ctipodoc) {
    tipo.F_1 = Contiene(marcados, tipo.TIDO_COD) ? "S" : "N";
    conocidos.push_back(tipo.TIDO_COD);
  }
  for (const int codigo : marcados)
    if (!Contiene(conocidos, codigo) && !Contiene(eleccion.tiposDesconocidos, codigo))
      eleccion.tiposDesconocidos.push_back(codigo);
  return eleccion;
}

}  // namespace norvane::cli
