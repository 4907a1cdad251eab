#include "moon_checks.h"

namespace kelvara::resgen {
namespace {

struct LitHalves {
  int left = 0, right = 0;  // lit pixels either side of the middle column
  int half_disc = 0;        // pixels of the disc on one side
};

bool Lit(Rgba p) { return p.r + p.g + p.b >= 3 * 128; }
bool OnDisc(Rgba p) { return p.r + p.g + p.b > 0; }

LitHalves Count(const Canvas& picture) {
  LitHalves halves;
  const int middle = picture.width() / 2;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (x == middle) continue;
      const Rgba p = picture.at(x, y);
      if (x < middle) {
        halves.left += Lit(p);
        halves.half_disc += OnDisc(p);
      } else {
        halves.right += Lit(p);
      }
    }
  }
  return halves;
}

}  // namespace

std::string CheckMoonPhase(int age, const Canvas& picture) {
  const LitHalves h = Count(picture);
  if (h.half_disc < 800) return "no disc on the black ground";
  const int most = h.half_disc * 8 / 10;
  switch (age) {
    case 0:
    case 29:
      if (h.left + h.right != 0) return "a new moon shows lit pixels";
      break;
    case 2:
      if (h.left != 0 || h.right == 0 || h.right > h.half_disc / 10)
        return "not a thin crescent on the right";
      break;
    case 7:
      if (h.left != 0 || h.right < most) return "not the right half lit";
      break;
    case 15:
      if (h.left < most || h.right < most) return "not full";
      break;
    case 22:
      if (h.right > h.half_disc / 20 || h.left < most) return "not the left half lit";
      break;
    default:
      // Waxing grows on the right, waning shrinks from the right.
      if (age < 15 && h.left > h.right) return "waxing but lit more on the left";
      if (age > 15 && h.right > h.left) return "waning but lit more on the right";
      break;
  }
  return "";
}

std::string CheckMoonSequence(const std::vector<Canvas>& pictures_by_age) {
  for (size_t age = 1; age < pictures_by_age.size(); ++age) {
    const LitHalves before = Count(pictures_by_age[age - 1]), now = Count(pictures_by_age[age]);
    const int lit_before = before.left + before.right, lit_now = now.left + now.right;
    if (age <= 15 ? lit_now < lit_before : lit_now > lit_before) {
      return "lit area goes the wrong way at age " + std::to_string(age);
    }
  }
  return "";
}

}  // namespace kelvara::resgen
