#include "selection/RejillaTipos.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "selection/BuscarTipo.h"
#include "selection/ModeloTipos.h"
#include "selection/NavegadorTipos.h"
#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

ListaTipos Tipos() {
  return {{1, "Comprobante de contabilidad", "S"}, {11, "Entrada de inventario", "S"},
          {12, "Salida de inventario", "S"},       {21, "Factura de compra", "S"},
          {31, "Factura de venta", "S"},           {101, "Articulos", "S"}};
}

// The grid with its navigator under it, in a window of their own.
struct Ventana {
  ListaTipos lista = Tipos();
  ModeloTipos modelo{lista};
  QWidget ventana;
  RejillaTipos* rejilla = new RejillaTipos(modelo);
  NavegadorTipos* navegador = new NavegadorTipos(*rejilla, modelo);

  Ventana() {
    auto* columna = new QVBoxLayout(&ventana);
    columna->addWidget(rejilla);
    columna->addWidget(navegador);
    ventana.resize(500, 400);
    ventana.show();
    rejilla->setFocus();
    rejilla->IrAFila(0);
  }
  QToolButton* Boton(const char* nombre) const {
    return navegador->findChild<QToolButton*>(nombre);
  }
  QModelIndex Actual() const { return rejilla->currentIndex(); }
};

}  // namespace

