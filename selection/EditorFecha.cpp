#include "selection/EditorFecha.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "selection/Formatos.h"

namespace norvane {

namespace {

// The smallest date of the editor stands for "no date"; it shows as a blank.
const QDate kSinFecha(1752, 9, 14);

}  // namespace

EditorFecha::EditorFecha(QWidget* parent) : QDateEdit(parent) {
  setDisplayFormat(FormatosPrograma().fechaCorta);
  setCalendarPopup(true);
  setMinimumDate(kSinFecha);
  setSpecialValueText(QStringLiteral(" "));
  Vaciar();
}

std::optional<QDate> EditorFecha::Fecha() const {
  if (date() == kSinFecha) return std::nullopt;
  return date();
}

void EditorFecha::FijarFecha(const QDate& fecha) { setDate(fecha); }

void EditorFecha::Vaciar() { setDate(kSinFecha); }

void EditorFecha::keyPressEvent(QKeyEvent* tecla) {
  switch (tecla->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      if (Fecha() && lineEdit()->selectedText() == lineEdit()->text()) {
        Vaciar();
        tecla->accept();
        return;
      }
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      break;
    default:
      EmpezarSiVacio();
      break;
  }
  QDateEdit::keyPressEvent(tecla);
}

void EditorFecha::mousePressEvent(QMouseEvent* evento) {
  EmpezarSiVacio();
  QDateEdit::mousePressEvent(evento);
}

void EditorFecha::EmpezarSiVacio() {
  if (Fecha()) return;
  setDate(QDate::currentDate());
  setCurrentSectionIndex(0);
}

}  // namespace norvane
