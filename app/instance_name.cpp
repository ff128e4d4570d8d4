#include "app/instance_name.h"

#include <cstdint>
#include <cwchar>

std::wstring InstanceMutexName(const std::wstring& upperCaseFolder) {
    // A hash keeps the name short however long the folder's path is.
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : upperCaseFolder) {
        hash ^= static_cast<std::uint64_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t digits[17] = {};
    swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return std::wstring(L"Global\\Durnwick-") + digits;
}
