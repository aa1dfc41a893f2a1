#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dms.h"
#include "number_input.h"
#include "number_text.h"

namespace cp {
namespace {

TEST(NumberText, ShortestText) {
  EXPECT_EQ(shortest_text(6.0f), "6");
  EXPECT_EQ(shortest_text(6.5f), "6.5");
  EXPECT_EQ(shortest_text(12.0), "12");
  EXPECT_EQ(shortest_text(0.1f), "0.1");  // its own 32-bit text, not 0.10000000149
}

struct PatternRow {
  const char* name;
  double value;
  int decimals;
  const char* pattern;  // the pattern alone: halves away from zero
  const char* rounded;  // rounded first: halves to even
};

void PrintTo(const PatternRow& row, std::ostream* out) { *out << row.name; }

class NumberPattern : public testing::TestWithParam<PatternRow> {};

TEST_P(NumberPattern, BothRoundings) {
  const auto& row = GetParam();
  EXPECT_EQ(pattern_text(row.value, row.decimals), row.pattern);
  EXPECT_EQ(rounded_text(row.value, row.decimals), row.rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberPattern,
    testing::Values(PatternRow{"tie_0_125", 0.125, 2, "0.13", "0.12"},
                    PatternRow{"tie_0_375", 0.375, 2, "0.38", "0.38"},
                    PatternRow{"whole", 12, 2, "12.00", "12.00"},
                    PatternRow{"half", 0.5, 2, "0.50", "0.50"},
                    PatternRow{"three_decimals", 3.5, 3, "3.500", "3.500"},
                    PatternRow{"negative", -12.25, 3, "-12.250", "-12.250"},
                    PatternRow{"round_up", 123.4567, 3, "123.457", "123.457"},
                    PatternRow{"typed_tie", 123.4565, 3, "123.457", "123.456"},
                    PatternRow{"typed_tie_odd", 123.4575, 3, "123.458", "123.458"},
                    PatternRow{"negative_tie", -0.125, 2, "-0.13", "-0.12"},
                    PatternRow{"carry_through", 9.9996, 3, "10.000", "10.000"},
                    PatternRow{"carry_negative", -99.9995, 3, "-100.000", "-100.000"},
                    PatternRow{"negative_to_zero", -0.0004, 3, "0.000", "0.000"},
                    PatternRow{"negative_zero", -0.0, 2, "0.00", "0.00"},
                    PatternRow{"tie_to_even_whole", 2.5, 0, "3", "2"},
                    PatternRow{"tiny", 1e-300, 5, "0.00000", "0.00000"},
                    PatternRow{"huge", 1e20, 3, "100000000000000000000.000",
                               "100000000000000000000.000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, SingleValuesAreJudgedOnTheirOwnText) {
  EXPECT_EQ(rounded_text(-3.5249f, 2), "-3.52");
  EXPECT_EQ(rounded_text(0.125f, 2), "0.12");
  EXPECT_EQ(pattern_text(0.125f, 2), "0.13");
  // 0.145f is 0.14499999582767487 in binary, but the user sees 0.145: a tie.
  EXPECT_EQ(pattern_text(0.145f, 2), "0.15");
  EXPECT_EQ(rounded_text(0.145f, 2), "0.14");
}

TEST(NumberText, SignificantDigitsOfARelativeError) {
  const struct {
    const char* name;
    double value;
    const char* text;
  } rows[] = {
      {"thousands rounded", 309982.998, "310000"},
      {"a tie to even, down", 224500, "224000"},
      {"a tie to even, up", 223500, "224000"},
      {"carried into a new digit", 999600, "1000000"},
      {"three whole digits", 456.7, "457"},
      {"a fraction kept", 45.64, "45.6"},
      {"one whole digit", 4.5649, "4.56"},
      {"below one", 0.012345, "0.0123"},
      {"exact", 120000, "120000"},
      {"zero", 0, "0"},
  };
  for (const auto& row : rows) EXPECT_EQ(significant_text(row.value, 3), row.text) << row.name;
}

struct DmsRow {
  const char* name;
  double dms;
  double degrees;
};

void PrintTo(const DmsRow& row, std::ostream* out) { *out << row.name; }

class Dms : public testing::TestWithParam<DmsRow> {};

TEST_P(Dms, ReadsTheDigitsAsTyped) {
  EXPECT_NEAR(dms_to_degrees(GetParam().dms), GetParam().degrees, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dms,
    testing::Values(DmsRow{"azimuth", 123.4530, 123 + 45 / 60.0 + 30 / 3600.0},
                    DmsRow{"hundredths_of_seconds", 123.453012, 123 + 45 / 60.0 + 30.12 / 3600.0},
                    DmsRow{"half_degree", 30.3, 30.5},
                    DmsRow{"one_minute_digit", 123.4, 123 + 40 / 60.0},
                    DmsRow{"binary_trap_0_29", 0.29, 29 / 60.0},
                    DmsRow{"binary_trap_1_13", 1.13, 1 + 13 / 60.0},
                    DmsRow{"binary_trap_2_07", 2.07, 2 + 7 / 60.0},
                    DmsRow{"binary_trap_4_35", 4.35, 4 + 35 / 60.0},
                    DmsRow{"binary_trap_35_05", 35.05, 35 + 5 / 60.0},
                    DmsRow{"negative", -30.3, -30.5}, DmsRow{"whole", 90, 90}, DmsRow{"zero", 0, 0},
                    DmsRow{"fifty_nine_seconds", 10.5959, 10 + 59 / 60.0 + 59 / 3600.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dms, MinutesAndSecondsOfSixtyAreNoAngle) {
  for (const double angle : {123.4530, 10.5959, 10.59599999, 0.0, -30.3, 359.5959})
    EXPECT_TRUE(is_dms_angle(dms_parts(angle))) << angle;
  for (const double typo : {48.2564, 48.7, 10.6, 10.0060, 10.5960, -48.7})
    EXPECT_FALSE(is_dms_angle(dms_parts(typo))) << typo;
  const DmsParts parts = dms_parts(48.2564);
  EXPECT_EQ(parts.degrees, 48);
  EXPECT_EQ(parts.minutes, 25);
  EXPECT_EQ(parts.seconds, 64);
}

TEST(NumberInput, WhatReadsAsANumber) {
  EXPECT_EQ(read_double("12"), 12);
  EXPECT_EQ(read_double("  -3.5 "), -3.5);
  EXPECT_EQ(read_double("+2"), 2);
  EXPECT_EQ(read_double(".5"), 0.5);
  EXPECT_EQ(read_double("5."), 5);
  EXPECT_EQ(read_double("1e3"), 1000);
  EXPECT_EQ(read_double("1E-3"), 0.001);
  EXPECT_EQ(read_double("１２３．５"), 123.5);  // full-width digits and point
  EXPECT_EQ(read_double("　－４５　"), -45);    // ideographic spaces, full-width minus
  EXPECT_EQ(read_double("１ｅ２"), 100);
  EXPECT_EQ(read_double("1e-300"), 1e-300);
}

TEST(NumberInput, WhatDoesNot) {
  for (const char* text : {"", "   ", "abc", "12abc", "1,5", "1.2.3", ".", "-", "e5", "1e", "1e+",
                           "0x10", "inf", "nan", "1e400", "1 2", "１２ａ", "\xff"}) {
    EXPECT_FALSE(read_double(text)) << '"' << text << '"';
  }
}

TEST(NumberInput, ConfirmationMeansWrongForZeroAndForAPlainNo) {
  for (const char* wrong :
       {"0",    "0.0",    " 0 ", "-0", "０", "0e5", "否", " 不 ",     "不对", "错",
        "错误", "不正确", "n",   "N",  "no", "No",  "NO", "　ｎｏ　", "ＮＯ", "\t否\t"})
    EXPECT_TRUE(means_wrong(wrong)) << wrong;
  for (const char* right : {"", "1", "a", "0a", "00.1", " ", "y", "yes", "是", "对", "正确", "none",
                            "not", "否否", "n o", "不是", "错了吗"})
    EXPECT_FALSE(means_wrong(right)) << right;
}

TEST(NumberInput, SinglePrecisionCount) {
  EXPECT_EQ(read_float("6"), 6.0f);
  EXPECT_FALSE(read_float("1e39"));  // beyond a 32-bit float
}

}  // namespace
}  // namespace cp
