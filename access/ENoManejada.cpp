#include "access/ENoManejada.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <stdexcept>
#include <string>

#include "engine/ENoManejada.h"

namespace norvane {

namespace {

std::string MensajeDe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "error desconocido";
  }
}

}  // namespace

void ENoManejada(std::exception_ptr error) {
  const QString texto = QString::fromStdString(TextoENoManejada(MensajeDe(error)));
  QWidget* encima = QApplication::activeModalWidget();
  if (!encima) encima = QApplication::activeWindow();
  QMessageBox caja(QMessageBox::Critical, QApplication::applicationDisplayName(), texto,
                   QMessageBox::Ok, encima);
  caja.exec();
}

}  // namespace norvane
