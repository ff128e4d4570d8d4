// What a real button raises for real mouse and keyboard input: each row a
// table of input steps and the exact events expected, in order.
#include <gtest/gtest.h>

#include <vector>

#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/buttons/testing/test_window_win.h"

namespace {

constexpr RECT kButtonBounds{20, 20, 124, 52};  // 104 x 32 on the form
constexpr POINT kInside{30, 15}, kOutside{200, 100};

constexpr RECT kOtherBounds{20, 200, 124, 232};

// A form of its own for each row, with the pointer away from it.
struct Stage {
    Stage() { MoveTo({0, 0}); }
    Log log, otherLog;
    InputForm form{log};
    xoButtons_H& button = form.Add(L"&Go", kButtonBounds);
    xoButtons_H& other = form.Add(L"Other", kOtherBounds, nullptr, &otherLog);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 200, 100, 20, form.hwnd(),
                                nullptr, nullptr, nullptr);
    std::optional<TestWindow> popUp;
};

using Step = std::function<void(Stage&)>;

// The pointer to a point of the button's client area, inside it or not.
Step MoveOver(POINT client) {
    return [=](Stage& t) { MoveTo(InputForm::OnScreen(t.button, client)); };
}
const Step MoveInside = MoveOver(kInside);
const Step MoveOutside = MoveOver(kOutside);
Step Mouse(std::int16_t button, bool down) {
    return [=](Stage&) { MouseButton(button, down); };
}
Step Click(std::int16_t button) {
    return [=](Stage&) {
        MouseButton(button, true);
        MouseButton(button, false);
    };
}
Step Press(WORD key, bool down) {
    return [=](Stage&) { Key(key, down); };
}
Step Type(WORD key) {
    return [=](Stage&) { Tap(key); };
}
const Step FocusButton = [](Stage& t) {
    SetFocus(t.button.hWnd());
    Settle();
};
// Lets the hover timer find the pointer elsewhere.
const Step HoverEnds = [](Stage& t) {
    EXPECT_TRUE(PumpUntil([&] { return !t.button.Model().Members().Hovering; }, kInputDeadlineMs)) << "hover ends";
};
// Writes what the renderers would draw from into the log.
const Step Look = [](Stage& t) {
    const ButtonMembers& m = t.button.Model().Members();
    t.log.push_back(L"look " + LogNumber(m.StateFlags) + (m.Armed ? L" armed" : L"") + (m.Value ? L" checked" : L""));
};
const Step FocusOther = [](Stage& t) {
    SetFocus(t.other.hWnd());
    Settle();
};
const Step DefaultButton = [](Stage& t) { t.form.buttons->SetDefault(&t.button); };
const Step OtherOptionChecked = [](Stage& t) {
    t.other.Model().SetMode(kOptionButton);
    t.other.Model().SetValue(true);
};
const Step CancelButton = [](Stage& t) { t.form.buttons->SetCancel(&t.button); };
const Step FocusEdit = [](Stage& t) {
    SetFocus(t.edit);
    Settle();
};
// What the other button raised, into the log.
const Step OtherRaised = [](Stage& t) {
    for (const std::wstring& entry : t.otherLog) t.log.push_back(L"other: " + entry);
    t.otherLog.clear();
};
// A window appears over the button, the pointer still.
const Step PopUpOver = [](Stage& t) {
    RECT r{};
    GetWindowRect(t.button.hWnd(), &r);
    t.popUp.emplace(RECT{r.left, r.top, r.left + 200, r.top + 100});
};
Step Setup(std::function<void(xoButtons_H&)> change) {
    return [=](Stage& t) {
        change(t.button);
        Settle();
    };
}
Step Mode(std::int32_t mode, bool value = false) {
    return Setup([=](xoButtons_H& b) {
        b.Model().SetMode(mode);
        b.Model().SetValue(value);
    });
}

