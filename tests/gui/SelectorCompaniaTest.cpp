#include "selection/SelectorCompania.h"

#include <QAbstractItemView>
#include <QTest>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

const std::vector<Compania> kCompanias = {
    {"001", "Comercializadora Andina S.A.S."},
    {"002", "Distribuidora del Pacífico Ltda."},
};

}  // namespace

class SelectorCompaniaTest final : public QObject {
  Q_OBJECT

private slots:
  void listaCodigoYNombre() {
    SelectorCompania selector;
    selector.Cargar(kCompanias);
    const QAbstractItemModel* modelo = selector.model();
    QCOMPARE(modelo->columnCount(), 2);
    QCOMPARE(modelo->headerData(0, Qt::Horizontal).toString(), QString("Código"));
    QCOMPARE(modelo->headerData(1, Qt::Horizontal).toString(), QString("Nombre"));
    QCOMPARE(modelo->rowCount(), 2);
    QCOMPARE(modelo->index(1, 0).data().toString(), QString("002"));
    QCOMPARE(modelo->index(1, 1).data().toString(), QString("Distribuidora del Pacífico Ltda."));
  }

  void nadaElegidoAlCargar() {
    SelectorCompania selector;
    selector.Cargar(kCompanias);
    QCOMPARE(selector.currentText(), QString());
    QCOMPARE(selector.Codigo(), std::string());
  }

  void elegir_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("elegida");
    QTest::addColumn<QString>("muestra");
    QTest::newRow("existe") << "002" << true << "Distribuidora del Pacífico Ltda.";
    QTest::newRow("no existe") << "003" << false << "";
    QTest::newRow("código con otro largo") << "01" << false << "";
  }

  void elegir() {
    QFETCH(QString, codigo);
    QFETCH(bool, elegida);
    QFETCH(QString, muestra);
    SelectorCompania selector;
    selector.Cargar(kCompanias);
    selector.Elegir("001");
    QCOMPARE(selector.Elegir(codigo.toStdString()), elegida);
    QCOMPARE(selector.currentText(), muestra);
    QCOMPARE(QString::fromStdString(selector.Codigo()), elegida ? codigo : QString());
  }

  void elOperadorEligeEnLaLista() {
    SelectorCompania selector;
    selector.Cargar(kCompanias);
    selector.setCurrentIndex(0);
    QCOMPARE(selector.currentText(), QString("Comercializadora Andina S.A.S."));
    QCOMPARE(selector.Codigo(), std::string("001"));
  }

  void recargarBorraLaEleccion() {
    SelectorCompania selector;
    selector.Cargar(kCompanias);
    selector.Elegir("002");
    selector.Cargar({});
    QCOMPARE(selector.count(), 0);
    QCOMPARE(selector.Codigo(), std::string());
  }
};

NORVANE_PRUEBA_GUI(SelectorCompaniaTest);

}  // namespace norvane::test

#include "SelectorCompaniaTest.moc"
