#include "app/startup_win.h"

Startup::Startup(MainWindowEnvironment environment)
    : environment_(std::move(environment)), splash_([this] { ShowMain(); }) {}

void Startup::Begin() { splash_.Show(); }

void Startup::ShowMain() {
    main_ = std::make_unique<frmMain>(environment_);
    main_->Show();
}
