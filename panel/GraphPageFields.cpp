#include "panel/GraphPageFields.h"

#include "model/ParametricText.h"
#include "res/resource.h"

namespace {

// How many characters the user may type into each box. The name box lets one more character in
// than the name field holds: reading back cuts it.
constexpr int kNameLimit = 10;
constexpr int kExpressionLimit = 200;
constexpr int kCoordinateLimit = 60; // each of a parametric equation's three expressions
constexpr int kNumberLimit = 10;

// The three expressions of a parametric equation, one box each, stored joined by '&'.
RecordField<ParametricGraph> ParametricExpressions() {
    return {{{IDC_X_EXPRESSION, kCoordinateLimit},
             {IDC_Y_EXPRESSION, kCoordinateLimit},
             {IDC_Z_EXPRESSION, kCoordinateLimit}},
            {},
            [](const ParametricGraph& record, PageForm& form) {
                const ParametricText parts = SplitParametricText(FieldText(record.text));
                form.SetText(IDC_X_EXPRESSION, std::string(parts.x));
                form.SetText(IDC_Y_EXPRESSION, std::string(parts.y));
                form.SetText(IDC_Z_EXPRESSION, std::string(parts.z));
            },
            [](const PageForm& form, const ParametricGraph&, ParametricGraph& record) {
                SetFieldText(record.text,
                             JoinParametricText(form.Text(IDC_X_EXPRESSION), form.Text(IDC_Y_EXPRESSION),
                                                form.Text(IDC_Z_EXPRESSION)));
            }};
}

} // namespace

const RecordFields<FunctionGraph>& FunctionPageFields() {
    static const RecordFields<FunctionGraph> fields = {
        TextField(IDC_GRAPH_NAME, kNameLimit, &FunctionGraph::name),
        TextField(IDC_EXPRESSION, kExpressionLimit, &FunctionGraph::text),
        NumberField(IDC_DOMAIN_START, kNumberLimit, &FunctionGraph::lower),
        NumberField(IDC_DOMAIN_END, kNumberLimit, &FunctionGraph::upper),
        // The list and the sampler take any form but x= as y=.
        ChoiceField({IDC_FORM_Y, IDC_FORM_X}, &FunctionGraph::form, kFormY),
    };
    return fields;
}

const RecordFields<ParametricGraph>& ParametricPageFields() {
    static const RecordFields<ParametricGraph> fields = {
        TextField(IDC_GRAPH_NAME, kNameLimit, &ParametricGraph::name),
        ParametricExpressions(),
        NumberField(IDC_DOMAIN_START, kNumberLimit, &ParametricGraph::lower),
        NumberField(IDC_DOMAIN_END, kNumberLimit, &ParametricGraph::upper),
    };
    return fields;
}

const RecordFields<InequalityGroup>& InequalityPageFields() {
    static const RecordFields<InequalityGroup> fields = {
        TextField(IDC_GRAPH_NAME, kNameLimit, &InequalityGroup::name),
        TextField(IDC_EXPRESSION, kExpressionLimit, &InequalityGroup::text),
        NumberField(IDC_X_START, kNumberLimit, &InequalityGroup::xLower),
        NumberField(IDC_X_END, kNumberLimit, &InequalityGroup::xUpper),
        NumberField(IDC_Y_START, kNumberLimit, &InequalityGroup::yLower),
        NumberField(IDC_Y_END, kNumberLimit, &InequalityGroup::yUpper),
        ChoiceField({IDC_PRECISION_HIGH, IDC_PRECISION_MEDIUM, IDC_PRECISION_LOW},
                    &InequalityGroup::precision, kPrecisionMedium),
    };
    return fields;
}
