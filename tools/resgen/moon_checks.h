#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace kelvara::resgen {

// What a moon picture must show for its age, judged from its pixels: which
// half of the disc is lit and how much. Empty when it does.
std::string CheckMoonPhase(int age, const Canvas& picture);

// The lit area grows from age 0 to the full moon at 15 and shrinks after it.
std::string CheckMoonSequence(const std::vector<Canvas>& pictures_by_age);

}  // namespace kelvara::resgen
