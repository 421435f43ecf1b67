#pragma once

#include <string>
#include <vector>

namespace norvane {

class Operador;

// The two text logs of the installation directory. Each line is the date
// ("yyyy/mm/dd"), the time in the locale's time format, and the given fields,
// separated by commas and ended by CR LF; the bytes are written unchanged and
// a log that cannot be written is ignored. The directory is read from the
// installation settings for every line.
class Bitacora {
public:
  explicit Bitacora(Operador& operador) : operador_(operador) {}

  // A silent log writes no line (a preview's).
  void Silenciar(bool silenciosa) { silenciosa_ = silenciosa; }

  // "ENVIOMANUAL.TXT": a sent audit row.
  void archivo_auditoria(const std::string& audiId, const std::string& tidoCod,
                         const std::string& audiOper, const std::string& audiCod);
  // "ERRORENVIO.TXT": a message of the error capture.
  void error_envio(const std::string& mensaje);
  // "ERRORENVIO.TXT": a row that failed, with the origin's user name.
  void error_transmision(const std::string& usuario, const std::string& mensaje);

private:
  void Agregar(const std::string& archivo, const std::vector<std::string>& campos);
  Operador& operador_;
  bool silenciosa_ = false;
};

// Appends one line (date, time, fields) to `ruta`; failures are ignored.
void AgregarLinea(const std::string& ruta, const std::vector<std::string>& campos);

}  // namespace norvane