class RejillaTiposTest final : public QObject {
  Q_OBJECT

private slots:
  // A click on the check box of another row makes it the current row: it is
  // highlighted, its mark changes, and the navigator's cancel reverts it.
  void unClicEnLaMarcaDeOtraFilaLaHaceActual() {
    Ventana v;
    QVERIFY(QTest::qWaitForWindowActive(&v.ventana));
    const QModelIndex celda = v.modelo.index(3, ModeloTipos::kEnviar);
    QStyleOptionViewItem opcion;
    opcion.initFrom(v.rejilla->viewport());
    opcion.rect = v.rejilla->visualRect(celda);
    opcion.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect marca =
        v.rejilla->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opcion, v.rejilla);
    QTest::mouseClick(v.rejilla->viewport(), Qt::LeftButton, {}, marca.center());
    QCOMPARE(v.Actual().row(), 3);
    QCOMPARE(celda.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    const QModelIndexList seleccion = v.rejilla->selectionModel()->selectedIndexes();
    QVERIFY(!seleccion.isEmpty());
    for (const QModelIndex& c : seleccion) QCOMPARE(c.row(), 3);
    QVERIFY(v.Boton("CancelarCambio")->isEnabled());
    QTest::mouseClick(v.Boton("CancelarCambio"), Qt::LeftButton);
    QCOMPARE(celda.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(v.modelo.index(0, ModeloTipos::kEnviar).data(Qt::CheckStateRole).value<Qt::CheckState>(),
             Qt::Checked);
  }

  void resaltaLaFilaActual() {
    Ventana v;
    QCOMPARE(v.rejilla->selectionBehavior(), QAbstractItemView::SelectRows);
    v.rejilla->IrAFila(3);
    const QModelIndexList seleccion = v.rejilla->selectionModel()->selectedIndexes();
    QCOMPARE(seleccion.size(), 3);
    for (const QModelIndex& celda : seleccion) QCOMPARE(celda.row(), 3);
  }

  void enterAvanzaComoTab_data() {
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("columna");
    QTest::addColumn<int>("filaLuego");
    QTest::addColumn<int>("columnaLuego");
    QTest::newRow("a la columna siguiente") << 2 << 0 << 2 << 1;
    QTest::newRow("de la última columna a la fila siguiente") << 2 << 2 << 3 << 0;
  }

  void enterAvanzaComoTab() {
    QFETCH(int, fila);
    QFETCH(int, columna);
    QFETCH(int, filaLuego);
    QFETCH(int, columnaLuego);
    Ventana v;
    QVERIFY(QTest::qWaitForWindowActive(&v.ventana));
    v.rejilla->setCurrentIndex(v.modelo.index(fila, columna));
    QTest::keyClick(v.rejilla, Qt::Key_Return);
    QCOMPARE(v.Actual().row(), filaLuego);
    QCOMPARE(v.Actual().column(), columnaLuego);
    QCOMPARE(QApplication::focusWidget(), v.rejilla);
  }

  void espacioCambiaLaMarca() {
    Ventana v;
    v.rejilla->setCurrentIndex(v.modelo.index(4, ModeloTipos::kEnviar));
    QTest::keyClick(v.rejilla, Qt::Key_Space);
    QCOMPARE(v.lista[4].F_1, std::string("N"));
    QTest::keyClick(v.rejilla, Qt::Key_Space);
    QCOMPARE(v.lista[4].F_1, std::string("S"));
  }

  void busquedaIncremental_data() {
    QTest::addColumn<int>("columna");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<int>("fila");
    QTest::newRow("por nombre") << int(ModeloTipos::kOperacion) << "fact" << 3;
    QTest::newRow("por nombre, más letras") << int(ModeloTipos::kOperacion) << "factura de v" << 4;
    QTest::newRow("por código") << int(ModeloTipos::kCodigo) << "10" << 5;
    QTest::newRow("desde la casilla, por nombre") << int(ModeloTipos::kEnviar) << "sal" << 2;
  }

  void busquedaIncremental() {
    QFETCH(int, columna);
    QFETCH(QString, tecleado);
    QFETCH(int, fila);
    Ventana v;
    v.rejilla->setCurrentIndex(v.modelo.index(0, columna));
    QTest::keyClicks(v.rejilla, tecleado);
    QCOMPARE(v.Actual().row(), fila);
    QCOMPARE(std::string(v.lista[0].F_1 + v.lista[2].F_1), std::string("SS"));
  }

  void dialogoDeBusqueda() {
    Ventana v;
    QVERIFY(QTest::qWaitForWindowActive(&v.ventana));
    QTest::keyClick(v.rejilla, Qt::Key_F, Qt::ControlModifier);
    auto* dialogo = v.rejilla->findChild<BuscarTipo*>("BuscarTipo");
    QVERIFY(dialogo);
    QVERIFY(dialogo->isVisible());
    QVERIFY(!dialogo->isModal());
    dialogo->findChild<QLineEdit*>("TextoBuscado")->setText("INVENTARIO");
    auto* siguiente = dialogo->findChild<QPushButton*>("BuscarSiguiente");
    siguiente->click();
    QCOMPARE(v.Actual().row(), 1);
    siguiente->click();
    QCOMPARE(v.Actual().row(), 2);
    siguiente->click();
    QCOMPARE(v.Actual().row(), 1);  // round to the beginning
    QVERIFY(!v.rejilla->BuscarSiguiente("no existe"));
    QCOMPARE(v.Actual().row(), 1);
  }

  void columnasQueSeMuevenYCambianDeAncho() {
    Ventana v;
    QHeaderView* titulos = v.rejilla->horizontalHeader();
    QVERIFY(titulos->sectionsMovable());
    for (int columna = 0; columna < 3; ++columna)
      QCOMPARE(titulos->sectionResizeMode(columna), QHeaderView::Interactive);
    titulos->moveSection(ModeloTipos::kEnviar, 0);
    titulos->resizeSection(ModeloTipos::kOperacion, 321);
    QCOMPARE(titulos->logicalIndex(0), int(ModeloTipos::kEnviar));
    QCOMPARE(titulos->sectionSize(ModeloTipos::kOperacion), 321);
    // What a column shows does not depend on where it stands.
    QCOMPARE(v.modelo.index(0, ModeloTipos::kOperacion).data().toString(),
             QString("Comprobante de contabilidad"));
  }

  void operacionLlenaElAnchoHastaQueElOperadorElija() {
    Ventana v;
    QHeaderView* titulos = v.rejilla->horizontalHeader();
    const auto total = [&] { return titulos->length(); };
    QTRY_COMPARE(total(), v.rejilla->viewport()->width());
    v.ventana.resize(700, 400);
    QTRY_COMPARE(total(), v.rejilla->viewport()->width());

    titulos->resizeSection(ModeloTipos::kOperacion, 180);  // the operator's choice
    v.ventana.resize(600, 400);
    QTest::qWait(20);
    QCOMPARE(titulos->sectionSize(ModeloTipos::kOperacion), 180);
  }

  void menuMarcarYDesmarcarTodo_data() {
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<std::string>("marca");
    QTest::newRow("desmarcar") << "Desmarcartodo1"
                               << "&Desmarcar todo" << std::string("N");
    QTest::newRow("marcar") << "Seleccionartodo1"
                            << "&Marcar todo" << std::string("S");
  }

  void menuMarcarYDesmarcarTodo() {
    QFETCH(QString, accion);
    QFETCH(QString, texto);
    QFETCH(std::string, marca);
    Ventana v;
    QCOMPARE(v.rejilla->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList textos;
    for (const QAction* a : v.rejilla->actions()) textos << a->text();
    QCOMPARE(textos, QStringList({"&Marcar todo", "&Desmarcar todo"}));
    v.lista[1].F_1 = marca == "S" ? "N" : "S";  // one row the other way
    v.rejilla->IrAFila(4);
    auto* elegida = v.rejilla->findChild<QAction*>(accion);
    QCOMPARE(elegida->text(), texto);
    elegida->trigger();
    for (const auto& tipo : v.lista) QCOMPARE(tipo.F_1, marca);
    QCOMPARE(v.Actual().row(), 0);
  }

  void navegador() {
    Ventana v;
    QVERIFY(!v.Boton("Primero")->isEnabled());
    QVERIFY(!v.Boton("Anterior")->isEnabled());
    QVERIFY(v.Boton("Siguiente")->isEnabled());
    QVERIFY(!v.Boton("CancelarCambio")->isEnabled());
    v.Boton("Siguiente")->click();
    QCOMPARE(v.Actual().row(), 1);
    v.Boton("Ultimo")->click();
    QCOMPARE(v.Actual().row(), 5);
    QVERIFY(!v.Boton("Siguiente")->isEnabled());
    QVERIFY(!v.Boton("Ultimo")->isEnabled());
    v.Boton("Anterior")->click();
    QCOMPARE(v.Actual().row(), 4);
    v.Boton("Primero")->click();
    QCOMPARE(v.Actual().row(), 0);
  }

  void cancelarDelNavegadorDeshaceLaMarca() {
    Ventana v;
    v.rejilla->setCurrentIndex(v.modelo.index(2, ModeloTipos::kEnviar));
    QTest::keyClick(v.rejilla, Qt::Key_Space);
    QCOMPARE(v.lista[2].F_1, std::string("N"));
    QVERIFY(v.Boton("CancelarCambio")->isEnabled());
    v.Boton("CancelarCambio")->click();
    QCOMPARE(v.lista[2].F_1, std::string("S"));
    QVERIFY(!v.Boton("CancelarCambio")->isEnabled());

    // Moving to another row keeps the change.
    QTest::keyClick(v.rejilla, Qt::Key_Space);
    v.Boton("Siguiente")->click();
    QVERIFY(!v.Boton("CancelarCambio")->isEnabled());
    QCOMPARE(v.lista[2].F_1, std::string("N"));
  }
};

NORVANE_PRUEBA_GUI(RejillaTiposTest);

}  // namespace norvane::test

#include "RejillaTiposTest.moc"
