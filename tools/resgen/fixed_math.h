#pragma once

#include <cstdint>

// Integer trigonometry, so the pictures come out the same on every machine and
// with every compiler, whatever its libm or floating-point contraction.
namespace kelvara::resgen {

inline constexpr int64_t kOne = int64_t{1} << 30;  // 1.0 in Q30

// Cosine and sine of num/den of a full turn, in Q30.
int64_t CosTurn(int64_t num, int64_t den);
int64_t SinTurn(int64_t num, int64_t den);

// Largest r with r * r <= v, for v >= 0.
int64_t ISqrt(int64_t v);

// Quotient rounded to nearest, halves away from zero; den must not be 0.
int64_t DivRound(int64_t num, int64_t den);

}  // namespace kelvara::resgen
