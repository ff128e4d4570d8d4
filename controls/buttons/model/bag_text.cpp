#include "controls/buttons/model/bag_text.h"

#include <charconv>
#include <cstdio>
#include <cwctype>

#include "platform/text.h"

namespace {

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring Quote(std::wstring_view text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        switch (c) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'"':
            out += L"\\\"";
            break;
        case L'\r':
            out += L"\\r";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\t':
            out += L"\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
                out += Widen(buf);
            } else {
                out += c;
            }
        }
    }
    return out + L"\"";
}

std::wstring FormatNumber(double value) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return Widen(std::string_view(buf, end));
}

const wchar_t* KindName(PictureKind kind) {
    switch (kind) {
    case PictureKind::Icon:
        return L"icon";
    case PictureKind::Cursor:
        return L"cursor";
    case PictureKind::Bitmap:
        break;
    }
    return L"bitmap";
}

struct FormatValue {
    std::wstring operator()(const std::wstring& text) const { return Quote(text); }
    std::wstring operator()(std::int32_t i) const { return std::to_wstring(i); }
    std::wstring operator()(bool b) const { return b ? L"True" : L"False"; }
    std::wstring operator()(BagColour c) const {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(c.Value));
        return Widen(buf);
    }
    std::wstring operator()(const FontValue& f) const {
        std::wstring out = L"Font(" + Quote(f.Name) + L", " + FormatNumber(f.Size) + L", " + std::to_wstring(f.Weight);
        if (f.Italic) out += L", italic";
        if (f.Underline) out += L", underline";
        if (f.Strikethrough) out += L", strikethrough";
        return out + L")";
    }
    std::wstring operator()(const PictureValue& p) const {
        return std::wstring(L"Picture(") + KindName(p.Kind) + L", " +
               (p.Origin == PictureOrigin::File ? L"file" : L"resource") + L", " + Quote(p.Name) + L")";
    }
};

// Reads one value from a line, left to right; any failure poisons the rest.
class ValueReader {
public:
    explicit ValueReader(std::wstring_view text) : text_(text) {}

    std::optional<PropertyBag::Value> Value() {
        SkipSpaces();
        std::optional<PropertyBag::Value> v;
        if (Peek() == L'"') {
            if (auto s = Text()) v = std::move(*s);
        } else if (Peek() == L'-' || std::iswdigit(Peek())) {
            v = Number();
        } else {
            const std::wstring word = Word();
            if (word == L"True")
                v = true;
            else if (word == L"False")
                v = false;
            else if (word == L"Font")
                v = Font();
            else if (word == L"Picture")
                v = Picture();
        }
        SkipSpaces();
        if (!v || pos_ != text_.size()) return std::nullopt;
        return v;
    }

private:
    wchar_t Peek() const { return pos_ < text_.size() ? text_[pos_] : L'\0'; }
    void SkipSpaces() {
        while (Peek() == L' ' || Peek() == L'\t') ++pos_;
    }
    bool Expect(wchar_t c) {
        SkipSpaces();
        if (Peek() != c) return false;
        ++pos_;
        SkipSpaces();
        return true;
    }
    std::wstring Word() {
        std::wstring w;
        while (std::iswalpha(Peek())) w += text_[pos_++];
        return w;
    }
    std::string Ascii(auto accept) {
        std::string s;
        while (Peek() != L'\0' && accept(Peek())) s += static_cast<char>(text_[pos_++]);
        return s;
    }

    std::optional<std::wstring> Text() {
        ++pos_;
        std::wstring out;
        while (pos_ < text_.size()) {
            wchar_t c = text_[pos_++];
            if (c == L'"') return out;
            if (c != L'\\') {
                out += c;
                continue;
            }
            switch (Peek()) {
            case L'\\':
                out += L'\\';
                break;
            case L'"':
                out += L'"';
                break;
            case L'r':
                out += L'\r';
                break;
            case L'n':
                out += L'\n';
                break;
            case L't':
                out += L'\t';
                break;
            case L'u': {
                const std::wstring_view hex = text_.substr(pos_ + 1, 4);
                unsigned code = 0;
                const std::string h(hex.begin(), hex.end());
                auto [end, ec] = std::from_chars(h.data(), h.data() + h.size(), code, 16);
                if (h.size() != 4 || ec != std::errc() || end != h.data() + 4) return std::nullopt;
                out += static_cast<wchar_t>(code);
                pos_ += 4;
                break;
            }
            default:
                return std::nullopt;
            }
            ++pos_;
        }
        return std::nullopt;
    }

