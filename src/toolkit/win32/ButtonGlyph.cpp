#include "toolkit/win32/ButtonGlyph.h"

#include "platform/win32/Handles.h"

#include <vsstyle.h>

#include <cstdint>
#include <utility>

namespace toolkit::win32 {
namespace {

using platform::win32::BitmapHandle;
using platform::win32::IconHandle;

// Pictures are drawn for 96 dots per inch at this size.
constexpr int kGlyphSize = 16;
constexpr int kGlyphMargin = 3;
// Normal, hot, pressed, disabled, default, and hot under a stylus.
constexpr int kButtonStates = 6;

HICON LoadGlyph(int id, int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool HighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// The icon's shape in one system colour: each pixel keeps its coverage (the alpha of the
// 32-bit picture) and takes the colour, premultiplied as such pictures are stored. Null when
// the icon has no such picture; the icon is then shown as it is.
HICON Silhouette(HICON icon, int size, int colourIndex) {
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts)) {
        return nullptr;
    }
    const BitmapHandle colour(parts.hbmColor);
    const BitmapHandle mask(parts.hbmMask);
    if (colour.Get() == nullptr) {
        return nullptr;
    }
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    const BitmapHandle shape(CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const bool read =
        shape.Get() != nullptr && GetDIBits(screen, colour.Get(), 0, static_cast<UINT>(size), bits,
                                            &format, DIB_RGB_COLORS) == size;
    ReleaseDC(nullptr, screen);
    if (!read) {
        return nullptr;
    }
    const COLORREF ink = GetSysColor(colourIndex);
    bool covered = false;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < size * size; ++i) {
        const std::uint32_t alpha = pixels[i] >> 24;
        covered = covered || alpha != 0;
        pixels[i] = alpha << 24 | (GetRValue(ink) * alpha / 255) << 16 |
                    (GetGValue(ink) * alpha / 255) << 8 | GetBValue(ink) * alpha / 255;
    }
    if (!covered) {
        return nullptr;
    }
    ICONINFO made{TRUE, 0, 0, mask.Get(), shape.Get()};
    return CreateIconIndirect(&made);
}

} // namespace

ButtonGlyph::ButtonGlyph(HWND button, int glyphId, int disabledGlyphId)
    : button_(button), glyphId_(glyphId), disabledGlyphId_(disabledGlyphId) {}

ButtonGlyph::~ButtonGlyph() {
    if (images_ != nullptr) {
        BUTTON_IMAGELIST none{};
        none.himl = nullptr;
        SendMessageW(button_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&none));
        ImageList_Destroy(images_);
    }
}

void ButtonGlyph::Show(int dpi) {
    const int size = MulDiv(kGlyphSize, dpi, 96);
    const IconHandle enabled(LoadGlyph(glyphId_, size));
    const IconHandle disabled(LoadGlyph(disabledGlyphId_, size));
    if (enabled.Get() == nullptr || disabled.Get() == nullptr) {
        return;
    }
    // Under high contrast every colour comes from the system.
    const bool contrast = HighContrast();
    const IconHandle enabledInk(contrast ? Silhouette(enabled.Get(), size, COLOR_BTNTEXT)
                                         : nullptr);
    const IconHandle disabledInk(contrast ? Silhouette(enabled.Get(), size, COLOR_GRAYTEXT)
                                          : nullptr);
    const HICON shownEnabled = enabledInk.Get() != nullptr ? enabledInk.Get() : enabled.Get();
    const HICON shownDisabled = disabledInk.Get() != nullptr ? disabledInk.Get() : disabled.Get();
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kButtonStates, 0);
    if (images == nullptr) {
        return;
    }
    // One picture per state of the button, in the order of the states from PBS_NORMAL on.
    for (int state = PBS_NORMAL; state < PBS_NORMAL + kButtonStates; ++state) {
        ImageList_AddIcon(images, state == PBS_DISABLED ? shownDisabled : shownEnabled);
    }
    BUTTON_IMAGELIST glyph{};
    glyph.himl = images;
    glyph.margin.left = MulDiv(kGlyphMargin, dpi, 96);
    glyph.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (SendMessageW(button_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)) == FALSE) {
        ImageList_Destroy(images);
        return;
    }
    if (HIMAGELIST earlier = std::exchange(images_, images)) {
        ImageList_Destroy(earlier);
    }
    InvalidateRect(button_, nullptr, TRUE);
}

} // namespace toolkit::win32
