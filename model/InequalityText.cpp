#include "model/InequalityText.h"

#include "expr/ExpressionText.h"

#include <cstring>

namespace {

// Cuts one condition at its comparison operators; false when it cannot be read.
bool ReadChain(std::string_view condition, InequalityChain& chain) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < condition.size(); ++i) {
        const char c = condition[i];
        if (c == '=')
            return false; // "<=" and ">=" take their '=' below
        if (c != '<' && c != '>')
            continue;
        const bool orEqual = i + 1 < condition.size() && condition[i + 1] == '=';
        chain.comparisons.push_back(c == '<'
                                        ? (orEqual ? Comparison::kLessOrEqual : Comparison::kLess)
                                        : (orEqual ? Comparison::kGreaterOrEqual : Comparison::kGreater));
        chain.expressions.emplace_back(condition.substr(start, i - start));
        i += orEqual ? 1 : 0;
        start = i + 1;
    }
    chain.expressions.emplace_back(condition.substr(start));
    if (chain.comparisons.empty())
        return false;
    for (const std::string& expression : chain.expressions)
        if (expression.empty())
            return false;
    return true;
}

} // namespace

std::vector<InequalityChain> ReadInequalityGroup(std::string_view text) {
    // Normalizing never lengthens a text, and blanks go before the text is cut: "x < = 3" is
    // "x<=3".
    std::string normalized(text);
    normalized.push_back('\0');
    Normalize(normalized.data());
    normalized.resize(std::strlen(normalized.c_str()));

    std::vector<InequalityChain> conditions;
    std::string_view rest = normalized;
    for (;;) {
        const std::size_t cut = rest.find('&');
        InequalityChain chain;
        if (!ReadChain(rest.substr(0, cut), chain))
            return {};
        conditions.push_back(std::move(chain));
        if (cut == std::string_view::npos)
            return conditions;
        rest.remove_prefix(cut + 1);
    }
}

bool Holds(Comparison comparison, double left, double right) {
    switch (comparison) {
    case Comparison::kLess:
        return left < right;
    case Comparison::kGreater:
        return left > right;
    case Comparison::kLessOrEqual:
        return left <= right;
    case Comparison::kGreaterOrEqual:
        return left >= right;
    }
    return false;
}
