#include "app/queue_accessible_win.h"

#include <oleacc.h>

#include "controls/buttons/window/accessible_object_win.h"

namespace {

// Child ids count the items from 1; 0 is the list itself.
constexpr LONG kSelf = CHILDID_SELF;

}  // namespace

// The list's items as children of the system's object for the list box.
class AccessibleQueue final : public AccessibleObject {
public:
    AccessibleQueue(HWND list, const std::function<std::wstring(size_t)>& itemName)
        : AccessibleObject(list), itemName_(&itemName) {}
    AccessibleQueue(const AccessibleQueue&) = delete;
    AccessibleQueue& operator=(const AccessibleQueue&) = delete;

    void Disconnect() {
        itemName_ = nullptr;
        DisconnectStandard();
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
        if (!IsItem(child)) return AccessibleObject::get_accName(child, name);
        return ReturnText((*itemName_)(static_cast<size_t>(child.lVal - 1)), name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsItem(child)) return AccessibleObject::get_accRole(child, role);
        return ReturnNumber(ROLE_SYSTEM_LISTITEM, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsItem(child)) return AccessibleObject::get_accState(child, state);
        LONG states = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (child.lVal - 1 == Selection()) {
            states |= STATE_SYSTEM_SELECTED;
            if (GetFocus() == window()) states |= STATE_SYSTEM_FOCUSED;
        }
        return ReturnNumber(states, state);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!IsItem(child)) return AccessibleObject::accLocation(left, top, width, height, child);
        if (!left || !top || !width || !height) return E_POINTER;
        RECT item{};
        if (SendMessageW(window(), LB_GETITEMRECT, child.lVal - 1, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            return E_FAIL;
        MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&item), 2);
        *left = item.left;
        *top = item.top;
        *width = item.right - item.left;
        *height = item.bottom - item.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!Standard()) return RPC_E_DISCONNECTED;
        if (GetFocus() != window()) return AccessibleObject::get_accFocus(focus);
        const LONG selection = Selection();
        return ReturnNumber(selection < 0 ? kSelf : selection + 1, focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!Standard()) return RPC_E_DISCONNECTED;
        if (!selection) return E_POINTER;
        const LONG selected = Selection();
        if (selected < 0) {
            VariantInit(selection);
            return S_FALSE;
        }
        return ReturnNumber(selected + 1, selection);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        if (!Standard()) return RPC_E_DISCONNECTED;
        POINT at{x, y};
        ScreenToClient(window(), &at);
        RECT client{};
        GetClientRect(window(), &client);
        if (!PtInRect(&client, at)) return AccessibleObject::accHitTest(x, y, child);
        const LRESULT hit = SendMessageW(window(), LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
        return ReturnNumber(HIWORD(hit) ? kSelf : LOWORD(hit) + 1, child);
    }

    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        if (!IsItem(child)) return AccessibleObject::accSelect(flags, child);
        if (!(flags & SELFLAG_TAKESELECTION) && !(flags & SELFLAG_TAKEFOCUS)) return E_INVALIDARG;
        SendMessageW(window(), LB_SETCURSEL, child.lVal - 1, 0);
        if (flags & SELFLAG_TAKEFOCUS) SetFocus(window());
        return S_OK;
    }

private:
    ~AccessibleQueue() override = default;

    LONG ItemCount() const {
        const LRESULT count = SendMessageW(window(), LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<LONG>(count) : 0;
    }
    LONG Selection() const { return static_cast<LONG>(SendMessageW(window(), LB_GETCURSEL, 0, 0)); }
    bool IsItem(const VARIANT& child) const {
        return itemName_ && child.vt == VT_I4 && child.lVal > 0 && child.lVal <= ItemCount();
    }

    const std::function<std::wstring(size_t)>* itemName_;
};

QueueAccessibility::QueueAccessibility(HWND list, std::function<std::wstring(size_t)> itemName)
    : list_(list), itemName_(std::move(itemName)) {}

QueueAccessibility::~QueueAccessibility() {
    if (object_) object_.get()->Disconnect();
}

LRESULT QueueAccessibility::OnGetObject(WPARAM wp, LPARAM lp) {
    return AnswerGetObject(object_, wp, lp, [&] { return new AccessibleQueue(list_, itemName_); });
}

void QueueAccessibility::NameChanged(size_t position) const {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, list_, OBJID_CLIENT, static_cast<LONG>(position + 1));
}
