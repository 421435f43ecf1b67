#include "selection/PanelProgreso.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace norvane {

PanelProgreso::PanelProgreso(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  auto* aviso = new QLabel("Copiando información. Espere un momento...");
  barra_ = new QProgressBar;
  barra_->setObjectName("Barra");
  barra_->setRange(0, 1);  // until the run says how many rows it has
  barra_->setValue(0);
  barra_->setMinimumWidth(260);
  auto* columna = new QVBoxLayout(this);
  columna->setContentsMargins(8, 4, 8, 4);
  columna->addWidget(aviso);
  columna->addWidget(barra_);

  QSizePolicy politica = sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  setSizePolicy(politica);
  hide();
}

void PanelProgreso::Maximo(int maximo) {
  // A run without rows shows an empty bar, not the "busy" one of a range 0..0.
  barra_->setRange(0, std::max(maximo, 1));
  barra_->setValue(0);
}

void PanelProgreso::Avanzar() { barra_->setValue(barra_->value() + 1); }

int PanelProgreso::Posicion() const { return barra_->value(); }

}  // namespace norvane
