#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace norvane {

// One audit row of a run's report. The fields that come from the databases
// (type name, operation, code) hold their Latin-1 bytes; decision, outcome
// and error are UTF-8 already.
struct LineaInforme {
  std::string audiId{};
  std::string tidoCod{};
  std::string tidoNombre{};
  std::string audiOper{};
  std::string audiCod{};
  std::string decision{};
  std::string resultado{};
  std::string error{};
  std::int64_t milisegundos = 0;
};

// Latin-1 bytes as UTF-8 text: every byte is its own code point.
std::string Latin1AUtf8(std::string_view latin1);

// One field as RFC 4180 writes it: quoted, inner quotes doubled, when it holds
// a quote, a comma, a carriage return or a line feed; unchanged otherwise.
std::string CampoCsv(std::string_view campo);

// The header line and the line of one row, each ended by CR LF.
std::string EncabezadoCsv();
std::string LineaCsv(const LineaInforme& linea);

// "envio-AAAAMMDD-HHMMSS.csv" for the local time `inicio`; from the second
// name on, "-2", "-3"... before the extension.
std::string NombreInforme(std::chrono::system_clock::time_point inicio, int ordinal = 1);

// The report file of one run: its header at creation, then one line per
// audit row. A file that cannot be created or written is given up in
// silence: nothing of the run depends on it.
class Informe {
public:
  Informe() = default;  // writes nothing
  // The file `ruta`, replacing one of that name.
  static Informe En(const std::filesystem::path& ruta);
  // A new file in `carpeta` (created when missing) named after `inicio`;
  // a name already taken is never overwritten.
  static Informe Nuevo(const std::filesystem::path& carpeta,
                       std::chrono::system_clock::time_point inicio);

  bool Abierto() const { return archivo_ != nullptr; }
  // The file's path; empty when there is none, or once a write failed.
  std::string Ruta() const { return Abierto() ? ruta_.string() : std::string(); }

  void Escribir(const LineaInforme& linea);
  // Empties the file down to its header.
  void Reiniciar();

private:
  Informe(std::FILE* archivo, std::filesystem::path ruta);
  void Poner(const std::string& texto);

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> archivo_{nullptr, &std::fclose};
  std::filesystem::path ruta_;
};

}  // namespace norvane
