#include "controls/buttons/model/property_bag.h"

#include "platform/text.h"

const PropertyBag::Value* PropertyBag::Find(std::wstring_view key) const {
    for (const auto& [k, v] : entries_)
        if (EqualNoCase(k, key)) return &v;
    return nullptr;
}

void PropertyBag::Erase(std::wstring_view key) {
    std::erase_if(entries_, [key](const Entry& e) { return EqualNoCase(e.first, key); });
}

void PropertyBag::Write(std::wstring_view key, Value value) {
    for (auto& [k, v] : entries_) {
        if (EqualNoCase(k, key)) {
            v = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::wstring(key), std::move(value));
}

void PropertyBag::Write(std::wstring_view key, Value value, const Value& def) {
    if (value == def)
        Erase(key);
    else
        Write(key, std::move(value));
}

void PropertyBag::WritePicture(std::wstring_view key, const PictureRef& picture) {
    if (picture)
        Write(key, *picture);
    else
        Erase(key);
}

std::wstring PropertyBag::ReadText(std::wstring_view key, const std::wstring& def) const {
    const Value* v = Find(key);
    const auto* text = v ? std::get_if<std::wstring>(v) : nullptr;
    return text ? *text : def;
}

std::int32_t PropertyBag::ReadInteger(std::wstring_view key, std::int32_t def) const {
    const Value* v = Find(key);
    if (!v) return def;
    if (const auto* i = std::get_if<std::int32_t>(v)) return *i;
    if (const auto* c = std::get_if<BagColour>(v)) return c->Value;
    return def;
}

Colour PropertyBag::ReadColour(std::wstring_view key, Colour def) const { return ReadInteger(key, def); }

bool PropertyBag::ReadBoolean(std::wstring_view key, bool def) const {
    const Value* v = Find(key);
    const auto* b = v ? std::get_if<bool>(v) : nullptr;
    return b ? *b : def;
}

FontValue PropertyBag::ReadFont(std::wstring_view key, const FontValue& def) const {
    const Value* v = Find(key);
    const auto* f = v ? std::get_if<FontValue>(v) : nullptr;
    return f ? *f : def;
}

PictureRef PropertyBag::ReadPicture(std::wstring_view key) const {
    const Value* v = Find(key);
    const auto* p = v ? std::get_if<PictureValue>(v) : nullptr;
    return p ? PictureRef(*p) : std::nullopt;
}
