#pragma once

#include <string>
#include <string_view>

class CompiledEvaluator;

// The expression page's list item for a typed expression (GBK): the text as typed, "=", and its
// value as "%g" ("1+2*3=7"), or "错误" (error) when the evaluation fails ("1/0=错误"). The
// evaluator is bound to the store's constants and functions; only a copy of the text is
// normalized, so the item shows what the user typed.
std::string ExpressionItemText(CompiledEvaluator& evaluator, std::string_view typed);
