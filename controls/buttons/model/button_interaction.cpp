#include <cwchar>
#include <unordered_set>

#include "controls/buttons/model/button_model.h"
#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/model/option_group.h"

namespace {

// Events of a button nobody listens to.
ButtonEvents& NoListener() {
    static ButtonEvents none;
    return none;
}

// Every button alive, so that an identity read back from a window property
// is used only while its button exists.
std::unordered_set<const ButtonModel*>& LiveButtons() {
    static std::unordered_set<const ButtonModel*> live;
    return live;
}

}  // namespace

ButtonModel::ButtonModel(ButtonHost& host) : host_(host), events_(&NoListener()) { LiveButtons().insert(this); }

ButtonModel::~ButtonModel() { LiveButtons().erase(this); }

ButtonModel* ButtonModel::FromIdentity(std::uintptr_t identity) {
    auto* button = reinterpret_cast<ButtonModel*>(identity);
    return LiveButtons().contains(button) ? button : nullptr;
}

std::uintptr_t ButtonModel::ContainerWindow() const {
    return static_cast<std::uintptr_t>(std::wcstoull(window_.Tag.c_str(), nullptr, 10));
}

void ButtonModel::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    m_.LastMouseButton = button;
    if (button == kLeftButton) {
        m_.StateFlags |= kHeld;
        m_.Armed = true;
        m_.DrawingDelayed = false;
        Refresh();
        // Moves and the release come to the button even outside it.
        CaptureMouse();
    }
    events_->MouseDown(button, shift, x, y);
}

void ButtonModel::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    EnterHover(button, x, y);
    events_->MouseMove(button, shift, x, y);
}

void ButtonModel::EnterHover(std::int16_t button, float x, float y) {
    if (m_.Hovering) return;
    // Captured moves arrive from outside too; the right and bottom edges
    // count as inside.
    const ButtonSize size = ClientSize();
    if (x < 0 || y < 0 || x > size.width || y > size.height) return;
    m_.StateFlags |= kPointerOver;
    bool onButton = true;
    events_->MouseOnButton(onButton);
    Properties().Set(OwnWindow(), kClassIdProperty, Identity());
    Properties().Set(OwnWindow(), kTimerIdProperty, kHoverTimerId);
    StartHoverTimer(kHoverTimerId, kHoverIntervalMs);
    m_.Hovering = true;
    m_.DrawingDelayed = false;
    if (button == kLeftButton) m_.Armed = true;
    Refresh();
}

void ButtonModel::CheckHover(std::uint32_t timerId) {
    // A tick already on its way when hover ended must not end it twice.
    if (!m_.Hovering || PointerOverOwnWindow()) return;
    StopHoverTimer(timerId);
    m_.StateFlags &= ~kPointerOver;
    m_.Hovering = false;
    m_.DrawingDelayed = false;
    bool onButton = false;
    events_->MouseOnButton(onButton);
    m_.Armed = false;
    Refresh();
}

void ButtonModel::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    m_.Armed = false;
    if (button == kLeftButton) {
        ReleaseMouse();
        m_.StateFlags &= ~kHeld;
        m_.DrawingDelayed = false;
        // Check and option buttons are redrawn by the click step or the hover exit.
        if (m_.Mode == kCommandButton) Refresh();
    }
    events_->MouseUp(button, shift, x, y);
    m_.LastMouseButton = button;
}

void ButtonModel::Click() {
    if (m_.LastMouseButton != kLeftButton) return;
    if (m_.Mode != kCommandButton) {
        if (m_.Value && m_.Mode == kOptionButton) return;
        SetValue(!m_.Value);
    }
    events_->Click();
}

void ButtonModel::DblClick() {
    const PixelPoint at = CursorClientPosition();
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

void ButtonModel::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (IsArrowKey(keyCode)) {
        // The container moves between its controls with the arrow keys.
        PostKeyDown(ContainerWindow(), keyCode, ArrowKeyLParam(keyCode));
        keyCode = 0;
    } else if (keyCode == kKeySpace && !(m_.StateFlags & kHeld)) {
        m_.StateFlags |= kPressedIn;
        m_.Armed = true;
        Refresh();
        if (!m_.Hovering) m_.StateFlags &= ~kPointerOver;
    }
    if (keyCode != 0) events_->KeyDown(keyCode, shift);
}

void ButtonModel::KeyPress(std::int16_t keyAscii) { events_->KeyPress(keyAscii); }

void ButtonModel::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    m_.Armed = false;
    if (keyCode == kKeySpace) {
        if (m_.StateFlags & kHeld) {
            m_.LastMouseButton = kLeftButton;
            m_.StateFlags &= ~kHeld;
            if (m_.Mode != kCommandButton) {
                events_->KeyUp(keyCode, shift);
                keyCode = 0;
            } else {
                Refresh();
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

void ButtonModel::AccessKeyPress(std::int16_t keyAscii) {
    if ((keyAscii == kKeyEnter || keyAscii == kKeyEscape) && m_.Mode != kCommandButton) return;
    if (!(m_.StateFlags & kDefaultLook)) Refresh();
    m_.LastMouseButton = kLeftButton;
    Click();
}

void ButtonModel::GotFocus() {
    // Tabbing into a group with nothing checked checks the focused member.
    if (m_.Mode == kOptionButton && !m_.Value && !OptionToggle(GroupAction::AnyChecked)) {
        m_.LastMouseButton = kLeftButton;
        Click();
    }
}

void ButtonModel::LetGoOfPress() {
    if (!(m_.StateFlags & kHeld)) return;
    ReleaseMouse();
    m_.StateFlags &= ~kHeld;
    m_.Armed = false;
}

void ButtonModel::EndInteraction() {
    if (m_.Hovering) {
        StopHoverTimer(kHoverTimerId);
        m_.Hovering = false;
        m_.StateFlags &= ~kPointerOver;
    }
    LetGoOfPress();
    // Only the slots change: the other members keep their values and looks.
    if (m_.Mode == kOptionButton) LeaveGroup(Properties(), ContainerWindow(), Identity());
}

void ButtonModel::CancelPress() {
    if (!(m_.StateFlags & kHeld)) return;
    LetGoOfPress();
    m_.DrawingDelayed = false;
    Refresh();
}

void ButtonModel::OLEDragOver(IDataObject* data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x,
                              float y, std::int16_t state) {
    events_->OLEDragOver(data, effect, button, shift, x, y, state);
}

void ButtonModel::OLEDragDrop(IDataObject* data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x,
                              float y) {
    events_->OLEDragDrop(data, effect, button, shift, x, y);
}

bool ButtonModel::OptionToggle(GroupAction action) {
    const std::uintptr_t container = ContainerWindow();
    WindowProperties& properties = Properties();
    const std::vector<std::uintptr_t> members = GroupMembers(properties, container);
    if ((action == GroupAction::Join || !members.empty()) && m_.Value) {
        for (std::uintptr_t member : members) {
            ButtonModel* other = FromIdentity(member);
            if (other && other != this) other->SetValue(false);
        }
    }
    switch (action) {
    case GroupAction::Leave:
        LeaveGroup(properties, container, Identity());
        break;
    case GroupAction::Join:
        JoinGroup(properties, container, Identity());
        break;
    case GroupAction::AnyChecked:
        for (std::uintptr_t member : members) {
            const ButtonModel* button = FromIdentity(member);
            if (button && button->Value()) return true;
        }
        break;
    case GroupAction::UncheckOthers:
        break;
    }
    return false;
}
