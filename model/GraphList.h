#pragma once

#include "model/GraphRecords.h"
#include "model/RecordList.h"

// A list of graph records of one kind, whose new records are named by the list's letter
// followed by A to Z.
template <typename Record, char Letter>
class GraphList : public RecordList<Record> {
public:
    static constexpr int kNameCount = 26;

    // The first of LA ... LZ that no record is named exactly; nothing once the list holds 26
    // records or more, whatever their names.
    bool NextFreeName(char (&name)[kNameSize]) const {
        if (this->Size() >= kNameCount)
            return false;
        for (int i = 0; i < kNameCount; ++i) {
            const char candidate[3] = {Letter, static_cast<char>('A' + i), '\0'};
            bool taken = false;
            for (const Record& record : this->m_records)
                taken = taken || FieldText(record.name) == candidate;
            if (!taken) {
                SetFieldText(name, candidate);
                return true;
            }
        }
        return false;
    }
};
