#pragma once
#include <functional>

#include "platform/handles_win.h"
#include "platform/window_win.h"

// The splash window: the product picture for three seconds, then it hands
// over to the main window and unloads itself.
class frmSplash : public Window {
public:
    static constexpr UINT kTimer1IntervalMs = 3000;

    explicit frmSplash(std::function<void()> showMain);
    ~frmSplash() override;
    void Show();

private:
    static constexpr UINT_PTR idTimer1 = 1;

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void Timer1_Timer();
    void Paint(HDC dc);

    std::function<void()> showMain_;
    Gdi<HBITMAP> image1_;
    Gdi<HFONT> label1Font_;
    int dpi_ = 96;
};
