#pragma once
#include <functional>
#include <string>

// Downloads an http, https, ftp or file address to the target path and
// returns true when the whole file arrived. Blocks the caller, but keeps
// handling the calling thread's window messages while the transfer runs on
// a worker thread. A failure leaves the target as it was and no temporary
// file behind. Without nextFreePath a finished download replaces the target;
// with it the target is never replaced: when a file has appeared there
// meanwhile, the download takes the path nextFreePath names instead.
bool DownloadFile(const std::wstring& address, const std::wstring& targetPath,
                  const std::function<std::wstring()>& nextFreePath = {});

// Removes the address from the per-user internet cache; the result does not
// matter to anyone.
void DropFromInternetCache(const std::wstring& address);
