#pragma once

#include <QWidget>

class QToolButton;

namespace norvane {

class ModeloTipos;
class RejillaTipos;

// The navigator under the type grid: first, previous, next and last row, and
// cancel, which undoes the mark changed on the current row. A button is
// enabled only when it has something to do.
class NavegadorTipos final : public QWidget {
  Q_OBJECT

public:
  NavegadorTipos(RejillaTipos& rejilla, ModeloTipos& modelo, QWidget* parent = nullptr);

private:
  QToolButton* Boton(const QString& glifo, const QString& ayuda, const char* nombre);
  void Actualizar();

  RejillaTipos& rejilla_;
  ModeloTipos& modelo_;
  QToolButton* primero_ = nullptr;
  QToolButton* anterior_ = nullptr;
  QToolButton* siguiente_ = nullptr;
  QToolButton* ultimo_ = nullptr;
  QToolButton* cancelar_ = nullptr;
};

}  // namespace norvane
