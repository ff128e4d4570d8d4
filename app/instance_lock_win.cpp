#include "app/instance_lock_win.h"

#include "app/instance_name.h"

namespace {

std::wstring LockName(const std::wstring& programFolder) {
    std::wstring folder = programFolder;
    CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return InstanceMutexName(folder);
}

}  // namespace

InstanceLock::InstanceLock(const std::wstring& programFolder) : name_(LockName(programFolder)) {}

bool InstanceLock::Take() {
    if (held_) return true;
    if (!mutex_) mutex_ = KernelHandle(CreateMutexW(nullptr, FALSE, name_.c_str()));
    // A lock another user made cannot even be opened: that one is armed.
    if (!mutex_) return false;
    const DWORD waited = WaitForSingleObject(mutex_.get(), 0);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return held_;
}

void InstanceLock::Give() {
    if (held_) ReleaseMutex(mutex_.get());
    held_ = false;
}

bool ArmedElsewhere(const std::wstring& programFolder) {
    InstanceLock lock(programFolder);
    const bool free = lock.Take();
    lock.Give();
    return !free;
}
