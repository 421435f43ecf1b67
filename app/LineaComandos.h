#pragma once

#include <QStringList>
#include <optional>

#include "selection/EnvioAutomatico.h"

namespace norvane {

// The automatic article transfer, when the arguments (the program's name not
// among them) ask for it: the first is exactly "ARTICULOS" and the third is
// not empty; the second is then the origin company and the third the
// destination. Only the first three arguments are looked at; any other
// command line asks for nothing.
std::optional<EnvioAutomatico> EnvioPedido(const QStringList& argumentos);

}  // namespace norvane
