#pragma once
#include <memory>

#include "app/main_window_win.h"
#include "app/splash_win.h"

// The program's start: the splash, then the main window it hands over to.
class Startup {
public:
    explicit Startup(MainWindowEnvironment environment);
    void Begin();

    frmSplash& splash() { return splash_; }
    frmMain* main() { return main_.get(); }

private:
    void ShowMain();

    MainWindowEnvironment environment_;
    frmSplash splash_;
    std::unique_ptr<frmMain> main_;
};
