#pragma once
#include <functional>
#include <string>

#include "controls/buttons/model/button_events.h"

// Every event a button raises as one line of text: the button's caption,
// the event and its arguments, for the gallery's event log.
class EventText final : public ButtonEvents {
public:
    using Writer = std::function<void(const std::wstring& line)>;
    EventText(std::wstring caption, Writer write) : caption_(std::move(caption)), write_(std::move(write)) {}

    void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void MouseOnButton(bool& onButton) override;
    void Click() override;
    void DoubleClick(std::int16_t& button) override;
    void OLEDragOver(DragData& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y, std::int16_t& state) override;
    void OLEDragDrop(DragData& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y) override;

private:
    void Write(const std::wstring& event, std::initializer_list<double> arguments);

    std::wstring caption_;
    Writer write_;
};
