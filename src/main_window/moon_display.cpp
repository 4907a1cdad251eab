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
  const double year = LeadingNumber(c_.txtYY.caption);
  const int whole_year = year > 100000 ? 100000 : year < -100000 ? -100000 : static_cast<int>(year);
  // The base follows the comparisons on the value itself, so a fraction above
  // a boundary year still counts as later.
  const int base = MoonBaseYear(year > whole_year ? whole_year + 1 : whole_year);
  SetText(c_.txtYY2, std::to_string(base));

  if (const int month = MonthOfText(c_.txtMM.caption); month != 0) {
    SetText(c_.txtMM2, std::to_string(MoonMonthConstant(month)));
  }

  const double sum = (year - LeadingNumber(c_.txtYY2.caption)) * 11 +
                     LeadingNumber(c_.txtMM2.caption) + LeadingNumber(c_.txtDD.caption);
  SetText(c_.txtAll, NumberText(sum));

  SetText(c_.txtAll, NumberText(ReduceMoonSum(LeadingNumber(c_.txtAll.caption))));
  SetText(c_.txtAge, c_.txtAll.caption);
}

void MainWindow::txtAge_Change() {
  for (ui::Control* picture : c_.Mp) form_.SetVisible(*picture, false);
  const std::string& age = c_.txtAge.caption;
  for (int n = 0; n < 30; ++n) {
    if (age == std::to_string(n)) form_.SetVisible(*c_.Mp[static_cast<std::size_t>(n)], true);
  }
  form_.SetCaption(c_.lblMAge, age);
  const std::string& number_switch = c_.MAgeVw.caption;
  if (number_switch.empty() || number_switch == "on") {
    form_.SetVisible(c_.lblMAge, true);
  } else if (number_switch == "off") {
    form_.SetVisible(c_.lblMAge, false);
  }
}

}  // namespace kelvara
