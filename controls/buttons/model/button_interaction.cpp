#include "controls/buttons/model/button_interaction.h"

#include "controls/buttons/model/button_model.h"
#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/model/option_group.h"

namespace {

// Events of a button nobody listens to.
ButtonEvents& NoListener() {
    static ButtonEvents none;
    return none;
}

}  // namespace

ButtonInteraction::ButtonInteraction(ButtonModel& button, ButtonMembers& members, ButtonPlatform& platform)
    : button_(button), m_(members), platform_(platform), events_(&NoListener()) {}

void ButtonInteraction::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    m_.LastMouseButton = button;
    if (button == kLeftButton) {
        m_.StateFlags |= kHeld;
        m_.Armed = true;
        m_.DrawingDelayed = false;
        button_.Refresh();
        // Moves and the release come to the button even outside it.
        platform_.CaptureMouse();
    }
    events_->MouseDown(button, shift, x, y);
}

void ButtonInteraction::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    EnterHover(button, x, y);
    events_->MouseMove(button, shift, x, y);
}

void ButtonInteraction::EnterHover(std::int16_t button, float x, float y) {
    if (m_.Hovering) return;
    // Captured moves arrive from outside too; the right and bottom edges
    // count as inside.
    const ButtonSize size = platform_.ClientSize();
    if (x < 0 || y < 0 || x > size.width || y > size.height) return;
    m_.StateFlags |= kPointerOver;
    bool onButton = true;
    events_->MouseOnButton(onButton);
    platform_.Properties().Set(platform_.OwnWindow(), kClassIdProperty, button_.Identity());
    platform_.Properties().Set(platform_.OwnWindow(), kTimerIdProperty, kHoverTimerId);
    platform_.StartHoverTimer(kHoverTimerId, kHoverIntervalMs);
    m_.Hovering = true;
    m_.DrawingDelayed = false;
    if (button == kLeftButton) m_.Armed = true;
    button_.Refresh();
}

void ButtonInteraction::CheckHover(std::uint32_t timerId) {
    // A tick already on its way when hover ended must not end it twice.
    if (!m_.Hovering || platform_.PointerOverOwnWindow()) return;
    platform_.StopHoverTimer(timerId);
    m_.StateFlags &= ~kPointerOver;
    m_.Hovering = false;
    m_.DrawingDelayed = false;
    bool onButton = false;
    events_->MouseOnButton(onButton);
    m_.Armed = false;
    button_.Refresh();
}

void ButtonInteraction::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    m_.Armed = false;
    if (button == kLeftButton) {
        platform_.ReleaseMouse();
        m_.StateFlags &= ~kHeld;
        m_.DrawingDelayed = false;
        // Check and option buttons are redrawn by the click step or the hover exit.
        if (m_.Mode == kCommandButton) button_.Refresh();
    }
    events_->MouseUp(button, shift, x, y);
    m_.LastMouseButton = button;
}

void ButtonInteraction::Click() {
    if (m_.LastMouseButton != kLeftButton) return;
    if (m_.Mode != kCommandButton) {
        if (m_.Value && m_.Mode == kOptionButton) return;
        button_.SetValue(!m_.Value);
    }
    events_->Click();
}

void ButtonInteraction::DblClick() {
    const PixelPoint at = platform_.CursorClientPosition();
    const auto x = static_cast<float>(at.x), y = static_cast<float>(at.y);
    std::int16_t button = m_.LastMouseButton;
    events_->DoubleClick(button);
    // The platform reports the second press only as the double-click.
    if (m_.LastMouseButton == kLeftButton) {
        MouseDown(kLeftButton, 0, x, y);
        m_.LastMouseButton = kAfterDoubleClick;
    } else {
        std::int16_t left = kLeftButton, shift = 0;
        float px = x, py = y;
        events_->MouseDown(left, shift, px, py);
    }
}

void ButtonInteraction::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (IsArrowKey(keyCode)) {
        // The container moves between its controls with the arrow keys.
        platform_.PostKeyDown(button_.ContainerWindow(), keyCode, ArrowKeyLParam(keyCode));
        keyCode = 0;
    } else if (keyCode == kKeySpace && !(m_.StateFlags & kHeld)) {
        m_.StateFlags |= kPressedIn;
        m_.Armed = true;
        button_.Refresh();
        if (!m_.Hovering) m_.StateFlags &= ~kPointerOver;
    }
    if (keyCode != 0) events_->KeyDown(keyCode, shift);
}

void ButtonInteraction::KeyPress(std::int16_t keyAscii) { events_->KeyPress(keyAscii); }

void ButtonInteraction::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    m_.Armed = false;
    if (keyCode == kKeySpace) {
        if (m_.StateFlags & kHeld) {
            m_.LastMouseButton = kLeftButton;
            m_.StateFlags &= ~kHeld;
            if (m_.Mode != kCommandButton) {
                events_->KeyUp(keyCode, shift);
                keyCode = 0;
            } else {
                button_.Refresh();
            }
            Click();
        }
    } else if (IsArrowKey(keyCode)) {
        keyCode = 0;
        // An unchecked option button that the arrow keys reached checks itself.
        if (m_.Mode == kOptionButton && !m_.Value) {
            m_.LastMouseButton = kLeftButton;
            Click();
        }
    } else if (keyCode == kKeyShift) {
        keyCode = 0;
    }
    if (keyCode != 0) events_->KeyUp(keyCode, shift);
}

void ButtonInteraction::AccessKeyPress(std::int16_t keyAscii) {
    if ((keyAscii == kKeyEnter || keyAscii == kKeyEscape) && m_.Mode != kCommandButton) return;
    if (!(m_.StateFlags & kDefaultLook)) button_.Refresh();
    m_.LastMouseButton = kLeftButton;
    Click();
}

void ButtonInteraction::GotFocus() {
    // Tabbing into a group with nothing checked checks the focused member.
    if (m_.Mode == kOptionButton && !m_.Value && !button_.OptionToggle(GroupAction::AnyChecked)) {
        m_.LastMouseButton = kLeftButton;
        Click();
    }
}

void ButtonInteraction::LetGoOfPress() {
    if (!(m_.StateFlags & kHeld)) return;
    platform_.ReleaseMouse();
    m_.StateFlags &= ~kHeld;
    m_.Armed = false;
}

void ButtonInteraction::EndInteraction() {
    if (m_.Hovering) {
        platform_.StopHoverTimer(kHoverTimerId);
        m_.Hovering = false;
        m_.StateFlags &= ~kPointerOver;
    }
    LetGoOfPress();
    // Only the slots change: the other members keep their values and looks.
    if (m_.Mode == kOptionButton) LeaveGroup(platform_.Properties(), button_.ContainerWindow(), button_.Identity());
}

void ButtonInteraction::CancelPress() {
    if (!(m_.StateFlags & kHeld)) return;
    LetGoOfPress();
    m_.DrawingDelayed = false;
    button_.Refresh();
}

void ButtonInteraction::OLEDragOver(DragData data, std::int32_t& effect, std::int16_t button, std::int16_t shift,
                                    float x, float y, std::int16_t state) {
    events_->OLEDragOver(data, effect, button, shift, x, y, state);
}

void ButtonInteraction::OLEDragDrop(DragData data, std::int32_t& effect, std::int16_t button, std::int16_t shift,
                                    float x, float y) {
    events_->OLEDragDrop(data, effect, button, shift, x, y);
}
