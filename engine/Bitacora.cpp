#include "engine/Bitacora.h"

#include <cstdio>
#include <ctime>
#include <memory>

#include "instalacion/Directorio.h"
#include "instalacion/NombresBD.h"

namespace norvane {

void AgregarLinea(const std::string& ruta, const std::vector<std::string>& campos) {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  char fecha[16];
  char hora[64];
  std::strftime(fecha, sizeof fecha, "%Y/%m/%d", &local);
  // The locale's own time format (LC_TIME), as the operator's settings give it.
  if (std::strftime(hora, sizeof hora, "%X", &local) == 0) hora[0] = '\0';

  std::string linea = std::string(fecha) + "," + hora;
  for (const auto& campo : campos) linea += "," + campo;
  linea += "\r\n";

  // "ab" appends to an existing log and creates a missing one.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> archivo(std::fopen(ruta.c_str(), "ab"),
                                                          &std::fclose);
  if (!archivo) return;  // a log that cannot be written is ignored
  std::fwrite(linea.data(), 1, linea.size(), archivo.get());
}

void Bitacora::archivo_auditoria(const std::string& audiId, const std::string& tidoCod,
                                 const std::string& audiOper, const std::string& audiCod) {
  if (silenciosa_) return;
  AgregarLinea(LogEnviados(diraplicacion(operador_)), {audiId, tidoCod, audiOper, audiCod});
}

void Bitacora::error_envio(const std::string& mensaje) {
  if (silenciosa_) return;
  AgregarLinea(LogErrores(diraplicacion(operador_)), {mensaje});
}

void Bitacora::error_transmision(const std::string& usuario, const std::string& mensaje) {
  if (silenciosa_) return;
  AgregarLinea(LogErrores(diraplicacion(operador_)), {usuario, mensaje});
}

}  // namespace norvane
