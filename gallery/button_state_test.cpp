#include "gallery/button_state.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

TEST(ButtonState, FileHoldsOneObjectPerButtonInOrderWithTypedFields) {
    ButtonState held;
    held.caption = "Style 2 \xC2\xB7 pressed";
    held.screenLeft = -5;
    held.screenTop = 40;
    held.width = 104;
    held.height = 32;
    held.buttonStyle = 2;
    held.gradientColor = 0x00D66F1F;
    held.armed = true;
    held.enabled = false;
    held.captionRect = {4, 9, 100, 22};
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
    EXPECT_EQ(b["GradientColor"], "#1F6FD6");
    EXPECT_EQ(b["Armed"], true);
    EXPECT_EQ(b["Enabled"], false);
    EXPECT_EQ(b["CaptionRect"], nlohmann::json({{"Left", 4}, {"Top", 9}, {"Right", 100}, {"Bottom", 22}}));
    EXPECT_EQ(file[1]["Caption"], "Plain");
    for (const char* key : {"ButtonShape", "GradientMode", "Mode", "Value", "ShowFocusRect", "CaptionStyle",
                            "BackColor", "HoverBackColor", "ForeColor", "ContainerBackColor", "StateFlags", "Hovering",
                            "LeftSlantX", "RightSlantX", "PictureWidth", "PictureHeight", "PictureRect"})
        EXPECT_TRUE(b.contains(key)) << key;
}

}  // namespace
