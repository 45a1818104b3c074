#pragma once

#include <string>
#include <string_view>

class ConstantTable;
struct NamedConstant;

// The constants page's texts.

// A constant's line in the list: its name, "=" and its value as "%g" ("PI=3.14159").
std::string ConstantLineText(const NamedConstant& constant);

// The name the page stores from what was typed into its name box (GBK): at most 9 bytes, cut at
// a whole character.
std::string_view ConstantNameFromBox(std::string_view typed);

// Appends the constant typed into the page's boxes (GBK): the name as above, the value read whole
// (0 when the box holds no finite number). An empty name adds nothing: false.
bool AddTypedConstant(ConstantTable& table, std::string_view typedName, std::string_view typedValue);

// Removes the constant shown as a list item; the later ones move up. False for no item (-1) or
// one past the table's end.
bool RemoveListedConstant(ConstantTable& table, int item);
