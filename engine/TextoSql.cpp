#include "engine/TextoSql.h"

namespace norvane {

namespace {

std::string Encerrar(std::string_view texto, char comilla) {
  std::string resultado(1, comilla);
  for (char c : texto) {
    resultado += c;
    if (c == comilla) resultado += comilla;
  }
  return resultado + comilla;
}

}  // namespace

std::string Citar(std::string_view valor) { return Encerrar(valor, '\''); }

std::string CitarNombre(std::string_view nombre) { return Encerrar(nombre, '"'); }

}  // namespace norvane
