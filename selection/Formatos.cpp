#include "selection/Formatos.h"

#include <QLocale>
#include <cmath>

namespace norvane {

const Formatos& FormatosPrograma() {
  static const Formatos formatos{
      .separadorMiles = ',',
      .separadorDecimal = '.',
      .decimalesMoneda = 2,
      .separadorFecha = '/',
      .fechaCorta = QStringLiteral("yyyy/MM/dd"),
      .fechaLarga = QStringLiteral("dddd, MMMM dd, yyyy"),
      .separadorHora = ':',
      .horaCorta = QStringLiteral("HH:mm:ss"),
  };
  return formatos;
}

void FijarFormatos() {
  // Spanish as written in Mexico has the separators of the table and keeps
  // the names of months and days Spanish. Its amounts put the minus sign
  // after the symbol, hence TextoMoneda.
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));
}

QString TextoMoneda(double cantidad) { return TextoMoneda(cantidad, QLocale().currencySymbol()); }

QString TextoMoneda(double cantidad, const QString& simbolo) {
  const int decimales = FormatosPrograma().decimalesMoneda;
  const double redondeada = std::round(std::abs(cantidad) * std::pow(10.0, decimales));
  const QString numero = QLocale().toString(std::abs(cantidad), 'f', decimales);
  const bool negativa = cantidad < 0 && redondeada != 0.0;
  return (negativa ? QStringLiteral("-") : QString()) + simbolo + numero;
}

}  // namespace norvane
