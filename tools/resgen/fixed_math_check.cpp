// Checks the fixed-point arithmetic the pictures are drawn with against known
// exact values; every angle on the clock face and the moon's terminator
// depends on it.
#include <cstdio>
#include <cstdlib>

#include "fixed_math.h"

namespace {

using kelvara::resgen::kOne;

int failures = 0;

void Expect(bool ok, const char* what, long long a, long long b, long long got) {
  if (ok) return;
  std::fprintf(stderr, "%s(%lld, %lld) = %lld is wrong\n", what, a, b, got);
  ++failures;
}

}  // namespace

int main() {
  using namespace kelvara::resgen;
  // Q30 values of 1/2, sqrt(3)/2 and sqrt(2)/2, rounded.
  constexpr int64_t kHalf = kOne / 2, kRoot3Half = 929887697, kRoot2Half = 759250125;
  struct Angle {
    int64_t num, den, cos, sin;
  };
  const Angle angles[] = {
      {0, 1, kOne, 0},
      {1, 4, 0, kOne},
      {1, 2, -kOne, 0},
      {3, 4, 0, -kOne},
      {1, 12, kRoot3Half, kHalf},
      {1, 8, kRoot2Half, kRoot2Half},
      {1, 6, kHalf, kRoot3Half},
      {5, 12, -kRoot3Half, kHalf},
      {-1, 3, -kHalf, -kRoot3Half},
      {7, 6, kHalf, kRoot3Half},
      {11, 12, kRoot3Half, -kHalf},
      {3, -8, -kRoot2Half, -kRoot2Half},
  };
  for (const Angle& a : angles) {
    const int64_t c = CosTurn(a.num, a.den), s = SinTurn(a.num, a.den);
    Expect(std::llabs(c - a.cos) <= 2, "CosTurn", a.num, a.den, c);
    Expect(std::llabs(s - a.sin) <= 2, "SinTurn", a.num, a.den, s);
  }

  struct Root {
    int64_t value, root;
  };
  const Root roots[] = {{0, 0},           {1, 1},           {3, 1},
                        {4, 2},           {15, 3},          {16, 4},
                        {99980001, 9999}, {99980000, 9998}, {int64_t{1} << 62, int64_t{1} << 31}};
  for (const Root& r : roots) Expect(ISqrt(r.value) == r.root, "ISqrt", r.value, 0, ISqrt(r.value));

  struct Quotient {
    int64_t num, den, rounded;
  };
  const Quotient quotients[] = {{5, 2, 3},   {-5, 2, -3}, {7, -2, -4}, {4, 3, 1},
                                {-4, 3, -1}, {2, 3, 1},   {0, 5, 0}};
  for (const Quotient& q : quotients) {
    Expect(DivRound(q.num, q.den) == q.rounded, "DivRound", q.num, q.den, DivRound(q.num, q.den));
  }

  if (failures == 0) std::printf("fixed-point arithmetic checks passed\n");
  return failures == 0 ? 0 : 1;
}
