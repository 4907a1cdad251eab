// The moon age in the main window's fields, and its picture and number.
#include <string>

#include "main_window/main_window.h"
#include "moon/moon_age.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

// Texts "1" to "12" only: other month texts match no constant.
int MonthOfText(const std::string& text) {
  for (int month = 1; month <= 12; ++month) {
    if (text == std::to_string(month)) return month;
  }
  return 0;
}

}  // namespace

void MainWindow::CalcMoonAge() {
  const double year = LeadingNumber(Text("txtYY"));
  const int whole_year = year > 100000 ? 100000 : year < -100000 ? -100000 : static_cast<int>(year);
  // The base follows the comparisons on the value itself, so a fraction above
  // a boundary year still counts as later.
  const int base = MoonBaseYear(year > whole_year ? whole_year + 1 : whole_year);
  SetText("txtYY2", std::to_string(base));

  if (const int month = MonthOfText(Text("txtMM")); month != 0) {
    SetText("txtMM2", std::to_string(MoonMonthConstant(month)));
  }

  const double sum = (year - LeadingNumber(Text("txtYY2"))) * 11 + LeadingNumber(Text("txtMM2")) +
                     LeadingNumber(Text("txtDD"));
  SetText("txtAll", NumberText(sum));

  SetText("txtAll", NumberText(ReduceMoonSum(LeadingNumber(Text("txtAll")))));
  SetText("txtAge", Text("txtAll"));
}

void MainWindow::txtAge_Change() {
  for (int age = 0; age < 30; ++age) form_.SetVisible(C("Mp" + std::to_string(age)), false);
  const std::string& age = Text("txtAge");
  for (int n = 0; n < 30; ++n) {
    if (age == std::to_string(n)) form_.SetVisible(C("Mp" + std::to_string(n)), true);
  }
  form_.SetCaption(C("lblMAge"), age);
  const std::string& number_switch = Text("MAgeVw");
  if (number_switch.empty() || number_switch == "on") {
    form_.SetVisible(C("lblMAge"), true);
  } else if (number_switch == "off") {
    form_.SetVisible(C("lblMAge"), false);
  }
}

}  // namespace kelvara
