#include "engine/TextoSql.h"

namespace norvane {

namespace {

std::string_view SinBlancos(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

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

bool EsEnteroLiteral(std::string_view valor) {
  std::string_view t = SinBlancos(valor);
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
  return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string EnteroOCitado(std::string_view valor) {
  return EsEnteroLiteral(valor) ? std::string(SinBlancos(valor)) : Citar(valor);
}

}  // namespace norvane
