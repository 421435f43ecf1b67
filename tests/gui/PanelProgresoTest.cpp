#include "selection/PanelProgreso.h"

#include <QProgressBar>
#include <QTest>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

class PanelProgresoTest final : public QObject {
  Q_OBJECT

private slots:
  void avanzaDeUnoEnUno() {
    PanelProgreso panel;
    QVERIFY(panel.isHidden());
    auto* barra = panel.findChild<QProgressBar*>("Barra");
    panel.Maximo(3);
    QCOMPARE(barra->maximum(), 3);
    panel.Avanzar();
    panel.Avanzar();
    QCOMPARE(panel.Posicion(), 2);
    QCOMPARE(barra->value(), 2);
    panel.Maximo(5);
    QCOMPARE(panel.Posicion(), 0);
  }

  void sinFilasLaBarraNoQuedaOcupada() {
    PanelProgreso panel;
    panel.Maximo(0);
    auto* barra = panel.findChild<QProgressBar*>("Barra");
    QVERIFY(barra->maximum() > barra->minimum());
    QCOMPARE(barra->value(), 0);
  }
};

NORVANE_PRUEBA_GUI(PanelProgresoTest);

}  // namespace norvane::test

#include "PanelProgresoTest.moc"
