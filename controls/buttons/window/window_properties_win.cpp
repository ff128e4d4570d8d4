#include "controls/buttons/window/window_properties_win.h"

#include <windows.h>

#include <string>

namespace {

HWND AsWindow(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }

}  // namespace

std::uintptr_t WindowPropertyStore::Get(std::uintptr_t window, std::wstring_view name) const {
    return reinterpret_cast<std::uintptr_t>(GetPropW(AsWindow(window), std::wstring(name).c_str()));
}

void WindowPropertyStore::Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) {
    SetPropW(AsWindow(window), std::wstring(name).c_str(), reinterpret_cast<HANDLE>(value));
}

void WindowPropertyStore::Remove(std::uintptr_t window, std::wstring_view name) {
    RemovePropW(AsWindow(window), std::wstring(name).c_str());
}
