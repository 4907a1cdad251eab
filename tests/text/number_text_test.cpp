#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvara {
namespace {

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatDigits, RoundsAsTheDisplayRulesSay) {
  const FormatCase cases[] = {
      {1234, "###", "1234"},      // digits are not limited by the pattern
      {7, "#####", "7"},          // nor padded
      {1234567, "#", "1234567"},  //
      {0.3, "#", ""},             // rounds to 0: empty caption
      {0.49, "#", ""},            //
      {0.5, "#", "1"},            // halves away from zero
      {1.5, "#", "2"},            //
      {2.5, "#", "3"},            // not to even
      {-0.5, "#", "-1"},          //
      {-2.5, "####", "-3"},       //
      {-0.3, "#", ""},            //
      {45.25, "##.#", "45.3"},    // exact tie at the hundredths goes up
      {45.75, "##.#", "45.8"},    //
      {0.25, "#.#", ".3"},        //
      {-0.25, "#.#", "-.3"},      //
      {45, "#.#", "45."},         // point kept
      {0.5, "#.#", ".5"},         // no zero whole part
      {0.04, "#.#", "."},         // point alone
      {0, "#.#", "."},            //
      {99.95, "##.#", "100."},    // the double is above 99.95: up, tenths 0 dropped
      {0.15, "#.#", ".1"},        // the double is below 0.15: down
      {0.35, "#.#", ".3"},        // below 0.35
      {1.05, "#.#", "1.1"},       // above 1.05: up
      {2.675, "##.#", "2.7"},     //
      {8015961.6, "#", "8015962"},
      {1048.576, "#", "1049"},
      {4294967296.0, "#", "4294967296"},
      {1e20, "#", "100000000000000000000"},
      {-7.96, "#.#", "-8."},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatDigits(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
  }
}

TEST(FormatDigits, NonFiniteValuesGiveNoText) {
  EXPECT_EQ(FormatDigits(std::numeric_limits<double>::infinity(), "#"), "");
  EXPECT_EQ(FormatDigits(std::nan(""), "#.#"), "");
}

struct LeadingCase {
  const char* text;
  double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  const LeadingCase cases[] = {
      {"4096 MB", 4096}, {"45.%", 45},    {"", 0},      {".", 0},   {"6.1", 6.1},
      {"10.0", 10},      {"12abc", 12},   {"abc12", 0}, {"  7", 7}, {"\t3.5x", 3.5},
      {"-2.5", -2.5},    {"+8", 8},       {"-", 0},     {"-.", 0},  {".5", 0.5},
      {"1.2.3", 1.2},    {"1e5", 1},      {"0x10", 0},  {"007", 7}, {" - 1", 0},
      {"2014", 2014},    {"-.25", -0.25}, {"１２", 0},
  };
  for (const LeadingCase& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(LeadingNumber, HugeDigitRunsDoNotFail) {
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ToNumber, AcceptsOnlyAWholeNumberText) {
  const LeadingCase numbers[] = {
      {"45.", 45}, {"45", 45}, {"12632256", 12632256}, {"-3", -3}, {".5", 0.5},
      {"0", 0},    {"+2", 2},  {"6.25", 6.25},
  };
  for (const LeadingCase& c : numbers) {
    const std::optional<double> value = ToNumber(c.text);
    ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
    EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';
  }
  const char* not_numbers[] = {"",    ".",     "-",   "45%", "4096 MB", " 45", "45 ",
                               "1e5", "1.2.3", "abc", "-.",  "0x1F",    "１"};
  for (const char* text : not_numbers) {
    EXPECT_FALSE(ToNumber(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(ToNumber(std::string(400, '9')).has_value()) << "overflow is no number";
}

TEST(NumberText, WholeNumbersHaveNoPointOthersTheShortestText) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {55, "55"},
      {0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-3, "-3"},
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333333333333"},
      {2194, "2194"},
      {1e20, "100000000000000000000"},
      {1e-7, "0.0000001"},
      {109, "109"},
      {45.25, "45.25"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
}

// A window position as the store keeps it.
TEST(NumberText, ShortestTextOfThePosition) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {11385, "11385"},
      {886.15387f, "886.1539"},
      {886.1538f, "886.1538"},
      {-150, "-150"},
      {0.1f, "0.1"},
      {-0.0f, "0"},
      {1e7f, "10000000"},
      {1e-5f, "0.00001"},
      {1246.1538f, "1246.1538"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestText(c.value), c.text);
}

}  // namespace
}  // namespace kelvara
