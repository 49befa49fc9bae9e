#include "toolkit/ListView.h"

#include "platform/Cp1252.h"

namespace toolkit {
namespace {

bool CellMatches(const std::string& cell, const std::string& typed, TListView::TFindMatch match) {
    std::size_t at = 0;
    for (const char wanted : typed) {
        while (at < cell.size() && cell[at] == ' ' && wanted != ' ') {
            ++at;
        }
        if (at == cell.size() || platform::Cp1252Upper(cell[at]) != platform::Cp1252Upper(wanted)) {
            return false;
        }
        ++at;
    }
    return match == TListView::TFindMatch::Prefix || at == cell.size();
}

} // namespace

void TListView::SetModel(const TListModel* model) {
    model_ = model;
    selected_ = focused_ = rowToShow_ = -1;
    Changed();
}

void TListView::Select(int row) {
    if (row < 0 || row >= Count()) {
        row = -1;
    }
    selected_ = row;
    focused_ = row;
    Changed();
}

void TListView::MakeVisible(int row) {
    if (row >= 0 && row < Count()) {
        rowToShow_ = row;
        Changed();
    }
}

int TListView::TakeRowToShow() {
    const int row = rowToShow_ < Count() ? rowToShow_ : -1;
    rowToShow_ = -1;
    return row;
}

int TListView::FindRow(const std::string& typed, int start, TFindMatch match, bool wrap) const {
    const int count = Count();
    if (start < 0 || (start >= count && wrap)) {
        start = 0;
    }
    const int end = wrap ? start + count : count;
    for (int i = start; i < end; ++i) {
        const int row = i % count;
        if (CellMatches(model_->CellText(row, 0), typed, match)) {
            return row;
        }
    }
    return -1;
}

void TListView::UserSelect(int row) {
    selected_ = row >= 0 && row < Count() ? row : -1;
    if (selected_ >= 0) {
        focused_ = selected_;
    }
}

void TListView::UserDblClick() {
    Fire(OnDblClick);
}

void TListView::UserKeyUp(std::uint16_t key, TShiftState shift) {
    if (OnKeyUp) {
        Fire([&] { OnKeyUp(key, shift); });
    }
}

} // namespace toolkit
