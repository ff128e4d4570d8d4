#pragma once
#include <string>

// The name of the program folder's lock: the same for every spelling of the
// folder that differs only in case (the caller upper-cases it), and no
// backslash after the namespace, which the system would take for a path.
std::wstring InstanceMutexName(const std::wstring& upperCaseFolder);
