#include "gallery/button_state.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

TEST(ButtonState, ColoursAreWrittenRedFirstFromTheirStoredBlueFirstLayout) {
    EXPECT_EQ(ColourText(0x00D66F1F), "#1F6FD6");
    EXPECT_EQ(ColourText(0x000000FF), "#FF0000");
    EXPECT_EQ(ColourText(0x00FFFFFF), "#FFFFFF");
    EXPECT_EQ(ColourText(0), "#000000");
}

TEST(ButtonState, FileHoldsOneObjectPerButtonInOrderWithTypedFields) {
    ButtonState held;
    held.caption = "Style 2 \xC2\xB7 pressed";
    held.screenLeft = -5;
    held.screenTop = 40;
    held.width = 104;
    held.height = 32;
    held.buttonStyle = 2;
    held.buttonShape = 3;
    held.gradientColor = 0x00D66F1F;
    held.stateFlags = 6;
    held.hovering = true;
    held.armed = true;
    held.enabled = false;
    held.leftSlantX = 33;
    held.rightSlantX = 71;
    held.captionRect = {4, 9, 100, 22};
    held.pictureWidth = 24;
    held.pictureHeight = 16;
    held.pictureRect = {1, 2, 3, 4};
    ButtonState plain;
    plain.caption = "Plain";

    const std::string text = StateFileText({held, plain});
    EXPECT_NE(text.find("Style 2 \xC2\xB7 pressed"), std::string::npos) << "the caption is raw UTF-8";
    const nlohmann::json file = nlohmann::json::parse(text);
    ASSERT_TRUE(file.is_array());
    ASSERT_EQ(file.size(), 2u);
    const nlohmann::json& b = file[0];
    EXPECT_EQ(b["Caption"], held.caption);
    EXPECT_EQ(b["Client"], nlohmann::json({{"Left", -5}, {"Top", 40}, {"Width", 104}, {"Height", 32}}));
    EXPECT_EQ(b["ButtonStyle"], 2);
    EXPECT_EQ(b["ButtonShape"], 3);
    EXPECT_EQ(b["GradientColor"], "#1F6FD6");
    EXPECT_EQ(b["StateFlags"], 6);
    EXPECT_EQ(b["Hovering"], true);
    EXPECT_EQ(b["Armed"], true);
    EXPECT_EQ(b["Enabled"], false);
    EXPECT_EQ(b["LeftSlantX"], 33);
    EXPECT_EQ(b["RightSlantX"], 71);
    EXPECT_EQ(b["CaptionRect"], nlohmann::json({{"Left", 4}, {"Top", 9}, {"Right", 100}, {"Bottom", 22}}));
    EXPECT_EQ(b["PictureWidth"], 24);
    EXPECT_EQ(b["PictureHeight"], 16);
    EXPECT_EQ(b["PictureRect"], nlohmann::json({{"Left", 1}, {"Top", 2}, {"Right", 3}, {"Bottom", 4}}));
    EXPECT_EQ(file[1]["Caption"], "Plain");
    for (const char* key : {"GradientMode", "Mode", "Value", "ShowFocusRect", "CaptionStyle", "BackColor",
                            "HoverBackColor", "ForeColor", "ContainerBackColor"})
        EXPECT_TRUE(b.contains(key)) << key;
}

}  // namespace
