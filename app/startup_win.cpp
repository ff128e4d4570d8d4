#include "app/startup_win.h"

#include "platform/files_win.h"

Startup::Startup(MainWindowEnvironment environment)
    : environment_(std::move(environment)), splash_([this] { ShowMain(); }) {}

void Startup::Begin() { splash_.Show(); }

void Startup::ShowMain() {
    main_ = std::make_unique<frmMain>(environment_);
    if (main_->Show()) return;
    const std::wstring text = L"The main window could not be opened:\n" + SystemErrorText(GetLastError());
    MessageBoxW(nullptr, text.c_str(), L"Durnwick", MB_OK | MB_ICONERROR);
    if (environment_.onClosed) environment_.onClosed();
}
