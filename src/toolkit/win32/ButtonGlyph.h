// The picture of a push button, beside its caption: two icon resources (enabled and
// disabled) loaded at the size that the button's DPI asks for, so that they stay sharp.
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

    // Loads the pictures for this DPI and hands them to the button.
    void Show(int dpi);

private:
    HWND button_;
    int glyphId_;
    int disabledGlyphId_;
    HIMAGELIST images_ = nullptr; // the button draws from it: freed only once replaced
};

} // namespace toolkit::win32
