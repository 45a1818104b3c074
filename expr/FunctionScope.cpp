#include "expr/FunctionScope.h"

#include "expr/ExpressionText.h"

#include <cstring>

bool FunctionScope::NormalizedText(int index, char* text) const {
    const std::string_view stored = FunctionText(index);
    if (stored.size() >= kWorkTextSize)
        return false;
    std::memcpy(text, stored.data(), stored.size());
    text[stored.size()] = '\0';
    Normalize(text);
    return true;
}
