#include "bench/address_list_win.h"

#include <fstream>

std::vector<std::wstring> ReadAddressList(const wchar_t* path) {
    std::ifstream file(path);
    std::vector<std::wstring> lines;
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) lines.emplace_back(line.begin(), line.end());
    return lines;
}
