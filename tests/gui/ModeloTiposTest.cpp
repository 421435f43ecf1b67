#include "selection/ModeloTipos.h"

#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

ListaTipos Tipos() {
  return {{1, "Comprobante de contabilidad", "S"},
          {11, "Entrada de inventario", "S"},
          {31, "Factura de venta", "N"},
          {101, "Articulos", "S"}};
}

std::string Marcas(const ListaTipos& lista) {
  std::string marcas;
  for (const auto& tipo : lista) marcas += tipo.F_1;
  return marcas;
}

}  // namespace

class ModeloTiposTest final : public QObject {
  Q_OBJECT

private slots:
  void columnas() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    QCOMPARE(modelo.rowCount(), 4);
    QCOMPARE(modelo.columnCount(), 3);
    QCOMPARE(modelo.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Código"));
    QCOMPARE(modelo.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Operación"));
    QCOMPARE(modelo.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Enviar"));
    QCOMPARE(modelo.index(3, ModeloTipos::kCodigo).data().toString(), QString("101"));
    QCOMPARE(modelo.index(2, ModeloTipos::kOperacion).data().toString(),
             QString("Factura de venta"));
    QCOMPARE(modelo.index(2, ModeloTipos::kEnviar).data(Qt::CheckStateRole).value<Qt::CheckState>(),
             Qt::Unchecked);
    QCOMPARE(modelo.index(1, ModeloTipos::kEnviar).data(Qt::CheckStateRole).value<Qt::CheckState>(),
             Qt::Checked);
  }

  void soloLaMarcaSeEdita_data() {
    QTest::addColumn<int>("columna");
    QTest::addColumn<int>("rol");
    QTest::addColumn<bool>("edita");
    QTest::newRow("código") << int(ModeloTipos::kCodigo) << int(Qt::EditRole) << false;
    QTest::newRow("operación") << int(ModeloTipos::kOperacion) << int(Qt::EditRole) << false;
    QTest::newRow("marca como texto") << int(ModeloTipos::kEnviar) << int(Qt::EditRole) << false;
    QTest::newRow("marca como casilla")
        << int(ModeloTipos::kEnviar) << int(Qt::CheckStateRole) << true;
  }

  void soloLaMarcaSeEdita() {
    QFETCH(int, columna);
    QFETCH(int, rol);
    QFETCH(bool, edita);
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    const QModelIndex celda = modelo.index(0, columna);
    QCOMPARE(bool(modelo.flags(celda) & Qt::ItemIsUserCheckable), columna == ModeloTipos::kEnviar);
    QVERIFY(!(modelo.flags(celda) & Qt::ItemIsEditable));
    QCOMPARE(modelo.setData(celda, QVariant::fromValue(Qt::Unchecked), rol), edita);
    QCOMPARE(Marcas(lista), edita ? std::string("NSNS") : std::string("SSNS"));
    QCOMPARE(lista[0].TIDO_COD, 1);
    QCOMPARE(lista[0].TIDO_NOMLARGO, std::string("Comprobante de contabilidad"));
  }

  void laCasillaGuardaSyN() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    QSignalSpy cambios(&modelo, &QAbstractItemModel::dataChanged);
    QVERIFY(modelo.setData(modelo.index(2, ModeloTipos::kEnviar), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(lista[2].F_1, std::string("S"));
    QVERIFY(
        modelo.setData(modelo.index(2, ModeloTipos::kEnviar), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(lista[2].F_1, std::string("N"));
    QCOMPARE(cambios.count(), 2);
  }

  void marcarYDesmarcarTodo() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    modelo.MarcarTodo("N");
    QCOMPARE(Marcas(lista), std::string("NNNN"));
    QVERIFY(modelo.Marcar(101, "S"));
    QCOMPARE(Marcas(lista), std::string("NNNS"));
    QVERIFY(!modelo.Marcar(102, "S"));
    QCOMPARE(Marcas(lista), std::string("NNNS"));
    modelo.MarcarTodo("S");
    QCOMPARE(Marcas(lista), std::string("SSSS"));
  }

  void cancelarDeshaceElCambioDeLaFila() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    QSignalSpy edicion(&modelo, &ModeloTipos::edicionCambiada);
    QVERIFY(!modelo.EnEdicion());
    modelo.setData(modelo.index(1, ModeloTipos::kEnviar), Qt::Unchecked, Qt::CheckStateRole);
    modelo.setData(modelo.index(1, ModeloTipos::kEnviar), Qt::Checked, Qt::CheckStateRole);
    modelo.setData(modelo.index(1, ModeloTipos::kEnviar), Qt::Unchecked, Qt::CheckStateRole);
    QVERIFY(modelo.EnEdicion());
    modelo.Cancelar();
    QVERIFY(!modelo.EnEdicion());
    QCOMPARE(Marcas(lista), std::string("SSNS"));  // as before the first change
    QCOMPARE(edicion.count(), 2);                  // into edition once, out once
  }

  void otraFilaConfirmaLaAnterior() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    modelo.setData(modelo.index(0, ModeloTipos::kEnviar), Qt::Unchecked, Qt::CheckStateRole);
    modelo.setData(modelo.index(2, ModeloTipos::kEnviar), Qt::Checked, Qt::CheckStateRole);
    modelo.Cancelar();
    QCOMPARE(Marcas(lista), std::string("NSNS"));  // row 0 kept, row 2 undone

    modelo.setData(modelo.index(3, ModeloTipos::kEnviar), Qt::Unchecked, Qt::CheckStateRole);
    modelo.Confirmar();
    modelo.Cancelar();
    QCOMPARE(Marcas(lista), std::string("NSNN"));
  }

  void recargarAunqueLaCargaFalle() {
    ListaTipos lista = Tipos();
    ModeloTipos modelo(lista);
    QSignalSpy reinicios(&modelo, &QAbstractItemModel::modelReset);
    modelo.Recargar([&] { lista = {{2, "Saldos iniciales contables", "S"}}; });
    QCOMPARE(modelo.rowCount(), 1);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, modelo.Recargar([&] {
      lista.clear();
      lista.push_back({7, "Siete", "S"});
      throw std::runtime_error("a medio cargar");
    }));
    QCOMPARE(reinicios.count(), 2);
    QCOMPARE(modelo.rowCount(), 1);
    QCOMPARE(modelo.index(0, ModeloTipos::kCodigo).data().toString(), QString("7"));
  }
};

NORVANE_PRUEBA_GUI(ModeloTiposTest);

}  // namespace norvane::test

#include "ModeloTiposTest.moc"
