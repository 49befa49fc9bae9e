#include "toolkit/ListView.h"

#include "platform/Cp1252.h"

#include <algorithm>

namespace toolkit {

void TListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    owner_.Place(this);
}

int TListItem::Index() const { return owner_.IndexOf(this); }

TListView::~TListView() = default;

TListItem* TListView::Item(int index) const {
    return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

int TListView::IndexOf(const TListItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TListItem* TListView::Add() {
    items_.push_back(std::unique_ptr<TListItem>(new TListItem(*this)));
    TListItem* item = items_.back().get();
    Place(item);
    return item;
}

void TListView::Delete(TListItem* item) {
    const int index = IndexOf(item);
    if (index < 0) {
        return;
    }
    if (selected_ == item) {
        selected_ = nullptr;
    }
    if (focused_ == item) {
        focused_ = nullptr;
    }
    if (madeVisible_ == item) {
        madeVisible_ = nullptr;
    }
    items_.erase(items_.begin() + index);
    Changed();
}

void TListView::Clear() {
    items_.clear();
    selected_ = focused_ = madeVisible_ = nullptr;
    Changed();
}

void TListView::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) {
        SortAll();
        Changed();
    }
}

int TListView::CompareCaptions(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(platform::Cp1252Upper(a[i]));
        const auto y = static_cast<unsigned char>(platform::Cp1252Upper(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

void TListView::SortAll() {
    if (!Sorted) {
        return;
    }
    std::stable_sort(items_.begin(), items_.end(), [](const auto& x, const auto& y) {
        return CompareCaptions(x->Caption(), y->Caption()) < 0;
    });
}

// Moves one item to its sorted place; equal captions keep the order they came in.
void TListView::Place(TListItem* item) {
    if (updating_ > 0) {
        return;
    }
    if (Sorted) {
        const int from = IndexOf(item);
        std::unique_ptr<TListItem> owned = std::move(items_[static_cast<std::size_t>(from)]);
        items_.erase(items_.begin() + from);
        auto at = std::upper_bound(items_.begin(), items_.end(), item->Caption(),
                                   [](const std::string& caption, const auto& other) {
                                       return CompareCaptions(caption, other->Caption()) < 0;
                                   });
        items_.insert(at, std::move(owned));
    }
    Changed();
}

void TListView::Select(TListItem* item) {
    selected_ = item;
    focused_ = item;
    Changed();
}

void TListView::MakeVisible(TListItem* item) {
    madeVisible_ = item;
    Changed();
}

void TListView::UserSelect(int index) {
    selected_ = Item(index);
    if (selected_ != nullptr) {
        focused_ = selected_;
    }
}

void TListView::UserDblClick() { Fire(OnDblClick); }

void TListView::UserKeyUp(std::uint16_t key, TShiftState shift) {
    if (OnKeyUp) {
        Fire([&] { OnKeyUp(key, shift); });
    }
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Items.size())) {
        index = -1;
    }
    if (index_ != index) {
        index_ = index;
        Changed();
    }
}

void TComboBox::UserSelect(int index) {
    SetItemIndex(index);
    Fire(OnChange);
}

void THotKey::SetKey(std::uint16_t key) {
    key_ = key > 255 ? 0 : key;
    Changed();
}

void THotKey::UserPressed(std::uint16_t key) { SetKey(key); }

} // namespace toolkit
