#include "selection/NavegadorTipos.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "selection/ModeloTipos.h"
#include "selection/RejillaTipos.h"

namespace norvane {

NavegadorTipos::NavegadorTipos(RejillaTipos& rejilla, ModeloTipos& modelo, QWidget* parent)
    : QWidget(parent), rejilla_(rejilla), modelo_(modelo) {
  primero_ = Boton(QStringLiteral("|\u25C0"), "Primero", "Primero");
  anterior_ = Boton(QStringLiteral("\u25C0"), "Anterior", "Anterior");
  siguiente_ = Boton(QStringLiteral("\u25B6"), "Siguiente", "Siguiente");
  ultimo_ = Boton(QStringLiteral("\u25B6|"), "Último", "Ultimo");
  cancelar_ = Boton(QStringLiteral("\u2715"), "Cancelar el cambio", "CancelarCambio");

  connect(primero_, &QToolButton::clicked, this, [this] { rejilla_.IrAFila(0); });
  connect(anterior_, &QToolButton::clicked, this,
          [this] { rejilla_.IrAFila(rejilla_.FilaActual() - 1); });
  connect(siguiente_, &QToolButton::clicked, this,
          [this] { rejilla_.IrAFila(rejilla_.FilaActual() + 1); });
  connect(ultimo_, &QToolButton::clicked, this,
          [this] { rejilla_.IrAFila(modelo_.rowCount() - 1); });
  connect(cancelar_, &QToolButton::clicked, &modelo_, &ModeloTipos::Cancelar);

  connect(&rejilla_, &RejillaTipos::filaActualCambiada, this, &NavegadorTipos::Actualizar);
  connect(&modelo_, &ModeloTipos::edicionCambiada, this, &NavegadorTipos::Actualizar);

  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(0, 0, 0, 0);
  fila->setSpacing(2);
  for (QToolButton* boton : {primero_, anterior_, siguiente_, ultimo_, cancelar_})
    fila->addWidget(boton);
  fila->addStretch();
  Actualizar();
}

QToolButton* NavegadorTipos::Boton(const QString& glifo, const QString& ayuda, const char* nombre) {
  auto* boton = new QToolButton;
  boton->setText(glifo);
  boton->setToolTip(ayuda);
  boton->setObjectName(nombre);
  boton->setFocusPolicy(Qt::NoFocus);
  boton->setMinimumWidth(34);
  return boton;
}

void NavegadorTipos::Actualizar() {
  const int fila = rejilla_.FilaActual();
  const int ultima = modelo_.rowCount() - 1;
  primero_->setEnabled(fila > 0);
  anterior_->setEnabled(fila > 0);
  siguiente_->setEnabled(ultima >= 0 && fila < ultima);
  ultimo_->setEnabled(ultima >= 0 && fila < ultima);
  cancelar_->setEnabled(modelo_.EnEdicion());
}

}  // namespace norvane
