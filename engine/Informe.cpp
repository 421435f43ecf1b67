#include "engine/Informe.h"

#include <cerrno>
#include <ctime>
#include <system_error>

namespace norvane {

std::string Latin1AUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (const char c : latin1) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (b >> 6));
      utf8 += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return utf8;
}

std::string CampoCsv(std::string_view campo) {
  if (campo.find_first_of("\",\r\n") == std::string_view::npos) return std::string(campo);
  std::string citado = "\"";
  for (const char c : campo) {
    if (c == '"') citado += '"';
    citado += c;
  }
  return citado + '"';
}

std::string EncabezadoCsv() {
  return "AUDI_ID,TIDO_COD,TIDO_NOMLARGO,AUDI_OPER,AUDI_COD,decision,resultado,error,"
         "milisegundos\r\n";
}

std::string LineaCsv(const LineaInforme& l) {
  std::string linea;
  for (const std::string& campo :
       {CampoCsv(l.audiId), CampoCsv(l.tidoCod), CampoCsv(Latin1AUtf8(l.tidoNombre)),
        CampoCsv(Latin1AUtf8(l.audiOper)), CampoCsv(Latin1AUtf8(l.audiCod)),
        CampoCsv(l.decision), CampoCsv(l.resultado), CampoCsv(l.error)})
    linea += campo + ',';
  return linea + std::to_string(l.milisegundos) + "\r\n";
}

std::string NombreInforme(std::chrono::system_clock::time_point inicio, int ordinal) {
  const std::time_t t = std::chrono::system_clock::to_time_t(inicio);
  std::tm local{};
  localtime_r(&t, &local);
  char sello[32];
  std::strftime(sello, sizeof sello, "%Y%m%d-%H%M%S", &local);
  std::string nombre = std::string("envio-") + sello;
  if (ordinal > 1) nombre += "-" + std::to_string(ordinal);
  return nombre + ".csv";
}

Informe::Informe(std::FILE* archivo, std::filesystem::path ruta)
    : archivo_(archivo, &std::fclose), ruta_(std::move(ruta)) {
  Poner(EncabezadoCsv());
}

Informe Informe::En(const std::filesystem::path& ruta) {
  std::FILE* archivo = std::fopen(ruta.c_str(), "wb");
  if (!archivo) return {};
  return Informe(archivo, ruta);
}

Informe Informe::Nuevo(const std::filesystem::path& carpeta,
                       std::chrono::system_clock::time_point inicio) {
  std::error_code error;
  std::filesystem::create_directories(carpeta, error);
  if (error) return {};
  // "x": the name is taken only if nobody holds it, even another run of the
  // same second.
  for (int ordinal = 1; ordinal <= 1000; ++ordinal) {
    const std::filesystem::path ruta = carpeta / NombreInforme(inicio, ordinal);
    if (std::FILE* archivo = std::fopen(ruta.c_str(), "wbx")) return Informe(archivo, ruta);
    if (errno != EEXIST) return {};
  }
  return {};
}

void Informe::Escribir(const LineaInforme& linea) { Poner(LineaCsv(linea)); }

void Informe::Reiniciar() {
  if (!archivo_) return;
  archivo_.reset(std::fopen(ruta_.c_str(), "wb"));
  Poner(EncabezadoCsv());
}

void Informe::Poner(const std::string& texto) {
  if (!archivo_) return;
  // Each line reaches the file at once: a run that is killed leaves the
  // lines of the rows it went through.
  if (std::fwrite(texto.data(), 1, texto.size(), archivo_.get()) != texto.size() ||
      std::fflush(archivo_.get()) != 0)
    archivo_.reset();
}

}  // namespace norvane
