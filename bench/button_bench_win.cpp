// Times the redraw of one owner-drawn button, case by case, on a visible
// window: Refresh alone (composing the image) and Refresh followed by the
// paint that puts it on screen. Prints the median and the spread of each.
//
//   button_bench

#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/timing_summary.h"
#include "controls/buttons/window/button_site_win.h"
#include "controls/buttons/window/xo_buttons_win.h"
#include "platform/message_loop_win.h"
#include "platform/window_win.h"

namespace {

constexpr int kStageWidth = 420;
constexpr int kStageHeight = 320;
constexpr int kWarmUp = 50;
constexpr int kSmallIterations = 2000;
constexpr int kLargeIterations = 300;
constexpr double kSmallTargetMs = 0.2;
constexpr double kLargeTargetMs = 2.0;
constexpr double kPictureTargetMs = 0.3;
constexpr double kEmbossTargetMs = 0.6;
// A light face and a strong blue, as in the gallery.
constexpr Colour kGradientFace = 0xFFFFFF;
constexpr Colour kGradientBlue = 0xD66F1F;

struct BenchCase {
    std::string name;
    int width, height;
    int iterations;
    double targetMs;
    std::function<void(ButtonModel&)> setup;
};

std::function<void(ButtonModel&)> StyleAndGradient(int style, int gradientMode) {
    return [=](ButtonModel& button) {
        button.SetButtonStyle(style);
        button.SetGradientColor(kGradientBlue);
        button.SetGradientMode(gradientMode);
        button.SetBackColor(gradientMode ? kGradientFace : kButtonFace);
    };
}

// A caption and a 16-pixel picture beside it; disabled, the picture is
// embossed.
std::function<void(ButtonModel&)> CaptionAndPicture(PictureKind kind, const wchar_t* resource, bool enabled) {
    return [=](ButtonModel& button) {
        button.SetCaption(L"&Save");
        button.SetPicture(PictureValue{kind, PictureOrigin::Resource, resource});
        button.SetPictureAlign(kPictureLeftOfCaption);
        button.SetEnabled(enabled);
    };
}

// One row per case; each sets its button up from a new instance.
std::vector<BenchCase> Cases() {
    std::vector<BenchCase> cases;
    for (int style = 0; style <= kLastStyle; ++style)
        for (int gradient : {0, 3})
            cases.push_back({"104 x 32, style " + std::to_string(style) + ", gradient " + std::to_string(gradient), 104,
                             32, kSmallIterations, kSmallTargetMs, StyleAndGradient(style, gradient)});
    cases.push_back(
        {"400 x 300, style 0, gradient 3", 400, 300, kLargeIterations, kLargeTargetMs, StyleAndGradient(0, 3)});
    cases.push_back({"104 x 32, caption and icon", 104, 32, kSmallIterations, kPictureTargetMs,
                     CaptionAndPicture(PictureKind::Icon, L"BENCH_ICON", true)});
    cases.push_back({"104 x 32, disabled, bitmap", 104, 32, kSmallIterations, kEmbossTargetMs,
                     CaptionAndPicture(PictureKind::Bitmap, L"BENCH_BITMAP", false)});
    return cases;
}

// The visible window the measured button sits on.
class Stage final : public Window {
public:
    ~Stage() override { DestroyOwnWindow(); }
    [[nodiscard]] bool Show() {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickButtonBench";
        descriptor.background = GetSysColorBrush(COLOR_BTNFACE);
        descriptor.title = L"Button bench";
        descriptor.style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE;
        descriptor.bounds = {0, 0, kStageWidth, kStageHeight};
        return CreateOwnWindow(descriptor);
    }
};

class Stopwatch {
public:
    Stopwatch() {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        msPerTick_ = 1000.0 / static_cast<double>(frequency.QuadPart);
    }
    template <typename F>
    double Milliseconds(F&& work) const {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        return static_cast<double>(end.QuadPart - start.QuadPart) * msPerTick_;
    }

private:
    double msPerTick_;
};

struct Result {
    TimingSummary refresh, painted;
};

Result Measure(HWND stage, ButtonHost& host, const BenchCase& c) {
    const RECT bounds{0, 0, c.width, c.height};
    std::unique_ptr<xoButtons_H> button = CreateXoButton(stage, 1, bounds, host, nullptr);
    if (!button) return {};
    c.setup(button->Model());
    DoEvents();
    const Stopwatch watch;
    const auto refresh = [&] { button->Model().Refresh(); };
    const auto refreshAndPaint = [&] {
        button->Model().Refresh();
        UpdateWindow(button->hWnd());
    };
    for (int i = 0; i < kWarmUp; ++i) refreshAndPaint();
    std::vector<double> refreshTimes, paintedTimes;
    for (int i = 0; i < c.iterations; ++i) {
        refreshTimes.push_back(watch.Milliseconds(refresh));
        paintedTimes.push_back(watch.Milliseconds(refreshAndPaint));
    }
    return {Summarise(refreshTimes), Summarise(paintedTimes)};
}

// "p10-p90" of a summary, in milliseconds.
std::string Spread(const TimingSummary& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f-%.4f", t.p10, t.p90);
    return text;
}

}  // namespace

int wmain() {
    Stage stage;
    if (!stage.Show()) return 1;
    ButtonSite host(stage.hwnd(), L"bench");
    std::printf("%-32s | %-27s | %-36s | %s\n", "", "Refresh, ms", "Refresh + paint, ms", "target met");
    std::printf("%-32s | %9s %-17s | %9s %-17s %8s | %s\n", "case", "median", "  p10-p90", "median", "  p10-p90", "max",
                "(median, ms)");
    const auto verdict = [](double median, double target) { return median <= target ? "yes" : "NO"; };
    for (const BenchCase& c : Cases()) {
        const Result r = Measure(stage.hwnd(), host, c);
        std::printf("%-32s | %9.4f %-17s | %9.4f %-17s %8.3f | %.1f: %s, %s with paint\n", c.name.c_str(),
                    r.refresh.median, ("  " + Spread(r.refresh)).c_str(), r.painted.median,
                    ("  " + Spread(r.painted)).c_str(), r.painted.max, c.targetMs,
                    verdict(r.refresh.median, c.targetMs), verdict(r.painted.median, c.targetMs));
        std::fflush(stdout);
    }
    return 0;
}
