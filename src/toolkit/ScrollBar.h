// A horizontal or vertical scroll bar that holds a position within a range.
#pragma once

#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace toolkit {

enum class TScrollCode { LineUp, LineDown, PageUp, PageDown, Track, Position, Top, Bottom };

class TScrollBar : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::ScrollBar; }
    // Fires whenever the position changes, by the user or by the program.
    std::function<void()> OnChange;

    int Min() const { return min_; }
    int Max() const { return max_; }
    // The position is kept inside the new range.
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Limited to the range.
    void SetPosition(int position);
    // The step of the arrows (and arrow keys) and of a click beside the thumb (and the
    // page keys).
    int SmallChange = 1;
    int LargeChange = 1;
    // What the position counts ("Hz"): a screen reader reads "2350 Hz", not a percentage.
    std::string Unit;
    std::string AccessibleValue() const override;

    // Input from the window; the thumb position is used by Track and Position only.
    void UserScroll(TScrollCode code, int thumbPosition = 0);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

} // namespace toolkit
