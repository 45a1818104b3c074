#pragma once

#include "expr/ExpressionText.h"
#include "model/GraphRecords.h"

#include <cstring>

// A NUL-terminated, normalized copy of a record's text in `normalized` (kWorkTextSize bytes). A
// full field without a NUL is taken whole; normalizing never lengthens it.
inline void CopyNormalized(const char (&field)[kTextSize], char* normalized) {
    const std::string_view text = FieldText(field);
    std::memcpy(normalized, text.data(), text.size());
    normalized[text.size()] = '\0';
    Normalize(normalized);
}

// The same, and the record's text normalized in place, as the samplers do once per buffer.
inline void NormalizeRecordText(char (&field)[kTextSize], char* normalized) {
    CopyNormalized(field, normalized);
    const std::size_t length = std::strlen(normalized);
    std::memcpy(field, normalized, length < kTextSize ? length + 1 : kTextSize);
}
