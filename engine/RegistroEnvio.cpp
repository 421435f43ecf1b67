#include "engine/RegistroEnvio.h"

#include <cstdint>
#include <optional>

namespace norvane {

namespace {

// The spool's records: each field as its length and bytes.
bool PonerTexto(std::FILE* f, const std::string& texto) {
  const auto largo = static_cast<std::uint32_t>(texto.size());
  return std::fwrite(&largo, sizeof largo, 1, f) == 1 &&
         std::fwrite(texto.data(), 1, texto.size(), f) == texto.size();
}

bool LeerTexto(std::FILE* f, std::string& texto) {
  std::uint32_t largo = 0;
  if (std::fread(&largo, sizeof largo, 1, f) != 1) return false;
  texto.resize(largo);
  return std::fread(texto.data(), 1, largo, f) == largo;
}

bool PonerRegistro(std::FILE* f, const LineaInforme& l) {
  return PonerTexto(f, l.audiId) &&
         PonerTexto(f, l.tidoCod) && PonerTexto(f, l.tidoNombre) && PonerTexto(f, l.audiOper) &&
         PonerTexto(f, l.audiCod) && PonerTexto(f, l.decision) && PonerTexto(f, l.resultado) &&
         PonerTexto(f, l.error) && PonerTexto(f, std::to_string(l.milisegundos));
}

std::optional<LineaInforme> LeerRegistro(std::FILE* f) {
  LineaInforme l;
  std::string ms;
  if (!LeerTexto(f, l.audiId) || !LeerTexto(f, l.tidoCod) || !LeerTexto(f, l.tidoNombre) ||
      !LeerTexto(f, l.audiOper) || !LeerTexto(f, l.audiCod) || !LeerTexto(f, l.decision) ||
      !LeerTexto(f, l.resultado) || !LeerTexto(f, l.error) || !LeerTexto(f, ms))
    return std::nullopt;
  l.milisegundos = std::stoll(ms);
  return l;
}

}  // namespace

RegistroEnvio::RegistroEnvio(Informe informe, bool enLinea)
    : informe_(std::move(informe)), enLinea_(enLinea) {
  if (!enLinea_ && informe_.Abierto()) {
    espera_ = std::tmpfile();
    // Without the spool the finish could not tell the real outcomes: no
    // report rather than a wrong one.
    if (!espera_) informe_ = Informe();
  }
}

RegistroEnvio::~RegistroEnvio() {
  if (espera_) std::fclose(espera_);
}

void RegistroEnvio::Agregar(const LineaInforme& linea) { Guardar(linea, false); }

void RegistroEnvio::AgregarCompletada(const LineaInforme& linea) {
  Guardar(linea, !enLinea_);
}

void RegistroEnvio::Guardar(const LineaInforme& linea, bool provisional) {
  if (!informe_.Abierto() || terminado_) return;
  if (espera_ && !PonerRegistro(espera_, linea)) {
    std::fclose(espera_);
    espera_ = nullptr;
    informe_ = Informe();
    return;
  }
  if (!provisional) {
    informe_.Escribir(linea);
    return;
  }
  LineaInforme incompleta = linea;
  incompleta.resultado = resultado::kArchivoIncompleto;
  informe_.Escribir(incompleta);
}

void RegistroEnvio::Terminar(bool concluido) {
  if (terminado_) return;
  terminado_ = true;
  if (!concluido || !espera_ || !informe_.Abierto()) return;
  // Offline and complete: the file again, with every row's real outcome.
  informe_.Reiniciar();
  std::rewind(espera_);
  while (const auto linea = LeerRegistro(espera_)) informe_.Escribir(*linea);
}

}  // namespace norvane
