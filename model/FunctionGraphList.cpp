#include "model/FunctionGraphList.h"

#include <cstring>

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
    // Every name an evaluation meets is looked up here. A name holds letters only, never a NUL, so
    // a record's name field matches when it begins with the name's characters and ends after them.
    // Names mostly differ in their first two characters ("FA", "GB"): those are compared first.
    if (name.size() > kNameSize)
        return -1;
    const char first = name.empty() ? '\0' : name[0];
    const char second = name.size() < 2 ? '\0' : name[1];
    const FunctionGraph* const records = m_records.data();
    for (std::size_t i = 0, count = m_records.size(); i < count; ++i) {
        const char* field = records[i].name;
        if (field[0] == first && (first == '\0' || field[1] == second) &&
            std::memcmp(field, name.data(), name.size()) == 0 &&
            (name.size() == kNameSize || field[name.size()] == '\0'))
            return static_cast<int>(i);
    }
    return -1;
}
