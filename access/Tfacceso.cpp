#include "access/Tfacceso.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "access/ENoManejada.h"
#include "access/Imagenes.h"
#include "engine/Sesion.h"

namespace norvane {

namespace {

QComboBox* ListaServidores(const std::vector<std::string>& servidores, const char* nombre) {
  auto* lista = new QComboBox;
  lista->setObjectName(nombre);
  for (const auto& servidor : servidores) lista->addItem(QString::fromStdString(servidor));
  lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lista->setMinimumContentsLength(28);
  return lista;
}

QLineEdit* Campo(const char* nombre, bool clave) {
  auto* campo = new QLineEdit;
  campo->setObjectName(nombre);
  if (clave) {
    campo->setEchoMode(QLineEdit::Password);
    // One "*" for each character typed, whatever the style would draw.
    campo->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
  }
  return campo;
}

// A button that never takes the focus, so that pressing it leaves the focus
// (and what leaving a field would do) where it was.
QPushButton* Boton(const QString& texto) {
  auto* boton = new QPushButton(texto);
  boton->setFocusPolicy(Qt::NoFocus);
  boton->setAutoDefault(false);
  return boton;
}

bool SinModificadores(const QKeyEvent& tecla) {
  return (tecla.modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)) == 0;
}

std::string Texto(const QComboBox* lista) { return lista->currentText().toStdString(); }
std::string Texto(const QLineEdit* campo) { return campo->text().toStdString(); }

}  // namespace

Tfacceso::Tfacceso(Sesion& sesion, const std::vector<std::string>& servidores, QWidget* parent)
    : QDialog(parent), sesion_(sesion) {
  setWindowTitle("Control de acceso");

  estado_ = new QLabel;
  estado_->setObjectName("Estado");
  estado_->setFrameShape(QFrame::StyledPanel);
  estado_->setAlignment(Qt::AlignCenter);
  estado_->setMinimumHeight(estado_->fontMetrics().height() * 2);
  QSizePolicy politica = estado_->sizePolicy();
  politica.setRetainSizeWhenHidden(true);  // showing it must not move the fields
  estado_->setSizePolicy(politica);
  estado_->hide();

  auto* entrar = Boton("F2: &Entrar");
  auto* salir = Boton("ESC: &Salir");
  connect(entrar, &QPushButton::clicked, this, Atendido(this, &Tfacceso::SpeedButton1Click));
  connect(salir, &QPushButton::clicked, this, &Tfacceso::reject);

  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(entrar);
  botones->addWidget(salir);

  auto* derecha = new QVBoxLayout;
  derecha->addWidget(GrupoOrigen(servidores));
  derecha->addWidget(GrupoDestino(servidores));
  derecha->addWidget(estado_);
  derecha->addLayout(botones);

  auto* todo = new QHBoxLayout(this);
  todo->addWidget(PanelIzquierdo());
  todo->addLayout(derecha, 1);

  setTabOrder(Servidor, Tusua);
  setTabOrder(Tusua, TClave);
  setTabOrder(TClave, ServidorDes);
  setTabOrder(ServidorDes, TUsuades);
  setTabOrder(TUsuades, TClavedes);
  for (QWidget* control :
       std::initializer_list<QWidget*>{Servidor, Tusua, TClave, ServidorDes, TUsuades, TClavedes})
    control->installEventFilter(this);
  Tusua->setFocus();
}

QWidget* Tfacceso::PanelIzquierdo() {
  auto* panel = new QFrame;
  panel->setObjectName("PanelIzquierdo");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette colores = panel->palette();
  colores.setColor(QPalette::Window, QColor(0x1d, 0x3f, 0x66));
  colores.setColor(QPalette::WindowText, Qt::white);
  panel->setPalette(colores);

  auto* titulo = new QLabel("Envio entre compañías");
  titulo->setObjectName("Titulo");
  QFont grande = titulo->font();
  grande.setPointSizeF(grande.pointSizeF() * 1.35);
  grande.setBold(true);
  titulo->setFont(grande);
  titulo->setWordWrap(true);
  titulo->setAlignment(Qt::AlignCenter);

  const qreal escala = devicePixelRatioF();
  auto* envio = new QLabel;
  envio->setObjectName("ImagenEnvio");
  envio->setPixmap(ImagenEnvio(escala));
  envio->setAlignment(Qt::AlignCenter);
  auto* acceso = new QLabel;
  acceso->setObjectName("ImagenAcceso");
  acceso->setPixmap(ImagenAcceso(escala));
  acceso->setAlignment(Qt::AlignCenter);

  auto* revision = new QLabel("Rev. 2024-04-23");
  revision->setObjectName("Revision");
  revision->setAlignment(Qt::AlignCenter);

  auto* columna = new QVBoxLayout(panel);
  columna->addWidget(titulo);
  columna->addSpacing(8);
  columna->addWidget(envio);
  columna->addWidget(acceso);
  columna->addStretch();
  columna->addWidget(revision);
  panel->setFixedWidth(180);
  return panel;
}

