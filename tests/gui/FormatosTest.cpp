#include "selection/Formatos.h"

#include <QDate>
#include <QLocale>
#include <QTest>
#include <QTime>

#include "selection/EditorFecha.h"
#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

class FormatosTest final : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { FijarFormatos(); }

  void numerosYMoneda_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("moneda");
    QTest::newRow("miles y decimales") << 1234567.891 << "1,234,567.89"
                                       << "$1,234,567.89";
    QTest::newRow("negativo: signo, símbolo, cantidad") << -1234.5 << "-1,234.50"
                                                        << "-$1,234.50";
    QTest::newRow("cero") << 0.0 << "0.00"
                          << "$0.00";
    QTest::newRow("negativo que redondea a cero") << -0.001 << "-0.00"
                                                  << "$0.00";
  }

  void numerosYMoneda() {
    QFETCH(double, valor);
    QFETCH(QString, numero);
    QFETCH(QString, moneda);
    const QLocale local;
    QCOMPARE(local.toString(valor, 'f', FormatosPrograma().decimalesMoneda), numero);
    QCOMPARE(TextoMoneda(valor, "$"), moneda);
  }

  void lecturaDeNumeros() {
    bool bien = false;
    QCOMPARE(QLocale().toDouble("1,234,567.89", &bien), 1234567.89);
    QVERIFY(bien);
  }

  void fechasYHoras_data() {
    QTest::addColumn<QString>("formato");
    QTest::addColumn<QString>("esperado");
    const Formatos& f = FormatosPrograma();
    QTest::newRow("fecha corta") << f.fechaCorta << "2024/04/05";
    QTest::newRow("hora corta") << f.horaCorta << "07:08:09";
    QTest::newRow("fecha larga") << f.fechaLarga << "viernes, abril 05, 2024";
  }

  void fechasYHoras() {
    QFETCH(QString, formato);
    QFETCH(QString, esperado);
    const QDateTime momento(QDate(2024, 4, 5), QTime(7, 8, 9));
    QCOMPARE(QLocale().toString(momento, formato), esperado);
  }

  void separadores() {
    const Formatos& f = FormatosPrograma();
    QCOMPARE(QLocale().groupSeparator(), QString(f.separadorMiles));
    QCOMPARE(QLocale().decimalPoint(), QString(f.separadorDecimal));
    QVERIFY(f.fechaCorta.contains(f.separadorFecha));
    QVERIFY(f.horaCorta.contains(f.separadorHora));
  }

  void losEditoresDeFechaUsanLaFechaCorta() {
    EditorFecha editor;
    QCOMPARE(editor.displayFormat(), QString("yyyy/MM/dd"));
    editor.FijarFecha(QDate(2024, 4, 30));
    QCOMPARE(editor.text(), QString("2024/04/30"));
  }
};

NORVANE_PRUEBA_GUI(FormatosTest);

}  // namespace norvane::test

#include "FormatosTest.moc"