    std::optional<PropertyBag::Value> Number() {
        if (text_.substr(pos_, 2) == L"0x") {
            pos_ += 2;
            const std::string hex = Ascii([](wchar_t c) { return std::iswxdigit(c) != 0; });
            std::uint32_t v = 0;
            auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
            if (hex.size() != 8 || ec != std::errc()) return std::nullopt;
            return BagColour{static_cast<Colour>(v)};
        }
        const std::string dec = Ascii([](wchar_t c) { return c == L'-' || std::iswdigit(c); });
        std::int32_t v = 0;
        auto [end, ec] = std::from_chars(dec.data(), dec.data() + dec.size(), v);
        if (ec != std::errc() || end != dec.data() + dec.size()) return std::nullopt;
        return v;
    }

    std::optional<double> Decimal() {
        const std::string s =
            Ascii([](wchar_t c) { return c == L'-' || c == L'+' || c == L'.' || c == L'e' || std::iswdigit(c); });
        double v = 0;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
        return v;
    }

    std::optional<PropertyBag::Value> Font() {
        FontValue f;
        if (!Expect(L'(') || Peek() != L'"') return std::nullopt;
        auto name = Text();
        if (!name || !Expect(L',')) return std::nullopt;
        f.Name = *name;
        auto size = Decimal();
        if (!size || !Expect(L',')) return std::nullopt;
        f.Size = *size;
        auto weight = Number();
        if (!weight || !std::holds_alternative<std::int32_t>(*weight)) return std::nullopt;
        f.Weight = std::get<std::int32_t>(*weight);
        while (Expect(L',')) {
            const std::wstring flag = Word();
            if (flag == L"italic")
                f.Italic = true;
            else if (flag == L"underline")
                f.Underline = true;
            else if (flag == L"strikethrough")
                f.Strikethrough = true;
            else
                return std::nullopt;
        }
        if (!Expect(L')')) return std::nullopt;
        return f;
    }

    std::optional<PropertyBag::Value> Picture() {
        PictureValue p;
        if (!Expect(L'(')) return std::nullopt;
        const std::wstring kind = Word();
        if (kind == L"icon")
            p.Kind = PictureKind::Icon;
        else if (kind == L"cursor")
            p.Kind = PictureKind::Cursor;
        else if (kind == L"bitmap")
            p.Kind = PictureKind::Bitmap;
        else
            return std::nullopt;
        if (!Expect(L',')) return std::nullopt;
        const std::wstring origin = Word();
        if (origin == L"file")
            p.Origin = PictureOrigin::File;
        else if (origin == L"resource")
            p.Origin = PictureOrigin::Resource;
        else
            return std::nullopt;
        if (!Expect(L',') || Peek() != L'"') return std::nullopt;
        auto name = Text();
        if (!name || !Expect(L')')) return std::nullopt;
        p.Name = *name;
        return p;
    }

    std::wstring_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::wstring FormatBags(const std::vector<NamedBag>& bags) {
    std::wstring out;
    for (const auto& [name, bag] : bags) {
        if (!out.empty()) out += L"\n";
        out += L"[" + name + L"]\n";
        for (const auto& [key, value] : bag.Entries()) out += key + L" = " + std::visit(FormatValue{}, value) + L"\n";
    }
    return out;
}

std::optional<std::vector<NamedBag>> ParseBags(std::wstring_view text) {
    std::vector<NamedBag> bags;
    if (!text.empty() && text.front() == L'\xFEFF') text.remove_prefix(1);
    while (!text.empty()) {
        const std::size_t eol = text.find(L'\n');
        const std::wstring_view line = TrimWhiteSpace(text.substr(0, eol));
        text.remove_prefix(eol == std::wstring_view::npos ? text.size() : eol + 1);
        if (line.empty()) continue;
        if (line.front() == L'[') {
            if (line.back() != L']' || line.size() < 3) return std::nullopt;
            bags.push_back({std::wstring(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const std::size_t eq = line.find(L'=');
        if (bags.empty() || eq == std::wstring_view::npos) return std::nullopt;
        const std::wstring_view key = TrimWhiteSpace(line.substr(0, eq));
        auto value = ValueReader(line.substr(eq + 1)).Value();
        if (key.empty() || !value) return std::nullopt;
        bags.back().Bag.Write(key, std::move(*value));
    }
    return bags;
}
