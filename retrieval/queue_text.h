#pragma once
#include <string>
#include <string_view>
#include <vector>

// The queue's list box counts entries in 16 bits.
constexpr size_t kMaxQueueEntries = 32767;

// The pieces of a text between its CR LF pairs, empty ones included.
std::vector<std::wstring> SplitAtLineBreaks(const std::wstring& text);

// The non-empty pieces of the entry box's text, split at every CR LF; a lone
// CR or LF stays inside its piece.
std::vector<std::wstring> NonEmptyLines(const std::wstring& text);

// Where the piece of `text` that starts at `from` and holds `lines` lines,
// each with its CR LF, ends; the text's end when fewer lines are left.
size_t AfterLines(std::wstring_view text, size_t from, size_t lines);

// Every line followed by CR LF: the list file's text.
std::wstring ListFileText(const std::vector<std::wstring>& lines);
