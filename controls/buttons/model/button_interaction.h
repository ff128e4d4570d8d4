#pragma once
#include <cstdint>

#include "controls/buttons/model/button_events.h"
#include "controls/buttons/model/button_members.h"
#include "controls/buttons/model/button_platform.h"

class ButtonModel;

// The button's reactions to mouse, keyboard, focus and hover, and the
// events they raise. It works on the members its model keeps (StateFlags,
// Hovering, Armed, LastMouseButton, DrawingDelayed) and checks check and
// option buttons through the model's Value, so every setter's side effects
// and notifications stay the model's.
class ButtonInteraction {
public:
    ButtonInteraction(ButtonModel& button, ButtonMembers& members, ButtonPlatform& platform);
    ButtonInteraction(const ButtonInteraction&) = delete;
    ButtonInteraction& operator=(const ButtonInteraction&) = delete;

    // The events go to listener from now on; it must outlive the button.
    void Listen(ButtonEvents& listener) { events_ = &listener; }

    // Input from the host. Coordinates are client pixels; Button and Shift
    // are sums of the mouse buttons and of Shift 1, Ctrl 2, Alt 4.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void Click();  // after a press and release over the button; also the click step of the other handlers
    void DblClick();
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void KeyPress(std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void AccessKeyPress(std::int16_t keyAscii);  // also Enter on the default and Escape on the cancel button
    void GotFocus();
    // A tick of the hover timer: ends hover once the pointer is over another
    // window.
    void CheckHover(std::uint32_t timerId);
    // Before the window goes: stops hover tracking, lets go of the mouse and
    // leaves the option group, so no timer or slot names a dead button.
    void EndInteraction();
    // A press that will see no release here: the mouse capture was taken
    // away, or the focus left while the space bar held the button. The
    // button is let go of without a click.
    void CancelPress();
    // A held button lets go of the mouse, with no redraw and no click: what
    // disabling the button does.
    void LetGoOfPress();

    // Drag and drop over the button's window, raised as the platform reports
    // it. State is 0 when the drag enters, 1 when it leaves, 2 as it moves.
    void OLEDragOver(DragData data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x, float y,
                     std::int16_t state);
    void OLEDragDrop(DragData data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x, float y);

private:
    void EnterHover(std::int16_t button, float x, float y);

    ButtonModel& button_;
    ButtonMembers& m_;
    ButtonPlatform& platform_;
    ButtonEvents* events_;
};
