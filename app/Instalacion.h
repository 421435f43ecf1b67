#pragma once

// Everything the program learns about its installation: the directory of the
// suite on this machine, the list of database servers, the names of every
// database and file built from them, and the scrambling of the passwords kept
// in memory between the sign-in and each connection.

#include "app/APUtilCrpt.h"
#include "app/Directorio.h"
#include "app/NombresBD.h"
#include "app/Servidores.h"
