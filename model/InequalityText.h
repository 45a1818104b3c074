#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of an inequality group: conditions joined by '&', each two or more expressions
// joined by "<", ">", "<=" or ">=", read from the left: "y>x^2-4&x+y<=3&-2<x<2" is three
// conditions, the last the chain -2 < x and x < 2.

enum class Comparison { kLess, kGreater, kLessOrEqual, kGreaterOrEqual };

// One condition: expressions[k] compared with expressions[k + 1] by comparisons[k]. The
// expressions are normalized, ready for their variables.
struct InequalityChain {
    std::vector<std::string> expressions;
    std::vector<Comparison> comparisons;
};

// The conditions of a group's text, normalized as every expression is and then cut. None when
// the text cannot be read: it is empty, a condition has no comparison, an expression between two
// operators is empty ("<3", "x<<2"), or a condition holds '=' other than in "<=" and ">=".
std::vector<InequalityChain> ReadInequalityGroup(std::string_view text);

bool Holds(Comparison comparison, double left, double right);
