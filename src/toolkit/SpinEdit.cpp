#include "toolkit/SpinEdit.h"

#include "platform/DecimalNumber.h"
#include "platform/Services.h"
#include "platform/VirtualKeys.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/Form.h"

#include <algorithm>
#include <limits>

namespace toolkit {
namespace {

constexpr char kEnter = 13;
constexpr char kBackspace = 8;

void Beep() {
    platform::Boxes().Beep(platform::SystemSound::Default);
}

} // namespace

TSpinEdit::TSpinEdit(TForm& form, int id) : TEdit(form, id) {
    SetText("0");
}

TSpinEdit::~TSpinEdit() {
    StopRepeat();
}

void TSpinEdit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    Changed();
}

std::int32_t TSpinEdit::Value() const {
    return platform::ParseInt32(Text(), platform::PlusSign::Taken).value_or(MinValue);
}

std::int32_t TSpinEdit::Limit(std::int64_t value) const {
    if (MinValue != MaxValue) {
        value = std::clamp<std::int64_t>(value, MinValue, MaxValue);
    }
    // Without limits a step past the end of the 32-bit range stops there.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void TSpinEdit::SetValue(std::int32_t value) {
    SetText(std::to_string(Limit(value)));
}

void TSpinEdit::StepUp() {
    SetValue(Limit(static_cast<std::int64_t>(Value()) + Increment));
}

void TSpinEdit::StepDown() {
    SetValue(Limit(static_cast<std::int64_t>(Value()) - Increment));
}

void TSpinEdit::UserKeyDown(std::uint16_t virtualKey) {
    if (virtualKey == platform::kVkUp) {
        Fire([this] { StepUp(); });
    } else if (virtualKey == platform::kVkDown) {
        Fire([this] { StepDown(); });
    }
}

bool TSpinEdit::UserChar(char character) {
    const auto code = static_cast<unsigned char>(character);
    bool accepted = false;
    if (code < 32) {
        accepted = character != kEnter && (EditorEnabled || character != kBackspace);
    } else if (EditorEnabled) {
        accepted = (character >= '0' && character <= '9') || character == '+' || character == '-' ||
                   character == platform::Sys().DecimalSeparator();
    }
    if (!accepted) {
        Beep();
    }
    return accepted;
}

bool TSpinEdit::CanPasteOrCut() const {
    return EditorEnabled;
}

bool TSpinEdit::SelectsAllOnEntry(bool byLeftMouseButton) const {
    return AutoSelect && !byLeftMouseButton;
}

void TSpinEdit::UserExit() {
    const std::int32_t value = Value();
    if (Limit(value) != value) {
        SetValue(value);
    }
}

void TSpinEdit::UserArrowPress(TSpinHalf half) {
    if (!Enabled()) {
        return;
    }
    focusedHalf_ = half;
    pressedHalf_ = half;
    pressing_ = true;
    shownDown_ = true;
    if (!Focused()) {
        SetFocus();
    }
    Changed();
    StopRepeat();
    repeatInterval_ = kFirstRepeatMs;
    repeatTimer_ = platform::Time().StartTimer(repeatInterval_, [this] { RepeatTick(); });
}

void TSpinEdit::UserArrowMove(bool inside) {
    if (pressing_ && shownDown_ != inside) {
        shownDown_ = inside;
        Changed();
    }
}

void TSpinEdit::UserArrowRelease(bool inside) {
    StopRepeat();
    const bool click = pressing_ && inside;
    pressing_ = false;
    shownDown_ = false;
    Changed();
    if (click) {
        ArrowClick(pressedHalf_);
    }
}

void TSpinEdit::UserArrowCaptureLost() {
    StopRepeat();
    if (pressing_) {
        pressing_ = false;
        shownDown_ = false;
        Changed();
    }
}

bool TSpinEdit::ArrowShownPressed(TSpinHalf half) const {
    return pressing_ && shownDown_ && pressedHalf_ == half;
}

void TSpinEdit::ArrowClick(TSpinHalf half) {
    const bool done = Guarded([this, half] { half == TSpinHalf::Up ? StepUp() : StepDown(); });
    if (!done) {
        StopRepeat();
    }
}

void TSpinEdit::RepeatTick() {
    if (repeatInterval_ != kRepeatMs) {
        StopRepeat();
        repeatInterval_ = kRepeatMs;
        repeatTimer_ = platform::Time().StartTimer(repeatInterval_, [this] { RepeatTick(); });
    }
    if (pressing_ && shownDown_) {
        ArrowClick(pressedHalf_);
    }
    // A timer tick is no message of the form's window: show the step now.
    Form().DrawChanges();
}

void TSpinEdit::StopRepeat() {
    if (repeatTimer_ != 0) {
        platform::Time().StopTimer(repeatTimer_);
        repeatTimer_ = 0;
    }
}

} // namespace toolkit
