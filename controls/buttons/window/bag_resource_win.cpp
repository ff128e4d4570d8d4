#include "controls/buttons/window/bag_resource_win.h"

#include <windows.h>

#include <string>

#include "platform/text_win.h"

std::optional<std::vector<NamedBag>> LoadBagResource(int id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* bytes = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return std::nullopt;
    return ParseBags(WideFromCodePage(std::string(bytes, SizeofResource(nullptr, found)), CP_UTF8));
}
