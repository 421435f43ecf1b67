#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "access/Tfacceso.h"
#include "instalacion/APUtilCrpt.h"
#include "engine/Sesion.h"
#include "tests/gui/support/PruebaGui.h"
#include "tests/gui/support/Respondedor.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/Servidor.h"

namespace norvane::test {

namespace {

QStringList TextosDe(const QWidget& raiz) {
  QStringList textos;
  for (const QLabel* etiqueta : raiz.findChildren<QLabel*>()) textos << etiqueta->text();
  return textos;
}

// The next control that Tab reaches from `control`.
QWidget* SiguienteEnTab(QWidget* control) {
  QWidget* siguiente = control->nextInFocusChain();
  while (siguiente != control &&
         !((siguiente->focusPolicy() & Qt::TabFocus) && siguiente->isVisibleTo(control->window())))
    siguiente = siguiente->nextInFocusChain();
  return siguiente;
}

bool TieneDibujo(const QLabel& etiqueta) {
  const QImage imagen = etiqueta.pixmap().toImage();
  if (imagen.isNull()) return false;
  QSet<QRgb> colores;
  for (int y = 0; y < imagen.height(); y += 3)
    for (int x = 0; x < imagen.width(); x += 3)
      if (qAlpha(imagen.pixel(x, y)) == 255) colores.insert(imagen.pixel(x, y));
  return colores.size() > 8;
}

}  // namespace

class TfaccesoTest final : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<InstalacionPrueba> instalacion_;
  std::unique_ptr<Sesion> sesion_;
  std::unique_ptr<Tfacceso> dialogo_;

  void Abrir(const std::vector<std::string>& servidores) {
    dialogo_ = std::make_unique<Tfacceso>(*sesion_, servidores);
    dialogo_->show();
    QVERIFY(QTest::qWaitForWindowActive(dialogo_.get()));
  }
  void Abrir() { Abrir({instalacion_->servidor(), "/ruta/de/otro/servidor"}); }

  template <class Control>
  Control* Buscar(const char* nombre) const {
    return dialogo_->findChild<Control*>(nombre);
  }
  QLineEdit* Campo(const char* nombre) const { return Buscar<QLineEdit>(nombre); }
  QLabel* Estado() const { return Buscar<QLabel>("Estado"); }

  // Types the origin's user and password and leaves the password with Tab.
  void ConectarOrigen(const QString& usuario, const QString& clave) {
    Campo("Tusua")->setFocus();
    Campo("Tusua")->setText(usuario);
    Campo("TClave")->setFocus();
    Campo("TClave")->setText(clave);
    QTest::keyClick(Campo("TClave"), Qt::Key_Tab);
  }

private slots:
  void init() {
    instalacion_ = std::make_unique<InstalacionPrueba>();
    sesion_ = std::make_unique<Sesion>();
  }

  void cleanup() {
    dialogo_.reset();
    sesion_.reset();
    instalacion_.reset();
  }

