#include "demo/Calendario.h"

namespace norvane::demo {

// The civil-calendar conversions of Howard Hinnant's "chrono-compatible
// low-level date algorithms".
int DiaDe(const fb::Date& fecha) {
  const int y = fecha.year - (fecha.month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int m = static_cast<int>(fecha.month);
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<int>(fecha.day) - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

fb::Date FechaDe(int dia) {
  const int z = dia + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (m <= 2 ? 1 : 0), static_cast<unsigned>(m), static_cast<unsigned>(d)};
}

int DiaDeLaSemana(int dia) {
  // 1970-01-01 was a Thursday.
  const int r = (dia + 4) % 7;
  return r < 0 ? r + 7 : r;
}

fb::Time HoraDe(int segundo) {
  return {static_cast<unsigned>(segundo / 3600), static_cast<unsigned>(segundo / 60 % 60),
          static_cast<unsigned>(segundo % 60), 0};
}

fb::Timestamp MarcaDe(const Momento& m) { return {FechaDe(m.dia), HoraDe(m.segundo)}; }

}  // namespace norvane::demo
