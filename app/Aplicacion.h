#pragma once

#include <QApplication>

namespace norvane {

// The application of the windows: it carries the program's title, and every
// error that reaches the event loop uncaught goes to ENoManejada, after which
// the loop goes on.
class Aplicacion final : public QApplication {
  Q_OBJECT

public:
  Aplicacion(int& argc, char** argv);

  bool notify(QObject* receptor, QEvent* evento) override;
};

}  // namespace norvane
