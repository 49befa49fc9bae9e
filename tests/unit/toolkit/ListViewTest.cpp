#include "toolkit/ListView.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Rows : toolkit::TListModel {
    int count = 5;
    int RowCount() const override { return count; }
    std::string CellText(int, int) const override { return {}; }
};

struct Form : toolkit::TForm {
    Form() : TForm(1), List(*this, 10) {}
    toolkit::TListView List;
};

} // namespace

TEST(ListView, HoldsTheSelectionAndOneScrollRequestWithinTheModelsRows) {
    struct Case {
        const char* what;
        std::function<void(toolkit::TListView&, Rows&)> act;
        int selected, focused, rowToShow;
    } cases[] = {
        {"select", [](auto& l, auto&) { l.Select(3); }, 3, 3, -1},
        {"select past the end", [](auto& l, auto&) { l.Select(5); }, -1, -1, -1},
        {"the user clears the selection",
         [](auto& l, auto&) {
             l.Select(2);
             l.UserSelect(-1);
         },
         -1, 2, -1},
        {"make visible", [](auto& l, auto&) { l.MakeVisible(4); }, -1, -1, 4},
        {"make visible past the end", [](auto& l, auto&) { l.MakeVisible(5); }, -1, -1, -1},
        {"rows gone before the view drew",
         [](auto& l, auto& rows) {
             l.MakeVisible(4);
             rows.count = 2;
         },
         -1, -1, -1},
    };
    for (const auto& c : cases) {
        Rows rows;
        Form form;
        form.List.SetModel(&rows);
        c.act(form.List, rows);
        EXPECT_EQ(form.List.Selected(), c.selected) << c.what;
        EXPECT_EQ(form.List.ItemFocused(), c.focused) << c.what;
        EXPECT_EQ(form.List.TakeRowToShow(), c.rowToShow) << c.what;
        // Asked once, scrolled to once: a later drawing leaves the scroll position alone.
        EXPECT_EQ(form.List.TakeRowToShow(), -1) << c.what;
    }
}
