#include "tools/ExpressionPage.h"

#include "model/GraphStore.h"
#include "model/PageRequest.h"
#include "res/resource.h"
#include "tools/ExpressionItem.h"
#include "win/GbkText.h"

#include <string>

namespace {

constexpr int kInputLimit = 100; // characters the user may type

// The expression as typed, read whole.
struct TypedExpression {
    std::string text;
};

const RecordFields<TypedExpression>& InputFields() {
    static const RecordFields<TypedExpression> fields = {
        {{{IDC_EXPRESSION_INPUT, kInputLimit}},
         {},
         [](const TypedExpression& input, PageForm& form) { form.SetText(IDC_EXPRESSION_INPUT, input.text); },
         [](const PageForm& form, const TypedExpression&, TypedExpression& input) {
             input.text = form.Text(IDC_EXPRESSION_INPUT);
         }},
    };
    return fields;
}

} // namespace

ExpressionPage::ExpressionPage() : m_results(IDC_CALCULATION_RESULT) {}

INT_PTR ExpressionPage::OnInitDialog(LPARAM parameter) {
    const auto* store = static_cast<const GraphStore*>(reinterpret_cast<PageRequest*>(parameter)->second);
    m_evaluator.Bind(&store->constants, &store->functions);
    AttachList(m_results, IDC_CALCULATION_RESULT);
    // The results stand on the page itself, black, not in a box.
    m_results.SetBkColor(m_backgroundColour);
    m_results.SetTextBkColor(m_backgroundColour);
    // One column as wide as the list: the items are whole lines of text.
    RECT client;
    ::GetClientRect(m_results.Window(), &client);
    m_results.InsertColumn(LVCF_WIDTH, 0, client.right, nullptr, 0, 0);
    ShowFields(InputFields(), TypedExpression{});
    return PanelPage::OnInitDialog(parameter);
}

void ExpressionPage::Calculate() {
    TypedExpression input;
    ReadFields(InputFields(), input);
    const std::wstring item = GbkToWide(ExpressionItemText(m_evaluator, input.text));
    const int index = m_results.InsertItem(LVIF_TEXT, m_results.GetItemCount(), 0, 0, 0, item.c_str(), 0, 0);
    m_results.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    ShowFields(InputFields(), TypedExpression{});
}
