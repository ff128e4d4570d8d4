#pragma once
#include <optional>
#include <string>

// What is checked about the destination before files go into it.

// The read-only attribute is the user saying "keep this". Windows refuses
// to replace such a file, but under Wine, where the process may be root,
// the replace goes through, so the attribute is looked at first.
bool IsReadOnlyFile(const std::wstring& path);

// What a finished download would replace: nothing, or a file with these traits.
struct ReplacedFile {
    bool readOnly = false;
    bool holdsBytes = false;
};
// One lookup: a lookup of a name that is not there makes Wine search the
// whole folder, which a run of small files pays per file.
std::optional<ReplacedFile> FileToReplace(const std::wstring& path);

// The check START makes: something exists under the folder text.
bool FolderCheck(const std::wstring& folderText);
