// A button's life as the window properties see it: the identity they name
// it by is used only while the button lives.
#include <unordered_set>

#include "controls/buttons/model/button_model.h"

namespace {

// Every button alive, so that an identity read back from a window property
// is used only while its button exists.
std::unordered_set<const ButtonModel*>& LiveButtons() {
    static std::unordered_set<const ButtonModel*> live;
    return live;
}

}  // namespace

ButtonModel::ButtonModel(ButtonHost& host, ButtonPlatform& platform) : host_(host), platform_(platform) {
    LiveButtons().insert(this);
}

ButtonModel::~ButtonModel() { LiveButtons().erase(this); }

ButtonModel* ButtonModel::FromIdentity(std::uintptr_t identity) {
    auto* button = reinterpret_cast<ButtonModel*>(identity);
    return LiveButtons().contains(button) ? button : nullptr;
}
