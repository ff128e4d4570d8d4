#include "controls/buttons/accessible_button_win.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>
#include <optional>
#include <vector>

#include "controls/buttons/recording_button.h"
#include "controls/buttons/test_window_win.h"
#include "platform/message_loop_win.h"

namespace {

// The facts of a recording button shown in a plain window.
class FactsOfButton final : public AccessibleButtonFacts {
public:
    FactsOfButton(const ButtonModel& button, const Window& window) : button_(button), window_(window) {}
    int clicks = 0;

    AccessibleView Describe() const override { return DescribeButton(button_, GetFocus() == window_.hwnd()); }
    void DoDefaultAction() override { ++clicks; }

private:
    const ButtonModel& button_;
    const Window& window_;
};

class AccessibleWindow final : public TestWindow {
public:
    using TestWindow::TestWindow;
    ~AccessibleWindow() override { DestroyOwnWindow(); }
    std::optional<ButtonAccessibility> accessibility;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_GETOBJECT && accessibility)
            if (const LRESULT object = accessibility->OnGetObject(wp, lp)) return object;
        return TestWindow::OnMessage(msg, wp, lp);
    }
};

// Holds one COM reference.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) p_->Release();
    }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

VARIANT Self() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::wstring TakeText(BSTR text) {
    std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return taken;
}

class AccessibleButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        button.InitProperties();
        window.accessibility.emplace(window.hwnd(), facts);
    }
    void TearDown() override {
        window.accessibility.reset();
        CoUninitialize();
    }
    // The object a screen reader gets for the window.
    HRESULT Read(ComRef<IAccessible>& accessible) {
        return AccessibleObjectFromWindow(window.hwnd(), OBJID_CLIENT, __uuidof(IAccessible), accessible.out());
    }

    TestWindow form{{100, 100, 400, 300}};
    AccessibleWindow window{{20, 30, 120, 60}, form.hwnd()};
    Log log;
    RecordingHost host{log};
    RecordingButton button{host, log};
    FactsOfButton facts{button, window};
};

TEST_F(AccessibleButtonTest, AReaderGetsNameRoleStatesShortcutAndAction) {
    const struct {
        const char* name;
        std::function<void(RecordingButton&)> setUp;
        bool focus;
        std::wstring accName;
        LONG role;
        LONG states;
        std::wstring shortcut, action;
    } cases[] = {
        {"focused command button", [](RecordingButton& b) { b.SetCaption(L"&Add"); }, true, L"Add",
         ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, L"Alt+A", L"Press"},
        {"checked check box",
         [](RecordingButton& b) {
             b.SetCaption(L"Play &sound");
             b.SetMode(kCheckBox);
             b.SetValue(true);
         },
         false, L"Play sound", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED, L"Alt+S",
         L"Uncheck"},
        {"disabled option button",
         [](RecordingButton& b) {
             b.SetCaption(L"&Original && date");
             b.SetMode(kOptionButton);
             b.SetValue(false);  // the check box before it was checked
             b.SetEnabled(false);
         },
         false, L"Original & date", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_UNAVAILABLE, L"Alt+O", L"Check"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp(button);
        if (c.focus) {
            SetActiveWindow(form.hwnd());
            SetFocus(window.hwnd());
            ASSERT_EQ(GetFocus(), window.hwnd());
        } else {
            SetFocus(nullptr);
        }
        ComRef<IAccessible> accessible;
        ASSERT_EQ(Read(accessible), S_OK);
        BSTR text = nullptr;
        EXPECT_EQ(accessible->get_accName(Self(), &text), S_OK);
        EXPECT_EQ(TakeText(text), c.accName);
        VARIANT value;
        EXPECT_EQ(accessible->get_accRole(Self(), &value), S_OK);
        EXPECT_EQ(value.vt, VT_I4);
        EXPECT_EQ(value.lVal, c.role);
        EXPECT_EQ(accessible->get_accState(Self(), &value), S_OK);
        EXPECT_EQ(value.lVal, c.states);
        EXPECT_EQ(accessible->get_accKeyboardShortcut(Self(), &text), S_OK);
        EXPECT_EQ(TakeText(text), c.shortcut);
        EXPECT_EQ(accessible->get_accDefaultAction(Self(), &text), S_OK);
        EXPECT_EQ(TakeText(text), c.action);
    }
}

TEST_F(AccessibleButtonTest, TheDefaultActionClicksAnEnabledButtonOnly) {
    ComRef<IAccessible> accessible;
    ASSERT_EQ(Read(accessible), S_OK);
    EXPECT_EQ(accessible->accDoDefaultAction(Self()), S_OK);
    EXPECT_EQ(facts.clicks, 1);
    button.SetEnabled(false);
    EXPECT_EQ(accessible->accDoDefaultAction(Self()), E_FAIL);
    EXPECT_EQ(facts.clicks, 1);
}

TEST_F(AccessibleButtonTest, PlaceParentAndWindowAreTheSystemsForTheClientArea) {
    ComRef<IAccessible> accessible;
    ASSERT_EQ(Read(accessible), S_OK);
    LONG left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(accessible->accLocation(&left, &top, &width, &height, Self()), S_OK);
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    MapWindowPoints(window.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(left, client.left);
    EXPECT_EQ(top, client.top);
    EXPECT_EQ(width, client.right - client.left);
    EXPECT_EQ(height, client.bottom - client.top);

    HWND found = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(accessible.get(), &found), S_OK);
    EXPECT_EQ(found, window.hwnd());

    VARIANT second = Self();
    second.lVal = 1;
    BSTR text = nullptr;
    EXPECT_EQ(accessible->get_accName(second, &text), E_INVALIDARG) << "a button has no children";
}

TEST_F(AccessibleButtonTest, AnObjectOutlivingItsButtonAnswersWithAnError) {
    ComRef<IAccessible> accessible;
    ASSERT_EQ(Read(accessible), S_OK);
    window.accessibility.reset();
    BSTR text = nullptr;
    EXPECT_EQ(accessible->get_accName(Self(), &text), RPC_E_DISCONNECTED);
    EXPECT_EQ(accessible->accDoDefaultAction(Self()), RPC_E_DISCONNECTED);
    EXPECT_EQ(facts.clicks, 0);
}

std::vector<DWORD> events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) events.push_back(event);
}

TEST_F(AccessibleButtonTest, NameAndStateChangesAreAnnounced) {
    events.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, RecordEvent,
                                               GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hook);
    ButtonAccessibility& accessibility = *window.accessibility;
    accessibility.NotifyChanges();
    button.SetCaption(L"&Stop");
    accessibility.NotifyChanges();
    button.MouseMove(0, 0, 5, 5);
    accessibility.NotifyChanges();
    accessibility.NotifyChanges();
    button.SetCaption(L"S&top");  // a new access key, the same name
    accessibility.NotifyChanges();
    const std::vector<DWORD> expected{EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_STATECHANGE};
    PumpUntil([&] { return events.size() >= expected.size(); }, 2000);
    DoEvents();
    UnhookWinEvent(hook);
    EXPECT_EQ(events, expected);
}

}  // namespace
