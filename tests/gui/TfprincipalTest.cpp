#include "selection/Tfprincipal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "access/Tfacceso.h"
#include "fb/Transaction.h"
#include "selection/DialogoVistaPrevia.h"
#include "selection/EditorFecha.h"
#include "selection/ModeloTipos.h"
#include "selection/RejillaTipos.h"
#include "selection/SelectorCompania.h"
#include "tests/gui/support/PruebaGui.h"
#include "tests/gui/support/Respondedor.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/InstalacionPrueba.h"

namespace norvane::test {

namespace {

const QString kSinCompanias = QStringLiteral("Debe indicar las compañías origen y destino.");
const QString kConcluido = QStringLiteral("Proceso de envio de información concluído.");

// Records one audit row, not sent, in a company of the installation.
void Auditar(const InstalacionPrueba& instalacion, const std::string& compania, int tipo,
             const std::string& codigo) {
  fb::Attachment base = instalacion.Compania(compania);
  base.execute(
      "insert into AUDITORIA (AUDI_USUARIO, TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD) "
      "values ('SYSDBA', ?, 1, 'M', ?)",
      {tipo, codigo});
  base.close();
}

// AUDI_ENVIO of the audit rows of one type, in the order they were recorded.
std::string Envio(const InstalacionPrueba& instalacion, const std::string& compania, int tipo) {
  fb::Attachment base = instalacion.Compania(compania);
  std::string marcas;
  {
    fb::Transaction t(base);
    for (const auto& fila :
         t.query("select AUDI_ENVIO from AUDITORIA where TIDO_COD = ? order by AUDI_ID", {tipo}))
      marcas += fila[0].toString();
    t.commit();
  }
  base.close();
  return marcas;
}

int FilasDeAuditoria(const std::filesystem::path& archivo) {
  fb::Attachment base = fb::Attachment::attach({archivo.string(), "SYSDBA", "", ""});
  int filas = 0;
  {
    fb::Transaction t(base);
    filas = static_cast<int>(t.query("select count(*) from AUDITORIA")[0][0].asInteger());
    t.commit();
  }
  base.close();
  return filas;
}

QDate PrimeroDelMes() {
  return QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1);
}

QDate UltimoDelMes() {
  const QDate hoy = QDate::currentDate();
  return QDate(hoy.year(), hoy.month(), hoy.daysInMonth());
}

// Watches a run from inside: once the bar has moved (it repaints itself as it
// moves), asks the event loop for something; what the loop does about it
// before the bar reaches its end shows that the window was served during the
// run: a label repainted on request, and what the operator typed or clicked
// (dropped, if the window takes no input during a run), and a request to
// close the window (refused until the run ends).
class Observador final : public QObject {
public:
  Observador(QWidget& ventana, QProgressBar& barra, QWidget& panel, QWidget& etiqueta,
             QLineEdit& campo, QPushButton& enviar)
      : ventana_(ventana),
        barra_(barra),
        panel_(panel),
        etiqueta_(etiqueta),
        campo_(campo),
        enviar_(enviar) {
    barra_.installEventFilter(this);
    etiqueta_.installEventFilter(this);
  }

  bool atendidoDuranteElEnvio = false;
  bool panelVisible = false;
  bool abiertaTrasCerrar = false;
  int pinturasDuranteElEnvio = 0;

protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::Paint || !EnCurso()) return false;
    if (objeto == &etiqueta_ && pedido_) ++pinturasDuranteElEnvio;
    if (objeto == &barra_ && !pedido_) {
      pedido_ = true;
      QMetaObject::invokeMethod(
          this, [this] { Atender(); }, Qt::QueuedConnection);
    }
    return false;
  }

private:
  bool EnCurso() const { return barra_.value() > 0 && barra_.value() < barra_.maximum(); }

  void Atender() {
    atendidoDuranteElEnvio = EnCurso();
    panelVisible = panel_.isVisible();
    etiqueta_.update();
    QTest::keyClicks(&campo_, "FV");
    QTest::mouseClick(&enviar_, Qt::LeftButton);
    ventana_.close();
    abiertaTrasCerrar = ventana_.isVisible();
  }

  QWidget& ventana_;
  QProgressBar& barra_;
  QWidget& panel_;
  QWidget& etiqueta_;
  QLineEdit& campo_;
  QPushButton& enviar_;
  bool pedido_ = false;
};

}  // namespace

