#include "toolkit/Button.h"

#include "toolkit/Form.h"

namespace toolkit {

void TButton::Click() {
    if (!Enabled()) {
        return;
    }
    Fire(OnClick);
    if (ModalResultOnClick != 0) {
        Form().SetModalResult(static_cast<ModalResult>(ModalResultOnClick));
    }
}

} // namespace toolkit
