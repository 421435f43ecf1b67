#pragma once

#include <QDialog>
#include <vector>

#include "engine/Informe.h"

class QLabel;
class QTableWidget;

namespace norvane {

// "Vista previa": what a run would do, a row per audit row (AUDI_ID, type
// code and name, code, operation, decision, outcome, error) in a table the
// operator sorts by any column, the counts per decision and per outcome
// below it, and "Enviar" (accepts: the run follows) or "Cerrar".
class DialogoVistaPrevia final : public QDialog {
  Q_OBJECT

public:
  enum Columna { kAudiId, kTidoCod, kTipo, kCodigo, kOperacion, kDecision, kResultado, kError,
                 kColumnas };

  explicit DialogoVistaPrevia(const std::vector<LineaInforme>& lineas, QWidget* parent = nullptr);

private:
  QTableWidget* filas_ = nullptr;
  QLabel* totales_ = nullptr;
};

}  // namespace norvane
