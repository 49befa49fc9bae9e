#include "toolkit/win32/ButtonGlyph.h"

#include <vsstyle.h>

#include <utility>

namespace toolkit::win32 {
namespace {

// Pictures are drawn for 96 dots per inch at this size.
constexpr int kGlyphSize = 16;
constexpr int kGlyphMargin = 3;
// Normal, hot, pressed, disabled, default, and hot under a stylus.
constexpr int kButtonStates = 6;

class IconHandle {
public:
    explicit IconHandle(HICON icon) : icon_(icon) {}
    ~IconHandle() {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
    }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    HICON Get() const { return icon_; }

private:
    HICON icon_;
};

HICON LoadGlyph(int id, int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
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
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kButtonStates, 0);
    if (images == nullptr) {
        return;
    }
    // One picture per state of the button, in the order of the states from PBS_NORMAL on.
    for (int state = PBS_NORMAL; state < PBS_NORMAL + kButtonStates; ++state) {
        ImageList_AddIcon(images, state == PBS_DISABLED ? disabled.Get() : enabled.Get());
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
