// Control objects: each holds its own state. On Windows a peer keeps the real control in
// step both ways; in tests there is no peer and the state is all there is. A change of
// state marks the control; the form's host draws every marked control once, after the
// message that changed it.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace toolkit {

class TForm;

// What a control is, for whoever shows it: one kind per control class.
enum class TControlKind {
    Plain,
    Button,
    ToggleButton,
    CheckBox,
    RadioButton,
    Edit,
    TabSheet,
    PageControl,
    ListView,
    ComboBox,
    HotKey,
    SpinEdit,
    ScrollBar,
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // Shows the control's whole state in the window.
    virtual void Refresh() = 0;
    virtual void Focus() = 0;
};

class TControl {
public:
    // The id names the control in the dialog template.
    TControl(TForm& form, int id);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Id() const { return id_; }
    TForm& Form() const { return form_; }
    virtual TControlKind Kind() const { return TControlKind::Plain; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Hint() const { return hint_; }
    bool ShowHint() const { return showHint_; }
    void SetHint(const std::string& hint, bool shown);

    void SetFocus();
    bool Focused() const;

    // What a screen reader is told where the program answers for the control itself (see
    // win32/AccessibleServer.h); elsewhere the system's rule names it: its caption, or the
    // label right before it. The name is the caption of the label set here, else the
    // control's own caption, without the mnemonic's "&".
    std::string AccessibleName() const;
    void SetNameLabel(const TControl* label) { nameLabel_ = label; }
    // The value as read out; empty: the system's own.
    virtual std::string AccessibleValue() const { return {}; }
    // A line that says more about the control; empty: none.
    const std::string& AccessibleDescription() const { return description_; }
    void SetAccessibleDescription(const std::string& description);

    void AttachPeer(ControlPeer* peer);
    // Whether the state changed since the window last showed it.
    bool NeedsDrawing() const { return needsDrawing_; }
    void MarkDrawn() { needsDrawing_ = false; }

protected:
    // Marks the control for drawing.
    void Changed();
    // Runs a handler through the application's error display.
    static void Fire(const std::function<void()>& handler);

private:
    TForm& form_;
    int id_;
    std::string caption_;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = false;
    const TControl* nameLabel_ = nullptr;
    std::string description_;
    ControlPeer* peer_ = nullptr;
    bool needsDrawing_ = false;
};

// A caption as read out: without the "&" that marks its mnemonic ("&&" is one "&").
std::string WithoutMnemonic(const std::string& caption);

class TLabel : public TControl {
public:
    using TControl::TControl;
};

class TButton : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::Button; }
    std::function<void()> OnClick;
    // What a click sets as the form's modal result (after the handler), if anything.
    int ModalResultOnClick = 0;
    // Icon resources of a picture beside the caption: as shown while the button is enabled
    // and while it is disabled. 0: no picture.
    int GlyphId = 0;
    int DisabledGlyphId = 0;
    // A click by the user or by the program.
    void Click();
};

// A two-state button that stays pressed, as the start/stop button of the driver.
class TToggleButton : public TButton {
public:
    using TButton::TButton;
    TControlKind Kind() const override { return TControlKind::ToggleButton; }
    bool Down() const { return down_; }
    void SetDown(bool down);
    // The user's click flips the pressed state before the handler runs.
    void UserClick();

private:
    bool down_ = false;
};

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::CheckBox; }
    std::function<void()> OnClick;
    bool Checked() const { return checked_; }
    // A change of state fires OnClick, whoever makes it.
    void SetChecked(bool checked);
    void UserClick() { SetChecked(!checked_); }

private:
    bool checked_ = false;
};

class TRadioButton : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::RadioButton; }
    std::function<void()> OnClick;
    // The other buttons of the group, which checking this one unchecks.
    void SetGroup(std::initializer_list<TRadioButton*> partners);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void UserClick();
    // Whether an arrow key moves between the buttons of a group: there are partners.
    bool TakesArrows() const { return !partners_.empty(); }
    // An arrow key on the button: the next (step 1) or previous (step -1) enabled button of
    // the group, in the order of the dialog template (their ids), takes the focus and is
    // chosen, as in any group of radio buttons, whatever stands between them in tab order.
    void UserArrow(int step);

private:
    bool checked_ = false;
    std::vector<TRadioButton*> partners_;
};

class TEdit : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::Edit; }
    std::function<void()> OnChange;
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // Text typed by the user.
    void UserSetText(const std::string& text);
    // Whether a character the user types may go into the text.
    virtual bool UserChar(char /*character*/) { return true; }
};

class TTabSheet : public TControl {
public:
    // A page has a dialog template of its own.
    TTabSheet(TForm& form, int id, int templateId) : TControl(form, id), templateId_(templateId) {}
    TControlKind Kind() const override { return TControlKind::TabSheet; }
    int TemplateId() const { return templateId_; }

private:
    int templateId_;
};

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
