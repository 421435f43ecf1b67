#include "selection/DialogoVistaPrevia.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

// Four rows in the run's order: identifiers that sort differently as text
// and as numbers, a Latin-1 type name, a refused and a locked row.
std::vector<LineaInforme> Lineas() {
  return {
      {.audiId = "10", .tidoCod = "11", .tidoNombre = "ENTRADAS", .audiOper = "M",
       .audiCod = "EN000010", .decision = "nuevo", .resultado = "se enviaría"},
      {.audiId = "9", .tidoCod = "31", .tidoNombre = "FACTURAS", .audiOper = "M",
       .audiCod = "FV00000009", .decision = "reemplazar", .resultado = "bloqueado",
       .error = "lock conflict on no wait transaction"},
      {.audiId = "100", .tidoCod = "2", .tidoNombre = "Devoluci\xf3n", .audiOper = "M",
       .audiCod = "SI000001", .decision = "sin manejador", .resultado = "se enviaría"},
      {.audiId = "11", .tidoCod = "11", .tidoNombre = "ENTRADAS", .audiOper = "D",
       .audiCod = "EN000011", .decision = "nuevo", .resultado = "error",
       .error = "violation of FOREIGN KEY constraint"},
  };
}

QStringList Columna(const QTableWidget& tabla, int columna) {
  QStringList textos;
  for (int i = 0; i < tabla.rowCount(); ++i) textos << tabla.item(i, columna)->text();
  return textos;
}

}  // namespace

class DialogoVistaPreviaTest final : public QObject {
  Q_OBJECT

private slots:
  void lasFilasEmpiezanEnElOrdenDelEnvioConSusCampos() {
    DialogoVistaPrevia dialogo(Lineas());
    auto* tabla = dialogo.findChild<QTableWidget*>("Filas");
    QVERIFY(tabla);
    QCOMPARE(tabla->rowCount(), 4);
    QCOMPARE(tabla->columnCount(), static_cast<int>(DialogoVistaPrevia::kColumnas));
    QCOMPARE(Columna(*tabla, DialogoVistaPrevia::kAudiId), QStringList({"10", "9", "100", "11"}));
    QCOMPARE(tabla->item(2, DialogoVistaPrevia::kTipo)->text(), QString::fromUtf8("Devolución"));
    QCOMPARE(tabla->item(1, DialogoVistaPrevia::kCodigo)->text(), QString("FV00000009"));
    QCOMPARE(tabla->item(3, DialogoVistaPrevia::kOperacion)->text(), QString("D"));
    QCOMPARE(tabla->item(1, DialogoVistaPrevia::kResultado)->text(), QString("bloqueado"));
    QCOMPARE(tabla->item(1, DialogoVistaPrevia::kError)->text(),
             QString("lock conflict on no wait transaction"));
    QCOMPARE(tabla->item(0, DialogoVistaPrevia::kResultado)->text(), QString::fromUtf8("se enviaría"));
    QCOMPARE(tabla->item(0, DialogoVistaPrevia::kError)->text(), QString());
  }

  void ordenarPorColumna_data() {
    QTest::addColumn<int>("columna");
    QTest::addColumn<int>("orden");
    QTest::addColumn<QStringList>("identificadores");
    // Identifiers and type codes sort as numbers, not as text.
    QTest::newRow("AUDI_ID ascendente") << int(DialogoVistaPrevia::kAudiId)
                                        << int(Qt::AscendingOrder)
                                        << QStringList({"9", "10", "11", "100"});
    QTest::newRow("AUDI_ID descendente") << int(DialogoVistaPrevia::kAudiId)
                                         << int(Qt::DescendingOrder)
                                         << QStringList({"100", "11", "10", "9"});
    QTest::newRow("tipo ascendente") << int(DialogoVistaPrevia::kTidoCod)
                                     << int(Qt::AscendingOrder)
                                     << QStringList({"100", "10", "11", "9"});
    QTest::newRow("decisión ascendente") << int(DialogoVistaPrevia::kDecision)
                                         << int(Qt::AscendingOrder)
                                         << QStringList({"10", "11", "9", "100"});
    QTest::newRow("resultado ascendente") << int(DialogoVistaPrevia::kResultado)
                                          << int(Qt::AscendingOrder)
                                          << QStringList({"9", "11", "10", "100"});
  }

  void ordenarPorColumna() {
    QFETCH(int, columna);
    QFETCH(int, orden);
    QFETCH(QStringList, identificadores);
    DialogoVistaPrevia dialogo(Lineas());
    auto* tabla = dialogo.findChild<QTableWidget*>("Filas");
    QVERIFY(tabla->isSortingEnabled());
    tabla->sortItems(columna, static_cast<Qt::SortOrder>(orden));
    QCOMPARE(Columna(*tabla, DialogoVistaPrevia::kAudiId), identificadores);
  }

  void losTotalesCuentanPorDecisionYPorResultado() {
    DialogoVistaPrevia dialogo(Lineas());
    auto* totales = dialogo.findChild<QLabel*>("Totales");
    QVERIFY(totales);
    QCOMPARE(totales->text(),
             QString::fromUtf8("Filas de auditoría: 4\n"
                               "Por decisión: nuevo: 2, reemplazar: 1, sin manejador: 1\n"
                               "Por resultado: se enviaría: 2, bloqueado: 1, error: 1"));
  }

  void enviarAceptaYCerrarRechaza_data() {
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("resultado");
    QTest::newRow("Enviar") << "Enviar" << int(QDialog::Accepted);
    QTest::newRow("Cerrar") << "Cerrar" << int(QDialog::Rejected);
  }

  void enviarAceptaYCerrarRechaza() {
    QFETCH(QString, boton);
    QFETCH(int, resultado);
    DialogoVistaPrevia dialogo(Lineas());
    dialogo.show();
    auto* pulsado = dialogo.findChild<QPushButton*>(boton);
    QVERIFY(pulsado);
    QCOMPARE(pulsado->text(), boton);
    QTest::mouseClick(pulsado, Qt::LeftButton);
    QCOMPARE(dialogo.result(), resultado);
    QVERIFY(!dialogo.isVisible());
  }

  void unaVistaSinFilasMuestraCeroFilas() {
    DialogoVistaPrevia dialogo({});
    QCOMPARE(dialogo.findChild<QTableWidget*>("Filas")->rowCount(), 0);
    QCOMPARE(dialogo.findChild<QLabel*>("Totales")->text(),
             QString::fromUtf8("Filas de auditoría: 0\nPor decisión: \nPor resultado: "));
  }
};

NORVANE_PRUEBA_GUI(DialogoVistaPreviaTest);

}  // namespace norvane::test

#include "DialogoVistaPreviaTest.moc"
