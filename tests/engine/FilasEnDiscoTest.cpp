#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FilasEnDisco.h"

namespace norvane {
namespace {

// Rows of every kind of value, with texts that hold what a row layout could
// trip on: empty texts, zero bytes, long texts, bytes above 127.
std::vector<fb::Row> Filas() {
  return {
      {fb::Value(), fb::Value(std::int64_t{-9223372036854775807LL - 1}), fb::Value(""),
       fb::Value(std::string("a\0b", 3))},
      {fb::Value(fb::Decimal{-123456789, -4}), fb::Value(2.5), fb::Value(fb::Date{2024, 2, 29}),
       fb::Value(fb::Time{23, 59, 59, 9999}), fb::Value(fb::Timestamp{{1, 1, 1}, {0, 0, 0, 1}})},
      {},
      {fb::Value(fb::Blob{std::string(70000, '\xf1')}), fb::Value(true), fb::Value(false),
       fb::Value(std::string(300, 'x'))},
  };
}

TEST(FilasEnDisco, GivesBackEveryRowInOrderAndAgainAfterRewinding) {
  FilasEnDisco disco;
  for (const auto& fila : Filas()) disco.Agregar(fila);
  EXPECT_EQ(disco.Cantidad(), 4u);
  for (int vuelta = 0; vuelta < 2; ++vuelta) {
    disco.Rebobinar();
    std::vector<fb::Row> leidas;
    fb::Row fila{fb::Value("left over")};
    while (disco.Leer(fila)) leidas.push_back(fila);
    EXPECT_EQ(leidas, Filas()) << "pass " << vuelta;
  }
}

TEST(FilasEnDisco, RowsAddedAfterReadingComeAfterTheOthers) {
  FilasEnDisco disco;
  disco.Agregar({fb::Value(1)});
  fb::Row fila;
  ASSERT_TRUE(disco.Leer(fila));
  disco.Agregar({fb::Value(2)});
  disco.Rebobinar();
  std::vector<fb::Row> leidas;
  while (disco.Leer(fila)) leidas.push_back(fila);
  EXPECT_EQ(leidas, (std::vector<fb::Row>{{fb::Value(1)}, {fb::Value(2)}}));
}

TEST(FilasEnDisco, AnEmptyFileHasNoRow) {
  FilasEnDisco disco;
  fb::Row fila;
  EXPECT_FALSE(disco.Leer(fila));
  EXPECT_EQ(disco.Cantidad(), 0u);
}

}  // namespace
}  // namespace norvane
