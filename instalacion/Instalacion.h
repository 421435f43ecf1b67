#pragma once

// Everything the program learns about its installation: the directory of the
// suite on this machine, the list of database servers, the names of every
// database and file built from them, and the scrambling of the passwords kept
// in memory between the sign-in and each connection.

#include "instalacion/APUtilCrpt.h"
#include "instalacion/Directorio.h"
#include "instalacion/NombresBD.h"
#include "instalacion/Servidores.h"
