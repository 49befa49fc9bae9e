#include "toolkit/ListView.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

TEST(ListView, FindsTheRowWhoseFirstCellTheTypedTextBegins) {
    struct Texts : toolkit::TListModel {
        std::vector<std::string> keys = {" F1", "AltGr+ G", "AltGr+ Ä", "Umsch+AltGr+ G",
                                         "AltGr+ G"};
        int RowCount() const override { return static_cast<int>(keys.size()); }
        std::string CellText(int row, int column) const override {
            return column == 0 ? keys[row] : "AltGr+ G";
        }
    } rows;
    using Match = toolkit::TListView::TFindMatch;
    struct Case {
        const char* typed;
        int start;
        Match match;
        bool wrap;
        int found;
    } cases[] = {
        {"altgr+g", 0, Match::Prefix, true, 1},
        {"ALTGR+ G", 2, Match::Prefix, true, 4},
        {"altgr+g", 2, Match::Prefix, false, 4},
        {"Umsch", 4, Match::Prefix, true, 3},
        {"Umsch", 4, Match::Prefix, false, -1},
        {"f1", 1, Match::Prefix, true, 0},
        {"altgr+ä", 0, Match::Prefix, true, 2},
        {"ALTGR+Ä", 0, Match::Prefix, true, 2},
        {"alt", -1, Match::Prefix, true, 1},
        {"alt", 9, Match::Prefix, true, 1},
        {"alt", 9, Match::Prefix, false, -1},
        {"altgr+ gx", 0, Match::Prefix, true, -1},
        {"altgr", 0, Match::Whole, true, -1},
        {"umsch+altgr+g", 0, Match::Whole, true, 3},
        // A blank the cell does not have at that place does not match.
        {"alt gr", 0, Match::Prefix, true, -1},
    };
    Form form;
    form.List.SetModel(&rows);
    for (const Case& c : cases) {
        EXPECT_EQ(form.List.FindRow(c.typed, c.start, c.match, c.wrap), c.found)
            << c.typed << " from " << c.start;
    }
    Rows empty;
    empty.count = 0;
    form.List.SetModel(&empty);
    EXPECT_EQ(form.List.FindRow("a", 0, Match::Prefix, true), -1);
}