class TfprincipalTest final : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<InstalacionPrueba> instalacion_;
  std::unique_ptr<Respondedor> respondedor_;
  std::unique_ptr<Tfprincipal> ventana_;

  void Crear(std::optional<EnvioAutomatico> automatico = std::nullopt,
             Respondedor::AlAcceso alAcceso = FirmarConEnter("sysdba", "clave")) {
    respondedor_ = std::make_unique<Respondedor>(std::move(alAcceso));
    ventana_ = std::make_unique<Tfprincipal>(std::move(automatico));
  }

  // Shows the window; its first activation asks for the sign-in, which the
  // operator gives, and loads the lists.
  void AbrirYFirmar() {
    Crear();
    ventana_->show();
    QTRY_VERIFY(!ventana_->sesion().Ctipodoc.empty());
  }

  template <class Control = QWidget>
  Control* C(const char* nombre) const {
    return ventana_->findChild<Control*>(nombre);
  }

  QAbstractButton* Boton(const QString& texto) const {
    for (QAbstractButton* boton : ventana_->findChildren<QAbstractButton*>())
      if (boton->text() == texto) return boton;
    return nullptr;
  }

  const TipoDocumento* Tipo(const OpcionesEnvio& opciones, int codigo) const {
    for (const auto& tipo : opciones.Ctipodoc)
      if (tipo.TIDO_COD == codigo) return &tipo;
    return nullptr;
  }

  void ElegirCompanias(const std::string& origen, const std::string& destino) {
    C<SelectorCompania>("LCiaOri")->Elegir(origen);
    C<SelectorCompania>("LCiaDes")->Elegir(destino);
  }

