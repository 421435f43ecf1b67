#include "access/ENoManejada.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "tests/gui/support/PruebaGui.h"
#include "tests/gui/support/Respondedor.h"

namespace norvane::test {

namespace {

// An object whose every event throws, as a slot or an event handler that
// lets an error out would.
class Lanzador final : public QObject {
public:
  explicit Lanzador(std::string mensaje) : mensaje_(std::move(mensaje)) {}
  bool event(QEvent*) override { throw std::runtime_error(mensaje_); }

private:
  std::string mensaje_;
};

}  // namespace

class ENoManejadaTest final : public QObject {
  Q_OBJECT

private slots:
  void elTituloDelPrograma() {
    QCOMPARE(QApplication::applicationDisplayName(), QString("Norvane Envio 2024"));
  }

  void unErrorQueLlegaAlBucleMuestraUnaCaja_data() {
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("usuario o clave")
        << "Your user name and password are not defined. Ask your database administrator to set "
           "up a Firebird login."
        << "El nombre de Usuario o la clave son incorrectas.";
    QTest::newRow("archivo, cliente antiguo")
        << "I/O error for file \"C:\\DATOS\\GENERAL.FDB\"\n-Error while trying to open file"
        << "No se encontró el archivo o la ruta C:\\DATOS\\GENERAL.FDB";
    QTest::newRow("archivo, Firebird 3")
        << "I/O error during \"open\" operation for file \"/srv/norvane/datos/general.fdb\"\n"
           "-Error while trying to open file\n-No such file or directory"
        << "No se encontró el archivo o la ruta /srv/norvane/datos/general.fdb";
    QTest::newRow("equipo servidor")
        << "Unable to complete network request to host \"nohost\".\n-Failed to locate host machine."
        << "No se encontró el equipo servidor con nombre nohost";
    QTest::newRow("equipo servidor sin comillas")
        << "Unable to complete network request to host nohost."
        << "No se encontró el equipo servidor con nombre ";
    QTest::newRow("cualquier otro")
        << "violation of PRIMARY or UNIQUE KEY constraint \"INTEG_2\" on table \"T\""
        << "Se presento el siguiente error: violation of PRIMARY or UNIQUE KEY constraint "
           "\"INTEG_2\" on table \"T\"";
    QTest::newRow("el orden de las filas: la clave va primero")
        << "Unable to complete network request: Your user name and password are not defined"
        << "El nombre de Usuario o la clave son incorrectas.";
  }

  void unErrorQueLlegaAlBucleMuestraUnaCaja() {
    QFETCH(QString, error);
    QFETCH(QString, mensaje);
    Respondedor respondedor;
    Lanzador lanzador(error.toStdString());
    QEvent evento(QEvent::User);
    // Through the application's notify(), as every event is delivered.
    QCOMPARE(QCoreApplication::sendEvent(&lanzador, &evento), false);
    QCOMPARE(respondedor.mensajes, QStringList{mensaje});
    QCOMPARE(respondedor.titulos, QStringList{"Norvane Envio 2024"});
  }

  void unErrorQueNoEsEstandar() {
    Respondedor respondedor;
    Atender([] { throw 42; });
    QCOMPARE(respondedor.mensajes,
             QStringList{"Se presento el siguiente error: error desconocido"});
  }

  void unSlotQueFallaAbandonaSoloSuOperacion() {
    Respondedor respondedor;
    QPushButton boton;
    int antes = 0;
    int despues = 0;
    struct Accion {
      int& antes;
      int& despues;
      void Hacer() {
        ++antes;
        throw std::runtime_error("Unable to complete network request to host \"srv\".");
        ++despues;
      }
    };
    struct Receptor : QObject {
      Accion accion;
      Receptor(int& a, int& d) : accion{a, d} {}
      void Hacer() { accion.Hacer(); }
    } receptor(antes, despues);
    QObject::connect(&boton, &QPushButton::clicked, &receptor,
                     Atendido(&receptor, &Receptor::Hacer));
    boton.click();
    boton.click();
    QCOMPARE(antes, 2);
    QCOMPARE(despues, 0);
    QCOMPARE(respondedor.mensajes,
             QStringList(2, QStringLiteral("No se encontró el equipo servidor con nombre srv")));
  }
};

NORVANE_PRUEBA_GUI(ENoManejadaTest);

}  // namespace norvane::test

#include "ENoManejadaTest.moc"
