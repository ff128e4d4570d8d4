#include "app/queue_accessible_win.h"

#include <oleacc.h>

#include "controls/buttons/window/com_object_win.h"

namespace {

// Child ids count the items from 1; 0 is the list itself.
constexpr LONG kSelf = CHILDID_SELF;

HRESULT ReturnNumber(LONG number, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

}  // namespace

// The list's items as children of the system's object for the list box.
class AccessibleQueue final : public ComObject<IAccessible, IOleWindow> {
public:
    AccessibleQueue(HWND list, const std::function<std::wstring(size_t)>& itemName)
        : list_(list), itemName_(&itemName) {
        IAccessible* standard = nullptr;
        CreateStdAccessibleObject(list, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard));
        standard_.reset(standard);
    }
    AccessibleQueue(const AccessibleQueue&) = delete;
    AccessibleQueue& operator=(const AccessibleQueue&) = delete;

    bool Ready() const { return static_cast<bool>(standard_); }

    void Disconnect() {
        itemName_ = nullptr;
        standard_.reset();
        CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    }

    // IDispatch: clients use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // The items.
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!itemName_) return RPC_E_DISCONNECTED;
        if (!count) return E_POINTER;
        *count = ItemCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!itemName_) return RPC_E_DISCONNECTED;
        if (!out) return E_POINTER;
        *out = nullptr;
        // Items are simple elements of the list, with no object of their own.
        return IsItem(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsItem(child)) return Self() ? standard_.get()->get_accName(child, name) : RPC_E_DISCONNECTED;
        if (!name) return E_POINTER;
        const std::wstring text = (*itemName_)(static_cast<size_t>(child.lVal - 1));
        *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsItem(child)) return Self() ? standard_.get()->get_accRole(child, role) : RPC_E_DISCONNECTED;
        return ReturnNumber(ROLE_SYSTEM_LISTITEM, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsItem(child)) return Self() ? standard_.get()->get_accState(child, state) : RPC_E_DISCONNECTED;
        LONG states = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (child.lVal - 1 == Selection()) {
            states |= STATE_SYSTEM_SELECTED;
            if (GetFocus() == list_) states |= STATE_SYSTEM_FOCUSED;
        }
        return ReturnNumber(states, state);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!IsItem(child))
            return Self() ? standard_.get()->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
        if (!left || !top || !width || !height) return E_POINTER;
        RECT item{};
        if (SendMessageW(list_, LB_GETITEMRECT, child.lVal - 1, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            return E_FAIL;
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&item), 2);
        *left = item.left;
        *top = item.top;
        *width = item.right - item.left;
        *height = item.bottom - item.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!Self()) return RPC_E_DISCONNECTED;
        if (GetFocus() != list_) return standard_.get()->get_accFocus(focus);
        const LONG selection = Selection();
        return ReturnNumber(selection < 0 ? kSelf : selection + 1, focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!Self()) return RPC_E_DISCONNECTED;
        if (!selection) return E_POINTER;
        const LONG selected = Selection();
        if (selected < 0) {
            VariantInit(selection);
            return S_FALSE;
        }
        return ReturnNumber(selected + 1, selection);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        if (!Self()) return RPC_E_DISCONNECTED;
        POINT at{x, y};
        ScreenToClient(list_, &at);
        RECT client{};
        GetClientRect(list_, &client);
        if (!PtInRect(&client, at)) return standard_.get()->accHitTest(x, y, child);
        const LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
        return ReturnNumber(HIWORD(hit) ? kSelf : LOWORD(hit) + 1, child);
    }

    // The list itself, from the system's object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Self() ? standard_.get()->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Self() ? standard_.get()->get_accValue(child, value) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Self() ? standard_.get()->get_accDescription(child, description) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Self() ? standard_.get()->get_accHelp(child, help) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return Self() ? standard_.get()->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Self() ? standard_.get()->get_accKeyboardShortcut(child, shortcut) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Self() ? standard_.get()->get_accDefaultAction(child, action) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        if (!IsItem(child)) return Self() ? standard_.get()->accSelect(flags, child) : RPC_E_DISCONNECTED;
        if (!(flags & SELFLAG_TAKESELECTION) && !(flags & SELFLAG_TAKEFOCUS)) return E_INVALIDARG;
        SendMessageW(list_, LB_SETCURSEL, child.lVal - 1, 0);
        if (flags & SELFLAG_TAKEFOCUS) SetFocus(list_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return Self() ? standard_.get()->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Self() ? standard_.get()->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // IOleWindow, so readers find the window of the object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = list_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~AccessibleQueue() override = default;

    void* Find(REFIID iid) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            return static_cast<IAccessible*>(this);
        if (iid == __uuidof(IOleWindow)) return static_cast<IOleWindow*>(this);
        return nullptr;
    }

    bool Self() const { return itemName_ && standard_; }
    LONG ItemCount() const {
        const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<LONG>(count) : 0;
    }
    LONG Selection() const { return static_cast<LONG>(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }
    bool IsItem(const VARIANT& child) const {
        return itemName_ && child.vt == VT_I4 && child.lVal > 0 && child.lVal <= ItemCount();
    }

    HWND list_;
    const std::function<std::wstring(size_t)>* itemName_;
    Com<IAccessible> standard_;
};

QueueAccessibility::QueueAccessibility(HWND list, std::function<std::wstring(size_t)> itemName)
    : list_(list), itemName_(std::move(itemName)) {}

QueueAccessibility::~QueueAccessibility() {
    if (object_) object_.get()->Disconnect();
}

LRESULT QueueAccessibility::OnGetObject(WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(lp) != OBJID_CLIENT) return 0;
    if (!object_) {
        object_.reset(new AccessibleQueue(list_, itemName_));
        if (!object_.get()->Ready()) {
            object_.reset();
            return 0;
        }
    }
    return LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object_.get()));
}

void QueueAccessibility::NameChanged(size_t position) const {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, list_, OBJID_CLIENT, static_cast<LONG>(position + 1));
}
