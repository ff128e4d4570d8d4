#pragma once
#include <string>

#include "platform/handles_win.h"

// One armed or running Durnwick per program folder, across sessions: a
// named mutex that the holder owns while its schedule is armed or a run
// goes on. The same thread may take it again; another process may not.
class InstanceLock {
public:
    explicit InstanceLock(const std::wstring& programFolder);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock() { Give(); }
    // False when another process holds it.
    bool Take();
    void Give();
    bool Held() const { return held_; }

private:
    std::wstring name_;
    KernelHandle mutex_;
    bool held_ = false;
};

// True when another process holds the lock of the folder now.
bool ArmedElsewhere(const std::wstring& programFolder);
