#include <windows.h>
#include <shellapi.h>

#include <string>

#include "gallery/gallery_state_win.h"
#include "gallery/gallery_window_win.h"
#include "platform/message_loop_win.h"

namespace {

constexpr int kUsageError = 2;

// Writes the state file, if one was asked for; a failure is shown, not fatal.
void WriteState(const GalleryWindow& gallery, const std::wstring& path) {
    if (path.empty()) return;
    if (const FileResult result = WriteGalleryState(path, gallery.Buttons()); !result)
        MessageBoxW(gallery.hwnd(), (path + L"\n" + SystemErrorText(result.error)).c_str(), kGalleryTitle,
                    MB_OK | MB_ICONSTOP);
}

}  // namespace

// gallery.exe [--state FILE]: shows the button gallery; with --state writes
// the buttons' state to FILE once shown and again on every F5.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool withState = argc == 3 && std::wstring(argv[1]) == L"--state";
    const std::wstring statePath = withState ? argv[2] : L"";
    LocalFree(argv);
    if (argc != 1 && !withState) return kUsageError;

    GalleryWindow gallery;
    if (!gallery.Show()) return 1;
    WriteState(gallery, statePath);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_F5) {
            WriteState(gallery, statePath);
            continue;
        }
        if (TranslateForDialogs(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
