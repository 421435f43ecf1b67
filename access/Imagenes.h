#pragma once

#include <QPixmap>

namespace norvane {

// The pictures of the access dialog, drawn when asked for, at the given
// device pixel ratio so that they stay sharp on dense screens.

// Two databases with an arrow from the one to the other: a transfer.
QPixmap ImagenEnvio(qreal escala = 1.0);
// A padlock with its key: signing in.
QPixmap ImagenAcceso(qreal escala = 1.0);

}  // namespace norvane
