#include "toolkit/Edit.h"

namespace toolkit {

void TEdit::UserSetText(const std::string& text) {
    SetText(text);
    Fire(OnChange);
}

} // namespace toolkit
