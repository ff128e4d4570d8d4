#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/window_object.h"

// A colour as a bag value, told apart from a plain integer so that the text
// form can show it in hexadecimal.
struct BagColour {
    Colour Value = 0;
    bool operator==(const BagColour&) const = default;
};

// The host's store of a control's named values. Keys are compared without
// regard to case; the spelling of the first write is kept.
class PropertyBag {
public:
    using Value = std::variant<std::wstring, std::int32_t, bool, BagColour, FontValue, PictureValue>;
    using Entry = std::pair<std::wstring, Value>;

    // The stored value, or def when the key is absent or holds another kind
    // of value (integers and colours read as each other).
    std::wstring ReadText(std::wstring_view key, const std::wstring& def) const;
    std::int32_t ReadInteger(std::wstring_view key, std::int32_t def) const;
    bool ReadBoolean(std::wstring_view key, bool def) const;
    Colour ReadColour(std::wstring_view key, Colour def) const;
    FontValue ReadFont(std::wstring_view key, const FontValue& def) const;
    PictureRef ReadPicture(std::wstring_view key) const;

    // Stores the value; with a default, a value equal to it is not stored
    // (and an earlier one under the key is dropped).
    void Write(std::wstring_view key, Value value);
    void Write(std::wstring_view key, Value value, const Value& def);
    // A missing picture is not stored.
    void WritePicture(std::wstring_view key, const PictureRef& picture);

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    const Value* Find(std::wstring_view key) const;
    void Erase(std::wstring_view key);

    std::vector<Entry> entries_;
};
