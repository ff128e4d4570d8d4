#pragma once
// Test support: the small icon, cursor and bitmap linked into the test
// program, written out as files.
#include <windows.h>

#include <string>

#include "platform/files_win.h"

inline std::wstring ExtractTestPicture(const TempFolder& folder, const wchar_t* resource, const wchar_t* fileName) {
    HRSRC info = FindResourceW(nullptr, resource, MAKEINTRESOURCEW(10));  // RT_RCDATA
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, info)));
    const std::wstring path = folder / fileName;
    ReplaceFileContent(path, std::string(bytes, SizeofResource(nullptr, info)));
    return path;
}

struct TestPictures {
    TempFolder folder;
    std::wstring icon = ExtractTestPicture(folder, L"SMALL_ICO", L"small.ico");    // 16 x 16
    std::wstring cursor = ExtractTestPicture(folder, L"SMALL_CUR", L"small.cur");  // 32 x 32, hot spot (3, 5)
    std::wstring bitmap = ExtractTestPicture(folder, L"SMALL_BMP", L"small.bmp");  // 24 x 16
};
