#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/buttons/model/property_bag.h"
#include "controls/buttons/window/xo_buttons_win.h"

// The buttons of one running form (a top-level window and the containers on
// it), and what the form does for them as a dialog does for push buttons:
// Enter clicks the default button, Escape the cancel button, and the
// focused button, or while no button has the focus the default one, shows
// the default look (DisplayAsDefault). The keys arrive through the dialog
// manager: the form's message loop passes keyboard messages to
// IsDialogMessage (TranslateForDialogs), and the form's window procedure
// lets OnMessage see its messages first.
class FormButtons {
public:
    // backColor: the form's, which its buttons take as their ambient BackColor.
    explicit FormButtons(Colour backColor = kButtonFace);
    FormButtons(const FormButtons&) = delete;
    FormButtons& operator=(const FormButtons&) = delete;
    ~FormButtons();

    // A button on container (the form or a frame on it) at bounds in the
    // container's client pixels, with its properties read from bag, or a new
    // one captioned name. Null when its window cannot be made. Ids 1 and 2
    // are the dialog manager's OK and Cancel: give buttons others.
    xoButtons_H* Add(HWND container, int id, const RECT& bounds, const std::wstring& name, const PropertyBag* bag);
    const std::vector<xoButtons_H*>& Buttons() const { return buttons_; }

    // Either may be none; each is one of this form's buttons.
    void SetDefault(xoButtons_H* button);
    void SetCancel(xoButtons_H* button);

    // DM_GETDEFID, and the dialog manager's commands for Enter and Escape:
    // true when the message was the buttons', with the result to answer.
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

private:
    class Site;
    Site* Shown() const;
    void ShowAsDefault(Site* before);
    void FocusChanged(Site& site, bool gained);
    Site* SiteOf(HWND window) const;

    const Colour backColor_;
    std::vector<std::unique_ptr<Site>> sites_;
    std::vector<xoButtons_H*> buttons_;
    Site* focused_ = nullptr;
    Site* default_ = nullptr;
    Site* cancel_ = nullptr;
};
