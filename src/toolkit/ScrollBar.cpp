#include "toolkit/ScrollBar.h"

#include <algorithm>

namespace toolkit {

void TScrollBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    Changed();
    SetPosition(position_);
}

void TScrollBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) {
        return;
    }
    position_ = position;
    Changed();
    Fire(OnChange);
}

std::string TScrollBar::AccessibleValue() const {
    return Unit.empty() ? std::to_string(position_) : std::to_string(position_) + " " + Unit;
}

void TScrollBar::UserScroll(TScrollCode code, int thumbPosition) {
    // Computed wide: a step beside a limit must not overflow.
    const long long position = position_;
    long long target = position;
    switch (code) {
    case TScrollCode::LineUp:
        target = position - SmallChange;
        break;
    case TScrollCode::LineDown:
        target = position + SmallChange;
        break;
    case TScrollCode::PageUp:
        target = position - LargeChange;
        break;
    case TScrollCode::PageDown:
        target = position + LargeChange;
        break;
    case TScrollCode::Track:
    case TScrollCode::Position:
        target = thumbPosition;
        break;
    case TScrollCode::Top:
        target = min_;
        break;
    case TScrollCode::Bottom:
        target = max_;
        break;
    }
    SetPosition(static_cast<int>(std::clamp<long long>(target, min_, max_)));
}

} // namespace toolkit
