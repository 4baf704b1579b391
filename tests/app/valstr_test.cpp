#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/platform/ValStr.h"

using Platform::IsNumber;
using Platform::Str;
using Platform::Val;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();

TEST(Val, ReadsTheLeadingNumberAndNothingElse) {
  const struct { const char* text; double value; } cases[] = {
      {"", 0},          {"   ", 0},       {"abc", 0},        {"12abc", 12},
      {" -3.5e2", -350}, {"+7", 7},        {"1.5", 1.5},      {"1.", 1},
      {"2e", 2},        {"2e+", 2},       {"2e-3", 0.002},   {"0x10", 0},
      {"inf", 0},       {"-inf", 0},      {"nan", 0},        {"1e999", 0},
      {"-1e999", 0},    {"1e-999", 0},    {"3,5", 3},        {"\t5", 0},
      {"- 5", 0},       {"25 K", 25},     {"1E3", 1000},     {"007", 7},
      {"6.022141e+23", 6.022141e23},        {"-2.718282e-07", -2.718282e-07},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Val, TellsATypedZeroFromNoNumber) {
  for (const char* text : {"0", " -0.0", "12abc"}) EXPECT_TRUE(IsNumber(text)) << text;
  for (const char* text : {"", "put number", "1e999", "nan"}) EXPECT_FALSE(IsNumber(text)) << text;
}

TEST(Str, PrintsSevenSignificantDigitsLikePercentG) {
  const struct { double value; const char* text; } cases[] = {
      {0, "0"},           {-0.0, "0"},          {1, "1"},
      {0.1, "0.1"},       {-2.5, "-2.5"},       {1234567, "1234567"},
      {12345678, "1.234568e+07"}, {1234567.8, "1234568"}, {0.0001, "0.0001"},
      {0.00001234, "1.234e-05"}, {98.62781261527111, "98.62781"}, {1e300, "1e+300"},
      {-1e-300, "-1e-300"}, {273.15, "273.15"},   {16042.8 / 40, "401.07"},
      {M_PI, "3.141593"}, {6.02214076e23, "6.022141e+23"}, {4.5922, "4.5922"},
      {kNaN, ""},         {kInf, ""},           {-kInf, ""},  // never "nan" or "inf"
  };
  for (const auto& c : cases) EXPECT_EQ(Str(c.value).toStdString(), c.text) << c.value;
}
