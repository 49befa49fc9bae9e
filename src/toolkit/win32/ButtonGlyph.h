// The picture of a push button, beside its caption: two icon resources (enabled and
// disabled) loaded at the size that the button's DPI asks for, so that they stay sharp.
// Under high contrast the picture is drawn in the system's colour of button text (grey text
// when disabled) instead of its own colours; Show again after a change of the colours.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace toolkit::win32 {

class ButtonGlyph {
public:
    ButtonGlyph(HWND button, int glyphId, int disabledGlyphId);
    ~ButtonGlyph();
    ButtonGlyph(const ButtonGlyph&) = delete;
    ButtonGlyph& operator=(const ButtonGlyph&) = delete;

    // Loads the pictures for this DPI and the system's colours and hands them to the button.
    void Show(int dpi);

private:
    HWND button_;
    int glyphId_;
    int disabledGlyphId_;
    HIMAGELIST images_ = nullptr; // the button draws from it: freed only once replaced
};

} // namespace toolkit::win32
