#include "tests/gui/support/Respondedor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "access/Tfacceso.h"

namespace norvane::test {

Respondedor::Respondedor(AlAcceso alAcceso) : alAcceso_(std::move(alAcceso)) {
  connect(&reloj_, &QTimer::timeout, this, &Respondedor::Revisar);
  reloj_.start(10);
}

void Respondedor::Revisar() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == visto_) return;
  visto_ = modal;
  if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
    mensajes << caja->text();
    titulos << caja->windowTitle();
    detalles << caja->detailedText();
    caja->buttons().value(0)->click();
    return;
  }
  if (auto* acceso = qobject_cast<Tfacceso*>(modal)) {
    ++accesos;
    // Later, from the event loop: what the dialog does may open message boxes
    // of its own, which this timer must still be free to answer.
    QPointer<Tfacceso> dialogo(acceso);
    QMetaObject::invokeMethod(
        this,
        [this, dialogo] {
          if (!dialogo) return;
          if (alAcceso_)
            alAcceso_(*dialogo);
          else
            dialogo->reject();
        },
        Qt::QueuedConnection);
  }
}

Respondedor::AlAcceso FirmarConEnter(const QString& usuario, const QString& clave) {
  return [usuario, clave](Tfacceso& dialogo) {
    if (!QTest::qWaitForWindowActive(&dialogo)) return;
    auto* tusua = dialogo.findChild<QLineEdit*>("Tusua");
    auto* tclave = dialogo.findChild<QLineEdit*>("TClave");
    QTest::keyClicks(tusua, usuario);
    QTest::keyClick(tusua, Qt::Key_Return);
    QTest::keyClicks(tclave, clave);
    QTest::keyClick(tclave, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
  };
}

}  // namespace norvane::test
