#include "retrieval/run_log_win.h"

#include <windows.h>

#include "platform/text_win.h"

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}

std::wstring RunLogPath(const std::wstring& folder) { return folder + L"\\Durnwick.log"; }

FileResult AppendToRunLog(const std::wstring& path, const RunLogEntry& entry) {
    std::string bytes = CodePageFromWide(RunLogLine(entry), CP_UTF8);
    if (!PathExists(path)) bytes.insert(0, kUtf8Bom);
    return AppendToFile(path, bytes);
}

std::wstring ReadRunLog(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
    return WideFromCodePage(bytes, CP_UTF8);
}

FileResult TrimRunLog(const std::wstring& path) {
    const std::wstring text = ReadRunLog(path);
    const std::wstring kept = KeepLastLines(text, kRunLogLines);
    if (kept.size() == text.size()) return {};
    return ReplaceFileContent(path, std::string(kUtf8Bom) + CodePageFromWide(kept, CP_UTF8));
}
