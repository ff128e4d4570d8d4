#pragma once
#include <cstdint>
#include <string>

#include "controls/buttons/model/colour.h"

enum class MessageIcon { Information, Critical };

// What the form that holds a button provides to it: the ambient values,
// the container, the change notification and a modal message box.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    virtual bool UserMode() const = 0;  // False while the form is being designed
    virtual std::wstring DisplayName() const = 0;
    virtual Colour BackColor() const = 0;
    virtual bool DisplayAsDefault() const = 0;
    virtual std::uintptr_t ContainerWindow() const = 0;

    // The persisted value under key has changed.
    virtual void PropertyChanged(const std::wstring& key) = 0;
    // The button gained or lost the keyboard focus; a form that shows its
    // focused button as the default one changes DisplayAsDefault here.
    virtual void FocusChanged(bool /*gained*/) {}
    virtual void ShowMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) = 0;
};
