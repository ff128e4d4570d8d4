// Option groups, focus, lifetimes, the accessible object and drops on real
// buttons, driven by real input where the path needs it.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <array>
#include <functional>
#include <utility>

#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/model/option_group.h"
#include "controls/buttons/testing/test_hover_ticks_win.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/buttons/testing/test_window_win.h"
#include "controls/buttons/window/button_drop_target_win.h"
#include "controls/buttons/window/button_platform_win.h"
#include "controls/buttons/window/button_site_win.h"

namespace {

constexpr POINT kInside{30, 15};

RECT Slot(int column, int row) { return {10 + 112 * column, 10 + 40 * row, 114 + 112 * column, 42 + 40 * row}; }

void PressOn(const xoButtons_H& button) {
    MoveTo(InputForm::OnScreen(button, kInside));
    MouseButton(1, true);
}

void ClickOn(const xoButtons_H& button, POINT client = kInside) {
    MoveTo(InputForm::OnScreen(button, client));
    MouseButton(1, true);
    MouseButton(1, false);
}

std::uintptr_t Property(HWND window, const std::wstring& name) {
    return reinterpret_cast<std::uintptr_t>(GetPropW(window, name.c_str()));
}

// A form of its own, with the pointer away from it.
class FormTest : public ::testing::Test {
protected:
    bool pointerAway = (MoveTo({0, 0}), true);
    Log log;
    InputForm form{log};
};

// Three option buttons on a frame and two on the form.
class OptionGroupsTest : public FormTest {
protected:
    std::string Values() const {
        std::string values;
        for (const xoButtons_H* b : options) values += b->Model().Value() ? '1' : '0';
        return values;
    }
    xoButtons_H& Option(const wchar_t* caption, RECT bounds, HWND container, Log& log) {
        xoButtons_H& b = form.Add(caption, bounds, container, &log);
        b.Model().SetMode(kOptionButton);
        return b;
    }

