#include "app/LineaComandos.h"

#include <QTest>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

class LineaComandosTest final : public QObject {
  Q_OBJECT

private slots:
  void envioPedido_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<bool>("pedido");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("destino");
    QTest::newRow("ARTICULOS origen destino")
        << QStringList{"ARTICULOS", "001", "002"} << true << "001"
        << "002";
    QTest::newRow("sin argumentos") << QStringList{} << false << ""
                                    << "";
    QTest::newRow("solo dos argumentos") << QStringList{"ARTICULOS", "001"} << false << ""
                                         << "";
    QTest::newRow("en minúsculas") << QStringList{"articulos", "001", "002"} << false << ""
                                   << "";
    QTest::newRow("mayúsculas y minúsculas")
        << QStringList{"Articulos", "001", "002"} << false << ""
        << "";
    QTest::newRow("con espacio") << QStringList{"ARTICULOS ", "001", "002"} << false << ""
                                 << "";
    QTest::newRow("tercero vacío") << QStringList{"ARTICULOS", "001", ""} << false << ""
                                   << "";
    QTest::newRow("otra palabra") << QStringList{"CUENTAS", "001", "002"} << false << ""
                                  << "";
    QTest::newRow("segundo vacío: la compañía vacía llega al envío")
        << QStringList{"ARTICULOS", "", "002"} << true << ""
        << "002";
    QTest::newRow("un cuarto argumento no cuenta")
        << QStringList{"ARTICULOS", "001", "002", "003"} << true << "001"
        << "002";
  }

  void envioPedido() {
    QFETCH(QStringList, argumentos);
    QFETCH(bool, pedido);
    QFETCH(QString, origen);
    QFETCH(QString, destino);
    const auto envio = EnvioPedido(argumentos);
    QCOMPARE(envio.has_value(), pedido);
    if (!envio) return;
    QCOMPARE(QString::fromStdString(envio->CompaniaOrigen), origen);
    QCOMPARE(QString::fromStdString(envio->CompaniaDestino), destino);
  }
};

NORVANE_PRUEBA_GUI(LineaComandosTest);

}  // namespace norvane::test

#include "LineaComandosTest.moc"
