#pragma once

#include <cstddef>

// The sixteen built-in functions, by index, with their names as they stand in a normalized text.
constexpr int kBuiltinCount = 16;

// Index of the built-in with exactly this name (case counts), or -1.
int FindBuiltin(const char* name, std::size_t length);

// Applies built-in `index` to v. Outside its domain, or when the value is not finite, the
// function fails: returns 0 and sets ok to false.
double ApplyBuiltin(int index, double v, bool& ok);
