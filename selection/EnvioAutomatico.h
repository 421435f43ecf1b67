#pragma once

#include <string>

namespace norvane {

// The automatic article transfer asked for on the command line.
struct EnvioAutomatico {
  std::string CompaniaOrigen;   // COMP_COD at the origin server
  std::string CompaniaDestino;  // COMP_COD at the destination server
};

}  // namespace norvane
