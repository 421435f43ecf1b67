#include "selection/DialogoVistaPrevia.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/VistaPrevia.h"

namespace norvane {

namespace {

// A cell that sorts as a number when its text is one (AUDI_ID, TIDO_COD).
QTableWidgetItem* Numero(const std::string& texto) {
  auto* celda = new QTableWidgetItem;
  bool esNumero = false;
  const qlonglong valor = QString::fromStdString(texto).toLongLong(&esNumero);
  if (esNumero)
    celda->setData(Qt::DisplayRole, valor);
  else
    celda->setText(QString::fromStdString(texto));
  return celda;
}

// The databases' bytes are Latin-1; the engine's own words are UTF-8.
QTableWidgetItem* Latin1(const std::string& texto) {
  return new QTableWidgetItem(QString::fromLatin1(texto.data(), static_cast<qsizetype>(texto.size())));
}

QTableWidgetItem* Utf8(const std::string& texto) {
  return new QTableWidgetItem(QString::fromStdString(texto));
}

QString Lista(const std::vector<Conteo>& conteos) {
  QStringList partes;
  for (const auto& c : conteos)
    partes << QString::fromStdString(c.palabra) + ": " + QString::number(c.filas);
  return partes.join(", ");
}

}  // namespace

DialogoVistaPrevia::DialogoVistaPrevia(const std::vector<LineaInforme>& lineas, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Vista previa");
  filas_ = new QTableWidget(static_cast<int>(lineas.size()), kColumnas);
  filas_->setObjectName("Filas");
  filas_->setHorizontalHeaderLabels(
      {"AUDI_ID", "Tipo", "Nombre", "Código", "Operación", "Decisión", "Resultado", "Error"});
  filas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  filas_->setSelectionBehavior(QAbstractItemView::SelectRows);
  filas_->verticalHeader()->hide();
  filas_->horizontalHeader()->setStretchLastSection(true);
  for (int i = 0; i < static_cast<int>(lineas.size()); ++i) {
    const LineaInforme& l = lineas[static_cast<std::size_t>(i)];
    filas_->setItem(i, kAudiId, Numero(l.audiId));
    filas_->setItem(i, kTidoCod, Numero(l.tidoCod));
    filas_->setItem(i, kTipo, Latin1(l.tidoNombre));
    filas_->setItem(i, kCodigo, Latin1(l.audiCod));
    filas_->setItem(i, kOperacion, Latin1(l.audiOper));
    filas_->setItem(i, kDecision, Utf8(l.decision));
    filas_->setItem(i, kResultado, Utf8(l.resultado));
    filas_->setItem(i, kError, Utf8(l.error));
  }
  // Enabling the sort sorts at once by the header's indicator (the first
  // column, descending): with no indicator the rows start in the run's
  // order, and rows that tie on a column keep that order.
  filas_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  filas_->setSortingEnabled(true);
  filas_->resizeColumnsToContents();

  totales_ = new QLabel("Filas de auditoría: " + QString::number(lineas.size()) +
                        "\nPor decisión: " + Lista(ContarDecisiones(lineas)) +
                        "\nPor resultado: " + Lista(ContarResultados(lineas)));
  totales_->setObjectName("Totales");
  totales_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* botones = new QDialogButtonBox;
  auto* enviar = botones->addButton("Enviar", QDialogButtonBox::AcceptRole);
  enviar->setObjectName("Enviar");
  auto* cerrar = botones->addButton("Cerrar", QDialogButtonBox::RejectRole);
  cerrar->setObjectName("Cerrar");
  cerrar->setDefault(true);  // a stray Enter does not start the run
  connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columna = new QVBoxLayout(this);
  columna->addWidget(filas_, 1);
  columna->addWidget(totales_);
  columna->addWidget(botones);
  resize(900, 480);
}

}  // namespace norvane
