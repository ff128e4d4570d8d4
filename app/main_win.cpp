#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/instance_lock_win.h"
#include "app/run_once_win.h"
#include "app/run_texts.h"
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

    const ParsedCommandLine parsed = ParseCommandLine(arguments, kSettingsKey);
    if (!parsed.request) {
        // Nobody is there to close a message box under --run-once.
        if (!parsed.unattended) {
            const std::wstring text = parsed.usageError + L"\n\n" + UsageText();
            MessageBoxW(nullptr, text.c_str(), L"Durnwick", MB_OK | MB_ICONERROR);
        }
        return kExitUsageError;
    }
    const CommandLineRequest& request = *parsed.request;
    if (request.help) {
        MessageBoxW(nullptr, UsageText().c_str(), L"Durnwick", MB_OK | MB_ICONINFORMATION);
        return kExitAllSucceeded;
    }
    if (request.runOnce) {
        const int code = RunOnce(ProgramFolder(), request.settingsKey, request.listFile).Run();
        OleUninitialize();
        return code;
    }
    if (ArmedElsewhere(ProgramFolder())) {
        MessageBoxW(nullptr, kArmedElsewhereText, L"Durnwick", MB_OK | MB_ICONERROR);
        return kExitArmedElsewhere;
    }

    MainWindowEnvironment environment;
    environment.programFolder = ProgramFolder();
    environment.settingsKey = request.settingsKey;
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
