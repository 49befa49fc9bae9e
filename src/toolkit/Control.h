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
    // Whether a window shows the control (none in tests, nor before its page is first shown).
    bool HasPeer() const { return peer_ != nullptr; }
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

} // namespace toolkit
