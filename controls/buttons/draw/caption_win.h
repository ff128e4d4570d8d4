#pragma once
#include <windows.h>

#include <span>
#include <string_view>

#include "controls/buttons/look/caption_layout.h"
#include "controls/buttons/look/caption_plan.h"
#include "controls/buttons/model/button_members.h"

// The extent of prepared caption text in surface's font, wrapped at word
// boundaries to width as drawing will wrap it.
TextSize MeasureCaptionText(HDC surface, std::wstring_view text, std::int32_t width, std::int32_t height);

// The layout of a client area of width x height, the caption measured in
// surface, the surface whose font later draws it.
ButtonLayout LayoutCaptionAndPicture(HDC surface, const ButtonMembers& m, std::int32_t width, std::int32_t height);

// Draws prepared text once per pass, in the pass's colour, into rect moved
// by the pass's offset; wrapped at words, aligned by captionAlign, an
// ampersand underlining the character after it ("&&" shows one).
void DrawCaptionText(HDC surface, std::wstring_view text, std::int32_t captionAlign, const ButtonRect& rect,
                     std::span<const TextPass> passes);

// The caption as a style renderer draws it, picture first, into surface
// (whose background mode is transparent): see PlanCaption for faceColor,
// textColor, pressed and singlePass, which may come back False. picture is
// the handle of the button's picture.
void DrawCaption(HDC surface, const ButtonMembers& m, const WindowObject& window, HANDLE picture, Colour faceColor,
                 Colour textColor, bool pressed, bool& singlePass);
