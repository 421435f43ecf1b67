#include "engine/VistaPrevia.h"

#include <algorithm>

namespace norvane {

namespace {

void Contar(std::vector<Conteo>& conteos, const std::string& palabra) {
  auto it = std::find_if(conteos.begin(), conteos.end(),
                         [&](const Conteo& c) { return c.palabra == palabra; });
  if (it == conteos.end())
    conteos.push_back({palabra, 1});
  else
    ++it->filas;
}

// A field of the text: tabs and line ends inside it become blanks, so that
// every row stays one line of the same fields.
std::string Campo(std::string texto) {
  for (char& c : texto)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return texto;
}

}  // namespace

std::string DecisionContada(const LineaInforme& linea) {
  if (linea.decision.empty()) return "sin decisión";
  if (linea.decision.starts_with("reponer (")) return "reponer";
  return linea.decision;
}

std::vector<Conteo> ContarDecisiones(const std::vector<LineaInforme>& lineas) {
  std::vector<Conteo> conteos;
  for (const auto& l : lineas) Contar(conteos, DecisionContada(l));
  return conteos;
}

std::vector<Conteo> ContarResultados(const std::vector<LineaInforme>& lineas) {
  std::vector<Conteo> conteos;
  for (const auto& l : lineas) Contar(conteos, l.resultado);
  return conteos;
}

std::string TextoVistaPrevia(const std::vector<LineaInforme>& lineas) {
  std::string texto =
      "AUDI_ID\tTIDO_COD\tTIPO\tAUDI_COD\tAUDI_OPER\tDECISION\tRESULTADO\tERROR\n";
  for (const auto& l : lineas) {
    texto += Campo(l.audiId) + '\t' + Campo(l.tidoCod) + '\t' + Campo(Latin1AUtf8(l.tidoNombre)) +
             '\t' + Campo(Latin1AUtf8(l.audiCod)) + '\t' + Campo(Latin1AUtf8(l.audiOper)) + '\t' +
             Campo(l.decision) + '\t' + Campo(l.resultado) + '\t' + Campo(l.error) + '\n';
  }
  texto += "\nFilas de auditoría: " + std::to_string(lineas.size()) + "\nPor decisión:\n";
  for (const auto& c : ContarDecisiones(lineas))
    texto += "  " + c.palabra + ": " + std::to_string(c.filas) + '\n';
  texto += "Por resultado:\n";
  for (const auto& c : ContarResultados(lineas))
    texto += "  " + c.palabra + ": " + std::to_string(c.filas) + '\n';
  return texto;
}

}  // namespace norvane