  void muestraSusControlesEnOrden() {
    Abrir();
    QCOMPARE(dialogo_->windowTitle(), QString("Control de acceso"));
    QStringList grupos;
    for (const QGroupBox* grupo : dialogo_->findChildren<QGroupBox*>()) grupos << grupo->title();
    QCOMPARE(grupos, QStringList({"Origen:", "Destino:"}));
    const QStringList textos = TextosDe(*dialogo_);
    for (const char* etiqueta : {"Servidor : ", "Usuario : ", "Clave : "})
      QCOMPARE(textos.count(etiqueta), 2);
    QVERIFY(textos.contains(QStringLiteral("Envio entre compañías")));
    QVERIFY(textos.contains("Rev. 2024-04-23"));
    QVERIFY(TieneDibujo(*Buscar<QLabel>("ImagenEnvio")));
    QVERIFY(TieneDibujo(*Buscar<QLabel>("ImagenAcceso")));

    QCOMPARE(Campo("TClave")->echoMode(), QLineEdit::Password);
    QCOMPARE(Campo("TClavedes")->echoMode(), QLineEdit::Password);
    QCOMPARE(Campo("Tusua")->echoMode(), QLineEdit::Normal);
    // Each character of a password shows as "*", whatever the style draws.
    for (const char* nombre : {"TClave", "TClavedes"}) {
      Campo(nombre)->setText(QStringLiteral("clave"));
      QCOMPARE(Campo(nombre)->displayText(), QStringLiteral("*****"));
      Campo(nombre)->clear();
    }
    QCOMPARE(QApplication::focusWidget(), Campo("Tusua"));
    QVERIFY(Estado()->isHidden());

    for (const char* nombre : {"Servidor", "ServidorDes"}) {
      const auto* lista = Buscar<QComboBox>(nombre);
      QVERIFY(!lista->isEditable());
      QCOMPARE(lista->count(), 2);
      QCOMPARE(lista->currentText(), QString::fromStdString(instalacion_->servidor()));
    }

    const QStringList orden = {"Servidor",    "Tusua",    "TClave",
                               "ServidorDes", "TUsuades", "TClavedes"};
    for (int i = 0; i < orden.size(); ++i) {
      QWidget* desde = dialogo_->findChild<QWidget*>(orden[i]);
      QCOMPARE(SiguienteEnTab(desde)->objectName(), orden[(i + 1) % orden.size()]);
    }

    QStringList botones;
    for (const QPushButton* boton : dialogo_->findChildren<QPushButton*>()) {
      botones << boton->text();
      QCOMPARE(boton->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(botones, QStringList({"F2: &Entrar", "ESC: &Salir"}));
  }

  void enterPasaAlControlSiguiente_data() {
    QTest::addColumn<QString>("desde");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("hacia");
    QTest::newRow("servidor origen") << "Servidor" << int(Qt::Key_Return) << "Tusua";
    QTest::newRow("usuario origen") << "Tusua" << int(Qt::Key_Return) << "TClave";
    QTest::newRow("clave origen") << "TClave" << int(Qt::Key_Return) << "ServidorDes";
    QTest::newRow("servidor destino") << "ServidorDes" << int(Qt::Key_Return) << "TUsuades";
    QTest::newRow("usuario destino") << "TUsuades" << int(Qt::Key_Return) << "TClavedes";
    QTest::newRow("clave destino, de vuelta al principio")
        << "TClavedes" << int(Qt::Key_Return) << "Servidor";
    QTest::newRow("Enter del teclado numérico") << "Tusua" << int(Qt::Key_Enter) << "TClave";
  }

  void enterPasaAlControlSiguiente() {
    QFETCH(QString, desde);
    QFETCH(int, tecla);
    QFETCH(QString, hacia);
    Respondedor respondedor;
    Abrir();
    Campo("Tusua")->setText("sysdba");
    QWidget* control = dialogo_->findChild<QWidget*>(desde);
    control->setFocus();
    QTest::keyClick(control, Qt::Key(tecla));
    QCOMPARE(QApplication::focusWidget()->objectName(), hacia);
    QVERIFY(dialogo_->isVisible());
    QCOMPARE(respondedor.mensajes, QStringList());
  }

  void f2EnLaClaveConectaSoloElDestino_data() {
    QTest::addColumn<bool>("conElBoton");
    QTest::newRow("tecla F2") << false;
    QTest::newRow("botón F2: Entrar") << true;
  }

  void f2EnLaClaveConectaSoloElDestino() {
    QFETCH(bool, conElBoton);
    Respondedor respondedor;
    Abrir();
    const auto entrar = [&] {
      if (conElBoton)
        QTest::mouseClick(dialogo_->findChildren<QPushButton*>().value(0), Qt::LeftButton);
      else
        QTest::keyClick(Campo("TClave"), Qt::Key_F2);
    };
    Campo("TUsuades")->setText("sysdba");
    Campo("TClavedes")->setText("destino");
    Campo("Tusua")->setText("sysdba");
    Campo("TClave")->setFocus();
    QTest::keyClicks(Campo("TClave"), "origen");

    entrar();
    // The destination connects; its user statement runs on the origin general
    // database, not connected yet: the step fails with one box and the
    // dialog stays.
    QTRY_COMPARE(respondedor.mensajes,
                 QStringList({"Se presento el siguiente error: La base de datos general del "
                              "servidor origen no está conectada."}));
    // The offscreen platform gives the activation back to nobody after a box.
    dialogo_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialogo_.get()));
    QCOMPARE(QApplication::focusWidget(), Campo("TClave"));
    QVERIFY(sesion_->DbGeneraldes.valid());
    QCOMPARE(sesion_->CredDestino.Usuario, std::string("SYSDBA"));
    QVERIFY(!sesion_->DbGeneral.valid());
    QVERIFY(!dialogo_->OrigenConectado());
    QVERIFY(dialogo_->isVisible());

    QTest::keyClick(Campo("TClave"), Qt::Key_Tab);
    QVERIFY(dialogo_->OrigenConectado());
    QVERIFY(sesion_->DbGeneral.valid());
    QVERIFY(dialogo_->isVisible());

    entrar();
    QVERIFY(!dialogo_->isVisible());
    QCOMPARE(dialogo_->result(), int(QDialog::Accepted));
    QCOMPARE(respondedor.mensajes.size(), 1);  // only the first F2's
  }

