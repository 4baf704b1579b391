#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/platform/ValStr.h"

using Platform::IsNumber;
using Platform::Str;
using Platform::Val;

TEST(Val, ReadsTheLeadingNumberAndNothingElse) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},          {"   ", 0},       {"abc", 0},        {"12abc", 12},
      {" -3.5e2", -350}, {"+7", 7},        {"1.5", 1.5},      {"1.", 1},
      {"2e", 2},        {"2e+", 2},       {"2e-3", 0.002},   {"0x10", 0},
      {"inf", 0},       {"-inf", 0},      {"nan", 0},        {"1e999", 0},
      {"-1e999", 0},    {"1e-999", 0},    {"3,5", 3},        {"\t5", 0},
      {"- 5", 0},       {"25 K", 25},     {"1E3", 1000},     {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Val, TellsATypedZeroFromNoNumber) {
  EXPECT_TRUE(IsNumber("0"));
  EXPECT_TRUE(IsNumber(" -0.0"));
  EXPECT_TRUE(IsNumber("12abc"));
  EXPECT_FALSE(IsNumber(""));
  EXPECT_FALSE(IsNumber("put number"));
  EXPECT_FALSE(IsNumber("1e999"));
  EXPECT_FALSE(IsNumber("nan"));
}

TEST(Str, PrintsSevenSignificantDigitsLikePercentG) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},           {-0.0, "0"},          {1, "1"},
      {0.1, "0.1"},       {-2.5, "-2.5"},       {1234567, "1234567"},
      {12345678, "1.234568e+07"}, {1234567.8, "1234568"}, {0.0001, "0.0001"},
      {0.00001234, "1.234e-05"}, {98.62781261527111, "98.62781"}, {1e300, "1e+300"},
      {-1e-300, "-1e-300"}, {273.15, "273.15"},   {16042.8 / 40, "401.07"},
  };
  for (const auto& c : cases) EXPECT_EQ(Str(c.value).toStdString(), c.text) << c.value;
}

TEST(Str, NeverShowsNanOrInfinity) {
  EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()), "");
  EXPECT_EQ(Str(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(Str(-std::numeric_limits<double>::infinity()), "");
}

TEST(Str, ReadsBackAsItsOwnRounding) {
  for (double x : {M_PI, -M_E * 1e-7, 6.02214076e23, 0.1 + 0.2, 190.564, 4.5922})
    EXPECT_EQ(Str(Val(Str(x))), Str(x)) << x;
  EXPECT_EQ(Val(Str(M_PI)), 3.141593);
}
