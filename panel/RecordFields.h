#pragma once

#include "expr/NumberText.h"
#include "model/GraphRecords.h"
#include "panel/BoxText.h"
#include "panel/PageForm.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

// One field of a record as a page shows it: the boxes and radio buttons that hold it, and how it
// goes into them and comes back. A page lists its fields once; the same list shows a record and
// reads it back, so the two can never disagree. Reading gets the record as it was shown too: a
// number box left as it was shown keeps that value exactly, not the six digits the box shows.
template <typename Record>
struct RecordField {
    struct Box {
        int id;
        int limit; // characters the user may type
    };
    std::vector<Box> boxes;
    std::vector<int> radios;
    std::function<void(const Record&, PageForm&)> show;
    std::function<void(const PageForm& form, const Record& shown, Record& record)> read;
};

template <typename Record>
using RecordFields = std::vector<RecordField<Record>>;

// A text field in one box. Read back, it is cut to the field's size at a whole character, so a
// name of nine Chinese characters never overruns a ten-byte field.
template <typename Record, std::size_t N>
RecordField<Record> TextField(int id, int limit, char (Record::*field)[N]) {
    return {{{id, limit}},
            {},
            [=](const Record& record, PageForm& form) {
                form.SetText(id, std::string(FieldText(record.*field)));
            },
            [=](const PageForm& form, const Record&, Record& record) {
                SetFieldText(record.*field, CutAtWholeCharacter(form.Text(id), N - 1));
            }};
}

// A number in one box, shown with "%g" and read back by ReadNumberBox: a box left as it was shown
// keeps the value exactly.
template <typename Record>
RecordField<Record> NumberField(int id, int limit, double Record::*field) {
    return {{{id, limit}},
            {},
            [=](const Record& record, PageForm& form) { form.SetText(id, GeneralNumberText(record.*field)); },
            [=](const PageForm& form, const Record& shown, Record& record) {
                ReadNumberBox(form.Text(id), GeneralNumberText(shown.*field), shown.*field, record.*field);
            }};
}

// A number in one element of an array field, shown by `format` and read like the above; a typed
// number that `check` refuses leaves the field as it was.
template <typename Record, std::size_t N>
RecordField<Record> NumberField(int id, int limit, double (Record::*array)[N], std::size_t index,
                                std::string (*format)(double) = GeneralNumberText,
                                NumberCheck check = AnyNumber) {
    return {{{id, limit}},
            {},
            [=](const Record& record, PageForm& form) { form.SetText(id, format((record.*array)[index])); },
            [=](const PageForm& form, const Record& shown, Record& record) {
                const double value = (shown.*array)[index];
                ReadNumberBox(form.Text(id), format(value), value, (record.*array)[index], check);
            }};
}

// An enumerated field chosen by radio buttons, the button's place in the list being its value. A
// value out of range (from a hand-edited file) checks no button; read back, the field takes the
// first checked button, else keeps its value if in range, else becomes `fallback`.
template <typename Record>
RecordField<Record> ChoiceField(std::initializer_list<int> ids, std::int32_t Record::*field,
                                std::int32_t fallback) {
    const std::vector<int> radios(ids);
    return {{},
            radios,
            [=](const Record& record, PageForm& form) {
                for (std::size_t value = 0; value < radios.size(); ++value)
                    form.SetChecked(radios[value], record.*field == static_cast<std::int32_t>(value));
            },
            [=](const PageForm& form, const Record&, Record& record) {
                for (std::size_t value = 0; value < radios.size(); ++value)
                    if (form.Checked(radios[value])) {
                        record.*field = static_cast<std::int32_t>(value);
                        return;
                    }
                if (record.*field < 0 || record.*field >= static_cast<std::int32_t>(radios.size()))
                    record.*field = fallback;
            }};
}

template <typename Record>
PageForm ShowRecord(const RecordFields<Record>& fields, const Record& record) {
    PageForm form;
    for (const RecordField<Record>& field : fields)
        field.show(record, form);
    return form;
}

// Reads the fields into record, `shown` being the record as the form was filled from it (it may
// be record itself); whatever no field names (the colour, the hidden flag) stays.
template <typename Record>
void ReadRecord(const RecordFields<Record>& fields, const PageForm& form, const Record& shown,
                Record& record) {
    for (const RecordField<Record>& field : fields)
        field.read(form, shown, record);
}
