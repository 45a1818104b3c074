#include "model/InequalityGroupList.h"

bool InequalityGroupList::CreateDefault(InequalityGroup& record) const {
    record = InequalityGroup{};
    if (!NextFreeName(record.name))
        return false;
    record.xLower = -10.0;
    record.xUpper = 10.0;
    record.yLower = -10.0;
    record.yUpper = 10.0;
    record.precision = kPrecisionMedium;
    record.colour = RandomColour();
    return true;
}

std::string InequalityGroupList::FormatListText(std::size_t index) const {
    const InequalityGroup& record = m_records[index];
    std::string line(FieldText(record.name));
    line += ':';
    // Doubled, each '&' shows as typed where the list would take it for a mnemonic mark.
    for (const char c : FieldText(record.text)) {
        line += c;
        if (c == '&')
            line += '&';
    }
    if (IsHidden(record.hidden))
        line += '&';
    return line;
}
