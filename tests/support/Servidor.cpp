#include "tests/support/Servidor.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace norvane::test {

namespace {

std::string env(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

}  // namespace

bool servidorDisponible() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(3050);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(s);
  return ok;
}

bool servidorRequerido() { return env("NORVANE_REQUIERE_SERVIDOR", "0") == "1"; }

UsuarioPrueba usuarioPrueba() {
  return {env("NORVANE_TEST_USUARIO", "NORVANE"), env("NORVANE_TEST_CLAVE", "norvane2024")};
}

}  // namespace norvane::test
