#include "gallery/button_state.h"

#include <cstdio>

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;  // keeps the fields in the order written

Json RectJson(const ButtonRect& r) {
    return {{"Left", r.left}, {"Top", r.top}, {"Right", r.right}, {"Bottom", r.bottom}};
}

Json ToJson(const ButtonState& s) {
    return {
        {"Caption", s.caption},
        {"Client", {{"Left", s.screenLeft}, {"Top", s.screenTop}, {"Width", s.width}, {"Height", s.height}}},
        {"ButtonStyle", s.buttonStyle},
        {"ButtonShape", s.buttonShape},
        {"GradientMode", s.gradientMode},
        {"Mode", s.mode},
        {"Value", s.value},
        {"Enabled", s.enabled},
        {"ShowFocusRect", s.showFocusRect},
        {"CaptionStyle", s.captionStyle},
        {"BackColor", ColourText(s.backColor)},
        {"GradientColor", ColourText(s.gradientColor)},
        {"HoverBackColor", ColourText(s.hoverBackColor)},
        {"ForeColor", ColourText(s.foreColor)},
        {"ContainerBackColor", ColourText(s.containerBackColor)},
        {"StateFlags", s.stateFlags},
        {"Hovering", s.hovering},
        {"Armed", s.armed},
        {"LeftSlantX", s.leftSlantX},
        {"RightSlantX", s.rightSlantX},
        {"CaptionRect", RectJson(s.captionRect)},
        {"PictureWidth", s.pictureWidth},
        {"PictureHeight", s.pictureHeight},
        {"PictureRect", RectJson(s.pictureRect)},
    };
}

}  // namespace

std::string ColourText(Colour rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    return text;
}

std::string StateFileText(const std::vector<ButtonState>& states) {
    Json array = Json::array();
    for (const ButtonState& state : states) array.push_back(ToJson(state));
    return array.dump(2) + "\n";
}
