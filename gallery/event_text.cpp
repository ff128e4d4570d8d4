#include "gallery/event_text.h"

#include <cwchar>

void EventText::Write(const std::wstring& event, std::initializer_list<double> arguments) {
    std::wstring line = caption_ + L": " + event;
    const wchar_t* separator = L"(";
    for (double argument : arguments) {
        wchar_t number[32];
        std::swprintf(number, std::size(number), L"%g", argument);
        line += separator;
        line += number;
        separator = L", ";
    }
    if (arguments.size() > 0) line += L")";
    write_(line);
}

void EventText::MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    Write(L"MouseDown", {double(button), double(shift), x, y});
}
void EventText::MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    Write(L"MouseUp", {double(button), double(shift), x, y});
}
void EventText::MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    Write(L"MouseMove", {double(button), double(shift), x, y});
}
void EventText::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    Write(L"KeyDown", {double(keyCode), double(shift)});
}
void EventText::KeyPress(std::int16_t& keyAscii) { Write(L"KeyPress", {double(keyAscii)}); }
void EventText::KeyUp(std::int16_t& keyCode, std::int16_t& shift) { Write(L"KeyUp", {double(keyCode), double(shift)}); }
void EventText::MouseOnButton(bool& onButton) {
    write_(caption_ + L": MouseOnButton(" + (onButton ? L"True)" : L"False)"));
}
void EventText::Click() { Write(L"Click", {}); }
void EventText::DoubleClick(std::int16_t& button) { Write(L"DoubleClick", {double(button)}); }
void EventText::OLEDragOver(DragData&, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                            float& y, std::int16_t& state) {
    Write(L"OLEDragOver", {double(effect), double(button), double(shift), x, y, double(state)});
}
void EventText::OLEDragDrop(DragData&, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                            float& y) {
    Write(L"OLEDragDrop", {double(effect), double(button), double(shift), x, y});
}
