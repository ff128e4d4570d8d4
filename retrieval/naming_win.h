#pragma once
#include "retrieval/naming.h"

// The target path against the real clock and the real file system.
std::optional<std::wstring> TargetPathOnDisk(const std::wstring& entry, NamingConvention convention,
                                             const std::wstring& customName, const std::wstring& folder);

LocalTime CurrentLocalTime();
