#pragma once

// A Firebird server of one test, apart from the shared one on port 3050: its
// own root folder (the installed engine's files through symbolic links, a
// configuration of its own), its own copy of the security database, lock and
// temporary folders, and a port of its own on localhost. A test can stop it
// and start it again as an operator stops a server; it is stopped when the
// object goes away.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/Simulacro.h"
#include "tests/support/TempDir.h"

namespace norvane::test {

class ServidorPrivado {
public:
  // Builds the root folder, picks a free port from 3051 on and starts the
  // server; throws when no server answers there.
  ServidorPrivado();
  ~ServidorPrivado();
  ServidorPrivado(const ServidorPrivado&) = delete;
  ServidorPrivado& operator=(const ServidorPrivado&) = delete;

  // Whether the installed engine has what a private server needs.
  static bool Disponible();

  int puerto() const { return puerto_; }
  // "localhost/<port>:": what a database name or a server prefix starts with
  // to reach this server.
  std::string Anfitrion() const;
  // The server process; -1 while it is stopped.
  pid_t pid() const;
  bool Activo() const;

  // Starts the server again on the same port; throws when it does not
  // answer there.
  void Iniciar();
  // SIGTERM, then SIGKILL when it has not ended after `plazo`. Returns how
  // long the server took to end; true in `solo` when it ended by itself.
  std::chrono::steady_clock::duration Detener(bool* solo = nullptr,
                                              std::chrono::steady_clock::duration plazo = std::chrono::seconds(15));

  // SIGKILL: the server ends as in a crash, without closing a connection.
  void Matar();

  // The server's own output (it logs to the shared firebird.log).
  std::string Texto() const;

private:
  bool Arrancar();
  void Configurar();

  TempDir raiz_;
  int puerto_ = 0;
  std::unique_ptr<Hijo> proceso_;
};

}  // namespace norvane::test
