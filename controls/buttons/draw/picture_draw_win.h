#pragma once
#include <windows.h>

#include "controls/buttons/look/picture_fit.h"
#include "controls/buttons/model/button_members.h"

// Draws the button's picture into rect of surface, scaled to the rectangle:
// an icon through its own mask, a bitmap with the colour of its top-left
// pixel left transparent. Disabled, it is drawn as a two-tone emboss of its
// dark parts instead. m says whether there is a picture and of which kind;
// picture is its handle. Draws nothing without a picture, into an empty
// rectangle, or when the picture cannot be scaled.
void DrawPicture(HDC surface, const ButtonMembers& m, HANDLE picture, bool enabled, const ButtonRect& rect);

// Draws bitmap into destination at destRect with every pixel of the colour
// of its top-left pixel left transparent. sourceRect picks the part of the
// bitmap, and a zero right or bottom edge takes size's width or height;
// likewise destRect. A size larger than the destination is shrunk to fit,
// proportions kept. Answers the size drawn.
PixelSize DrawTransparentBitmap(HDC destination, const RECT& destRect, HBITMAP bitmap, const RECT& sourceRect,
                                PixelSize size);
