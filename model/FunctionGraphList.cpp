#include "model/FunctionGraphList.h"

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
    // Every name an evaluation meets is looked up here: compared in place, character by
    // character, most records differ at the first or second.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const char* field = m_records[i].name;
        std::size_t n = 0;
        while (n < name.size() && n < kNameSize && field[n] != '\0' && field[n] == name[n])
            ++n;
        if (n == name.size() && (n == kNameSize || field[n] == '\0'))
            return static_cast<int>(i);
    }
    return -1;
}
