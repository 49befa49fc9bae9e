// A minimal accessibility server (IAccessible) for one control window: it answers the name,
// the value, the description and, where given, the role from the control object, and hands
// every other question (and these, where the control has nothing to say) to the system's
// own object for the window. oleacc and oleaut32 are loaded when first asked for.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/win32/ComPtr.h"

#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <functional>
#include <string>

namespace toolkit::win32 {

class AccessibleServer final : public IAccessible {
public:
    // The server for the window's client area, or none when the system cannot make its own
    // object for the window (oleacc missing). role 0: the system's role.
    static ComPtr<AccessibleServer> Create(HWND window, const TControl& control, LONG role);
    // The control is gone: from now on the system's object answers everything.
    void Disconnect() { control_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; clients call the methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAccessible: answered here.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    // IAccessible: handed to the system's object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    AccessibleServer(ComPtr<IAccessible> standard, const TControl& control, LONG role);
    ~AccessibleServer() = default;
    // The control's text for the window itself, when there is one; else the system's answer.
    HRESULT Text(VARIANT child, const std::function<std::string(const TControl&)>& fact,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*), BSTR* text);

    std::atomic<ULONG> references_{1};
    ComPtr<IAccessible> standard_;
    const TControl* control_;
    LONG role_;
};

// The oleacc function that hands a server to the client that asked with WM_GETOBJECT; 0
// when it is missing.
LRESULT ResultFromServer(WPARAM wParam, IAccessible* server);

} // namespace toolkit::win32
