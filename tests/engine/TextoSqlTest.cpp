#include <gtest/gtest.h>

#include "engine/TextoSql.h"

namespace norvane {
namespace {

struct CasoEntero {
  const char* valor;
  const char* escrito;  // what the statement gets
};

// Integer literals go in bare, trimmed; anything else is quoted as it came.
TEST(TextoSql, EnteroOCitado) {
  const CasoEntero casos[] = {
      {"12", "12"},          {"12 ", "12"},           {"  -7 ", "-7"},       {"+3", "+3"},
      {"007", "007"},        {"", "''"},              {"   ", "'   '"},      {"AB ", "'AB '"},
      {"1 2", "'1 2'"},      {"-", "'-'"},            {"+-1", "'+-1'"},      {"1;drop", "'1;drop'"},
      {"1' or '1", "'1'' or ''1'"}, {"1.5", "'1.5'"}, {"0x1F", "'0x1F'"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(EnteroOCitado(caso.valor), caso.escrito) << "value [" << caso.valor << "]";
    EXPECT_EQ(EsEnteroLiteral(caso.valor), caso.escrito[0] != '\'') << "value [" << caso.valor << "]";
  }
}

TEST(TextoSql, CitarDoublesEveryQuote) {
  EXPECT_EQ(Citar("O'Neil"), "'O''Neil'");
  EXPECT_EQ(Citar("''"), "''''''");
  EXPECT_EQ(CitarNombre("A\"B"), "\"A\"\"B\"");
}

}  // namespace
}  // namespace norvane
