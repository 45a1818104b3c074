#pragma once

#include "expr/ExpressionText.h"
#include "model/GraphRecords.h"

#include <cstring>

// Normalizes a record's text in place, as the samplers do once per buffer, and leaves a
// NUL-terminated copy in `normalized` (kWorkTextSize bytes). A full field without a NUL is taken
// whole; normalizing never lengthens it.
inline void NormalizeRecordText(char (&field)[kTextSize], char* normalized) {
    const std::string_view text = FieldText(field);
    std::memcpy(normalized, text.data(), text.size());
    normalized[text.size()] = '\0';
    Normalize(normalized);
    const std::size_t length = std::strlen(normalized);
    std::memcpy(field, normalized, length < kTextSize ? length + 1 : kTextSize);
}
