// One page of a page control.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class TTabSheet : public TControl {
public:
    // A page has a dialog template of its own.
    TTabSheet(TForm& form, int id, int templateId) : TControl(form, id), templateId_(templateId) {}
    TControlKind Kind() const override { return TControlKind::TabSheet; }
    int TemplateId() const { return templateId_; }

private:
    int templateId_;
};

} // namespace toolkit
