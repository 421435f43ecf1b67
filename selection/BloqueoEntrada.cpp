#include "selection/BloqueoEntrada.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace norvane {

namespace {

bool EsEntrada(QEvent::Type tipo) {
  switch (tipo) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

BloqueoEntrada::BloqueoEntrada(QWidget& ventana) : ventana_(ventana) {
  qApp->installEventFilter(this);
}

BloqueoEntrada::~BloqueoEntrada() { qApp->removeEventFilter(this); }

bool BloqueoEntrada::eventFilter(QObject* objeto, QEvent* evento) {
  if (!EsEntrada(evento->type()) || !objeto->isWidgetType()) return false;
  // Every window of the program but the run's own message boxes (modal,
  // shown while the run waits for their OK): the find dialog too, which
  // would move the grid under the run.
  const QWidget* ventana = static_cast<QWidget*>(objeto)->window();
  return ventana == &ventana_ || !ventana->isModal();
}

}  // namespace norvane
