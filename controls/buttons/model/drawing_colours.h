#pragma once
#include "controls/buttons/model/colour.h"

// The fixed colours the renderers and the background draw with by name.
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kGrey = 0x808080;
