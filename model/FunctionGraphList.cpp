#include "model/FunctionGraphList.h"

#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/SamplerText.h"

bool FunctionGraphList::CreateDefault(FunctionGraph& record, std::int32_t form) const {
    record = FunctionGraph{};
    if (!NextFreeName(record.name))
        return false;
    record.lower = -10.0;
    record.upper = 10.0;
    record.colour = RandomColour();
    record.form = form;
    return true;
}

std::string FunctionGraphList::FormatListText(std::size_t index) const {
    const FunctionGraph& record = m_records[index];
    std::string line(FieldText(record.name));
    line += record.form == kFormX ? ":x=" : ":y=";
    line += FieldText(record.text);
    if (IsHidden(record.hidden))
        line += '&';
    return line;
}

int FunctionGraphList::FindByName(std::string_view name) const {
    for (std::size_t i = 0; i < m_records.size(); ++i)
        if (FieldText(m_records[i].name) == name)
            return static_cast<int>(i);
    return -1;
}

bool FunctionGraphList::CallFunction(int index, double argument, const ConstantScope* constants,
                                     const CallChain& chain, double& value) const {
    value = 0.0;
    CallChain inner = chain;
    if (index < 0 || static_cast<std::size_t>(index) >= m_records.size() || !inner.Enter(index))
        return false;

    char text[kWorkTextSize];
    CopyNormalized(m_records[index].text, text);
    if (!ReplaceVariable(text, sizeof text, 'x', argument))
        return false;

    ExpressionEvaluator evaluator;
    evaluator.Bind(constants, this);
    evaluator.SetCallChain(inner);
    return evaluator.Evaluate(text, value);
}
