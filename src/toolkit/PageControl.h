// A row of tabs that shows one page at a time.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/TabSheet.h"

#include <functional>
#include <vector>

namespace toolkit {

class TPageControl : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::PageControl; }
    std::function<void()> OnChange;
    void AddPage(TTabSheet& page);
    const std::vector<TTabSheet*>& Pages() const { return pages_; }
    TTabSheet* ActivePage() const;
    int ActivePageIndex() const { return active_; }
    // Chosen by the program: no OnChange.
    void SetActivePage(TTabSheet& page);
    // Chosen by the user: fires OnChange.
    void UserSelectPage(int index);

private:
    std::vector<TTabSheet*> pages_;
    int active_ = 0;
};

} // namespace toolkit
