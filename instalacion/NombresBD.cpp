#include "instalacion/NombresBD.h"

namespace norvane {

namespace {

std::string Unir(std::string_view base, std::string_view resto) {
  std::string nombre;
  nombre.reserve(base.size() + resto.size());
  nombre.append(base).append(resto);
  return nombre;
}

std::string Unir(std::string_view base, std::string_view medio, std::string_view resto) {
  return Unir(Unir(base, medio), resto);
}

}  // namespace

std::string BaseGeneral(std::string_view servidor) { return Unir(servidor, "/datos/general.fdb"); }

std::string BaseSoporte(std::string_view servidor) { return Unir(servidor, "/sop/norvane.fdb"); }

std::string BaseCompania(std::string_view servidor, std::string_view compania) {
  return Unir(Unir(servidor, "/datos/"), compania, "/norvane.fdb");
}

std::string PlantillaEnvio(std::string_view directorio) { return Unir(directorio, "/sop/envio.fdb"); }

std::string ArchivoEnvio(std::string_view directorio, std::string_view compania) {
  return Unir(Unir(directorio, "/datos/"), compania, "/envio.fdb");
}

std::string BaseEnvio(std::string_view servidor, std::string_view compania) {
  return Unir(Unir(servidor, "/datos/"), compania, "/envio.fdb");
}

std::string LogErrores(std::string_view directorio) { return Unir(directorio, "/ERRORENVIO.TXT"); }

std::string LogEnviados(std::string_view directorio) { return Unir(directorio, "/ENVIOMANUAL.TXT"); }

std::string ListaServidores(std::string_view directorio) { return Unir(directorio, "/SERVIDORES.cfg"); }

}  // namespace norvane
