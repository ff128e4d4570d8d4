#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "platform/files_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_program_win.h"
#include "platform/text_win.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
// 56 styles by shapes, 32 pictures, 8 gradients, 6 modes and caption
// styles, 3 on the frame, 10 disabled, 18 captions, 40 held looks.
constexpr std::size_t kGalleryButtons = 173;
const std::string kDot = "\xC2\xB7";  // U+00B7 in UTF-8

// The gallery program, with its window once shown.
class RunningGallery {
public:
    explicit RunningGallery(const std::wstring& arguments)
        : program_(BuiltFilePath(GALLERY_EXE), arguments),
          window_(program_.WaitForWindow(L"DurnwickButtonGallery", kStartTimeoutMs)) {}

    const StartedProgram& program() const { return program_; }
    HWND window() const { return window_; }

private:
    StartedProgram program_;
    HWND window_;
};

nlohmann::json ReadState(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return nullptr;
    return nlohmann::json::parse(bytes, nullptr, false);
}

// The gallery's buttons by caption.
std::map<std::wstring, HWND> ButtonWindows(HWND gallery) {
    std::map<std::wstring, HWND> found;
    EnumChildWindows(
        gallery,
        [](HWND child, LPARAM out) {
            wchar_t className[32]{};
            GetClassNameW(child, className, static_cast<int>(std::size(className)));
            if (std::wstring(className) != L"xoButtons_H") return TRUE;
            wchar_t text[128]{};
            GetWindowTextW(child, text, static_cast<int>(std::size(text)));
            (*reinterpret_cast<std::map<std::wstring, HWND>*>(out))[text] = child;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

const nlohmann::json* ByCaption(const nlohmann::json& state, const std::string& caption) {
    for (const nlohmann::json& button : state)
        if (button["Caption"] == caption) return &button;
    return nullptr;
}

std::string ColourText(COLORREF c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// One gallery for the tests that only read it.
class GalleryState : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Away from every button, so that none of them shows the pointer over it.
        SetCursorPos(0, 0);
        folder_ = new TempFolder;
        path_ = *folder_ / L"gallery.json";
        gallery_ = new RunningGallery(L"--state \"" + path_ + L"\"");
        PumpUntil([] { return PathExists(path_); }, kStartTimeoutMs);
        state_ = ReadState(path_);
    }
    static void TearDownTestSuite() {
        delete gallery_;
        delete folder_;
    }

    static TempFolder* folder_;
    static std::wstring path_;
    static RunningGallery* gallery_;
    static nlohmann::json state_;
};

TempFolder* GalleryState::folder_ = nullptr;
std::wstring GalleryState::path_;
RunningGallery* GalleryState::gallery_ = nullptr;
nlohmann::json GalleryState::state_;

TEST_F(GalleryState, DescribesEveryButtonAtThePlaceOfItsRealWindowWithinTheScreen) {
    ASSERT_TRUE(gallery_->window());
    ASSERT_TRUE(state_.is_array()) << "no state file, or not JSON";
    EXPECT_EQ(state_.size(), kGalleryButtons);
    const std::map<std::wstring, HWND> windows = ButtonWindows(gallery_->window());
    EXPECT_EQ(windows.size(), kGalleryButtons);

    RECT frame{};
    GetWindowRect(gallery_->window(), &frame);
    EXPECT_TRUE(frame.left >= 0 && frame.top >= 0 && frame.right <= GetSystemMetrics(SM_CXSCREEN) &&
                frame.bottom <= GetSystemMetrics(SM_CYSCREEN));
    RECT client{};
    GetClientRect(gallery_->window(), &client);
    MapWindowPoints(gallery_->window(), nullptr, reinterpret_cast<POINT*>(&client), 2);

    for (const nlohmann::json& button : state_) {
        const std::string caption = button["Caption"];
        const auto window = windows.find(WideFromCodePage(caption, CP_UTF8));
        ASSERT_NE(window, windows.end()) << caption;
        RECT real{};
        GetClientRect(window->second, &real);
        MapWindowPoints(window->second, nullptr, reinterpret_cast<POINT*>(&real), 2);
        const nlohmann::json& reported = button["Client"];
        EXPECT_EQ(reported["Left"], real.left) << caption;
        EXPECT_EQ(reported["Top"], real.top) << caption;
        EXPECT_EQ(reported["Width"], real.right - real.left) << caption;
        EXPECT_EQ(reported["Height"], real.bottom - real.top) << caption;
        EXPECT_TRUE(real.left >= client.left && real.top >= client.top && real.right <= client.right &&
                    real.bottom <= client.bottom)
            << caption << " is not wholly inside the window";
    }
}

// Each row: a caption and what the file says of its button. Every style in
// every shape and every look that otherwise needs the mouse, with colours
// resolved from the system's; checkables; pictures the program carries.
TEST_F(GalleryState, ReportsWhatEachButtonWasSetTo) {
    using nlohmann::json;
    const std::string face = ColourText(GetSysColor(COLOR_BTNFACE));
    std::vector<std::pair<std::string, json>> rows;
    const std::tuple<const char*, int, int, bool, bool> looks[] = {{"default", 0, 1, false, false},
                                                                   {"pressed", 0, 6, true, true},
                                                                   {"hot", 0, 4, true, false},
                                                                   {"held outside", 0, 2, false, false},
                                                                   {"armed check", 1, 6, true, true}};
    for (int style = 0; style <= 7; ++style) {
        const std::string prefix = "Style " + std::to_string(style) + " " + kDot + " ";
        for (int shape = 0; shape <= 6; ++shape) {
            rows.push_back({prefix + "shape " + std::to_string(shape),
                            {{"ButtonStyle", style},
                             {"ButtonShape", shape},
                             {"StateFlags", 0},
                             {"BackColor", face},
                             {"ForeColor", ColourText(GetSysColor(COLOR_BTNTEXT))},
                             {"ContainerBackColor", face}}});
        }
        for (const auto& [look, mode, flags, hovering, armed] : looks)
            rows.push_back({prefix + look,
                            {{"ButtonStyle", style},
                             {"Mode", mode},
                             {"StateFlags", flags},
                             {"Hovering", hovering},
                             {"Armed", armed}}});
    }
    rows.push_back(
        {"Gradient 3",
         {{"GradientMode", 3}, {"BackColor", "#FFFFFF"}, {"GradientColor", "#1F6FD6"}, {"HoverBackColor", "#1F6FD6"}}});
    rows.push_back({"Check box " + kDot + " checked", {{"Mode", 1}, {"Value", true}, {"Enabled", true}}});
    rows.push_back({"Option " + kDot + " checked", {{"Mode", 2}, {"Value", true}, {"Enabled", true}}});
    rows.push_back({"Disabled " + kDot + " checked", {{"Mode", 1}, {"Value", true}, {"Enabled", false}}});
    rows.push_back({"Bitmap " + kDot + " size 0", {{"PictureWidth", 32}, {"PictureHeight", 32}}});
    rows.push_back({"Embossed", {{"PictureWidth", 0}}});
    for (const std::string kind : {"Icon", "Bitmap"})
        for (const std::string place : {"align 0", "align 5", "size 4"})
            rows.push_back({kind + " " + kDot + " " + place, {}});

    for (const auto& [caption, expected] : rows) {
        const json* button = ByCaption(state_, caption);
        ASSERT_TRUE(button) << caption;
        if (expected.empty()) {
            EXPECT_GT((*button)["PictureWidth"], 0) << caption << " has no picture";
            EXPECT_GT((*button)["PictureHeight"], 0) << caption << " has no picture";
        }
        for (const auto& [key, value] : expected.items()) EXPECT_EQ((*button)[key], value) << caption << ", " << key;
    }
}

TEST_F(GalleryState, F5WritesTheFileAgain) {
    ASSERT_TRUE(gallery_->window());
    ASSERT_TRUE(DeleteFileW(path_.c_str()));
    PostMessageW(gallery_->window(), WM_KEYDOWN, VK_F5, 0);
    ASSERT_TRUE(PumpUntil([] { return PathExists(path_); }, kStartTimeoutMs));
    EXPECT_EQ(ReadState(path_), state_);
}

TEST(Gallery, ClosingItsWindowEndsTheProgramCleanly) {
    RunningGallery gallery(L"");
    ASSERT_TRUE(gallery.window());
    PostMessageW(gallery.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(gallery.program().EndsWithin(kStartTimeoutMs));
    EXPECT_EQ(gallery.program().ExitCode(), 0u);
}

}  // namespace
