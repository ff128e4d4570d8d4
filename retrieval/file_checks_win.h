#pragma once
#include <string>

// What is checked about the destination before files go into it.

// The read-only attribute is the user saying "keep this". Windows refuses
// to replace such a file, but under Wine, where the process may be root,
// the replace goes through, so the attribute is looked at first.
bool IsReadOnlyFile(const std::wstring& path);

// A file that exists and is not empty.
bool HoldsBytes(const std::wstring& path);

// The check START makes: something exists under the folder text.
bool FolderCheck(const std::wstring& folderText);
