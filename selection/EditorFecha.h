#pragma once

#include <QDateEdit>
#include <optional>

namespace norvane {

// A date editor in the program's short date format that may also be empty:
// Delete or Backspace over the whole text empties it, and editing an empty
// one starts from today.
class EditorFecha final : public QDateEdit {
  Q_OBJECT

public:
  explicit EditorFecha(QWidget* parent = nullptr);

  std::optional<QDate> Fecha() const;
  void FijarFecha(const QDate& fecha);
  void Vaciar();

protected:
  void keyPressEvent(QKeyEvent* tecla) override;
  void mousePressEvent(QMouseEvent* evento) override;

private:
  void EmpezarSiVacio();
};

}  // namespace norvane
