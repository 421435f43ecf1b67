#include <gtest/gtest.h>

#include "engine/ValorDestino.h"

namespace norvane {
namespace {

struct CasoPuntoFijo {
  fb::Value origen;
  std::int64_t diezMilesimas;
};

class PuntoFijo : public ::testing::TestWithParam<CasoPuntoFijo> {};

TEST_P(PuntoFijo, FourDecimalsHalfToEven) {
  EXPECT_EQ(ConCuatroDecimales(GetParam().origen), (fb::Decimal{GetParam().diezMilesimas, -4}))
      << GetParam().origen.toString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PuntoFijo,
    ::testing::Values(CasoPuntoFijo{fb::Value(), 0},                      // null reads as 0
                      CasoPuntoFijo{fb::Value(1.23456), 12346},
                      CasoPuntoFijo{fb::Value(-1.23456), -12346},
                      CasoPuntoFijo{fb::Value(fb::Decimal{123456789012345, -2}), 12345678901234500},
                      CasoPuntoFijo{fb::Value(fb::Decimal{123455, -5}), 12346},   // half: to even 6
                      CasoPuntoFijo{fb::Value(fb::Decimal{123445, -5}), 12344},   // half: to even 4
                      CasoPuntoFijo{fb::Value(fb::Decimal{-123455, -5}), -12346},
                      CasoPuntoFijo{fb::Value(fb::Decimal{1234451, -6}), 12345},  // below half
                      CasoPuntoFijo{fb::Value(std::int64_t{7}), 70000},
                      CasoPuntoFijo{fb::Value(" 12.5 "), 125000},
                      CasoPuntoFijo{fb::Value("0.00005"), 0},
                      CasoPuntoFijo{fb::Value("0.00015"), 2}));

TEST(PuntoFijo, TextThatIsNoNumberIsAnError) {
  EXPECT_THROW(ConCuatroDecimales(fb::Value("12a")), std::exception);
  EXPECT_THROW(ConCuatroDecimales(fb::Value("")), std::exception);
  EXPECT_THROW(ConCuatroDecimales(fb::Value(fb::Date{2024, 1, 1})), std::exception);
}

fb::Column ColumnaDe(fb::SqlType tipo, int escala = 0) {
  fb::Column c;
  c.type = tipo;
  c.scale = escala;
  return c;
}

TEST(ConvertirValor, ToTheDestinationType) {
  using T = fb::SqlType;
  EXPECT_TRUE(ConvertirValor(fb::Value(), ColumnaDe(T::Long)).isNull());
  EXPECT_EQ(ConvertirValor(fb::Value("42"), ColumnaDe(T::Long)), fb::Value(42));
  EXPECT_EQ(ConvertirValor(fb::Value(fb::Decimal{25, -1}), ColumnaDe(T::Long)), fb::Value(2));
  EXPECT_EQ(ConvertirValor(fb::Value(7), ColumnaDe(T::Varying)), fb::Value("7"));
  EXPECT_EQ(ConvertirValor(fb::Value(fb::Decimal{-150, -2}), ColumnaDe(T::Text)), fb::Value("-1.50"));
  EXPECT_EQ(ConvertirValor(fb::Value("2024/04/23"), ColumnaDe(T::Date)),
            fb::Value(fb::Date{2024, 4, 23}));
  EXPECT_EQ(ConvertirValor(fb::Value(fb::Timestamp{{2024, 4, 23}, {15, 7, 9, 0}}), ColumnaDe(T::Date)),
            fb::Value(fb::Date{2024, 4, 23}));
  EXPECT_EQ(ConvertirValor(fb::Value("nota"), ColumnaDe(T::Blob)), fb::Value(fb::Blob{"nota"}));
  // Without the fixed-point rule a numeric destination keeps the exact value.
  EXPECT_EQ(ConvertirValor(fb::Value("1.23456"), ColumnaDe(T::Int64, -2)),
            fb::Value(fb::Decimal{123456, -5}));
}

TEST(ConvertirValor, ValuesThatCannotBeConverted) {
  using T = fb::SqlType;
  EXPECT_THROW(ConvertirValor(fb::Value("abc"), ColumnaDe(T::Long)), std::exception);
  EXPECT_THROW(ConvertirValor(fb::Value("abc"), ColumnaDe(T::Int64, -2)), std::exception);
  EXPECT_THROW(ConvertirValor(fb::Value("31/12"), ColumnaDe(T::Date)), std::exception);
  EXPECT_THROW(ConvertirValor(fb::Value("x"), ColumnaDe(T::Double)), std::exception);
}

}  // namespace
}  // namespace norvane
