#include "selection/ModeloTipos.h"

namespace norvane {

namespace {

const std::string kSi = "S";
const std::string kNo = "N";

}  // namespace

ModeloTipos::ModeloTipos(ListaTipos& lista, QObject* parent)
    : QAbstractTableModel(parent), lista_(lista) {}

int ModeloTipos::rowCount(const QModelIndex& padre) const {
  return padre.isValid() ? 0 : static_cast<int>(lista_.size());
}

int ModeloTipos::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 3; }

QVariant ModeloTipos::data(const QModelIndex& indice, int rol) const {
  if (!indice.isValid() || indice.row() >= rowCount()) return {};
  const TipoDocumento& tipo = lista_[static_cast<std::size_t>(indice.row())];
  switch (indice.column()) {
    case kCodigo:
      // Plain digits: a code is not a quantity.
      if (rol == Qt::DisplayRole) return QString::number(tipo.TIDO_COD);
      if (rol == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
      break;
    case kOperacion:
      if (rol == Qt::DisplayRole) return QString::fromStdString(tipo.TIDO_NOMLARGO);
      break;
    case kEnviar:
      if (rol == Qt::CheckStateRole) return tipo.F_1 == kSi ? Qt::Checked : Qt::Unchecked;
      break;
    default:
      break;
  }
  return {};
}

QVariant ModeloTipos::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
  if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
  switch (seccion) {
    case kCodigo:
      return QStringLiteral("Código");
    case kOperacion:
      return QStringLiteral("Operación");
    case kEnviar:
      return QStringLiteral("Enviar");
    default:
      return {};
  }
}

Qt::ItemFlags ModeloTipos::flags(const QModelIndex& indice) const {
  if (!indice.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags banderas = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (indice.column() == kEnviar) banderas |= Qt::ItemIsUserCheckable;
  return banderas;
}

bool ModeloTipos::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
  if (!indice.isValid() || indice.column() != kEnviar || rol != Qt::CheckStateRole) return false;
  const int fila = indice.row();
  if (edicion_ && edicion_->fila != fila) Confirmar();
  if (!edicion_) {
    edicion_ = Edicion{fila, lista_[static_cast<std::size_t>(fila)].F_1};
    emit edicionCambiada(true);
  }
  FijarMarca(fila, valor.value<Qt::CheckState>() == Qt::Checked ? kSi : kNo);
  return true;
}

void ModeloTipos::Recargar(const std::function<void()>& cargar) {
  Confirmar();
  beginResetModel();
  struct Fin {
    ModeloTipos& modelo;
    ~Fin() { modelo.endResetModel(); }
  } fin{*this};
  cargar();
}

void ModeloTipos::MarcarTodo(const std::string& marca) {
  Confirmar();
  for (int fila = 0; fila < rowCount(); ++fila) FijarMarca(fila, marca);
}

bool ModeloTipos::Marcar(int codigo, const std::string& marca) {
  for (int fila = 0; fila < rowCount(); ++fila)
    if (lista_[static_cast<std::size_t>(fila)].TIDO_COD == codigo) {
      Confirmar();
      FijarMarca(fila, marca);
      return true;
    }
  return false;
}

void ModeloTipos::Confirmar() {
  if (!edicion_) return;
  edicion_.reset();
  emit edicionCambiada(false);
}

void ModeloTipos::Cancelar() {
  if (!edicion_) return;
  const Edicion edicion = *edicion_;
  edicion_.reset();
  FijarMarca(edicion.fila, edicion.anterior);
  emit edicionCambiada(false);
}

void ModeloTipos::FijarMarca(int fila, const std::string& marca) {
  lista_[static_cast<std::size_t>(fila)].F_1 = marca;
  const QModelIndex celda = index(fila, kEnviar);
  emit dataChanged(celda, celda, {Qt::CheckStateRole});
}

}  // namespace norvane
