#include "retrieval/naming.h"

#include "platform/text.h"

namespace {

constexpr std::wstring_view kCharactersNotInNames = L"\\/:*?\"<>|\u061F";

std::wstring CollapseBackslashes(const std::wstring& path) {
    std::wstring result;
    result.reserve(path.size());
    for (size_t i = 0; i < path.size(); ++i) {
        result += path[i];
        if (path[i] == L'\\' && i + 1 < path.size() && path[i + 1] == L'\\') ++i;
    }
    return result;
}

std::optional<std::wstring> OriginalName(const std::wstring& entry) {
    std::wstring text(TrimBlanks(entry));
    if (!text.empty() && text.back() == L'/') text.pop_back();
    if (text.empty()) return std::nullopt;
    std::wstring name = text.substr(text.find_last_of(L'/') + 1);
    if (name.find(L'.') == std::wstring::npos) name += L".html";
    std::erase_if(name, [](wchar_t c) { return kCharactersNotInNames.find(c) != std::wstring_view::npos; });
    // "." and ".." name folders, and the system drops trailing dots.
    if (name.find_first_not_of(L'.') == std::wstring::npos) return std::nullopt;
    return name;
}

std::wstring TwoDigits(int value) {
    const wchar_t digits[] = {static_cast<wchar_t>(L'0' + value / 10 % 10), static_cast<wchar_t>(L'0' + value % 10),
                              L'\0'};
    return digits;
}

std::optional<std::wstring> CustomPath(const NamingRequest& request) {
    const std::wstring plain = JoinPath(request.folder, request.customName);
    if (!request.exists(plain)) return plain;
    // The smallest free serial, counting on past 1000 so nothing is overwritten.
    for (long long serial = 1; serial <= kLastSerial; ++serial) {
        std::wstring candidate = request.folder + L"\\" + std::to_wstring(serial) + L"_" + request.customName;
        if (!request.exists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

bool IsPlainFileName(const std::wstring& name) {
    return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"\\/:") == std::wstring::npos;
}

bool FileNameTooLong(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return path.size() - (separator == std::wstring::npos ? 0 : separator + 1) > kMaxFileNameLength;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    return CollapseBackslashes(folder + L"\\" + name);
}

std::wstring DateTimeStamp(const LocalTime& t) {
    return TwoDigits(t.day) + L"_" + TwoDigits(t.month) + L"_" + TwoDigits(t.year % 100) + L"-" + TwoDigits(t.hour) +
           L"_" + TwoDigits(t.minute) + L"_" + TwoDigits(t.second);
}

std::optional<std::wstring> TargetPath(const NamingRequest& request) {
    if (request.convention == NamingConvention::Custom) {
        if (!IsPlainFileName(request.customName)) return std::nullopt;
        return CustomPath(request);
    }
    std::optional<std::wstring> name = OriginalName(request.entry);
    if (!name) return std::nullopt;
    if (request.convention == NamingConvention::OriginalDateTime)
        *name = L"[" + DateTimeStamp(request.clock()) + L"]" + *name;
    return JoinPath(request.folder, *name);
}
