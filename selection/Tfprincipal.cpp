#include "selection/Tfprincipal.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "access/ENoManejada.h"
#include "access/Tfacceso.h"
#include "instalacion/Directorio.h"
#include "selection/Formatos.h"
#include "instalacion/Servidores.h"
#include "engine/families/Familias.h"
#include "engine/Transferencia.h"
#include "selection/DialogoVistaPrevia.h"
#include "selection/BloqueoEntrada.h"
#include "selection/EditorFecha.h"
#include "selection/ModeloTipos.h"
#include "selection/NavegadorTipos.h"
#include "selection/PanelProgreso.h"
#include "selection/RejillaTipos.h"
#include "selection/SelectorCompania.h"

namespace norvane {

namespace {

constexpr int kArticulos = 101;
constexpr int kEnLinea = 0;
constexpr int kFueraDeLinea = 1;
constexpr int kOmitir = 0;
constexpr int kReemplazar = 1;

template <class Control>
Control* Nombrado(Control* control, const char* nombre) {
  control->setObjectName(nombre);
  return control;
}

// A radio group: the group box and the buttons of its items, by position.
QButtonGroup* GrupoRadio(QGroupBox* grupo, const QStringList& items, int elegido) {
  auto* botones = new QButtonGroup(grupo);
  auto* columna = new QVBoxLayout(grupo);
  for (int i = 0; i < items.size(); ++i) {
    auto* boton = new QRadioButton(items[i]);
    botones->addButton(boton, i);
    columna->addWidget(boton);
  }
  botones->button(elegido)->setChecked(true);
  return botones;
}

std::optional<fb::Date> FechaDe(const EditorFecha& editor) {
  const auto fecha = editor.Fecha();
  if (!fecha) return std::nullopt;
  return fb::Date{fecha->year(), static_cast<unsigned>(fecha->month()),
                  static_cast<unsigned>(fecha->day())};
}

}  // namespace

Tfprincipal::Tfprincipal(std::optional<EnvioAutomatico> automatico, QWidget* parent)
    : QWidget(parent),
      modelo_(std::make_unique<ModeloTipos>(sesion_.Ctipodoc)),
      automatico_(std::move(automatico)) {
  FijarFormatos();
  setWindowTitle(QStringLiteral("Envío de información"));

  auto* medio = new QHBoxLayout;
  medio->addWidget(Filtros());
  medio->addWidget(Operaciones(), 1);

  auto* todo = new QVBoxLayout(this);
  todo->addWidget(Companias());
  todo->addLayout(medio, 1);
  todo->addWidget(Pie());
  resize(940, 640);
}

Tfprincipal::~Tfprincipal() = default;

QWidget* Tfprincipal::Companias() {
  SerOri1 = Nombrado(new QLineEdit, "SerOri1");
  SerDes1 = Nombrado(new QLineEdit, "SerDes1");
  for (QLineEdit* servidor : {SerOri1, SerDes1}) {
    servidor->setReadOnly(true);
    servidor->setFocusPolicy(Qt::NoFocus);
  }
  LCiaOri = Nombrado(new SelectorCompania, "LCiaOri");
  LCiaDes = Nombrado(new SelectorCompania, "LCiaDes");

  auto* panel = new QWidget;
  auto* rejilla = new QGridLayout(panel);
  rejilla->setContentsMargins(0, 0, 0, 0);
  rejilla->addWidget(new QLabel(QStringLiteral("Compañía Origen:")), 0, 0);
  rejilla->addWidget(new QLabel(QStringLiteral("Compañía Destino:")), 0, 1);
  rejilla->addWidget(SerOri1, 1, 0);
  rejilla->addWidget(SerDes1, 1, 1);
  rejilla->addWidget(LCiaOri, 2, 0);
  rejilla->addWidget(LCiaDes, 2, 1);
  return panel;
}

QWidget* Tfprincipal::Filtros() {
  CkTodo = Nombrado(new QCheckBox("Todo lo no enviado"), "CkTodo");
  CkTodo->setChecked(true);
  connect(CkTodo, &QCheckBox::clicked, this, Atendido(this, &Tfprincipal::CkTodoClick));

  Pref = Nombrado(new QLineEdit, "Pref");
  Tico = Nombrado(new QLineEdit, "Tico");
  NumIni = Nombrado(new QLineEdit, "NumIni");
  NumFin = Nombrado(new QLineEdit, "NumFin");
  auto* codigos = new QGridLayout;
  codigos->addWidget(new QLabel("Prefijo a enviar:"), 0, 0);
  codigos->addWidget(Pref, 0, 1);
  codigos->addWidget(new QLabel("Tipo compr:"), 0, 2);
  codigos->addWidget(Tico, 0, 3);
  codigos->addWidget(new QLabel(QStringLiteral("Número desde:")), 1, 0);
  codigos->addWidget(NumIni, 1, 1);
  codigos->addWidget(new QLabel("Hasta:"), 1, 2);
  codigos->addWidget(NumFin, 1, 3);

  RngFechas = Nombrado(new QGroupBox("Rango de fechas de registro"), "RngFechas");
  Fecini = Nombrado(new EditorFecha, "Fecini");
  Fecfin = Nombrado(new EditorFecha, "Fecfin");
  auto* fechas = new QHBoxLayout(RngFechas);
  fechas->addWidget(new QLabel("Desde:"));
  fechas->addWidget(Fecini, 1);
  fechas->addWidget(new QLabel("Hasta:"));
  fechas->addWidget(Fecfin, 1);
  RngFechas->setEnabled(false);

  auto* tipo = Nombrado(new QGroupBox(QStringLiteral("Tipo de envío ")), "Tipo");
  Tipo = GrupoRadio(
      tipo, {QStringLiteral("En línea"), QStringLiteral("Fuera de línea (preparar archivo)")},
      kFueraDeLinea);
  connect(Tipo, &QButtonGroup::idClicked, this, Atendido(this, &Tfprincipal::TipoClick));

  Existe = Nombrado(new QGroupBox("Documentos existentes "), "Existe");
  ExisteOpciones = GrupoRadio(Existe, {"Omitir (no recibir)", "Reemplazar"}, kReemplazar);
  Existe->setEnabled(false);

  auto* panel = new QWidget;
  auto* columna = new QVBoxLayout(panel);
  columna->setContentsMargins(0, 0, 0, 0);
  columna->addWidget(CkTodo);
  columna->addLayout(codigos);
  columna->addWidget(RngFechas);
  columna->addWidget(tipo);
  columna->addWidget(Existe);
  columna->addStretch();
  return panel;
}

QWidget* Tfprincipal::Operaciones() {
  rejilla_ = Nombrado(new RejillaTipos(*modelo_), "Rejilla");
  navegador_ = Nombrado(new NavegadorTipos(*rejilla_, *modelo_), "Navegador");
  rejilla_->setEnabled(false);
  navegador_->setEnabled(false);

  auto* grupo = new QGroupBox("Operaciones a transmitir ");
  auto* columna = new QVBoxLayout(grupo);
  columna->addWidget(rejilla_, 1);
  columna->addWidget(navegador_);
  return grupo;
}

QWidget* Tfprincipal::Pie() {
  progreso_ = Nombrado(new PanelProgreso, "Progreso");
  auto* previa = Nombrado(new QPushButton("Vista previa"), "VistaPrevia");
  auto* enviar = Nombrado(new QPushButton("Enviar"), "Enviar");
  auto* cancelar = Nombrado(new QPushButton("Cancelar"), "Cancelar");
  for (QPushButton* boton : {previa, enviar, cancelar}) {
    boton->setAutoDefault(false);
    boton->setMinimumWidth(96);
  }
  connect(previa, &QPushButton::clicked, this, Atendido(this, &Tfprincipal::VistaPreviaClick));
  connect(enviar, &QPushButton::clicked, this, Atendido(this, &Tfprincipal::SpeedButton1Click));
  connect(cancelar, &QPushButton::clicked, this, &Tfprincipal::close);

  auto* panel = new QWidget;
  auto* fila = new QHBoxLayout(panel);
  fila->setContentsMargins(0, 0, 0, 0);
  fila->addWidget(Nombrado(new QLabel("Rev:2024/04/23"), "Revision"), 0, Qt::AlignBottom);
  fila->addStretch();
  fila->addWidget(progreso_);
  fila->addStretch();
  fila->addWidget(previa, 0, Qt::AlignBottom);
  fila->addWidget(enviar, 0, Qt::AlignBottom);
  fila->addWidget(cancelar, 0, Qt::AlignBottom);
  return panel;
}

OpcionesEnvio Tfprincipal::Opciones() const {
  OpcionesEnvio o;
  o.CompaniaOrigen = LCiaOri->Codigo();
  o.CompaniaDestino = LCiaDes->Codigo();
  o.EnLinea = Tipo->checkedId() == kEnLinea;
  o.Reemplazar = ExisteOpciones->checkedId() == kReemplazar;
  o.TodoLoNoEnviado = CkTodo->isChecked();
  o.FechaDesde = FechaDe(*Fecini);
  o.FechaHasta = FechaDe(*Fecfin);
  o.Prefijo = Pref->text().toStdString();
  o.NumeroDesde = NumIni->text().toStdString();
  o.NumeroHasta = NumFin->text().toStdString();
  o.TipoComprobante = Tico->text().toStdString();
  o.Ctipodoc = sesion_.Ctipodoc;
  return o;
}

bool Tfprincipal::event(QEvent* evento) {
  // The first showing counts as an activation too: a window manager may not
  // activate a new window, and the sign-in must come all the same.
  if (evento->type() == QEvent::WindowActivate ||
      (evento->type() == QEvent::Show && primeraActivacion_))
    QMetaObject::invokeMethod(this, Atendido(this, &Tfprincipal::FormActivate),
                              Qt::QueuedConnection);
  return QWidget::event(evento);
}

void Tfprincipal::closeEvent(QCloseEvent* evento) {
  // A run goes on to its end; the window closes after it, if at all.
  if (enEnvio_)
    evento->ignore();
  else
    QWidget::closeEvent(evento);
}

void Tfprincipal::FormActivate() {
  if (!primeraActivacion_) return;
  primeraActivacion_ = false;
  if (!Acceder()) {
    close();
    return;
  }
  FijarServidores();
  modelo_->Recargar([this] { CargarTiposDocumento(sesion_); });
  rejilla_->IrAFila(0);
  if (automatico_) EnviarArticulos(*automatico_);
}

bool Tfprincipal::Acceder() {
  Tfacceso acceso(sesion_, CargarServidores(diraplicacion(*this)), this);
  return acceso.exec() == QDialog::Accepted;
}

void Tfprincipal::FijarServidores() {
  // The server fields are read only: the sign-in is what changes them, so
  // their handlers run here, and an error in them ends the activation.
  const QString origen = QString::fromStdString(sesion_.CredOrigen.Servidor);
  if (SerOri1->text() != origen) {
    SerOri1->setText(origen);
    SerOri1Change();
  }
  const QString destino = QString::fromStdString(sesion_.CredDestino.Servidor);
  if (SerDes1->text() != destino) {
    SerDes1->setText(destino);
    SerDes1Change();
  }
}

void Tfprincipal::SerOri1Change() {
  LCiaOri->Cargar({});
  CargarCompaniasOrigen(sesion_);
  LCiaOri->Cargar(sesion_.TCompania);
}

void Tfprincipal::SerDes1Change() {
  LCiaDes->Cargar({});
  CargarCompaniasDestino(sesion_);
  LCiaDes->Cargar(sesion_.TCompaniades);
}

void Tfprincipal::TipoClick() { Existe->setEnabled(Tipo->checkedId() == kEnLinea); }

void Tfprincipal::CkTodoClick() {
  const bool porFechas = !CkTodo->isChecked();
  RngFechas->setEnabled(porFechas);
  rejilla_->setEnabled(porFechas);
  navegador_->setEnabled(porFechas);
  const QDate hoy = QDate::currentDate();
  Fecini->FijarFecha(QDate(hoy.year(), hoy.month(), 1));
  Fecfin->FijarFecha(QDate(hoy.year(), hoy.month(), hoy.daysInMonth()));
}

ResultadoEnvio Tfprincipal::Correr(const OpcionesEnvio& opciones,
                                   std::vector<LineaInforme>* lineas) {
  // While the engine works the window takes no input and says it is busy;
  // both end however the run ends.
  struct EnCurso {
    bool& bandera;
    explicit EnCurso(bool& b) : bandera(b) { bandera = true; }
    ~EnCurso() { bandera = false; }
  } enCurso(enEnvio_);
  BloqueoEntrada bloqueo(*this);
  Transferencia envio(sesion_, *this, DespachoCompleto());
  ResultadoEnvio resultado = envio.Ejecutar(opciones);
  if (lineas) *lineas = envio.LineasVistaPrevia();
  return resultado;
}

void Tfprincipal::SpeedButton1Click() {
  const ResultadoEnvio resultado = Correr(Opciones(), nullptr);
  switch (resultado.fin) {
    case FinEnvio::Concluido:
      close();
      break;
    case FinEnvio::CopiaFallida:
      close();
      break;
    case FinEnvio::SinCompanias:
    case FinEnvio::Rechazo:
      break;
  }
}

void Tfprincipal::VistaPreviaClick() {
  OpcionesEnvio opciones = Opciones();
  opciones.VistaPrevia = true;
  std::vector<LineaInforme> lineas;
  const ResultadoEnvio resultado = Correr(opciones, &lineas);
  // Without companies or without the template's copy the preview said why;
  // a preview ends nothing, the window stays.
  if (resultado.fin != FinEnvio::Concluido && resultado.fin != FinEnvio::Rechazo) return;
  DialogoVistaPrevia dialogo(lineas, this);
  if (dialogo.exec() == QDialog::Accepted) SpeedButton1Click();
}

void Tfprincipal::EnviarArticulos(const EnvioAutomatico& envio) {
  LCiaOri->Elegir(envio.CompaniaOrigen);
  LCiaDes->Elegir(envio.CompaniaDestino);
  rejilla_->Desmarcartodo1Click();
  modelo_->Marcar(kArticulos, "S");
  Tipo->button(kEnLinea)->setChecked(true);
  TipoClick();
  SpeedButton1Click();
}

void Tfprincipal::Mensaje(const std::string& texto) {
  QMessageBox::information(this, QApplication::applicationDisplayName(),
                           QString::fromStdString(texto));
}

void Tfprincipal::MensajeConDetalles(const std::string& texto, const std::string& detalles) {
  QMessageBox caja(QMessageBox::Information, QApplication::applicationDisplayName(),
                   QString::fromStdString(texto), QMessageBox::Ok, this);
  caja.setDetailedText(QString::fromStdString(detalles));
  caja.exec();
}

void Tfprincipal::Beep() { QApplication::beep(); }

void Tfprincipal::MostrarProgreso(bool visible) {
  progreso_->setVisible(visible);
  repaint();
}

void Tfprincipal::ProgresoMaximo(int maximo) {
  progreso_->Maximo(maximo);
  AtenderPintura();
}

void Tfprincipal::ProgresoAvanzar() {
  progreso_->Avanzar();
  AtenderPintura();
}

void Tfprincipal::AtenderPintura() {
  // The run holds the event loop: let the window repaint (the bar included)
  // while BloqueoEntrada drops what the operator types or clicks meanwhile.
  QCoreApplication::processEvents();
}

}  // namespace norvane
