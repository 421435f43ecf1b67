#include "app/LineaComandos.h"

namespace norvane {

std::optional<EnvioAutomatico> EnvioPedido(const QStringList& argumentos) {
  if (argumentos.value(0) != QLatin1String("ARTICULOS") || argumentos.value(2).isEmpty())
    return std::nullopt;
  return EnvioAutomatico{argumentos.value(1).toStdString(), argumentos.value(2).toStdString()};
}

}  // namespace norvane