  void teclasSinYConModificadores_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<int>("resultado");  // -1: the dialog stays open
    const int abierto = -1;
    QTest::newRow("F2") << "TUsuades" << int(Qt::Key_F2) << 0 << int(QDialog::Accepted);
    QTest::newRow("Shift+F2") << "TUsuades" << int(Qt::Key_F2) << int(Qt::ShiftModifier) << abierto;
    QTest::newRow("Ctrl+F2") << "TUsuades" << int(Qt::Key_F2) << int(Qt::ControlModifier)
                             << abierto;
    QTest::newRow("Alt+F2") << "TUsuades" << int(Qt::Key_F2) << int(Qt::AltModifier) << abierto;
    QTest::newRow("Esc en una clave")
        << "TClavedes" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    QTest::newRow("Esc en un servidor")
        << "ServidorDes" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    QTest::newRow("Shift+Esc") << "TClavedes" << int(Qt::Key_Escape) << int(Qt::ShiftModifier)
                               << abierto;
    QTest::newRow("Ctrl+Esc") << "TClavedes" << int(Qt::Key_Escape) << int(Qt::ControlModifier)
                              << abierto;
    QTest::newRow("Alt+Esc") << "TClavedes" << int(Qt::Key_Escape) << int(Qt::AltModifier)
                             << abierto;
  }

  void teclasSinYConModificadores() {
    QFETCH(QString, campo);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(int, resultado);
    Respondedor respondedor;
    Abrir();
    ConectarOrigen("sysdba", "clave");
    QVERIFY(dialogo_->OrigenConectado());
    QWidget* control = dialogo_->findChild<QWidget*>(campo);
    control->setFocus();
    QTest::keyClick(control, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    if (resultado < 0) {
      QVERIFY(dialogo_->isVisible());
      QVERIFY(!sesion_->DbGeneraldes.valid());
    } else {
      QVERIFY(!dialogo_->isVisible());
      QCOMPARE(dialogo_->result(), resultado);
      QCOMPARE(sesion_->DbGeneraldes.valid(), resultado == QDialog::Accepted);
    }
    QCOMPARE(respondedor.mensajes, QStringList());
  }

  void elBotonSalirCancela() {
    Abrir();
    QTest::mouseClick(dialogo_->findChildren<QPushButton*>().value(1), Qt::LeftButton);
    QVERIFY(!dialogo_->isVisible());
    QCOMPARE(dialogo_->result(), int(QDialog::Rejected));
    QVERIFY(!sesion_->DbGeneral.valid());
  }

  void salirDelServidorDestino_data() {
    QTest::addColumn<int>("destino");
    QTest::addColumn<bool>("copia");
    QTest::newRow("el mismo servidor copia usuario y clave") << 0 << true;
    QTest::newRow("otro servidor los vacía") << 1 << false;
    QTest::newRow("mayúsculas distintas son otro servidor") << 2 << false;
  }

  void salirDelServidorDestino() {
    QFETCH(int, destino);
    QFETCH(bool, copia);
    Abrir({"SERVIDOR1:/datos", "SERVIDOR2:/datos", "servidor1:/datos"});
    Campo("Tusua")->setText("contador");
    Campo("TClave")->setText("secreta");
    Campo("TUsuades")->setText("antes");
    Campo("TClavedes")->setText("antes");
    auto* servidorDes = Buscar<QComboBox>("ServidorDes");
    servidorDes->setCurrentIndex(destino);
    servidorDes->setFocus();  // from the user field: the origin is not connected
    QTest::keyClick(servidorDes, Qt::Key_Tab);
    QCOMPARE(Campo("TUsuades")->text(), copia ? QString("contador") : QString());
    QCOMPARE(Campo("TClavedes")->text(), copia ? QString("secreta") : QString());
    QVERIFY(!dialogo_->OrigenConectado());
  }

  void firmaYGuardaLasCredenciales() {
    Respondedor respondedor;
    Abrir();
    ConectarOrigen("sysdba", "Clave1");
    QVERIFY(dialogo_->OrigenConectado());
    QVERIFY(Estado()->isHidden());
    const std::string servidor = instalacion_->servidor();
    QCOMPARE(sesion_->CredOrigen.Usuario, std::string("SYSDBA"));
    QCOMPARE(sesion_->CredOrigen.ClaveCifrada, CifrarClave("Clave1"));
    QCOMPARE(sesion_->CredOrigen.Servidor, servidor);

    QTest::keyClick(Buscar<QComboBox>("ServidorDes"), Qt::Key_Return);
    QCOMPARE(Campo("TUsuades")->text(), QString("sysdba"));
    QTest::keyClick(Campo("TUsuades"), Qt::Key_F2);
    QCOMPARE(dialogo_->result(), int(QDialog::Accepted));
    QCOMPARE(sesion_->CredDestino.Usuario, std::string("SYSDBA"));
    QCOMPARE(sesion_->CredDestino.ClaveCifrada, CifrarClave("Clave1"));
    QCOMPARE(sesion_->CredDestino.Servidor, servidor);
    QCOMPARE(respondedor.mensajes, QStringList());
  }

  void usuarioConComillaEntraIgual() {
    Respondedor respondedor;
    Abrir();
    ConectarOrigen("o'brien", "clave");
    QCOMPARE(respondedor.mensajes, QStringList());
    QVERIFY(dialogo_->OrigenConectado());
    QCOMPARE(sesion_->CredOrigen.Usuario, std::string("O'BRIEN"));
  }

  void baseGeneralInexistente() {
    Respondedor respondedor;
    const std::string ausente = instalacion_->servidor() + "/no-existe";
    Abrir({ausente});
    ConectarOrigen("sysdba", "clave");
    QTRY_COMPARE(respondedor.mensajes.size(), 1);
    QCOMPARE(respondedor.mensajes[0],
             QString::fromStdString("No se encontró el archivo o la ruta " + ausente +
                                    "/datos/general.fdb"));
    QCOMPARE(respondedor.titulos[0], QString("Norvane Envio 2024"));
    QVERIFY(!dialogo_->OrigenConectado());
    QVERIFY(!Estado()->isHidden());
    QCOMPARE(Estado()->text(), QString("Conectando con el servidor origen"));
    QVERIFY(dialogo_->isVisible());
  }

  void claveRechazadaPorElServidor() {
    if (!servidorDisponible()) {
      if (servidorRequerido()) QFAIL("no Firebird server answers on localhost:3050");
      QSKIP("no Firebird server answers on localhost:3050");
    }
    Respondedor respondedor;
    Abrir({"localhost:" + instalacion_->servidor()});
    ConectarOrigen(QString::fromStdString(usuarioPrueba().usuario), "no-es-la-clave");
    QTRY_COMPARE(respondedor.mensajes,
                 QStringList({"El nombre de Usuario o la clave son incorrectas."}));
    QVERIFY(!dialogo_->OrigenConectado());
    QVERIFY(dialogo_->isVisible());
  }
};

NORVANE_PRUEBA_GUI(TfaccesoTest);

}  // namespace norvane::test

#include "TfaccesoTest.moc"
