// A report list view. It shows rows that belong to a model it reads through TListModel and
// holds only what the view itself has: the selection, the focus mark and a pending scroll.
// On Windows a virtual list view asks the model for the cells it draws.
#pragma once

#include "toolkit/Control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace toolkit {

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

// What a list view shows: rows of text cells, read when they are drawn.
class TListModel {
public:
    virtual ~TListModel() = default;
    virtual int RowCount() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
};

// What commands on a list need of the view that shows it.
class TListSelection {
public:
    virtual ~TListSelection() = default;
    // The selected row, or -1.
    virtual int Selected() const = 0;
    // Selects the row and gives it the focus mark; -1 clears both.
    virtual void Select(int row) = 0;
    // Scrolls the row into view (a partly visible row is enough), once.
    virtual void MakeVisible(int row) = 0;
    // The model's rows changed: they are drawn again.
    virtual void RowsChanged() = 0;
    // Gives the keyboard focus to the list.
    virtual void FocusList() = 0;
};

struct TListColumn {
    std::string Caption;
    int Width = 50;
    int MinWidth = 0;
};

class TListView : public TControl, public TListSelection {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::ListView; }

    std::function<void()> OnDblClick;
    std::function<void(std::uint16_t key, TShiftState shift)> OnKeyUp;
    std::vector<TListColumn> Columns;

    // The model stays owned by its subsystem and must outlive the view.
    void SetModel(const TListModel* model);
    const TListModel* Model() const { return model_; }
    int Count() const { return model_ != nullptr ? model_->RowCount() : 0; }

    int Selected() const override { return selected_; }
    int ItemFocused() const { return focused_; }
    void Select(int row) override;
    void MakeVisible(int row) override;
    void RowsChanged() override { Changed(); }
    void FocusList() override { SetFocus(); }
    // The row still to be scrolled into view, or -1; taking it clears it, so that it is
    // scrolled to once.
    int TakeRowToShow();

    // How a find request from the view matches a row's first cell.
    enum class TFindMatch { Prefix, Whole };
    // The first row from start on (then, with wrap, from the top) whose first cell matches
    // the typed text, or -1. Case is ignored in code page 1252, and a blank of the cell that
    // the typed text leaves out is skipped: "altgr+g" finds "AltGr+ G" and "f1" finds " F1".
    int FindRow(const std::string& typed, int start, TFindMatch match, bool wrap) const;

    // Input from the window.
    void UserSelect(int row);
    void UserDblClick();
    void UserKeyUp(std::uint16_t key, TShiftState shift);

private:
    const TListModel* model_ = nullptr;
    int selected_ = -1;
    int focused_ = -1;
    int rowToShow_ = -1;
};

} // namespace toolkit
