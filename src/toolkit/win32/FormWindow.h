// Shows a form from its dialog template: attaches peers to the controls, hosts the pages
// of a page control as child dialogs, hands every message to the form's handlers through
// the error boundary, and then draws what the handlers changed.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/win32/Peers.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace toolkit::win32 {

class FormWindow : public FormHost {
public:
    explicit FormWindow(TForm& form);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Modeless: creates the window and returns it (null on failure).
    // With quitOnClose the message loop ends when the window closes.
    HWND CreateModeless(HWND owner, bool quitOnClose);
    // Modal: runs until the form closes.
    ModalResult RunModal(HWND owner);
    HWND Window() const { return window_; }

    // Ctrl+Tab and Ctrl+Shift+Tab (also Ctrl+PgDn, Ctrl+PgUp) turn the pages of the form's
    // page control. True when the message was such a key.
    bool TranslatePageKeys(const MSG& message);

    void Close() override;
    void CaptionChanged() override;
    void DrawChanges() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Initialise(HWND window);
    void CreatePages();
    void AttachPeers();
    void CreateToolTips();
    Win32Peer* PeerOf(HWND control) const;

    TForm& form_;
    HWND window_ = nullptr;
    bool modal_ = false;
    bool quitOnClose_ = false;
    std::vector<HWND> pageWindows_;
    HWND toolTip_ = nullptr; // destroyed with its owner, the form's window
    std::vector<std::unique_ptr<Win32Peer>> peers_;
    bool drawing_ = false;
};

} // namespace toolkit::win32
