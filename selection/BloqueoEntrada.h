#pragma once

#include <QObject>

class QWidget;

namespace norvane {

// While it lives, the operator's input to one window (keys, mouse, wheel,
// shortcuts) is dropped, not kept for later: the window may go on repainting
// during a long operation without the operator starting anything in it.
// Other windows, such as the message boxes of that operation, are not touched.
class BloqueoEntrada final : public QObject {
  Q_OBJECT

public:
  explicit BloqueoEntrada(QWidget& ventana);
  ~BloqueoEntrada() override;
  BloqueoEntrada(const BloqueoEntrada&) = delete;
  BloqueoEntrada& operator=(const BloqueoEntrada&) = delete;

protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
  QWidget& ventana_;
};

}  // namespace norvane