struct Row {
    const char* name;
    std::vector<Step> before;  // not logged
    std::vector<Step> steps;
    Log expected;
    bool withMoves = false;  // MouseMove is raised for every move; most rows leave it out
};

const std::wstring kAt = L" 0 30 15";  // Shift and the inside point

void RunRow(const Row& row) {
    SCOPED_TRACE(row.name);
    Stage stage;
    for (const Step& step : row.before) step(stage);
    Settle();
    stage.log.clear();
    for (const Step& step : row.steps) step(stage);
    const Log actual = row.withMoves ? stage.log : Without(stage.log, L"MouseMove");
    EXPECT_TRUE(SameSequence(actual, row.expected));
}

TEST(ButtonInput, MouseAndKeyboardRaiseTheEventsInOrder) {
    // Bit 1 of the looks: the focused button shows the default look.
    const std::wstring at2 = L" 0 70 20";  // a second point, too far off for a double-click
    // clang-format off
    const Row rows[] = {
        {"left click", {MoveInside}, {Mouse(1, true), Look, Mouse(1, false), Look},
         {L"MouseDown 1" + kAt, L"look 7 armed", L"MouseUp 1" + kAt, L"Click", L"look 5"}},
        {"right click: no Click, no pressed look", {MoveInside}, {Mouse(2, true), Look, Mouse(2, false)},
         {L"MouseDown 2" + kAt, L"look 4", L"MouseUp 2" + kAt}},
        {"left press dragged off and released outside",
         {MoveInside},
         {Mouse(1, true), MoveOutside, HoverEnds, Look, Mouse(1, false)},
         {L"MouseDown 1" + kAt, L"MouseMove 1 0 200 100", L"MouseOnButton False", L"look 3",
          L"MouseUp 1 0 200 100"},
         true},
        {"left press dragged off and back: the pressed look goes and comes back",
         {MoveInside},
         {Mouse(1, true), MoveOutside, HoverEnds, Look, MoveInside, Look, Mouse(1, false)},
         {L"MouseDown 1" + kAt, L"MouseOnButton False", L"look 3", L"MouseOnButton True", L"look 7 armed",
          L"MouseUp 1" + kAt, L"Click"}},
        {"left double-click", {MoveInside}, {Click(1), Click(1)},
         {L"MouseDown 1" + kAt, L"MouseUp 1" + kAt, L"Click", L"DoubleClick 1", L"MouseDown 1" + kAt,
          L"MouseUp 1" + kAt}},
        {"check box clicked twice", {Mode(kCheckBox), MoveInside}, {Click(1), Look, MoveOver({70, 20}), Click(1), Look},
         {L"MouseDown 1" + kAt, L"MouseUp 1" + kAt, L"Click", L"look 5 checked", L"MouseDown 1" + at2,
          L"MouseUp 1" + at2, L"Click", L"look 5"}},
        {"check box double-clicked: checked once", {Mode(kCheckBox), MoveInside}, {Click(1), Click(1), Look},
         {L"MouseDown 1" + kAt, L"MouseUp 1" + kAt, L"Click", L"DoubleClick 1", L"MouseDown 1" + kAt,
          L"MouseUp 1" + kAt, L"look 5 checked"}},
        {"checked option button clicked again", {Mode(kOptionButton, true), MoveInside}, {Click(1), Look},
         {L"MouseDown 1" + kAt, L"MouseUp 1" + kAt, L"look 5 checked"}},
        {"space on a hovered command button keeps the pointer look", {MoveInside, FocusButton},
         {Press(VK_SPACE, true), Look, Press(VK_SPACE, false)},
         {L"KeyDown 32 0", L"KeyPress 32", L"look 7 armed", L"Click", L"KeyUp 32 0"}},
        {"space on a check box", {Mode(kCheckBox), FocusButton}, {Type(VK_SPACE), Look},
         {L"KeyDown 32 0", L"KeyPress 32", L"KeyUp 32 0", L"Click", L"look 1 checked"}},
        {"space while the mouse holds the button off it starts no second press", {MoveInside},
         {Mouse(1, true), MoveOutside, HoverEnds, Press(VK_SPACE, true), Look, Mouse(1, false), Press(VK_SPACE, false)},
         {L"MouseDown 1" + kAt, L"MouseOnButton False", L"KeyDown 32 0", L"KeyPress 32", L"look 3",
          L"MouseUp 1 0 200 100", L"KeyUp 32 0"}},
        {"auto-repeated space", {FocusButton},
         {Press(VK_SPACE, true), Press(VK_SPACE, true), Press(VK_SPACE, true), Press(VK_SPACE, false)},
         {L"KeyDown 32 0", L"KeyPress 32", L"KeyDown 32 0", L"KeyPress 32", L"KeyDown 32 0", L"KeyPress 32", L"Click",
          L"KeyUp 32 0"}},
        {"arrow keys go to the container", {FocusButton}, {Type(VK_RIGHT), Type(VK_DOWN), Type(VK_LEFT), Type(VK_UP)},
         {L"container key-down 39 0x004D0001", L"container key-down 40 0x00500001",
          L"container key-down 37 0x004B0001", L"container key-down 38 0x00480001"}},
        {"Enter on the focused command button", {FocusButton}, {Type(VK_RETURN)}, {L"Click", L"KeyUp 13 0"}},
        {"Enter on the focused check box", {Mode(kCheckBox), FocusButton}, {Type(VK_RETURN), Look},
         {L"KeyUp 13 0", L"look 1"}},
        {"Enter with the focus elsewhere goes to the default button", {DefaultButton, FocusEdit}, {Type(VK_RETURN)},
         {L"Click"}},
        {"Enter on another command button clicks that one", {DefaultButton, FocusOther},
         {Type(VK_RETURN), OtherRaised}, {L"other: Click", L"other: KeyUp 13 0"}},
        {"Escape goes to the cancel button", {CancelButton, FocusEdit}, {Type(VK_ESCAPE)}, {L"Click"}},
        // Bit 1 of the looks also marks the default button while no button has the focus.
        {"the default look goes to the focused button and back to the default one", {DefaultButton},
         {FocusOther, Look, FocusEdit, Look}, {L"look 0", L"look 1"}},
        // Tab from the text box wraps round to the button: an option that
        // checks itself only when nothing in its group is checked.
        {"Tab into an option group with nothing checked", {Mode(kOptionButton), FocusEdit}, {Type(VK_TAB)},
         {L"Click", L"KeyUp 9 0"}},
        {"Tab into an option group with another member checked", {Mode(kOptionButton), OtherOptionChecked, FocusEdit},
         {Type(VK_TAB)}, {L"KeyUp 9 0"}},
        // The access key also gives the button the focus, which then takes
        // the key's release.
        {"Alt and the access key", {FocusOther}, {Press(VK_MENU, true), Type('G'), Press(VK_MENU, false)},
         {L"Click", L"KeyUp 18 0"}},
        {"the access key alone, the focus on another button", {FocusOther}, {Type('G'), OtherRaised},
         {L"Click", L"KeyUp 71 0", L"other: KeyDown 71 0"}},
        {"the access key typed into a text box is text", {FocusEdit}, {Type('G')}, {}},
        {"many moves, one MouseOnButton each way", {},
         {MoveInside, MoveOver({40, 16}), MoveOver({50, 17}), MoveOutside, HoverEnds},
         {L"MouseOnButton True", L"MouseMove 0 0 30 15", L"MouseMove 0 0 40 16", L"MouseMove 0 0 50 17",
          L"MouseOnButton False"},
         true},
        {"a window popping up over a hovered button", {MoveInside}, {PopUpOver, HoverEnds}, {L"MouseOnButton False"}},
    };
    // clang-format on
    for (const Row& row : rows) RunRow(row);
}

}  // namespace
