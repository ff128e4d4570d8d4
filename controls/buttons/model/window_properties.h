#pragma once
#include <cstdint>
#include <string_view>

// Named handle-sized values attached to windows: how option buttons of one
// container find each other, and how the hover timer finds its button.
class WindowProperties {
public:
    virtual ~WindowProperties() = default;

    // 0 when the window has no value under name.
    virtual std::uintptr_t Get(std::uintptr_t window, std::wstring_view name) const = 0;
    virtual void Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) = 0;
    virtual void Remove(std::uintptr_t window, std::wstring_view name) = 0;
};
