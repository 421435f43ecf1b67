#include "selection/BuscarTipo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

BuscarTipo::BuscarTipo(Buscador buscar, QWidget* parent)
    : QDialog(parent), buscar_(std::move(buscar)) {
  setWindowTitle("Buscar");
  texto_ = new QLineEdit;
  texto_->setObjectName("TextoBuscado");
  auto* etiqueta = new QLabel("&Buscar:");
  etiqueta->setBuddy(texto_);

  auto* siguiente = new QPushButton("Buscar &siguiente");
  siguiente->setObjectName("BuscarSiguiente");
  siguiente->setDefault(true);
  auto* cerrar = new QPushButton("&Cerrar");
  connect(siguiente, &QPushButton::clicked, this, &BuscarTipo::BuscarSiguiente);
  connect(cerrar, &QPushButton::clicked, this, &BuscarTipo::close);

  auto* linea = new QHBoxLayout;
  linea->addWidget(etiqueta);
  linea->addWidget(texto_, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(siguiente);
  botones->addWidget(cerrar);
  auto* todo = new QVBoxLayout(this);
  todo->addLayout(linea);
  todo->addLayout(botones);
}

void BuscarTipo::BuscarSiguiente() {
  if (texto_->text().isEmpty() || !buscar_(texto_->text())) QApplication::beep();
}

}  // namespace norvane
