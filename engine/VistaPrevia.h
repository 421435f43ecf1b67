#pragma once

#include <string>
#include <vector>

#include "engine/Informe.h"

namespace norvane {

// How many lines of a preview carry one word.
struct Conteo {
  std::string palabra;
  int filas = 0;
};

// The decision a line counts under: a restore without its number of rows,
// "sin decisión" for a row that nothing was decided for.
std::string DecisionContada(const LineaInforme& linea);

// The lines per decision and per outcome, in the order in which each word
// first appears.
std::vector<Conteo> ContarDecisiones(const std::vector<LineaInforme>& lineas);
std::vector<Conteo> ContarResultados(const std::vector<LineaInforme>& lineas);

// A preview as UTF-8 text: a header line and one line per audit row, fields
// separated by tabs (AUDI_ID, TIDO_COD, type name, AUDI_COD, AUDI_OPER,
// decision, outcome, error), then the counts per decision and per outcome.
std::string TextoVistaPrevia(const std::vector<LineaInforme>& lineas);

}  // namespace norvane
