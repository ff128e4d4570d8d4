#include "platform/wine_fonts_win.h"

#include <windows.h>

#include <string_view>

#include "platform/handles_win.h"

namespace {

constexpr wchar_t kFontSubstitutes[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
constexpr std::wstring_view kNtPathPrefix = L"\\??\\";

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// Whether a font of that face is installed, or added by this process.
// Enumerating creates no font, so GDI caches no fallback for the name.
bool Installed(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    WindowDC screen(nullptr);
    bool found = false;
    EnumFontFamiliesExW(
        screen.get(), &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring Substitute(const std::wstring& face) {
    wchar_t value[LF_FACESIZE * 2] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kFontSubstitutes, face.c_str(), RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS)
        return {};
    // "Tahoma,0" names a character set after the comma.
    std::wstring substitute = value;
    return substitute.substr(0, substitute.find(L','));
}

}  // namespace

void ProvideWineTahoma() {
    // Wine tells its own programs where its data lives.
    std::wstring dataFolder = EnvironmentValue(L"WINEDATADIR");
    if (dataFolder.empty() || Installed(L"Tahoma")) return;
    if (dataFolder.starts_with(kNtPathPrefix)) dataFolder.erase(0, kNtPathPrefix.size());
    for (const wchar_t* file : {L"\\fonts\\tahoma.ttf", L"\\fonts\\tahomabd.ttf"})
        AddFontResourceExW((dataFolder + file).c_str(), FR_PRIVATE, nullptr);
}

std::wstring InstalledFace(const std::wstring& face) {
    const std::wstring substitute = Substitute(face);
    return !substitute.empty() && Installed(substitute) ? substitute : face;
}
