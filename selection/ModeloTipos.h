#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <string>

#include "engine/Opciones.h"

namespace norvane {

// The document type list Ctipodoc as a table: "Código" and "Operación" read
// only, "Enviar" a check box that stores "S" when checked and "N" when not.
// Like a data set, a row whose mark was changed stays in edition until the
// current row moves (Confirmar) or the change is cancelled (Cancelar).
class ModeloTipos final : public QAbstractTableModel {
  Q_OBJECT

public:
  enum Columna { kCodigo = 0, kOperacion = 1, kEnviar = 2 };

  explicit ModeloTipos(ListaTipos& lista, QObject* parent = nullptr);

  int rowCount(const QModelIndex& padre = {}) const override;
  int columnCount(const QModelIndex& padre = {}) const override;
  QVariant data(const QModelIndex& indice, int rol) const override;
  QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;
  bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;

  // Refills the list through `cargar`; the table follows even when `cargar`
  // throws part way (the error goes on to the caller).
  void Recargar(const std::function<void()>& cargar);
  // Every row gets `marca` ("S" or "N"), in list order.
  void MarcarTodo(const std::string& marca);
  // The row of type `codigo` gets `marca`; false when no row has that code.
  bool Marcar(int codigo, const std::string& marca);

  bool EnEdicion() const { return edicion_.has_value(); }
  void Confirmar();
  void Cancelar();

signals:
  void edicionCambiada(bool enEdicion);

private:
  struct Edicion {
    int fila;
    std::string anterior;
  };

  void FijarMarca(int fila, const std::string& marca);

  ListaTipos& lista_;
  std::optional<Edicion> edicion_;
};

}  // namespace norvane
