#include "selection/EditorFecha.h"

#include <QLineEdit>
#include <QTest>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

class EditorFechaTest final : public QObject {
  Q_OBJECT

private slots:
  void empiezaVacio() {
    EditorFecha editor;
    QVERIFY(!editor.Fecha().has_value());
    QCOMPARE(editor.text().trimmed(), QString());
  }

  void fijarYLeer() {
    EditorFecha editor;
    editor.FijarFecha(QDate(2024, 2, 29));
    QCOMPARE(editor.Fecha(), std::optional<QDate>(QDate(2024, 2, 29)));
    QCOMPARE(editor.text(), QString("2024/02/29"));
    editor.Vaciar();
    QVERIFY(!editor.Fecha().has_value());
  }

  void borrarTodoElTextoLoVacia_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("todo");
    QTest::addColumn<bool>("vacio");
    QTest::newRow("Supr con todo elegido") << int(Qt::Key_Delete) << true << true;
    QTest::newRow("Retroceso con todo elegido") << int(Qt::Key_Backspace) << true << true;
    QTest::newRow("Retroceso en una parte") << int(Qt::Key_Backspace) << false << false;
  }

  void borrarTodoElTextoLoVacia() {
    QFETCH(int, tecla);
    QFETCH(bool, todo);
    QFETCH(bool, vacio);
    EditorFecha editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.FijarFecha(QDate(2024, 4, 30));
    if (todo)
      editor.selectAll();
    else
      editor.setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&editor, Qt::Key(tecla));
    QCOMPARE(!editor.Fecha().has_value(), vacio);
  }

  void escribirEnUnoVacioEmpiezaPorHoy() {
    EditorFecha editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QTest::keyClick(&editor, Qt::Key_Up);
    QVERIFY(editor.Fecha().has_value());
    QCOMPARE(editor.Fecha()->month(), QDate::currentDate().month());
    QCOMPARE(editor.Fecha()->day(), QDate::currentDate().day());
  }
};

NORVANE_PRUEBA_GUI(EditorFechaTest);

}  // namespace norvane::test

#include "EditorFechaTest.moc"
