#include "model/GraphRef.h"

#include "mainwin/GraphRows.h"
#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

FunctionGraph Function(const char* name, const char* text) {
    FunctionGraph record{};
    SetFieldText(record.name, name);
    SetFieldText(record.text, text);
    record.lower = -10;
    record.upper = 10;
    return record;
}

std::string Names(const FunctionGraphList& list) {
    std::string names;
    for (const FunctionGraph& record : list)
        names += std::string(FieldText(record.name)) + ":" + std::string(FieldText(record.text)) +
                 (record.hidden ? "&" : "") + " ";
    return names;
}

// Functions FA, FB, FC; the page modifies FB (row 1) and confirms it as FB:x^3.
TEST(StoreEdit, ReplacesTheOpenedRecordOnlyWhileItIsStillThere) {
    const struct {
        const char* meanwhile;
        std::function<void(GraphStore&)> change; // what the user does while the page is open
        EditStored stored;
        const char* names;
    } cases[] = {
        {"nothing", [](GraphStore&) {}, EditStored::kReplaced, "FA:x FB:x^3 FC:x^2 "},
        {"hid it", [](GraphStore& s) { s.functions[1].hidden = 1; }, EditStored::kReplaced,
         "FA:x FB:x^3& FC:x^2 "},
        {"removed an earlier row", [](GraphStore& s) { s.functions.RemoveAt(0); }, EditStored::kAppended,
         "FB:x FC:x^2 FB:x^3 "},
        {"removed it", [](GraphStore& s) { s.functions.RemoveAt(1); }, EditStored::kAppended,
         "FA:x FC:x^2 FB:x^3 "},
        {"cleared all", [](GraphStore& s) { s.functions.Clear(); }, EditStored::kAppended, "FB:x^3 "},
        {"cleared and added two",
         [](GraphStore& s) {
             s.functions.Clear();
             s.functions.Append(Function("FA", "1"));
             s.functions.Append(Function("FB", "2"));
         },
         EditStored::kAppended, "FA:1 FB:2 FB:x^3 "},
    };
    for (const auto& c : cases) {
        GraphStore store;
        store.functions.Append(Function("FA", "x"));
        store.functions.Append(Function("FB", "x"));
        store.functions.Append(Function("FC", "x^2"));
        const GraphRef ref = GraphRowRef(store, 1);
        FunctionGraph edited = std::get<FunctionGraph>(ref.opened);
        SetFieldText(edited.text, "x^3");
        c.change(store);
        EXPECT_EQ(StoreEdit(store.functions, ref, edited), c.stored) << c.meanwhile;
        EXPECT_EQ(Names(store.functions), c.names) << c.meanwhile;
    }
}

TEST(StoreEdit, AddsWhenTheRefNamesNoRecordOfThatKind) {
    GraphStore store;
    store.parametrics.Append(ParametricGraph{});
    store.functions.Append(Function("FA", "x"));
    // A ref to the parametric row never touches the function at the same index.
    const GraphRef parametric = GraphRowRef(store, 1);
    ASSERT_EQ(parametric.index, 0u);
    EXPECT_EQ(StoreEdit(store.functions, parametric, Function("FB", "2")), EditStored::kAppended);
    EXPECT_EQ(StoreEdit(store.functions, GraphRef{}, Function("FC", "3")), EditStored::kAppended);
    EXPECT_EQ(Names(store.functions), "FA:x FB:2 FC:3 ");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(GraphRowRef(store, 5).opened));
}

} // namespace
