#pragma once

#include <QChar>
#include <QString>

namespace norvane {

// The number and date formats that the whole program uses, fixed when the
// main window is created. The long time format is not among them: it stays
// as the system gives it.
struct Formatos {
  QChar separadorMiles;
  QChar separadorDecimal;
  int decimalesMoneda;
  QChar separadorFecha;
  QString fechaCorta;  // as QDate::toString writes it
  QString fechaLarga;
  QChar separadorHora;
  QString horaCorta;
};

const Formatos& FormatosPrograma();

// Makes the formats the process's own: numbers are written with "," between
// thousands and "." before the decimals, the names of months and days are
// Spanish; the date editors take the short date format from
// FormatosPrograma().
void FijarFormatos();

// An amount of money: the symbol before it without a blank, and a negative
// amount as minus sign, symbol, amount ("-$1,234.50"), with the currency's
// decimals. The symbol is the system's.
QString TextoMoneda(double cantidad);
QString TextoMoneda(double cantidad, const QString& simbolo);

}  // namespace norvane
