#pragma once

#include <QFrame>

class QProgressBar;

namespace norvane {

// "Copiando información. Espere un momento..." with the run's progress bar.
// Hidden, it keeps its place, so that showing it moves nothing else.
class PanelProgreso final : public QFrame {
  Q_OBJECT

public:
  explicit PanelProgreso(QWidget* parent = nullptr);

  void Maximo(int maximo);  // the position goes back to 0
  void Avanzar();           // by one
  int Posicion() const;

private:
  QProgressBar* barra_ = nullptr;
};

}  // namespace norvane
