// The numbers and KEY=VALUE pairs of a .MODEL card as SPICE reads them.

#include "formats/SpiceModelCard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

namespace {

// ngspice reads the accepted rows alike ("1Mohm" is milli there too); what it would read in
// part ("1k2" as 1k, "1.5.3" as 1.5) is refused here rather than guessed.
TEST(SpiceModelCardTest, NumbersTakeScaleFactorsAndIgnoreUnits) {
  const struct {
    const char* text;
    double value;  // NaN: refused
  } rows[] = {
      {"1e-14", 1e-14},  {"2.52n", 2.52e-9}, {"10f", 1e-14},   {"10fA", 1e-14},
      {"1.5MEG", 1.5e6}, {"1.5meg", 1.5e6},  {"1Mohm", 1e-3},  {"2mil", 5.08e-5},
      {"1e3k", 1e6},     {"1E-3U", 1e-9},    {".5", 0.5},      {"+3", 3.0},
      {"-2u", -2e-6},    {"3x", 3.0},        {"1e", 1.0},      {"4T", 4e12},
      {"abc", NAN},      {"", NAN},          {"{ISAT}", NAN},  {"1.5.3", NAN},
      {"1k2", NAN},      {"1e999", NAN},     {"1e300T", NAN},  {"-", NAN},
      {"e5", NAN},
  };
  for (const auto& row : rows) {
    const double value = spice_card::Number(row.text);
    if (std::isnan(row.value)) {
      EXPECT_TRUE(std::isnan(value)) << row.text << " gave " << value;
    } else {
      EXPECT_NEAR(value, row.value, std::fabs(row.value) * 1e-15) << row.text;
    }
  }
}

TEST(SpiceModelCardTest, PairsSpanTheCardsLinesInAnyCase) {
  LineFile card;
  for (const char* line : {".model dx d(is=1n cjo=2p", "+ n = 1.9, IS=5n", "+ rs=", "+ 3 bv)"}) {
    card.AddLine(line);
  }
  const struct {
    const char* key;
    double value;  // NaN: the text is no number; -1: the absent value
  } rows[] = {
      {"IS", 5e-9},  // the last of a repeated key
      {"N", 1.9},    // blanks around '=' and a comma
      {"RS", 3.0},   // the value on the next line
      {"CJO", 2e-12},
      {"BV", -1.0},  // a word without '=' is no parameter
      {"D", -1.0},   // nor is the type
      {"DX", -1.0},
  };
  for (const auto& row : rows) {
    EXPECT_NEAR(spice_card::Parameter(card, row.key, -1.0), row.value,
                std::fabs(row.value) * 1e-15)
        << row.key;
  }
  LineFile expression;
  expression.AddLine(".MODEL DP D(IS={ISAT})");
  EXPECT_TRUE(std::isnan(spice_card::Parameter(expression, "IS", -1.0)));
}

}  // namespace
