#include "toolkit/win32/AccessibleServer.h"

#include "platform/win32/LateLibrary.h"
#include "platform/win32/WideText.h"

#include <new>

namespace toolkit::win32 {
namespace {

using platform::win32::LateFunction;

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

BSTR MakeBstr(const std::string& text) {
    static const auto allocate =
        LateFunction<BSTR(WINAPI*)(const OLECHAR*, UINT)>(L"oleaut32.dll", "SysAllocStringLen");
    if (allocate == nullptr) {
        return nullptr;
    }
    const std::wstring wide = platform::win32::Wide(text);
    return allocate(wide.c_str(), static_cast<UINT>(wide.size()));
}

} // namespace

ComPtr<AccessibleServer> AccessibleServer::Create(HWND window, const TControl& control, LONG role) {
    static const auto createStandard = LateFunction<HRESULT(WINAPI*)(HWND, LONG, REFIID, void**)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    ComPtr<IAccessible> standard;
    if (createStandard == nullptr ||
        FAILED(createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void**>(standard.Put()))) ||
        !standard) {
        return {};
    }
    return ComPtr<AccessibleServer>(new (std::nothrow)
                                        AccessibleServer(std::move(standard), control, role));
}

LRESULT ResultFromServer(WPARAM wParam, IAccessible* server) {
    static const auto fromObject = LateFunction<LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN)>(
        L"oleacc.dll", "LresultFromObject");
    return fromObject != nullptr ? fromObject(__uuidof(IAccessible), wParam, server) : 0;
}

AccessibleServer::AccessibleServer(ComPtr<IAccessible> standard, const TControl& control, LONG role)
    : standard_(std::move(standard)), control_(&control), role_(role) {}

HRESULT AccessibleServer::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleServer::AddRef() {
    return ++references_;
}

ULONG AccessibleServer::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT AccessibleServer::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleServer::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AccessibleServer::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleServer::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleServer::Text(VARIANT child,
                               const std::function<std::string(const TControl&)>& fact,
                               HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*),
                               BSTR* text) {
    if (text == nullptr) {
        return E_POINTER;
    }
    *text = nullptr;
    if (control_ != nullptr && IsSelf(child)) {
        // No exception may leave a COM method.
        try {
            if (const std::string told = fact(*control_); !told.empty()) {
                *text = MakeBstr(told);
                return *text != nullptr ? S_OK : E_OUTOFMEMORY;
            }
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    return (standard_.Get()->*standard)(child, text);
}

HRESULT AccessibleServer::get_accName(VARIANT child, BSTR* name) {
    return Text(
        child, [](const TControl& control) { return control.AccessibleName(); },
        &IAccessible::get_accName, name);
}

HRESULT AccessibleServer::get_accValue(VARIANT child, BSTR* value) {
    return Text(
        child, [](const TControl& control) { return control.AccessibleValue(); },
        &IAccessible::get_accValue, value);
}

HRESULT AccessibleServer::get_accDescription(VARIANT child, BSTR* description) {
    return Text(
        child, [](const TControl& control) { return control.AccessibleDescription(); },
        &IAccessible::get_accDescription, description);
}

HRESULT AccessibleServer::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) {
        return E_POINTER;
    }
    if (role_ != 0 && control_ != nullptr && IsSelf(child)) {
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    return standard_->get_accRole(child, role);
}

HRESULT AccessibleServer::get_accParent(IDispatch** parent) {
    return standard_->get_accParent(parent);
}

HRESULT AccessibleServer::get_accChildCount(LONG* count) {
    return standard_->get_accChildCount(count);
}

HRESULT AccessibleServer::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}

HRESULT AccessibleServer::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}

HRESULT AccessibleServer::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}

HRESULT AccessibleServer::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}

HRESULT AccessibleServer::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}

HRESULT AccessibleServer::get_accFocus(VARIANT* child) {
    return standard_->get_accFocus(child);
}

HRESULT AccessibleServer::get_accSelection(VARIANT* children) {
    return standard_->get_accSelection(children);
}

HRESULT AccessibleServer::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}

HRESULT AccessibleServer::accSelect(LONG flags, VARIANT child) {
    return standard_->accSelect(flags, child);
}

HRESULT AccessibleServer::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}

HRESULT AccessibleServer::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}

HRESULT AccessibleServer::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}

HRESULT AccessibleServer::accDoDefaultAction(VARIANT child) {
    return standard_->accDoDefaultAction(child);
}

HRESULT AccessibleServer::put_accName(VARIANT child, BSTR name) {
    return standard_->put_accName(child, name);
}

HRESULT AccessibleServer::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}

} // namespace toolkit::win32
