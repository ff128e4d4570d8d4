// Fetches a list of addresses into a folder once, either through Downloader
// or through the barest WinINet loop, and prints the time it took; or, with
// "unchanged", twice as the program's runs do, remembering each copy in a
// state file, and prints each pass's time and the body bytes it received.
// A first address is fetched untimed, so that loading the libraries and
// opening the session are not counted; the files fetched (and the state
// file) are deleted afterwards.
//
//   download_bench file|bare|unchanged <address list> <output folder> <warm-up address>

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/address_list_win.h"
#include "platform/handles_win.h"
#include "retrieval/download_state_win.h"
#include "retrieval/download_win.h"

namespace {

constexpr DWORD kChunkBytes = 256 * 1024;

std::wstring TargetFor(const std::wstring& folder, const std::wstring& address) {
    return folder + L"\\" + address.substr(address.find_last_of(L'/') + 1);
}

// The platform's floor: one session, each body read straight into its file.
class BareLoop {
public:
    BareLoop() : session_(InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)) {}
    BareLoop(const BareLoop&) = delete;
    BareLoop& operator=(const BareLoop&) = delete;
    ~BareLoop() { InternetCloseHandle(session_); }

    bool Fetch(const std::wstring& address, const std::wstring& target) {
        HINTERNET request =
            InternetOpenUrlW(session_, address.c_str(), nullptr, 0,
                             INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION, 0);
        if (!request) return false;
        KernelHandle file(
            CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        bool ok = static_cast<bool>(file);
        while (ok) {
            DWORD got = 0;
            DWORD written = 0;
            ok = InternetReadFile(request, buffer_.data(), kChunkBytes, &got);
            if (!ok || got == 0) break;
            ok = WriteFile(file.get(), buffer_.data(), got, &written, nullptr);
        }
        InternetCloseHandle(request);
        return ok;
    }

private:
    HINTERNET session_;
    std::vector<char> buffer_ = std::vector<char>(kChunkBytes);
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

struct Pass {
    double seconds = 0;
    std::uint64_t received = 0;
    int unchanged = 0;
    int failures = 0;
};

// One run's downloads under the original names, as the run controller makes
// them: each asks only for a change when its copy is there, and the state
// file is written whenever what is remembered changed.
Pass RememberingPass(Downloader& downloader, DownloadMemory& memory, const std::vector<std::wstring>& addresses,
                     const std::wstring& folder) {
    Pass pass;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    memory.Load();
    for (const std::wstring& address : addresses) {
        const std::wstring target = TargetFor(folder, address);
        const DownloadOutcome outcome = downloader.Download(
            address, target, {}, memory.Known(address, target, NamingConvention::OriginalName, false));
        if (memory.Remember(address, outcome)) memory.Save(addresses);
        pass.received += outcome.bytes;
        if (outcome.unchanged) ++pass.unchanged;
        if (!outcome.Succeeded()) ++pass.failures;
    }
    QueryPerformanceCounter(&end);
    pass.seconds = Seconds(start, end);
    return pass;
}

int Unchanged(const std::vector<std::wstring>& addresses, const std::wstring& folder, const std::wstring& warmUp) {
    Downloader downloader;
    DownloadMemory memory(folder);
    const bool warm = downloader.Download(warmUp, TargetFor(folder, warmUp)).Succeeded();
    DeleteFileW(TargetFor(folder, warmUp).c_str());
    const Pass first = RememberingPass(downloader, memory, addresses, folder);
    const Pass second = RememberingPass(downloader, memory, addresses, folder);
    for (const std::wstring& address : addresses) DeleteFileW(TargetFor(folder, address).c_str());
    DeleteFileW((folder + L"\\" + kStateFileName).c_str());
    const int failures = (warm ? 0 : 1) + first.failures + second.failures;
    std::printf("seconds=%.4f received=%llu second_seconds=%.4f second_received=%llu unchanged=%d failures=%d\n",
                first.seconds, static_cast<unsigned long long>(first.received), second.seconds,
                static_cast<unsigned long long>(second.received), second.unchanged, failures);
    return failures ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: download_bench file|bare|unchanged <address list> <output folder> <warm-up address>\n");
        return 2;
    }
    const bool bare = std::wstring(argv[1]) == L"bare";
    const std::vector<std::wstring> addresses = ReadAddressList(argv[2]);
    const std::wstring folder = argv[3];
    const std::wstring warmUp = argv[4];
    if (std::wstring(argv[1]) == L"unchanged") return Unchanged(addresses, folder, warmUp);
    BareLoop loop;
    Downloader downloader;
    const auto fetch = [&](const std::wstring& address) {
        const std::wstring target = TargetFor(folder, address);
        return bare ? loop.Fetch(address, target) : downloader.Download(address, target).Succeeded();
    };
    int failures = fetch(warmUp) ? 0 : 1;
    DeleteFileW(TargetFor(folder, warmUp).c_str());
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (const std::wstring& address : addresses)
        if (!fetch(address)) ++failures;
    QueryPerformanceCounter(&end);
    for (const std::wstring& address : addresses) DeleteFileW(TargetFor(folder, address).c_str());
    std::printf("seconds=%.4f failures=%d\n", Seconds(start, end), failures);
    return failures ? 1 : 0;
}
