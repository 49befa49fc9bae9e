// Shows a form from its dialog template: attaches peers to the controls, hosts the pages
// of a page control as child dialogs (each made the first time it is shown), hands every
// message to the form's handlers through the error boundary, and then draws what the
// handlers changed.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/PageControl.h"
#include "toolkit/win32/Peers.h"

#include <windows.h>

#include <cstddef>
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
    // Attaches the page controls; each shows (and so makes) its active page.
    void CreatePages();
    // Makes the window of a page, in its place, with its controls attached.
    HWND MakePage(std::size_t pageSet, int index);
    // Attaches a peer to each control that is a direct child of the window.
    void AttachPeers(HWND parent);
    // Adds the tool tips of the peers from the index on, once the mouse has come over the
    // window.
    void AddToolTips(std::size_t firstPeer);
    Win32Peer* PeerOf(HWND control) const;

    // The pages of one page control.
    struct PageSet {
        TPageControl* pages;
        HWND tab;
        // One per page; null for a page not made yet. Destroyed with the form's window.
        std::vector<HWND> windows;
    };

    TForm& form_;
    HWND window_ = nullptr;
    bool modal_ = false;
    bool quitOnClose_ = false;
    std::vector<PageSet> pageSets_;
    HWND toolTip_ = nullptr; // destroyed with its owner, the form's window
    bool toolTipsWanted_ = false;
    std::vector<std::unique_ptr<Win32Peer>> peers_;
    bool drawing_ = false;
};

} // namespace toolkit::win32
