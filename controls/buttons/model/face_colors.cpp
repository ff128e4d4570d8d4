#include "controls/buttons/model/face_colors.h"

FaceColors ComputeFaceColors(Colour backColor, Colour hoverBackColor, int buttonStyle) {
    FaceColors c{backColor, backColor, hoverBackColor, 0};
    switch (buttonStyle) {
    case 7:
        c.FaceColor = ShadeColor(c.FaceColor, 31);
        c.PushedFaceColor = ShadeColor(0x808080, -16);
        c.HoverFaceColor = ShadeColor(c.HoverFaceColor, 31);
        c.CheckedFaceColor = ShadeColor(0x808080, 16, true);
        break;
    case 2:
        // The pushed face darkens the already lightened face.
        c.FaceColor = ShadeColor(c.FaceColor, 48, true);
        c.HoverFaceColor = ShadeColor(c.HoverFaceColor, 48, true);
        c.PushedFaceColor = ShadeColor(c.FaceColor, -32, true);
        c.CheckedFaceColor = ShadeColor(0xFFFFFF, -32, true);
        break;
    case 3:
        c.PushedFaceColor = ShadeColor(0x808080, 12);
        c.CheckedFaceColor = ShadeColor(c.PushedFaceColor, 31);
        break;
    default:
        c.CheckedFaceColor = ShadeColor(0xFFFFFF, -32);
        break;
    }
    return c;
}
