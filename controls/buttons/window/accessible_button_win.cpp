#include "controls/buttons/window/accessible_button_win.h"

#include <oleacc.h>

#include <string>

#include "controls/buttons/window/accessible_object_win.h"

static_assert(static_cast<LONG>(AccessibleRole::PushButton) == ROLE_SYSTEM_PUSHBUTTON);
static_assert(static_cast<LONG>(AccessibleRole::CheckBox) == ROLE_SYSTEM_CHECKBUTTON);
static_assert(static_cast<LONG>(AccessibleRole::RadioButton) == ROLE_SYSTEM_RADIOBUTTON);
static_assert(kStateUnavailable == STATE_SYSTEM_UNAVAILABLE && kStateFocused == STATE_SYSTEM_FOCUSED);
static_assert(kStatePressed == STATE_SYSTEM_PRESSED && kStateChecked == STATE_SYSTEM_CHECKED);
static_assert(kStateHotTracked == STATE_SYSTEM_HOTTRACKED && kStateFocusable == STATE_SYSTEM_FOCUSABLE);

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

// Name, role, state, shortcut and default action come from the button; the
// rest (place, parent, navigation, hit test) from the system's object for
// the window's client area.
class AccessibleButton final : public AccessibleObject {
public:
    AccessibleButton(HWND window, AccessibleButtonFacts& facts) : AccessibleObject(window), facts_(&facts) {}
    AccessibleButton(const AccessibleButton&) = delete;
    AccessibleButton& operator=(const AccessibleButton&) = delete;

    void Disconnect() {
        facts_ = nullptr;
        DisconnectStandard();
    }

    // IAccessible, from the button
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return AboutSelf(child, [&](const AccessibleView& view) { return ReturnText(view.name, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return AboutSelf(child,
                         [&](const AccessibleView& view) { return ReturnNumber(static_cast<LONG>(view.role), role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return AboutSelf(
            child, [&](const AccessibleView& view) { return ReturnNumber(static_cast<LONG>(view.states), state); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return AboutSelf(child, [&](const AccessibleView& view) { return ReturnText(view.shortcut, shortcut); });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return AboutSelf(child, [&](const AccessibleView& view) { return ReturnText(view.defaultAction, action); });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return AboutSelf(child, [&](const AccessibleView& view) {
            // A disabled button takes no input, a reader's included.
            if (view.states & kStateUnavailable) return E_FAIL;
            facts_->DoDefaultAction();
            return S_OK;
        });
    }

private:
    ~AccessibleButton() override = default;

    // The button's own answers concern the object itself, not children.
    template <typename Answer>
    HRESULT AboutSelf(const VARIANT& child, Answer answer) {
        if (!facts_) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        return answer(facts_->Describe());
    }

    AccessibleButtonFacts* facts_;
};

ButtonAccessibility::ButtonAccessibility(HWND window, AccessibleButtonFacts& facts) : window_(window), facts_(facts) {}

ButtonAccessibility::~ButtonAccessibility() {
    if (object_) object_.get()->Disconnect();
}

LRESULT ButtonAccessibility::OnGetObject(WPARAM wp, LPARAM lp) {
    return AnswerGetObject(object_, wp, lp, [&] { return new AccessibleButton(window_, facts_); });
}

void ButtonAccessibility::NotifyChanges() {
    const AccessibleView now = facts_.Describe();
    if (told_ && told_->name != now.name) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    if (told_ && told_->states != now.states)
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    told_ = now;
}
