#pragma once
#include <cstdint>

// The dragged data, as the platform's drag and drop passes it: a handle the
// window layer turns into its data object (DataObjectOf). Zero for none.
enum class DragData : std::uintptr_t {};

// What a button raises to its host. Every argument is passed by reference
// so that a handler may change it; the button reads some of them back (a
// MouseUp handler that changes Button changes which button the next click
// step sees). A host overrides only the events it wants.
class ButtonEvents {
public:
    virtual ~ButtonEvents() = default;

    virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void KeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void MouseOnButton(bool& /*OnButton*/) {}
    virtual void Click() {}
    virtual void DoubleClick(std::int16_t& /*Button*/) {}

    // Raised unchanged when the platform reports the matching drag-and-drop
    // notification for the button's window.
    virtual void OLECompleteDrag(std::int32_t& /*Effect*/) {}
    virtual void OLEDragDrop(DragData& /*Data*/, std::int32_t& /*Effect*/, std::int16_t& /*Button*/,
                             std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void OLEDragOver(DragData& /*Data*/, std::int32_t& /*Effect*/, std::int16_t& /*Button*/,
                             std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/, std::int16_t& /*State*/) {}
    virtual void OLEGiveFeedback(std::int32_t& /*Effect*/, bool& /*DefaultCursors*/) {}
    virtual void OLESetData(DragData& /*Data*/, std::int16_t& /*DataFormat*/) {}
    virtual void OLEStartDrag(DragData& /*Data*/, std::int32_t& /*AllowedEffects*/) {}
};
