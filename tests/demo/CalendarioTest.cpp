#include <gtest/gtest.h>

#include "demo/Calendario.h"

namespace norvane::demo {
namespace {

struct Dia {
  fb::Date fecha;
  int desde1970;
  int semana;  // 0 Sunday
};

const Dia kDias[] = {
    {{1970, 1, 1}, 0, 4},         {{1969, 12, 31}, -1, 3},     {{2000, 2, 29}, 11016, 2},
    {{2000, 3, 1}, 11017, 3},     {{2024, 1, 1}, 19723, 1},    {{2024, 2, 29}, 19782, 4},
    {{2024, 3, 1}, 19783, 5},     {{2024, 6, 30}, 19904, 0},   {{2100, 3, 1}, 47541, 1},
};

TEST(Calendario, DiasDesde1970EnAmbosSentidos) {
  for (const Dia& d : kDias) {
    SCOPED_TRACE(fb::toString(d.fecha));
    EXPECT_EQ(DiaDe(d.fecha), d.desde1970);
    EXPECT_EQ(FechaDe(d.desde1970), d.fecha);
    EXPECT_EQ(DiaDeLaSemana(d.desde1970), d.semana);
  }
}

// The civil date after `f`, by month lengths and the leap-year rule.
fb::Date Manana(fb::Date f) {
  static constexpr unsigned kLargo[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool bisiesto = (f.year % 4 == 0 && f.year % 100 != 0) || f.year % 400 == 0;
  const unsigned largo = kLargo[f.month - 1] + (f.month == 2 && bisiesto ? 1 : 0);
  if (f.day < largo) return {f.year, f.month, f.day + 1};
  if (f.month < 12) return {f.year, f.month + 1, 1};
  return {f.year + 1, 1, 1};
}

TEST(Calendario, DiasSeguidosSonFechasSeguidasDuranteDosSiglos) {
  fb::Date f{1950, 1, 1};
  for (int dia = DiaDe(f); dia < DiaDe({2150, 1, 1}); ++dia) {
    ASSERT_EQ(FechaDe(dia), f) << dia;
    ASSERT_EQ(DiaDe(f), dia) << fb::toString(f);
    f = Manana(f);
  }
}

TEST(Calendario, HoraYMarca) {
  EXPECT_EQ(HoraDe(0), (fb::Time{0, 0, 0, 0}));
  EXPECT_EQ(HoraDe(13 * 3600 + 5 * 60 + 9), (fb::Time{13, 5, 9, 0}));
  EXPECT_EQ(HoraDe(86399), (fb::Time{23, 59, 59, 0}));
  EXPECT_EQ(MarcaDe({DiaDe({2024, 4, 2}), 8 * 3600}), (fb::Timestamp{{2024, 4, 2}, {8, 0, 0, 0}}));
  EXPECT_LT((Momento{10, 86399}), (Momento{11, 0}));
  EXPECT_LT((Momento{10, 5}), (Momento{10, 6}));
}

}  // namespace
}  // namespace norvane::demo
