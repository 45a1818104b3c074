#include "model/ParametricGraphList.h"

#include "model/ParametricText.h"

bool ParametricGraphList::CreateDefault(ParametricGraph& record, std::int32_t creatorKind) const {
    record = ParametricGraph{};
    if (!NextFreeName(record.name))
        return false;
    record.lower = -10.0;
    record.upper = 10.0;
    record.colour = RandomColour();
    record.creatorKind = creatorKind;
    return true;
}

std::string ParametricGraphList::FormatListText(std::size_t index) const {
    const ParametricGraph& record = m_records[index];
    const ParametricText parts = SplitParametricText(FieldText(record.text));
    std::string line(FieldText(record.name));
    line += ":x=";
    line += parts.x;
    line += "&&y=";
    line += parts.y;
    line += "&&z=";
    line += parts.z;
    if (IsHidden(record.hidden))
        line += '&';
    return line;
}
