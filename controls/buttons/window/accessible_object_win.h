#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string>

#include "controls/buttons/window/com_object_win.h"
#include "platform/handles_win.h"

// A text or a number as an accessible object returns it; an empty text is
// none (S_FALSE).
inline HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (text.empty()) return S_FALSE;
    return *out ? S_OK : E_OUTOFMEMORY;
}

inline HRESULT ReturnNumber(LONG number, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

// What every accessible object (MSAA) of one window shares: the system's
// object for the window's client area, to which the object leaves what it
// does not answer itself; no type information (clients call the
// IAccessible methods directly); no setters; and IOleWindow, so that
// readers find the window.
class AccessibleObject : public ComObject<IAccessible, IOleWindow> {
public:
    bool Ready() const { return static_cast<bool>(standard_); }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) final {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) final { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) final { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) final {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) final { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) final { return E_NOTIMPL; }

    // What an object does not answer itself, the system's object does.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Standard() ? Standard()->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return Standard() ? Standard()->get_accChildCount(count) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return Standard() ? Standard()->get_accChild(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Standard() ? Standard()->get_accName(child, name) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Standard() ? Standard()->get_accValue(child, value) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Standard() ? Standard()->get_accDescription(child, description) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Standard() ? Standard()->get_accRole(child, role) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Standard() ? Standard()->get_accState(child, state) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Standard() ? Standard()->get_accHelp(child, help) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return Standard() ? Standard()->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Standard() ? Standard()->get_accKeyboardShortcut(child, shortcut) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Standard() ? Standard()->get_accFocus(focus) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Standard() ? Standard()->get_accSelection(selection) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Standard() ? Standard()->get_accDefaultAction(child, action) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return Standard() ? Standard()->accSelect(flags, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return Standard() ? Standard()->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return Standard() ? Standard()->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return Standard() ? Standard()->accHitTest(x, y, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Standard() ? Standard()->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) final {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) final { return E_NOTIMPL; }

protected:
    explicit AccessibleObject(HWND window) : window_(window) {
        IAccessible* standard = nullptr;
        CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard));
        standard_.reset(standard);
    }
    ~AccessibleObject() override = default;

    HWND window() const { return window_; }
    // Null once disconnected.
    IAccessible* Standard() const { return standard_.get(); }
    // Readers that still hold the object get errors from then on.
    void DisconnectStandard() {
        standard_.reset();
        CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    }

private:
    void* Find(REFIID iid) final {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            return static_cast<IAccessible*>(this);
        if (iid == __uuidof(IOleWindow)) return static_cast<IOleWindow*>(this);
        return nullptr;
    }

    HWND window_;
    Com<IAccessible> standard_;
};

// The answer to WM_GETOBJECT: the object for the client area, made by make
// on the first request and kept in object; 0 for any other object, which
// the default window procedure then answers, and when the system's object
// could not be had.
template <typename Object, typename Make>
LRESULT AnswerGetObject(Com<Object>& object, WPARAM wp, LPARAM lp, Make make) {
    if (static_cast<LONG>(lp) != OBJID_CLIENT) return 0;
    if (!object) {
        object.reset(make());
        if (!object.get()->Ready()) {
            object.reset();
            return 0;
        }
    }
    return LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object.get()));
}
