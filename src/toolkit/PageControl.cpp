#include "toolkit/PageControl.h"

namespace toolkit {

void TPageControl::AddPage(TTabSheet& page) {
    pages_.push_back(&page);
}

TTabSheet* TPageControl::ActivePage() const {
    return active_ >= 0 && active_ < static_cast<int>(pages_.size()) ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet& page) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == &page && active_ != static_cast<int>(i)) {
            active_ = static_cast<int>(i);
            Changed();
        }
    }
}

void TPageControl::UserSelectPage(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size()) || index == active_) {
        return;
    }
    active_ = index;
    Changed();
    Fire(OnChange);
}

} // namespace toolkit
