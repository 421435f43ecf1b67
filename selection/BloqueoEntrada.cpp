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
  return static_cast<QWidget*>(objeto)->window() == &ventana_;
}

}  // namespace norvane