    std::array<Log, 5> logs;
    TestWindow frame{Slot(0, 2), form.hwnd()};
    std::array<xoButtons_H*, 5> options{&Option(L"Frame 1", Slot(0, 0), frame.hwnd(), logs[0]),
                                        &Option(L"Frame 2", {10, 50, 114, 82}, frame.hwnd(), logs[1]),
                                        &Option(L"Frame 3", {10, 90, 114, 122}, frame.hwnd(), logs[2]),
                                        &Option(L"Form 1", Slot(2, 0), nullptr, logs[3]),
                                        &Option(L"Form 2", Slot(2, 1), nullptr, logs[4])};
};

TEST_F(OptionGroupsTest, AFrameAndTheFormHoldTwoIndependentGroups) {
    SetWindowPos(frame.hwnd(), nullptr, 10, 100, 130, 140, SWP_NOZORDER);
    struct Step {
        int clicked;
        const char* values;  // frame 1-3, form 1-2
        bool raisesClick;
    };
    const Step steps[] = {
        {1, "01000", true}, {3, "01010", true},  {2, "00110", true},
        {4, "00101", true}, {2, "00101", false},  // checked already
    };
    for (const Step& step : steps) {
        for (Log& log : logs) log.clear();
        ClickOn(*options[step.clicked]);
        EXPECT_EQ(Values(), step.values) << "after clicking option " << step.clicked;
        for (int i = 0; i < 5; ++i) {
            const bool clicks = i == step.clicked && step.raisesClick;
            EXPECT_TRUE(SameSequence(Without(logs[i], L"Mouse"), clicks ? Log{L"Click"} : Log{}))
                << "option " << i << " after clicking option " << step.clicked << ": only the clicked one clicks";
        }
    }
    EXPECT_EQ(Property(frame.hwnd(), kOptCountProperty), 3u);
    EXPECT_EQ(Property(form.hwnd(), kOptCountProperty), 2u);
}

TEST_F(OptionGroupsTest, LeavingMovesTheLaterSlotsDownAndTheLastLeaverTakesThePropertiesAway) {
    options[1]->Model().SetValue(true);
    options[1]->Model().SetMode(kCommandButton);
    EXPECT_FALSE(options[1]->Model().Value());
    EXPECT_EQ(Property(frame.hwnd(), kOptCountProperty), 2u);
    EXPECT_EQ(Property(frame.hwnd(), OptionSlotName(1)), options[0]->Model().Identity());
    EXPECT_EQ(Property(frame.hwnd(), OptionSlotName(2)), options[2]->Model().Identity());
    EXPECT_EQ(Property(frame.hwnd(), OptionSlotName(3)), 0u);

    options[3]->Model().SetMode(kCheckBox);
    EXPECT_EQ(Property(form.hwnd(), kOptCountProperty), 1u);
    options[4]->Model().SetMode(kCommandButton);
    EXPECT_EQ(Property(form.hwnd(), kOptCountProperty), 0u);
    EXPECT_EQ(Property(form.hwnd(), OptionSlotName(1)), 0u);
}

TEST_F(OptionGroupsTest, ADestroyedMemberLeavesItsGroup) {
    ButtonSite site(frame.hwnd(), L"optGone");
    {
        auto gone = CreateXoButton(frame.hwnd(), 9, Slot(0, 3), site, nullptr);
        gone->Model().SetMode(kOptionButton);
        EXPECT_EQ(Property(frame.hwnd(), kOptCountProperty), 4u);
        gone->Model().SetValue(true);
    }
    EXPECT_EQ(Property(frame.hwnd(), kOptCountProperty), 3u);
    EXPECT_EQ(Property(frame.hwnd(), OptionSlotName(4)), 0u);
    options[0]->Model().SetValue(true);  // unchecks the others through the slots: none names the dead button
    EXPECT_EQ(Values(), "10000");
}

using ButtonLifetime = FormTest;

TEST_F(ButtonLifetime, AHeldButtonLetsGoOfTheMouseWhenDisabledOrDestroyed) {
    xoButtons_H& disabled = form.Add(L"Disabled", Slot(0, 0));
    PressOn(disabled);
    ASSERT_EQ(GetCapture(), disabled.hWnd());
    disabled.Model().SetEnabled(false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(disabled.Model().Members().StateFlags & kHeld, 0);
    MouseButton(1, false);

    ButtonSite site(form.hwnd(), L"cmdGone");
    auto destroyed = CreateXoButton(form.hwnd(), 7, Slot(1, 0), site, nullptr);
    PressOn(*destroyed);
    ASSERT_EQ(GetCapture(), destroyed->hWnd());
    destroyed.reset();
    EXPECT_EQ(GetCapture(), nullptr);
    MouseButton(1, false);
}

TEST_F(ButtonLifetime, ACaptureTakenAwayEndsThePressWithoutAClick) {
    xoButtons_H& button = form.Add(L"Held", Slot(0, 0));
    PressOn(button);
    log.clear();
    SetCapture(form.hwnd());
    EXPECT_EQ(button.Model().Members().StateFlags & kHeld, 0);
    EXPECT_FALSE(button.Model().Members().Armed);
    ReleaseCapture();
    MouseButton(1, false);
    EXPECT_TRUE(SameSequence(Without(log, L"Mouse"), {})) << "no Click";
}

TEST_F(ButtonLifetime, AButtonDestroyedWhileHoveredLeavesNoTimer) {
    ButtonSite site(form.hwnd(), L"cmdHovered");
    auto button = CreateXoButton(form.hwnd(), 7, Slot(0, 0), site, nullptr);
    const HWND window = button->hWnd();
    TickCounter ticks(window);
    MoveTo(InputForm::OnScreen(*button, kInside));
    ASSERT_TRUE(button->Model().Members().Hovering);
    ASSERT_TRUE(PumpUntil([&] { return ticks.ticks() > 0; }, kInputDeadlineMs)) << "the timer runs while hovered";
    button.reset();
    const int before = ticks.ticks();
    // Four timer periods with the pointer still where the button was.
    EXPECT_FALSE(PumpUntil([&] { return ticks.ticks() > before; }, 4 * kHoverIntervalMs));
    EXPECT_EQ(GetPropW(window, L"xo_ClassID"), nullptr);
}

// A screen reader's view of real buttons, through the system.
class ReaderTest : public FormTest {
protected:
    struct Apartment {
        Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
        ~Apartment() { CoUninitialize(); }
    };
    // The object a reader gets for the button's window.
    static Com<IAccessible> Read(const xoButtons_H& button) {
        IAccessible* accessible = nullptr;
        EXPECT_EQ(AccessibleObjectFromWindow(button.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)),
                  S_OK);
        return Com<IAccessible>(accessible);
    }
    static VARIANT Self() {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }

    Apartment apartment;
};

TEST_F(ReaderTest, AReaderGetsNameRoleAndStatesOfRealButtons) {
    xoButtons_H& command = form.Add(L"&Save||As", Slot(0, 0));
    xoButtons_H& check = form.Add(L"Tom && &Jerry", Slot(1, 0));
    check.Model().SetMode(kCheckBox);
    check.Model().SetValue(true);
    xoButtons_H& option = form.Add(L"Option", Slot(2, 0));
    option.Model().SetMode(kOptionButton);
    option.Model().SetEnabled(false);
    SetFocus(command.hWnd());
    Settle();
    struct Row {
        const xoButtons_H& button;
        const wchar_t* name;
        LONG role;
        LONG states;
        const wchar_t* action;
    };
    const Row rows[] = {
        {command, L"Save As", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE, L"Press"},
        {check, L"Tom & Jerry", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE, L"Uncheck"},
        {option, L"Option", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_UNAVAILABLE, L"Check"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const Com<IAccessible> accessible = Read(row.button);
        ASSERT_TRUE(accessible);
        BSTR name = nullptr, action = nullptr;
        VARIANT role, state;
        EXPECT_EQ(accessible.get()->get_accName(Self(), &name), S_OK);
        EXPECT_STREQ(name, row.name);
        accessible.get()->get_accRole(Self(), &role);
        EXPECT_EQ(role.lVal, row.role);
        accessible.get()->get_accState(Self(), &state);
        EXPECT_EQ(state.lVal, row.states);
        accessible.get()->get_accDefaultAction(Self(), &action);
        EXPECT_STREQ(action, row.action);
        SysFreeString(name);
        SysFreeString(action);
    }
}

// The name and state changes a listening reader is told of, for two buttons
// of this thread, as "state" or "name" and which button.
class ChangeEvents {
public:
    ChangeEvents(HWND first, HWND second) {
        windows_[0] = first;
        windows_[1] = second;
        told_.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Record,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        EXPECT_TRUE(hook_);
    }
    ChangeEvents(const ChangeEvents&) = delete;
    ChangeEvents& operator=(const ChangeEvents&) = delete;
    ~ChangeEvents() { UnhookWinEvent(hook_); }
    // What was told since the last call.
    Log Take() {
        Settle();
        return std::exchange(told_, {});
    }

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (event == EVENT_OBJECT_LOCATIONCHANGE || object != OBJID_CLIENT || child != CHILDID_SELF) return;
        for (int i = 0; i < 2; ++i)
            if (window == windows_[i])
                told_.push_back(std::wstring(event == EVENT_OBJECT_STATECHANGE ? L"state " : L"name ") +
                                LogNumber(i + 1));
    }

    HWINEVENTHOOK hook_;
    static inline HWND windows_[2];
    static inline Log told_;
};

TEST_F(ReaderTest, AReaderIsToldWhenCheckedOrPressedChangesAndWhenTheNameDoes) {
    xoButtons_H& check = form.Add(L"Check", Slot(0, 0));
    check.Model().SetMode(kCheckBox);
    xoButtons_H& command = form.Add(L"Go", Slot(1, 0));
    SetFocus(command.hWnd());
    Settle();
    ChangeEvents events(check.hWnd(), command.hWnd());
    const struct {
        const char* name;
        std::function<void()> act;
        Log told;
    } steps[] = {
        {"checked", [&] { check.Model().SetValue(true); }, {L"state 1"}},
        {"checked again", [&] { check.Model().SetValue(true); }, {}},
        {"a new caption", [&] { check.Model().SetCaption(L"Checked"); }, {L"name 1"}},
        {"space pressed on the focused button", [] { Key(VK_SPACE, true); }, {L"state 2"}},
        {"space released", [] { Key(VK_SPACE, false); }, {L"state 2"}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_TRUE(SameSequence(events.Take(), step.told)) << step.name;
    }
}

// A reader's default action clicks after its call has returned, and only
// an enabled button.
TEST_F(ReaderTest, TheDefaultActionClicksAnEnabledButtonOnceTheReaderIsDone) {
    xoButtons_H& button = form.Add(L"Go", Slot(0, 0));
    const Com<IAccessible> accessible = Read(button);
    ASSERT_TRUE(accessible);
    log.clear();
    EXPECT_EQ(accessible.get()->accDoDefaultAction(Self()), S_OK);
    EXPECT_TRUE(log.empty()) << "not inside the reader's call";
    Settle();
    EXPECT_TRUE(SameSequence(log, {L"Click"}));
    button.Model().SetEnabled(false);
    EXPECT_EQ(accessible.get()->accDoDefaultAction(Self()), E_FAIL);
    Settle();
    EXPECT_TRUE(SameSequence(log, {L"Click"})) << "no click while disabled";
}

// A reader that still holds the object of a destroyed button gets errors,
// never the dead button.
TEST_F(ReaderTest, AnObjectOutlivingItsButtonAnswersWithAnError) {
    ButtonSite site(form.hwnd(), L"cmdGone");
    auto button = CreateXoButton(form.hwnd(), 7, Slot(0, 0), site, nullptr);
    const Com<IAccessible> accessible = Read(*button);
    ASSERT_TRUE(accessible);
    button.reset();
    BSTR text = nullptr;
    EXPECT_EQ(accessible.get()->get_accName(Self(), &text), RPC_E_DISCONNECTED);
    EXPECT_EQ(accessible.get()->accDoDefaultAction(Self()), RPC_E_DISCONNECTED);
}

// A small data object: nothing in it, only counted.
class EmptyData final : public IDataObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == __uuidof(IUnknown) || iid == __uuidof(IDataObject) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

// What a host's drop handler takes from the event.
struct DropHandler final : ButtonEvents {
    void OLEDragDrop(DragData& data, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&) override {
        dropped = DataObjectOf(data);
    }
    IDataObject* dropped = nullptr;
};

// The drop target the system keeps for the window, as a drag would reach it.
TEST(ButtonDrops, ADragOverTheButtonAndADropAreRaisedInClientPixels) {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    {
        MoveTo({0, 0});
        Log log;
        DropHandler handler;
        InputForm form{log};
        xoButtons_H& button = form.Add(L"Drop here", Slot(0, 0));
        auto* target = static_cast<IDropTarget*>(GetPropW(button.hWnd(), L"OleDropTargetInterface"));
        ASSERT_TRUE(target) << "registered as a drop target";
        EmptyData data;
        const POINT at = InputForm::OnScreen(button, {12, 7});
        const POINTL screen{at.x, at.y};
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        log.clear();
        target->DragEnter(&data, MK_LBUTTON | MK_SHIFT, screen, &effect);
        target->Drop(&data, MK_RBUTTON | MK_CONTROL, screen, &effect);
        EXPECT_TRUE(SameSequence(
            log, {L"OLEDragOver 1 1 12 7 effect 3 state 0 with data", L"OLEDragDrop 2 2 12 7 effect 3 with data"}));

        // A host's drop handler gets the dragged object back from the event's Data.
        button.Model().Listen(handler);
        target->Drop(&data, MK_LBUTTON, screen, &effect);
        EXPECT_EQ(handler.dropped, &data);
    }
    OleUninitialize();
}

}  // namespace
