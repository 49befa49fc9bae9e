// TSpinEdit: a one-line edit that holds a whole number within a range, with a pair of
// arrow buttons at its right edge. The arrows and the Up and Down keys step the number;
// an arrow held down repeats its step. Typing is filtered to what a number can hold.
#pragma once

#include "platform/Clock.h"
#include "toolkit/Control.h"
#include "toolkit/Edit.h"

#include <cstdint>

namespace toolkit {

enum class TSpinHalf { Up, Down };

class TSpinEdit : public TEdit {
public:
    TSpinEdit(TForm& form, int id);
    ~TSpinEdit() override;
    TControlKind Kind() const override { return TControlKind::SpinEdit; }

    // When both limits are equal the number is not limited at all.
    std::int32_t MinValue = 0;
    std::int32_t MaxValue = 0;
    std::int32_t Increment = 1;
    // Whether the text may be typed into, pasted into or cut.
    bool EditorEnabled = true;
    // Whether entering the field from the keyboard selects the whole text.
    bool AutoSelect = true;

    // The most characters the text may hold; 0 leaves the edit's own limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    // The text as a number; MinValue when it is not one (also when empty). Never limited.
    std::int32_t Value() const;
    // Limits the number and shows it.
    void SetValue(std::int32_t value);
    std::int32_t Limit(std::int64_t value) const;
    void StepUp();
    void StepDown();
    // The arrows are read out as a spin button whose value is the text.
    std::string AccessibleValue() const override { return Text(); }

    // Input from the window.
    // Up and Down step; the key goes on to the edit either way.
    void UserKeyDown(std::uint16_t virtualKey);
    // Whether a typed character may go into the text; a refused one beeps.
    bool UserChar(char character) override;
    // Paste and cut are carried out only when this is true (no beep otherwise).
    bool CanPasteOrCut() const;
    // Whether entering the field should select the whole text.
    bool SelectsAllOnEntry(bool byLeftMouseButton) const;
    // Leaving the field shows the limited number; text that is no number stays.
    void UserExit();

    // The arrow pair, pressed with the left mouse button.
    void UserArrowPress(TSpinHalf half);
    // The pointer moved inside or outside the pressed half.
    void UserArrowMove(bool inside);
    // Releasing the button over the pressed half is a click.
    void UserArrowRelease(bool inside);
    // The pair lost the mouse capture without a release.
    void UserArrowCaptureLost();
    // For drawing: the half shown pressed, and the half that holds the pair's focus.
    bool ArrowShownPressed(TSpinHalf half) const;
    TSpinHalf FocusedHalf() const { return focusedHalf_; }

    static constexpr std::uint32_t kFirstRepeatMs = 400;
    static constexpr std::uint32_t kRepeatMs = 100;

private:
    void ArrowClick(TSpinHalf half);
    void RepeatTick();
    void StopRepeat();

    int maxLength_ = 0;
    TSpinHalf focusedHalf_ = TSpinHalf::Up;
    bool pressing_ = false;  // the mouse button went down on a half and holds the capture
    bool shownDown_ = false; // the pressed half is drawn pressed (the pointer is over it)
    TSpinHalf pressedHalf_ = TSpinHalf::Up;
    platform::TimerId repeatTimer_ = 0;
    std::uint32_t repeatInterval_ = 0;
};

} // namespace toolkit
