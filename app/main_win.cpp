#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/settings_rules.h"
#include "app/startup_win.h"
#include "platform/files_win.h"
#include "platform/message_loop_win.h"
#include "platform/wine_fonts_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    OleInitialize(nullptr);  // the folder picker needs a single-threaded apartment
    ProvideWineTahoma();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> arguments(words, words + (words ? count : 0));
    LocalFree(words);

    MainWindowEnvironment environment;
    environment.programFolder = ProgramFolder();
    environment.settingsKey = SettingsKeyFromArguments(arguments, kSettingsKey);
    environment.onClosed = [] { PostQuitMessage(0); };
    Startup startup(environment);
    startup.Begin();

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateForDialogs(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    OleUninitialize();
    return static_cast<int>(msg.wParam);
}
