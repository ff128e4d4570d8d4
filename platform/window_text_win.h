#pragma once
#include <windows.h>

#include <string>

// The whole text of a window or control, however long.
std::wstring WindowText(HWND window);
