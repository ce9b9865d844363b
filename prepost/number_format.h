// korvanta's number format (node numbers, legend values) and its digit routines.
#pragma once
#include <string>

// Decimal digits of n >= 0; 1 for 0.
int digit_count(int n);
// The count decimal digits of an exactly count-digit n, most significant first.
void split_digits(int n, int count, int* out);
// The digits of the count-digit n after its first one, then one 0: count values.
void split_digits_after_first(int n, int count, int* out);

// The text draw_number shows for value: a leading digit, the point, four
// decimals and a 0, then " E+e" or " E-e" unless the value lies in [1, 10):
// 250 is "2.50000 E+2", 0.5 "5.00000 E-1", -2 "-2.00000", 0 "0.0 E-0".
// A value beyond the reach of the exponents 1 to 14 (not finite, 1e15 or more
// in magnitude, or non-zero below 1e-14) is shown plainly with "%.4e".
std::string number_text(float value);
