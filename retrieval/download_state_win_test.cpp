#include "retrieval/download_state_win.h"

#include <gtest/gtest.h>

#include "platform/files_win.h"
#include "platform/test_files_win.h"
#include "retrieval/sha256_win.h"

namespace {

std::string Content(const std::wstring& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) ? bytes : "<no file>";
}

// A download of `bytes` stored at the target, as the downloader reports it.
DownloadOutcome Stored(const std::wstring& target, const std::string& bytes) {
    DownloadOutcome outcome;
    outcome.status = 200;
    outcome.etag = L"\"v1\"";
    outcome.bytes = bytes.size();
    outcome.sha256 = *FileSha256(target);
    outcome.storedPath = target;
    return outcome;
}

class DownloadMemoryTest : public ::testing::Test {
protected:
    DownloadMemoryTest() {
        EXPECT_TRUE(ReplaceFileContent(downloads_ / L"a.txt", "alpha"));
        EXPECT_TRUE(ReplaceFileContent(downloads_ / L"b.txt", "bravo"));
        // Stored from an answer with a Last-Modified date, as most are; an
        // edit then gives the file another time, however soon it comes.
        for (const wchar_t* name : {L"a.txt", L"b.txt"})
            EXPECT_TRUE(SetModifiedTime(downloads_ / name, FileTimeOf({2026, 12, 1, 7, 1, 23, 45, 0})));
    }
    std::wstring StatePath() const { return program_ / kStateFileName; }
    // Remembers both files and writes the state with the queue given.
    void RememberBoth(const std::vector<std::wstring>& queued) {
        DownloadMemory memory(program_.path());
        EXPECT_TRUE(memory.Remember(L"http://h/a.txt", Stored(downloads_ / L"a.txt", "alpha")));
        EXPECT_TRUE(memory.Remember(L"http://h/b.txt", Stored(downloads_ / L"b.txt", "bravo")));
        ASSERT_TRUE(memory.Save(queued));
    }
    DownloadState Loaded() const {
        DownloadMemory memory(program_.path());
        memory.Load();
        return memory.State();
    }

    TempFolder program_;
    TempFolder downloads_;
};

TEST_F(DownloadMemoryTest, KnowsACopyOnlyWhileItIsThereAsStoredAndForgetsAddressesNoLongerQueued) {
    RememberBoth({L"http://h/a.txt"});
    const DownloadState state = Loaded();
    ASSERT_EQ(state.size(), 1u);
    EXPECT_EQ(state.at(L"http://h/a.txt").target, downloads_ / L"a.txt");

    DownloadMemory memory(program_.path());
    memory.Load();
    const auto known = [&] {
        return memory.Known(L"http://h/a.txt", downloads_ / L"a.txt", NamingConvention::OriginalName, false);
    };
    EXPECT_EQ(known().ifNoneMatch, L"\"v1\"");
    EXPECT_EQ(known().sha256, *FileSha256(downloads_ / L"a.txt"));
    // Touched without a change: read again, and still the copy.
    EXPECT_TRUE(SetModifiedTime(downloads_ / L"a.txt", FileTimeOf({2026, 12, 2, 8, 12, 0, 0, 0})));
    EXPECT_EQ(known().sha256, *FileSha256(downloads_ / L"a.txt"));
    // The same size with other bytes, another size, no file at all.
    for (const char* edited : {"alphA", "alphabet"}) {
        ASSERT_TRUE(ReplaceFileContent(downloads_ / L"a.txt", edited));
        EXPECT_EQ(ConditionalHeaders(known()), L"") << edited;
        EXPECT_EQ(known().sha256, "") << edited;
    }
    DeleteFileW((downloads_ / L"a.txt").c_str());
    EXPECT_EQ(known().sha256, "");
}

// A write that dies leaves the old file whole: the new text goes to a file
// beside it first and takes the old one's place only by a rename.
TEST_F(DownloadMemoryTest, AWriteThatCannotFinishLeavesTheOldStateFileWhole) {
    RememberBoth({L"http://h/a.txt", L"http://h/b.txt"});
    const std::string before = Content(StatePath());
    const std::wstring beside = StatePath() + L".new";

    // What a process killed while writing leaves: half a new file.
    ASSERT_TRUE(ReplaceFileContent(beside, before.substr(0, before.size() / 2)));
    EXPECT_EQ(Loaded().size(), 2u);
    EXPECT_FALSE(PathExists(program_ / kBadStateFileName));
    DeleteFileW(beside.c_str());

    // A write that cannot even start its new file.
    ASSERT_TRUE(CreateDirectoryW(beside.c_str(), nullptr));
    DownloadMemory memory(program_.path());
    memory.Load();
    EXPECT_FALSE(memory.Save({L"http://h/a.txt"}));
    EXPECT_EQ(Content(StatePath()), before);
    RemoveDirectoryW(beside.c_str());
    EXPECT_TRUE(memory.Save({L"http://h/a.txt"}));
    EXPECT_EQ(Loaded().size(), 1u);
}

}  // namespace
