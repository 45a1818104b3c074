#pragma once

#include <string>
#include <string_view>

struct NamedConstant;

// The constants page's texts.

// A constant's line in the list: its name, "=" and its value as "%g" ("PI=3.14159").
std::string ConstantLineText(const NamedConstant& constant);

// The name the page stores from what was typed into its name box (GBK): at most 9 bytes, cut at
// a whole character.
std::string_view ConstantNameFromBox(std::string_view typed);
