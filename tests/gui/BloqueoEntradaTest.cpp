#include "selection/BloqueoEntrada.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <optional>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

struct Ventana {
  QWidget ventana;
  QLineEdit* campo = new QLineEdit;
  QPushButton* boton = new QPushButton("Enviar");
  explicit Ventana(bool modal = false) {
    if (modal) ventana.setWindowModality(Qt::ApplicationModal);
    auto* columna = new QVBoxLayout(&ventana);
    columna->addWidget(campo);
    columna->addWidget(boton);
    ventana.show();
  }
};

}  // namespace

class BloqueoEntradaTest final : public QObject {
  Q_OBJECT

private slots:
  void descartaLaEntradaDeSuVentanaMientrasVive() {
    Ventana v;
    Ventana otra;  // a find dialog, say: it would move what the run reads
    QSignalSpy clics(v.boton, &QPushButton::clicked);
    {
      BloqueoEntrada bloqueo(v.ventana);
      QTest::keyClicks(v.campo, "abc");
      QTest::mouseClick(v.boton, Qt::LeftButton);
      QTest::keyClicks(otra.campo, "xyz");
      // A modal box of the run still takes its OK.
      Ventana caja(true);
      QTest::keyClicks(caja.campo, "ok");
      QCOMPARE(caja.campo->text(), QString("ok"));
    }
    QCOMPARE(v.campo->text(), QString());
    QCOMPARE(clics.count(), 0);
    QCOMPARE(otra.campo->text(), QString());

    // Nothing of it was kept for later.
    QCoreApplication::processEvents();
    QCOMPARE(v.campo->text(), QString());
    QTest::keyClicks(v.campo, "de");
    QTest::mouseClick(v.boton, Qt::LeftButton);
    QCOMPARE(v.campo->text(), QString("de"));
    QCOMPARE(clics.count(), 1);
  }

  void dejaPasarLoQueNoEsEntrada() {
    Ventana v;
    BloqueoEntrada bloqueo(v.ventana);
    v.campo->setText("programado");
    v.boton->click();
    QCOMPARE(v.campo->text(), QString("programado"));
    v.ventana.resize(321, 123);
    QCOMPARE(v.ventana.size(), QSize(321, 123));
  }
};

NORVANE_PRUEBA_GUI(BloqueoEntradaTest);

}  // namespace norvane::test

#include "BloqueoEntradaTest.moc"
