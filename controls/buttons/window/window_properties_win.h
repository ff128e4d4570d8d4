#pragma once
#include "controls/buttons/model/window_properties.h"

// Window properties as the system keeps them (SetPropW and its kin): the
// values live on the window and go with it.
class WindowPropertyStore final : public WindowProperties {
public:
    std::uintptr_t Get(std::uintptr_t window, std::wstring_view name) const override;
    void Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) override;
    void Remove(std::uintptr_t window, std::wstring_view name) override;
};
