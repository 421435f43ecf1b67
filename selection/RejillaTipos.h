#pragma once

#include <QTableView>

class QAction;

namespace norvane {

class BuscarTipo;
class ModeloTipos;

// The grid of the document types: the current row highlighted, Enter moving
// on as Tab does, an incremental search as the operator types, a find dialog
// (Ctrl+F), columns that can be resized and moved, and a context menu with
// "&Marcar todo" and "&Desmarcar todo".
class RejillaTipos final : public QTableView {
  Q_OBJECT

public:
  explicit RejillaTipos(ModeloTipos& modelo, QWidget* parent = nullptr);

  void Seleccionartodo1Click();  // "&Marcar todo"
  void Desmarcartodo1Click();    // "&Desmarcar todo"

  int FilaActual() const;
  // Makes `fila` the current row (bounded to the rows there are).
  void IrAFila(int fila);
  void AbrirBuscar();
  // Moves to the next row, after the current one and round to it, whose code
  // or name contains `texto` (case aside); false when no row does.
  bool BuscarSiguiente(const QString& texto);

  void keyboardSearch(const QString& texto) override;

signals:
  void filaActualCambiada();

protected:
  void keyPressEvent(QKeyEvent* tecla) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

private:
  // "Operación" takes the width the other columns leave, until the operator
  // sizes a column.
  void AjustarOperacion();

  ModeloTipos& modelo_;
  BuscarTipo* buscar_ = nullptr;
  bool anchoDelOperador_ = false;
  bool ajustando_ = false;
};

}  // namespace norvane
