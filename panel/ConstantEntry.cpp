#include "panel/ConstantEntry.h"

#include "expr/NumberText.h"
#include "model/ConstantTable.h"
#include "panel/BoxText.h"

namespace {

// The page stores shorter names than the record's field could hold.
constexpr std::size_t kTypedNameBytes = 9;

} // namespace

std::string ConstantLineText(const NamedConstant& constant) {
    return std::string(FieldText(constant.name)) + "=" + GeneralNumberText(constant.value);
}

std::string_view ConstantNameFromBox(std::string_view typed) {
    return CutAtWholeCharacter(typed, kTypedNameBytes);
}

bool AddTypedConstant(ConstantTable& table, std::string_view typedName, std::string_view typedValue) {
    const std::string_view name = ConstantNameFromBox(typedName);
    if (name.empty())
        return false;
    NamedConstant constant{};
    SetFieldText(constant.name, name);
    ReadBoxNumber(typedValue, constant.value);
    table.Append(constant);
    return true;
}

bool RemoveListedConstant(ConstantTable& table, int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= table.Size())
        return false;
    table.RemoveAt(static_cast<std::size_t>(item));
    return true;
}
