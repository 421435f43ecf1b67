#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace norvane {

// The find dialog of the type grid: looks for the typed text from the row
// after the current one on, through `buscar`, and beeps when nothing has it.
// It stays open beside the grid until it is closed.
class BuscarTipo final : public QDialog {
  Q_OBJECT

public:
  using Buscador = std::function<bool(const QString& texto)>;

  BuscarTipo(Buscador buscar, QWidget* parent = nullptr);

private:
  void BuscarSiguiente();

  Buscador buscar_;
  QLineEdit* texto_ = nullptr;
};

}  // namespace norvane
