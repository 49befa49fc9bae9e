// A report list view. The items live here; on Windows a virtual list view draws from them,
// so the window holds no copy. Items keep their addresses while the list sorts itself.
#pragma once

#include "toolkit/Control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {

class TListView;

// Which modifier keys and mouse buttons were held with a key.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssCtrl = 2,
    ssAlt = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using TShiftState = unsigned;

class TListItem {
public:
    const std::string& Caption() const { return caption_; }
    // A new caption moves the item to its place in a sorted list.
    void SetCaption(const std::string& caption);
    std::vector<std::string> SubItems;
    std::uint32_t Data = 0;
    TListView& Owner() const { return owner_; }
    int Index() const;

private:
    friend class TListView;
    explicit TListItem(TListView& owner) : owner_(owner) {}
    TListView& owner_;
    std::string caption_;
};

struct TListColumn {
    std::string Caption;
    int Width = 50;
    int MinWidth = 0;
};

class TListView : public TControl {
public:
    using TControl::TControl;
    ~TListView() override;

    std::function<void()> OnDblClick;
    std::function<void(std::uint16_t key, TShiftState shift)> OnKeyUp;
    std::vector<TListColumn> Columns;
    // Items stand in ascending order of their captions.
    bool Sorted = true;

    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const;
    int IndexOf(const TListItem* item) const;
    TListItem* Add();
    void Delete(TListItem* item);
    void Clear();
    // Redraws after a change of an item's sub-items or data.
    void Invalidate() { Changed(); }
    // While updating, sorting and the window wait until EndUpdate.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    TListItem* Selected() const { return selected_; }
    TListItem* ItemFocused() const { return focused_; }
    // Selects the item and gives it the focus mark (null clears both).
    void Select(TListItem* item);
    // Scrolls until the item is visible (a partly visible row is enough).
    void MakeVisible(TListItem* item);
    // The item the window last asked to be made visible (for tests and the peer).
    TListItem* LastMadeVisible() const { return madeVisible_; }

    // Input from the window.
    void UserSelect(int index);
    void UserDblClick();
    void UserKeyUp(std::uint16_t key, TShiftState shift);

    // How captions compare: case-insensitive in code page 1252, then by byte.
    static int CompareCaptions(const std::string& a, const std::string& b);

private:
    friend class TListItem;
    void Place(TListItem* item);
    void SortAll();

    std::vector<std::unique_ptr<TListItem>> items_;
    TListItem* selected_ = nullptr;
    TListItem* focused_ = nullptr;
    TListItem* madeVisible_ = nullptr;
    int updating_ = 0;
};

// A drop-down list to choose from, without typing.
class TComboBox : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnChange;
    std::vector<std::string> Items;
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);
    void ItemsChanged() { Changed(); }
    void UserSelect(int index);

private:
    int index_ = -1;
};

// A key-capture field that records one key alone, never a modifier.
class THotKey : public TControl {
public:
    using TControl::TControl;
    // Virtual-key code 1-255, or 0 for none.
    std::uint16_t Key() const { return key_; }
    void SetKey(std::uint16_t key);
    // A key the user pressed, with whatever modifiers: only the key is kept.
    void UserPressed(std::uint16_t key);

private:
    std::uint16_t key_ = 0;
};

class TGroupBox : public TControl {
public:
    using TControl::TControl;
};

class TPanel : public TControl {
public:
    using TControl::TControl;
};

} // namespace toolkit
