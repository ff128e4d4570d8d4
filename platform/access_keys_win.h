#pragma once
#include <windows.h>

// Several controls of a window may mark the same access key. The dialog
// manager would click the first of them every time, so the others could
// never be reached; Windows instead moves the focus to the next control with
// that key and clicks none. For Alt+key (and a plain key where the focused
// control takes no characters): true when the key is shared and the focus
// moved, false when the dialog manager should handle the key as usual.
bool FocusNextSharingAccessKey(HWND top, const MSG& msg);
