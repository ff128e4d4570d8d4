#include "gallery/gallery_state_win.h"

#include "platform/text_win.h"

ButtonState ReadButtonState(const xoButtons_H& button) {
    const ButtonModel& model = button.Model();
    const ButtonMembers& m = model.Members();
    RECT client{};
    GetClientRect(button.hWnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(button.hWnd(), &origin);
    ButtonState s;
    s.caption = CodePageFromWide(m.Caption, CP_UTF8);
    s.screenLeft = origin.x;
    s.screenTop = origin.y;
    s.width = client.right;
    s.height = client.bottom;
    s.buttonStyle = m.ButtonStyle;
    s.buttonShape = m.ButtonShape;
    s.gradientMode = m.GradientMode;
    s.mode = m.Mode;
    s.value = m.Value;
    s.enabled = model.Enabled();
    s.showFocusRect = m.ShowFocusRect;
    s.captionStyle = m.CaptionStyle;
    s.backColor = model.ResolveSysColor(m.BackColor);
    s.gradientColor = model.ResolveSysColor(m.GradientColor);
    s.hoverBackColor = model.ResolveSysColor(m.HoverBackColor);
    s.foreColor = model.ResolveSysColor(model.ForeColor());
    s.containerBackColor = m.ContainerBackColor;  // resolved when the button took it from its host
    s.stateFlags = m.StateFlags;
    s.hovering = m.Hovering;
    s.armed = m.Armed;
    s.leftSlantX = m.LeftSlantX;
    s.rightSlantX = m.RightSlantX;
    s.captionRect = m.CaptionRect;
    s.pictureWidth = m.PictureWidth;
    s.pictureHeight = m.PictureHeight;
    s.pictureRect = m.PictureRect;
    return s;
}

FileResult WriteGalleryState(const std::wstring& path, const std::vector<xoButtons_H*>& buttons) {
    std::vector<ButtonState> states;
    for (const auto& button : buttons) states.push_back(ReadButtonState(*button));
    return ReplaceFileContent(path, StateFileText(states));
}
