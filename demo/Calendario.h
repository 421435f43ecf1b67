#pragma once

#include "fb/Value.h"

namespace norvane::demo {

// A moment of the sample data: a day counted from 1970-01-01 and a second of
// that day. Moments compare in time order.
struct Momento {
  int dia = 0;
  int segundo = 0;
  friend auto operator<=>(const Momento&, const Momento&) = default;
};

// Days from 1970-01-01 of a civil date, and back (proleptic Gregorian).
int DiaDe(const fb::Date& fecha);
fb::Date FechaDe(int dia);
// 0 Sunday ... 6 Saturday.
int DiaDeLaSemana(int dia);

fb::Time HoraDe(int segundo);
fb::Timestamp MarcaDe(const Momento& m);

}  // namespace norvane::demo
