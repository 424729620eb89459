#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Number rules shared by start-up, shutdown and layout. Every function is pure
// and reports a failed conversion as nullopt instead of throwing.
namespace rw {

// To a signed 32-bit integer, to nearest with halves to even; nullopt for
// not-a-number, infinities and values outside the 32-bit range.
std::optional<std::int32_t> Round(double value);

// Integer division truncating toward zero; nullopt for a zero divisor and
// for the one quotient that overflows (INT32_MIN / -1).
std::optional<std::int32_t> Div(std::int32_t a, std::int32_t b);

// Sum of two 32-bit integers; nullopt on overflow.
std::optional<std::int32_t> Add(std::int32_t a, std::int32_t b);

// A decimal number as text: optional surrounding spaces, an optional sign,
// digits with an optional fraction and exponent. Words, hex, "inf" and "nan"
// are not numbers.
std::optional<double> ParseNumber(const std::string& text);

// Text to a 32-bit integer: a number rounded half to even.
std::optional<std::int32_t> ParseInt32(const std::string& text);

// Text to a 16-bit integer: a number rounded half to even.
std::optional<std::int16_t> ParseInt16(const std::string& text);

// Text to a 32-bit float, rounded to nearest; nullopt when it is not a number
// or rounds to an infinity.
std::optional<float> ParseSingle(const std::string& text);

// "True"/"False" in any letter case, or a number (zero false, others true).
std::optional<bool> ParseBoolean(const std::string& text);

std::string FormatBoolean(bool value);

// Shortest decimal text that reads back as the same float.
std::string FormatSingle(float value);

}  // namespace rw
