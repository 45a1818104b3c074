#pragma once

#include <cstddef>
#include <vector>

// A growable array of plain records, stored contiguously in insertion order and copied bytewise.
template <typename Record>
class RecordList {
public:
    virtual ~RecordList() = default;

    std::size_t Size() const { return m_records.size(); }
    bool Empty() const { return m_records.empty(); }
    Record& operator[](std::size_t index) { return m_records[index]; }
    const Record& operator[](std::size_t index) const { return m_records[index]; }
    auto begin() { return m_records.begin(); }
    auto end() { return m_records.end(); }
    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

    void Append(const Record& record) { m_records.push_back(record); }
    // Removes one record; the later ones move down one place.
    void RemoveAt(std::size_t index) { m_records.erase(m_records.begin() + index); }
    void Clear() { m_records.clear(); }

protected:
    std::vector<Record> m_records;
};