QWidget* Tfacceso::GrupoOrigen(const std::vector<std::string>& servidores) {
  Servidor = ListaServidores(servidores, "Servidor");
  Tusua = Campo("Tusua", false);
  TClave = Campo("TClave", true);
  auto* grupo = new QGroupBox("Origen:");
  auto* campos = new QFormLayout(grupo);
  campos->addRow("Servidor : ", Servidor);
  campos->addRow("Usuario : ", Tusua);
  campos->addRow("Clave : ", TClave);
  return grupo;
}

QWidget* Tfacceso::GrupoDestino(const std::vector<std::string>& servidores) {
  ServidorDes = ListaServidores(servidores, "ServidorDes");
  TUsuades = Campo("TUsuades", false);
  TClavedes = Campo("TClavedes", true);
  auto* grupo = new QGroupBox("Destino:");
  auto* campos = new QFormLayout(grupo);
  campos->addRow("Servidor : ", ServidorDes);
  campos->addRow("Usuario : ", TUsuades);
  campos->addRow("Clave : ", TClavedes);
  return grupo;
}

bool Tfacceso::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) return Tecla(static_cast<QKeyEvent&>(*evento));
  if (evento->type() == QEvent::FocusOut)
    return SalidaDeFoco(objeto, static_cast<const QFocusEvent&>(*evento));
  return QDialog::eventFilter(objeto, evento);
}

bool Tfacceso::Tecla(QKeyEvent& tecla) {
  switch (tecla.key()) {
    case Qt::Key_F2:
      if (!SinModificadores(tecla)) return false;
      Atender([this] { SpeedButton1Click(); });
      return true;
    case Qt::Key_Escape:
      if (!SinModificadores(tecla)) return false;
      reject();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      focusNextChild();
      return true;
    default:
      return false;
  }
}

bool Tfacceso::SalidaDeFoco(QObject* control, const QFocusEvent& foco) {
  // Only a move to another control of the dialog counts as leaving a field:
  // not a popup opening, nor the dialog losing the activation or closing.
  if (cerrado_ || foco.reason() == Qt::PopupFocusReason ||
      foco.reason() == Qt::ActiveWindowFocusReason)
    return false;
  if (control == TClave)
    Atender([this] { TClaveExit(); });
  else if (control == ServidorDes)
    ServidorDesExit();
  return false;
}

void Tfacceso::done(int resultado) {
  cerrado_ = true;
  QDialog::done(resultado);
}

void Tfacceso::TClaveExit() {
  MostrarEstado("Conectando con el servidor origen");
  ConectarOrigen(sesion_, Texto(Servidor), Texto(Tusua), Texto(TClave));
  OrigenConectado_ = true;
  OcultarEstado();
}

void Tfacceso::ServidorDesExit() {
  if (ServidorDes->currentText() == Servidor->currentText()) {
    TUsuades->setText(Tusua->text());
    TClavedes->setText(TClave->text());
  } else {
    TUsuades->clear();
    TClavedes->clear();
  }
}

void Tfacceso::SpeedButton1Click() {
  MostrarEstado("Conectando con el servidor Destino");
  ConectarDestino(sesion_, Texto(ServidorDes), Texto(TUsuades), Texto(TClavedes));
  OcultarEstado();
  if (OrigenConectado_) accept();
}

void Tfacceso::MostrarEstado(const QString& texto) {
  estado_->setText(texto);
  estado_->show();
  repaint();
}

void Tfacceso::OcultarEstado() {
  estado_->hide();
  repaint();
}

}  // namespace norvane
