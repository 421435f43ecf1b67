#include "selection/SelectorCompania.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>

namespace norvane {

namespace {

constexpr int kCodigo = 0;
constexpr int kNombre = 1;

}  // namespace

SelectorCompania::SelectorCompania(QWidget* parent) : QComboBox(parent) {
  companias_ = new QStandardItemModel(0, 2, this);
  companias_->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre")});
  setModel(companias_);
  setModelColumn(kNombre);

  auto* lista = new QTableView;
  lista->setSelectionBehavior(QAbstractItemView::SelectRows);
  lista->setSelectionMode(QAbstractItemView::SingleSelection);
  lista->verticalHeader()->hide();
  lista->horizontalHeader()->setStretchLastSection(true);
  lista->setShowGrid(false);
  lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
  setView(lista);

  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(24);
}

void SelectorCompania::Cargar(const std::vector<Compania>& companias) {
  companias_->removeRows(0, companias_->rowCount());
  for (const auto& compania : companias) {
    auto* codigo = new QStandardItem(QString::fromStdString(compania.COMP_COD));
    auto* nombre = new QStandardItem(QString::fromStdString(compania.COM_NOMBRE));
    companias_->appendRow({codigo, nombre});
  }
  setCurrentIndex(-1);
}

bool SelectorCompania::Elegir(const std::string& codigo) {
  for (int fila = 0; fila < companias_->rowCount(); ++fila)
    if (companias_->item(fila, kCodigo)->text().toStdString() == codigo) {
      setCurrentIndex(fila);
      return true;
    }
  setCurrentIndex(-1);
  return false;
}

std::string SelectorCompania::Codigo() const {
  const int fila = currentIndex();
  return fila < 0 ? std::string() : companias_->item(fila, kCodigo)->text().toStdString();
}

void SelectorCompania::showPopup() {
  auto* lista = static_cast<QTableView*>(view());
  lista->resizeColumnsToContents();
  const int ancho = lista->horizontalHeader()->length() + lista->frameWidth() * 2 + 24;
  lista->setMinimumWidth(std::max(ancho, width()));
  QComboBox::showPopup();
}

}  // namespace norvane
