#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/buttons/window/xo_buttons_win.h"
#include "gallery/button_state.h"
#include "platform/files_win.h"

// What a live button reports: its members, resolved colours and the screen
// place of its client area.
ButtonState ReadButtonState(const xoButtons_H& button);

// Replaces the file at path with the state of every button, in UTF-8.
FileResult WriteGalleryState(const std::wstring& path, const std::vector<xoButtons_H*>& buttons);
