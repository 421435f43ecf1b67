#include "selection/RejillaTipos.h"

#include <QMouseEvent>

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>

#include "selection/BuscarTipo.h"
#include "selection/ModeloTipos.h"

namespace norvane {

RejillaTipos::RejillaTipos(ModeloTipos& modelo, QWidget* parent)
    : QTableView(parent), modelo_(modelo) {
  setModel(&modelo_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(true);
  setAlternatingRowColors(true);
  setToolTip("Ctrl+F: buscar");

  QHeaderView* titulos = horizontalHeader();
  titulos->setSectionsMovable(true);
  titulos->setSectionResizeMode(QHeaderView::Interactive);
  titulos->setHighlightSections(false);
  titulos->resizeSection(ModeloTipos::kCodigo, 64);
  titulos->resizeSection(ModeloTipos::kOperacion, 250);
  titulos->resizeSection(ModeloTipos::kEnviar, 64);
  connect(titulos, &QHeaderView::sectionResized, this, [this] {
    if (!ajustando_) anchoDelOperador_ = true;
  });
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

  auto* marcar = new QAction("&Marcar todo", this);
  marcar->setObjectName("Seleccionartodo1");
  auto* desmarcar = new QAction("&Desmarcar todo", this);
  desmarcar->setObjectName("Desmarcartodo1");
  connect(marcar, &QAction::triggered, this, &RejillaTipos::Seleccionartodo1Click);
  connect(desmarcar, &QAction::triggered, this, &RejillaTipos::Desmarcartodo1Click);
  addAction(marcar);
  addAction(desmarcar);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* buscar = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetShortcut);
  connect(buscar, &QShortcut::activated, this, &RejillaTipos::AbrirBuscar);

  // Leaving a row keeps the change made to its mark.
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    modelo_.Confirmar();
    emit filaActualCambiada();
  });
  connect(&modelo_, &QAbstractItemModel::modelReset, this, &RejillaTipos::filaActualCambiada);
}

void RejillaTipos::Seleccionartodo1Click() {
  modelo_.MarcarTodo("S");
  IrAFila(0);
}

void RejillaTipos::Desmarcartodo1Click() {
  modelo_.MarcarTodo("N");
  IrAFila(0);
}

int RejillaTipos::FilaActual() const {
  return currentIndex().isValid() ? currentIndex().row() : -1;
}

void RejillaTipos::IrAFila(int fila) {
  const int filas = modelo_.rowCount();
  if (filas == 0) return;
  const int columna = currentIndex().isValid() ? currentIndex().column() : ModeloTipos::kCodigo;
  setCurrentIndex(modelo_.index(std::clamp(fila, 0, filas - 1), columna));
}

void RejillaTipos::AbrirBuscar() {
  if (!buscar_) {
    buscar_ = new BuscarTipo([this](const QString& texto) { return BuscarSiguiente(texto); }, this);
    buscar_->setObjectName("BuscarTipo");
  }
  buscar_->show();
  buscar_->raise();
  buscar_->activateWindow();
}

bool RejillaTipos::BuscarSiguiente(const QString& texto) {
  const int filas = modelo_.rowCount();
  const int desde = FilaActual();
  for (int paso = 1; paso <= filas; ++paso) {
    const int fila = (desde + paso + filas) % filas;
    for (int columna : {ModeloTipos::kCodigo, ModeloTipos::kOperacion}) {
      if (modelo_.index(fila, columna).data().toString().contains(texto, Qt::CaseInsensitive)) {
        IrAFila(fila);
        return true;
      }
    }
  }
  return false;
}

void RejillaTipos::keyboardSearch(const QString& texto) {
  // The check box column has no text to search: its row is searched by name.
  if (currentIndex().column() == ModeloTipos::kEnviar)
    setCurrentIndex(modelo_.index(currentIndex().row(), ModeloTipos::kOperacion));
  QTableView::keyboardSearch(texto);
}

void RejillaTipos::resizeEvent(QResizeEvent* evento) {
  QTableView::resizeEvent(evento);
  AjustarOperacion();
}

void RejillaTipos::AjustarOperacion() {
  if (anchoDelOperador_) return;
  const QHeaderView* titulos = horizontalHeader();
  const int libre = viewport()->width() - titulos->sectionSize(ModeloTipos::kCodigo) -
                    titulos->sectionSize(ModeloTipos::kEnviar);
  if (libre <= 0) return;
  ajustando_ = true;
  horizontalHeader()->resizeSection(ModeloTipos::kOperacion, std::max(libre, 160));
  ajustando_ = false;
}

void RejillaTipos::mousePressEvent(QMouseEvent* evento) {
  // A click on the check box of another row takes the row first, as a click
  // on any other cell does: the item view would toggle the mark and leave
  // the highlight, and what the navigator cancels, on the old row.
  const QModelIndex celda = indexAt(evento->position().toPoint());
  if (celda.isValid() && celda.row() != currentIndex().row()) setCurrentIndex(celda);
  QTableView::mousePressEvent(evento);
}

void RejillaTipos::keyPressEvent(QKeyEvent* tecla) {
  if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QTableView::keyPressEvent(&tab);
    tecla->accept();
    return;
  }
  QTableView::keyPressEvent(tecla);
}

}  // namespace norvane
