#include "controls/buttons/window/form_buttons_win.h"

#include <algorithm>

#include "controls/buttons/model/interaction_codes.h"

// One button's place on the form: run mode, the form's back colour, the
// default look as the form decides it.
class FormButtons::Site final : public ButtonHost {
public:
    Site(FormButtons& form, HWND container, std::wstring name)
        : form_(form), container_(container), name_(std::move(name)) {}

    std::unique_ptr<xoButtons_H> button;  // made after its site, destroyed before it

    bool UserMode() const override { return true; }
    std::wstring DisplayName() const override { return name_; }
    Colour BackColor() const override { return form_.backColor_; }
    bool DisplayAsDefault() const override { return form_.Shown() == this; }
    std::uintptr_t ContainerWindow() const override { return reinterpret_cast<std::uintptr_t>(container_); }
    void PropertyChanged(const std::wstring&) override {}
    void ShowMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) override {
        MessageBoxW(container_, text.c_str(), title.c_str(),
                    MB_OK | (icon == MessageIcon::Critical ? MB_ICONSTOP : MB_ICONINFORMATION));
    }
    void FocusChanged(bool gained) override { form_.FocusChanged(*this, gained); }

private:
    FormButtons& form_;
    HWND container_;
    std::wstring name_;
};

FormButtons::FormButtons(Colour backColor) : backColor_(backColor) {}

FormButtons::~FormButtons() {
    // The buttons' windows go first, while the sites they tell still exist;
    // a focus they give up on the way shows on none of them.
    focused_ = default_ = cancel_ = nullptr;
    for (auto& site : sites_) site->button.reset();
}

xoButtons_H* FormButtons::Add(HWND container, int id, const RECT& bounds, const std::wstring& name,
                              const PropertyBag* bag) {
    auto site = std::make_unique<Site>(*this, container, name);
    site->button = CreateXoButton(container, id, bounds, *site, bag);
    if (!site->button) return nullptr;
    xoButtons_H* button = site->button.get();
    sites_.push_back(std::move(site));
    buttons_.push_back(button);
    return button;
}

FormButtons::Site* FormButtons::SiteOf(HWND window) const {
    for (const auto& site : sites_)
        if (window && site->button->hWnd() == window) return site.get();
    return nullptr;
}

FormButtons::Site* FormButtons::Shown() const { return focused_ ? focused_ : default_; }

// Tells the button that showed the default look before, and the one that
// shows it now, when they differ.
void FormButtons::ShowAsDefault(Site* before) {
    Site* const now = Shown();
    if (now == before) return;
    if (before) before->button->Model().AmbientChanged(L"DisplayAsDefault");
    if (now) now->button->Model().AmbientChanged(L"DisplayAsDefault");
}

void FormButtons::SetDefault(xoButtons_H* button) {
    Site* const before = Shown();
    default_ = button ? SiteOf(button->hWnd()) : nullptr;
    ShowAsDefault(before);
}

void FormButtons::SetCancel(xoButtons_H* button) { cancel_ = button ? SiteOf(button->hWnd()) : nullptr; }

void FormButtons::FocusChanged(Site& site, bool gained) {
    Site* const before = Shown();
    if (gained)
        focused_ = &site;
    else if (focused_ == &site)
        focused_ = nullptr;
    ShowAsDefault(before);
}

bool FormButtons::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == DM_GETDEFID && default_) {
        result = MAKELRESULT(GetDlgCtrlID(default_->button->hWnd()), DC_HASDEFID);
        return true;
    }
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    const HWND from = reinterpret_cast<HWND>(lp);
    // Escape names the cancel button by its id; Enter the default button, or
    // the focused one that shows the default look, by its window, or by its
    // id alone when it is not a direct child of the form.
    Site* site = nullptr;
    std::int16_t key = kKeyEnter;
    if (LOWORD(wp) == IDCANCEL && cancel_ && (!from || from == cancel_->button->hWnd())) {
        site = cancel_;
        key = kKeyEscape;
    } else if (Site* sender = SiteOf(from)) {
        site = sender;
    } else if (!from && default_ && LOWORD(wp) == GetDlgCtrlID(default_->button->hWnd())) {
        site = default_;
    }
    if (!site) return false;
    if (site->button->Model().Enabled()) site->button->Model().Interaction().AccessKeyPress(key);
    result = 0;
    return true;
}
