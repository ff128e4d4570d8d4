#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/buttons/model/property_bag.h"

// The property bags of a form's controls, one bag per control.
struct NamedBag {
    std::wstring Name;
    PropertyBag Bag;
};

// Plain text form of bags, meant to be read and diffed:
//
//   [cmdAdd]
//   Caption = "&Add"
//   CapAlign = 0
//   Focus = False
//   cBack = 0x8000000F
//   Font = Font("Tahoma", 8.25, 700, italic, underline, strikethrough)
//   Image = Picture(icon, file, "C:\\Pictures\\add.ico")
//
// Texts are quoted with backslash escapes, integers decimal, colours eight
// hexadecimal digits.
std::wstring FormatBags(const std::vector<NamedBag>& bags);

// Nothing when any line is malformed: the text is a resource of the program,
// so a bad line is a fault to see, not to skip.
std::optional<std::vector<NamedBag>> ParseBags(std::wstring_view text);
