#pragma once
#include <string>
#include <vector>

// The addresses of a bench's list file, one a line; blank lines are skipped.
std::vector<std::wstring> ReadAddressList(const wchar_t* path);
