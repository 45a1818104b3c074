#include "panel/ConstantEntry.h"

#include "expr/NumberText.h"
#include "model/GraphRecords.h"

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
