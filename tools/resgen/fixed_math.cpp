#include "fixed_math.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kHalfPi = 1686629713;  // pi / 2 in Q30

// Taylor series for x in [0, pi/2) in Q30; ten terms leave an error far below 1 in Q30.
int64_t CosQuadrant(int64_t x) {
  const int64_t x2 = x * x / kOne;
  int64_t sum = kOne;
  int64_t term = kOne;
  for (int64_t k = 1; k <= 10; ++k) {
    term = -(term * x2 / kOne) / ((2 * k - 1) * (2 * k));
    sum += term;
  }
  return sum;
}

int64_t SinQuadrant(int64_t x) {
  const int64_t x2 = x * x / kOne;
  int64_t sum = x;
  int64_t term = x;
  for (int64_t k = 1; k <= 10; ++k) {
    term = -(term * x2 / kOne) / ((2 * k) * (2 * k + 1));
    sum += term;
  }
  return sum;
}

}  // namespace

int64_t CosTurn(int64_t num, int64_t den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const int64_t t = ((num % den) + den) % den;
  const int64_t quadrant = 4 * t / den;
  const int64_t x = (4 * t - quadrant * den) * kHalfPi / den;
  switch (quadrant) {
    case 0:
      return CosQuadrant(x);
    case 1:
      return -SinQuadrant(x);
    case 2:
      return -CosQuadrant(x);
    default:
      return SinQuadrant(x);
  }
}

int64_t SinTurn(int64_t num, int64_t den) { return CosTurn(4 * num - den, 4 * den); }

int64_t ISqrt(int64_t v) {
  int64_t root = 0;
  for (int64_t bit = int64_t{1} << 62; bit > 0; bit >>= 2) {
    if (v >= root + bit) {
      v -= root + bit;
      root = (root >> 1) + bit;
    } else {
      root >>= 1;
    }
  }
  return root;
}

int64_t DivRound(int64_t num, int64_t den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
}

}  // namespace kelvara::resgen