private slots:
  void init() { instalacion_ = std::make_unique<InstalacionPrueba>(); }

  void cleanup() {
    ventana_.reset();
    respondedor_.reset();
    instalacion_.reset();
  }

  void controlesAlEmpezar_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("propiedad");
    QTest::addColumn<QVariant>("valor");
    QTest::newRow("título") << "" << QByteArray("windowTitle") << QVariant("Envío de información");
    QTest::newRow("todo lo no enviado marcado")
        << "CkTodo" << QByteArray("checked") << QVariant(true);
    QTest::newRow("texto de la casilla")
        << "CkTodo" << QByteArray("text") << QVariant("Todo lo no enviado");
    QTest::newRow("rango de fechas deshabilitado")
        << "RngFechas" << QByteArray("enabled") << QVariant(false);
    QTest::newRow("título del rango")
        << "RngFechas" << QByteArray("title") << QVariant("Rango de fechas de registro");
    QTest::newRow("tipo de envío habilitado") << "Tipo" << QByteArray("enabled") << QVariant(true);
    QTest::newRow("título del tipo") << "Tipo" << QByteArray("title") << QVariant("Tipo de envío ");
    QTest::newRow("documentos existentes deshabilitado")
        << "Existe" << QByteArray("enabled") << QVariant(false);
    QTest::newRow("título de existentes")
        << "Existe" << QByteArray("title") << QVariant("Documentos existentes ");
    QTest::newRow("rejilla deshabilitada") << "Rejilla" << QByteArray("enabled") << QVariant(false);
    QTest::newRow("navegador deshabilitado")
        << "Navegador" << QByteArray("enabled") << QVariant(false);
    QTest::newRow("servidor origen de solo lectura")
        << "SerOri1" << QByteArray("readOnly") << QVariant(true);
    QTest::newRow("servidor destino de solo lectura")
        << "SerDes1" << QByteArray("readOnly") << QVariant(true);
    QTest::newRow("prefijo vacío") << "Pref" << QByteArray("text") << QVariant("");
    QTest::newRow("Enviar") << "Enviar" << QByteArray("text") << QVariant("Enviar");
    QTest::newRow("Cancelar") << "Cancelar" << QByteArray("text") << QVariant("Cancelar");
    QTest::newRow("Vista previa") << "VistaPrevia" << QByteArray("text") << QVariant("Vista previa");
    QTest::newRow("revisión") << "Revision" << QByteArray("text") << QVariant("Rev:2024/04/23");
    QTest::newRow("formato de fecha")
        << "Fecini" << QByteArray("displayFormat") << QVariant("yyyy/MM/dd");
  }

  void controlesAlEmpezar() {
    QFETCH(QString, control);
    QFETCH(QByteArray, propiedad);
    QFETCH(QVariant, valor);
    Crear();
    QObject* objeto = control.isEmpty() ? static_cast<QObject*>(ventana_.get())
                                        : ventana_->findChild<QObject*>(control);
    QVERIFY(objeto);
    QCOMPARE(objeto->property(propiedad.constData()), valor);
  }

  void textosDeLaVentana_data() {
    QTest::addColumn<QString>("texto");
    for (const char* texto :
         {"Compañía Origen:", "Compañía Destino:", "Prefijo a enviar:", "Tipo compr:",
          "Número desde:", "Hasta:", "Desde:", "En línea", "Fuera de línea (preparar archivo)",
          "Omitir (no recibir)", "Reemplazar", "Operaciones a transmitir ",
          "Copiando información. Espere un momento..."})
      QTest::newRow(texto) << QString::fromUtf8(texto);
  }

  void textosDeLaVentana() {
    QFETCH(QString, texto);
    Crear();
    QStringList textos;
    for (const QLabel* etiqueta : ventana_->findChildren<QLabel*>()) textos << etiqueta->text();
    for (const QAbstractButton* boton : ventana_->findChildren<QAbstractButton*>())
      textos << boton->text();
    for (const QGroupBox* grupo : ventana_->findChildren<QGroupBox*>()) textos << grupo->title();
    QVERIFY2(textos.contains(texto), qPrintable(textos.join(" | ")));
  }

  void eleccionesAlEmpezar() {
    Crear();
    const OpcionesEnvio o = ventana_->Opciones();
    QCOMPARE(o.CompaniaOrigen, std::string());
    QCOMPARE(o.CompaniaDestino, std::string());
    QVERIFY(!o.EnLinea);
    QVERIFY(o.Reemplazar);
    QVERIFY(o.TodoLoNoEnviado);
    QVERIFY(!o.FechaDesde && !o.FechaHasta);
    QVERIFY(C("Progreso")->isHidden());
    QVERIFY(o.Ctipodoc.empty());
  }

  void tipoDeEnvio_data() {
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<bool>("existeHabilitado");
    QTest::addColumn<bool>("enLinea");
    QTest::addColumn<bool>("reemplazar");
    QTest::newRow("en línea habilita existentes")
        << QStringList{"En línea"} << true << true << true;
    QTest::newRow("en línea y omitir")
        << QStringList{"En línea", "Omitir (no recibir)"} << true << true << false;
    QTest::newRow("fuera de línea conserva la elección de existentes")
        << QStringList{"En línea", "Omitir (no recibir)", "Fuera de línea (preparar archivo)"}
        << false << false << false;
    QTest::newRow("deshabilitado no se elige")
        << QStringList{"Omitir (no recibir)"} << false << false << true;
  }

  void tipoDeEnvio() {
    QFETCH(QStringList, clics);
    QFETCH(bool, existeHabilitado);
    QFETCH(bool, enLinea);
    QFETCH(bool, reemplazar);
    Crear();
    for (const QString& texto : clics) Boton(texto)->click();
    QCOMPARE(C("Existe")->isEnabled(), existeHabilitado);
    const OpcionesEnvio o = ventana_->Opciones();
    QCOMPARE(o.EnLinea, enLinea);
    QCOMPARE(o.Reemplazar, reemplazar);
  }

  void cadaClicEnTodoReiniciaLasFechas() {
    Crear();
    auto* todo = C<QCheckBox>("CkTodo");
    auto* desde = C<EditorFecha>("Fecini");
    auto* hasta = C<EditorFecha>("Fecfin");
    for (const bool marcado : {false, true, false}) {
      desde->FijarFecha(QDate(2020, 1, 15));
      hasta->Vaciar();
      todo->click();
      QCOMPARE(todo->isChecked(), marcado);
      QCOMPARE(C("RngFechas")->isEnabled(), !marcado);
      QCOMPARE(C("Rejilla")->isEnabled(), !marcado);
      QCOMPARE(C("Navegador")->isEnabled(), !marcado);
      QCOMPARE(desde->Fecha(), std::optional<QDate>(PrimeroDelMes()));
      QCOMPARE(hasta->Fecha(), std::optional<QDate>(UltimoDelMes()));
    }
    const OpcionesEnvio o = ventana_->Opciones();
    QVERIFY(!o.TodoLoNoEnviado);
    QCOMPARE(o.FechaDesde->day, 1u);
    QCOMPARE(o.FechaHasta->day, static_cast<unsigned>(UltimoDelMes().day()));
    QCOMPARE(o.FechaHasta->month, static_cast<unsigned>(UltimoDelMes().month()));
    QCOMPARE(o.FechaHasta->year, UltimoDelMes().year());
  }

  void camposDeTextoLleganAlEnvio() {
    Crear();
    C<QLineEdit>("Pref")->setText("FV");
    C<QLineEdit>("NumIni")->setText("100");
    C<QLineEdit>("NumFin")->setText("200");
    C<QLineEdit>("Tico")->setText("CE");
    const OpcionesEnvio o = ventana_->Opciones();
    QCOMPARE(o.Prefijo, std::string("FV"));
    QCOMPARE(o.NumeroDesde, std::string("100"));
    QCOMPARE(o.NumeroHasta, std::string("200"));
    QCOMPARE(o.TipoComprobante, std::string("CE"));
  }

  void laFirmaLlenaServidoresYListas() {
    AbrirYFirmar();
    const QString servidor = QString::fromStdString(instalacion_->servidor());
    QCOMPARE(C<QLineEdit>("SerOri1")->text(), servidor);
    QCOMPARE(C<QLineEdit>("SerDes1")->text(), servidor);
    for (const char* selector : {"LCiaOri", "LCiaDes"}) {
      QCOMPARE(C<SelectorCompania>(selector)->count(), 2);
      QCOMPARE(C<SelectorCompania>(selector)->Codigo(), std::string());
    }
    const ListaTipos& tipos = ventana_->sesion().Ctipodoc;
    for (std::size_t i = 0; i < tipos.size(); ++i) {
      QCOMPARE(tipos[i].F_1, std::string("S"));
      if (i > 0) QVERIFY(tipos[i - 1].TIDO_COD < tipos[i].TIDO_COD);
    }
    QCOMPARE(C<RejillaTipos>("Rejilla")->FilaActual(), 0);
    QVERIFY(ventana_->sesion().DBsop.valid());
    QCOMPARE(respondedor_->accesos, 1);
    QCOMPARE(respondedor_->mensajes, QStringList());
    QVERIFY(ventana_->isVisible());  // no automatic transfer was asked for

    auto* origen = C<SelectorCompania>("LCiaOri");
    origen->setCurrentIndex(1);
    QCOMPARE(origen->currentText(),
             QString::fromStdString(ventana_->sesion().TCompania[1].COM_NOMBRE));
    QCOMPARE(ventana_->Opciones().CompaniaOrigen, ventana_->sesion().TCompania[1].COMP_COD);
  }

  void cancelarCierraLaVentana() {
    AbrirYFirmar();
    QTest::mouseClick(C<QPushButton>("Cancelar"), Qt::LeftButton);
    QVERIFY(!ventana_->isVisible());
    QCOMPARE(respondedor_->mensajes, QStringList());
  }

  void unaActivacionPosteriorNoPideOtraVezElAcceso() {
    AbrirYFirmar();
    ventana_->Mensaje("Un aviso cualquiera");
    ventana_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana_.get()));
    QTest::qWait(50);
    QCOMPARE(respondedor_->accesos, 1);
    QCOMPARE(respondedor_->mensajes, QStringList{"Un aviso cualquiera"});
  }

  void salirDelAccesoTerminaElPrograma() {
    Crear(std::nullopt, [](Tfacceso& dialogo) {
      QVERIFY(QTest::qWaitForWindowActive(&dialogo));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    ventana_->show();
    QTRY_COMPARE(respondedor_->accesos, 1);
    QTRY_VERIFY(!ventana_->isVisible());
    QVERIFY(ventana_->sesion().Ctipodoc.empty());
    QVERIFY(!ventana_->sesion().DbGeneral.valid());
  }

  void lasMarcasPersistenAlCambiarTodo() {
    AbrirYFirmar();
    auto* todo = C<QCheckBox>("CkTodo");
    auto* rejilla = C<RejillaTipos>("Rejilla");
    todo->click();
    QVERIFY(rejilla->isEnabled());
    const ListaTipos& tipos = ventana_->sesion().Ctipodoc;
    int fila = 0;
    while (tipos[static_cast<std::size_t>(fila)].TIDO_COD != 11) ++fila;
    rejilla->setFocus();
    rejilla->setCurrentIndex(rejilla->model()->index(fila, ModeloTipos::kEnviar));
    QTest::keyClick(rejilla, Qt::Key_Space);
    QCOMPARE(Tipo(ventana_->Opciones(), 11)->F_1, std::string("N"));

    todo->click();
    QVERIFY(!rejilla->isEnabled());
    QCOMPARE(Tipo(ventana_->Opciones(), 11)->F_1, std::string("N"));
    QCOMPARE(Tipo(ventana_->Opciones(), 12)->F_1, std::string("S"));
    todo->click();
    QCOMPARE(Tipo(ventana_->Opciones(), 11)->F_1, std::string("N"));
  }

  void enviarSinCompanias_data() {
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("destino");
    QTest::newRow("ninguna") << ""
                             << "";
    QTest::newRow("solo el origen") << "001"
                                    << "";
    QTest::newRow("solo el destino") << ""
                                     << "002";
  }

  void enviarSinCompanias() {
    QFETCH(QString, origen);
    QFETCH(QString, destino);
    AbrirYFirmar();
    ElegirCompanias(origen.toStdString(), destino.toStdString());
    C<QPushButton>("Enviar")->click();
    QCOMPARE(respondedor_->mensajes, QStringList{kSinCompanias});
    QVERIFY(C("Progreso")->isHidden());
    QVERIFY(ventana_->isVisible());
  }

  void unEnvioCompletoTerminaElPrograma() {
    constexpr int kFilas = 12;
    for (int i = 0; i < kFilas; ++i)
      Auditar(*instalacion_, "001", i % 2 ? 2 : 11, "EN00000" + std::to_string(i));
    AbrirYFirmar();
    ElegirCompanias("001", "002");
    auto* pref = C<QLineEdit>("Pref");
    auto* enviar = C<QPushButton>("Enviar");
    Observador observador(*ventana_, *C<QProgressBar>("Barra"), *C("Progreso"), *C("Revision"),
                          *pref, *enviar);

    QTest::mouseClick(enviar, Qt::LeftButton);
    QTRY_VERIFY(!ventana_->isVisible());
    QCOMPARE(respondedor_->mensajes, QStringList{kConcluido});
    QCOMPARE(respondedor_->titulos, QStringList{"Norvane Envio 2024"});
    // The box's details: the counts and the run's report.
    const auto informes = test::Informes(instalacion_->dir());
    QCOMPARE(informes.size(), std::size_t{1});
    QCOMPARE(respondedor_->detalles,
             QStringList{QString::fromStdString(
                 "Filas de auditoría seleccionadas: 12\nEnviadas: 12\nFallidas: 0\n"
                 "Sin marcar: 0\nFuera de rango: 0\nInforme: " + informes[0].string())});
    QCOMPARE(test::LeerInforme(informes[0]).filas.size(), std::size_t{kFilas});

    // The event loop was served during the run, with the panel shown: the
    // window repainted what was asked for, and what the operator typed or
    // clicked meanwhile was dropped (one run, one finish message).
    QVERIFY(observador.atendidoDuranteElEnvio);
    QVERIFY(observador.panelVisible);
    QVERIFY(observador.pinturasDuranteElEnvio > 0);
    QVERIFY(observador.abiertaTrasCerrar);
    QCOMPARE(pref->text(), QString());
    QCOMPARE(C<QProgressBar>("Barra")->value(), kFilas);

    QCOMPARE(Envio(*instalacion_, "001", 2), std::string(kFilas / 2, 'S'));
    QCOMPARE(Envio(*instalacion_, "001", 11), std::string(kFilas / 2, 'S'));
    QCOMPARE(FilasDeAuditoria(instalacion_->dir() / "datos" / "002" / "envio.fdb"), kFilas);
  }

  void laVistaPreviaNoEnviaYSuEnviarEnvia_data() {
    QTest::addColumn<QString>("boton");
    QTest::newRow("Cerrar") << "Cerrar";
    QTest::newRow("Enviar") << "Enviar";
  }

  void laVistaPreviaNoEnviaYSuEnviarEnvia() {
    QFETCH(QString, boton);
    constexpr int kFilas = 4;
    for (int i = 0; i < kFilas; ++i)
      Auditar(*instalacion_, "001", i % 2 ? 2 : 11, "EN00000" + std::to_string(i));
    AbrirYFirmar();
    ElegirCompanias("001", "002");
    const auto archivo = instalacion_->dir() / "datos" / "002" / "envio.fdb";

    // The operator reads the dialog and presses one of its buttons.
    int filas = -1;
    QStringList resultados;
    QTimer reloj;
    reloj.setInterval(20);
    connect(&reloj, &QTimer::timeout, this, [&] {
      auto* dialogo = qobject_cast<DialogoVistaPrevia*>(QApplication::activeModalWidget());
      if (!dialogo || !dialogo->isVisible()) return;
      reloj.stop();
      auto* tabla = dialogo->findChild<QTableWidget*>("Filas");
      filas = tabla->rowCount();
      for (int i = 0; i < filas; ++i)
        resultados << tabla->item(i, DialogoVistaPrevia::kResultado)->text();
      dialogo->findChild<QPushButton*>(boton)->click();
    });
    reloj.start();
    C<QPushButton>("VistaPrevia")->click();
    QCOMPARE(filas, kFilas);
    QCOMPARE(resultados, QStringList(kFilas, QString::fromUtf8("se enviaría")));

    if (boton == "Cerrar") {
      QVERIFY(ventana_->isVisible());
      QVERIFY(respondedor_->mensajes.isEmpty());
      QCOMPARE(Envio(*instalacion_, "001", 2), std::string("NN"));
      QCOMPARE(Envio(*instalacion_, "001", 11), std::string("NN"));
      QVERIFY(test::Informes(instalacion_->dir()).empty());
      QVERIFY(!std::filesystem::exists(instalacion_->dir() / "ENVIOMANUAL.TXT"));
      QVERIFY(!std::filesystem::exists(archivo));
      return;
    }
    // "Enviar" runs what was previewed.
    QTRY_VERIFY(!ventana_->isVisible());
    QCOMPARE(respondedor_->mensajes, QStringList{kConcluido});
    QCOMPARE(Envio(*instalacion_, "001", 2), std::string("SS"));
    QCOMPARE(Envio(*instalacion_, "001", 11), std::string("SS"));
    QCOMPARE(FilasDeAuditoria(archivo), kFilas);
  }

  void unErrorDelEnvioDejaLaVentanaAbierta() {
    Auditar(*instalacion_, "001", 2, "SI000001");
    AbrirYFirmar();
    const auto destino = instalacion_->dir() / "datos" / "002" / "norvane.fdb";
    std::filesystem::remove(destino);
    ElegirCompanias("001", "002");
    Boton("En línea")->click();
    const QString mensaje =
        "No se encontró el archivo o la ruta " + QString::fromStdString(destino.string());
    C<QPushButton>("Enviar")->click();
    QCOMPARE(respondedor_->mensajes, QStringList{mensaje});
    QVERIFY(ventana_->isVisible());
    QVERIFY(C("Progreso")->isVisible());
    QCOMPARE(Envio(*instalacion_, "001", 2), std::string("N"));

    // The program goes on: the operator may try again.
    C<QPushButton>("Enviar")->click();
    QCOMPARE(respondedor_->mensajes, QStringList({mensaje, mensaje}));
    QVERIFY(ventana_->isVisible());
  }

  void sinPlantillaDeEnvioTerminaElPrograma() {
    Auditar(*instalacion_, "001", 2, "SI000001");
    AbrirYFirmar();
    std::filesystem::remove(instalacion_->dir() / "sop" / "envio.fdb");
    ElegirCompanias("001", "002");
    C<QPushButton>("Enviar")->click();
    QCOMPARE(respondedor_->mensajes,
             QStringList{"No se pudo copiar la base de datos para el envio."});
    QVERIFY(!ventana_->isVisible());
    QCOMPARE(Envio(*instalacion_, "001", 2), std::string("N"));
  }

  void envioAutomaticoDeArticulos() {
    {
      fb::Attachment base = instalacion_->Compania("001");
      base.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A001', 'Tornillo')");
      base.close();
    }
    Auditar(*instalacion_, "001", 101, "A001");
    Auditar(*instalacion_, "001", 2, "SI000001");
    Crear(EnvioAutomatico{"001", "002"});
    ventana_->show();
    QTRY_VERIFY(!ventana_->isVisible());
    QCOMPARE(respondedor_->mensajes, QStringList{kConcluido});
    QCOMPARE(Envio(*instalacion_, "001", 101), std::string("S"));
    QCOMPARE(Envio(*instalacion_, "001", 2), std::string("N"));
    // The automatic run writes its report too, and names it in the details.
    const auto informes = test::Informes(instalacion_->dir());
    QCOMPARE(informes.size(), std::size_t{1});
    QVERIFY(respondedor_->detalles.value(0).endsWith(
        QString::fromStdString("\nInforme: " + informes[0].string())));
    const auto informe = test::LeerInforme(informes[0]);
    QCOMPARE(informe.filas.size(), std::size_t{2});

    const OpcionesEnvio o = ventana_->Opciones();
    QVERIFY(o.EnLinea);
    QVERIFY(o.TodoLoNoEnviado);
    QVERIFY(o.Reemplazar);
    for (const auto& tipo : o.Ctipodoc)
      QCOMPARE(tipo.F_1, std::string(tipo.TIDO_COD == 101 ? "S" : "N"));
  }

  // The article run copies every article with an unsent row, new or not,
  // and nothing of any other type, an article's own tables included.
  void envioAutomaticoCopiaLosArticulos() {
    {
      fb::Attachment origen = instalacion_->Compania("001");
      origen.execute(
          "insert into ARTICULO (ARTI_COD, ARTI_NOMBRE, ARTI_PRECIO) values ('A001', 'Tornillo', 12.5)");
      origen.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A''02', 'Tuerca')");
      origen.execute("insert into UNIDAD_ARTICULO (ARTI_COD, UNAR_UNIDAD) values ('A001', 'CAJA')");
      origen.execute("insert into CUENTAS (CUEN_COD, CUEN_NOMBRE) values ('1105', 'Caja')");
      origen.close();
      fb::Attachment destino = instalacion_->Compania("002");
      destino.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A''02', 'Vieja')");
      destino.close();
    }
    Auditar(*instalacion_, "001", 101, "A001");
    Auditar(*instalacion_, "001", 124, "A001");
    Auditar(*instalacion_, "001", 100, "1105");
    Auditar(*instalacion_, "001", 101, "A'02");
    Crear(EnvioAutomatico{"001", "002"});
    ventana_->show();
    QTRY_VERIFY(!ventana_->isVisible());
    QCOMPARE(respondedor_->mensajes, QStringList{kConcluido});
    QCOMPARE(Envio(*instalacion_, "001", 101), std::string("SS"));
    QCOMPARE(Envio(*instalacion_, "001", 124), std::string("N"));
    QCOMPARE(Envio(*instalacion_, "001", 100), std::string("N"));

    fb::Attachment destino = instalacion_->Compania("002");
    std::vector<fb::Row> articulos, unidades, cuentas;
    {
      fb::Transaction t(destino);
      articulos = t.query("select ARTI_COD, ARTI_NOMBRE, ARTI_PRECIO from ARTICULO order by ARTI_COD");
      unidades = t.query("select * from UNIDAD_ARTICULO");
      cuentas = t.query("select * from CUENTAS");
      t.commit();
    }
    destino.close();
    QCOMPARE(articulos, (std::vector<fb::Row>{{"A'02", "Tuerca", fb::Decimal{0, -2}},
                                              {"A001", "Tornillo", fb::Decimal{1250, -2}}}));
    QVERIFY(unidades.empty());
    QVERIFY(cuentas.empty());
  }

  void envioAutomaticoConUnaCompaniaDesconocida() {
    Auditar(*instalacion_, "001", 101, "A001");
    Crear(EnvioAutomatico{"009", "002"});
    ventana_->show();
    QTRY_COMPARE(respondedor_->mensajes, QStringList{kSinCompanias});
    QVERIFY(ventana_->isVisible());
    QCOMPARE(Envio(*instalacion_, "001", 101), std::string("N"));
  }
};

NORVANE_PRUEBA_GUI(TfprincipalTest);

}  // namespace norvane::test

#include "TfprincipalTest.moc"
