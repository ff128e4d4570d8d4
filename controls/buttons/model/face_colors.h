#pragma once
#include "controls/buttons/model/colour.h"

// The four face colours a button draws with, always RGB.
struct FaceColors {
    Colour FaceColor = 0;
    Colour PushedFaceColor = 0;
    Colour HoverFaceColor = 0;
    Colour CheckedFaceColor = 0;
};

// Derives the face colours of a ButtonStyle from the resolved BackColor and
// HoverBackColor.
FaceColors ComputeFaceColors(Colour backColor, Colour hoverBackColor, int buttonStyle);
