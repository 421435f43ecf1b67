#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A value put in SQL quotes, every single quote inside it doubled.
std::string Citar(std::string_view valor);

// A column or table name in double quotes, exactly as the catalogue keeps
// it, every double quote inside it doubled.
std::string CitarNombre(std::string_view nombre);

// Whether `valor`, its surrounding blanks trimmed, is an integer literal: an
// optional sign and at least one digit, nothing else.
bool EsEnteroLiteral(std::string_view valor);

// A value that the statement writes without quotes (a bank account, a
// collector's or a seller's code): the trimmed integer literal when it is
// one; anything else (blank, letters, a quote) in SQL quotes, so that it can
// neither break the statement nor change what it does.
std::string EnteroOCitado(std::string_view valor);

}  // namespace norvane
