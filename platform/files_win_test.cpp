#include "platform/files_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/handles_win.h"
#include "platform/test_sequence.h"

namespace {

std::string Read(const std::wstring& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
}

TEST(ReplaceFileContent, ReplacesWholeOrKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::wstring path = folder / L"List.txt";
    ASSERT_TRUE(ReplaceFileContent(path, "one\r\n"));
    ASSERT_TRUE(ReplaceFileContent(path, "kept\r\n"));
    {
        // Another program holds the file open without sharing: the move fails.
        KernelHandle lock(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        const FileResult result = ReplaceFileContent(path, "lost\r\n");
        EXPECT_FALSE(result);
        EXPECT_NE(result.error, 0u);
    }
    EXPECT_EQ(Read(path), "kept\r\n");
    EXPECT_FALSE(PathExists(path + L".new"));
}

TEST(FolderEntries, ListsFilesAndFoldersButNotTheDotEntries) {
    TempFolder folder;
    ASSERT_TRUE(ReplaceFileContent(folder / L"a.txt", "a"));
    ASSERT_TRUE(CreateDirectoryW((folder / L"sub").c_str(), nullptr));
    std::vector<std::wstring> names;
    for (const WIN32_FIND_DATAW& found : FolderEntries(folder.path())) names.push_back(found.cFileName);
    std::sort(names.begin(), names.end());
    EXPECT_TRUE(SameSequence(names, {L"a.txt", L"sub"}));
    EXPECT_TRUE(FolderEntries(folder / L"missing").empty());
}

// Around the removal, the current folder is a bystander's, which must stay whole.
TEST(TempFolder, RemovesATreeDeeperThanMaxPathWholeAndNothingElse) {
    TempFolder bystander;
    ASSERT_TRUE(ReplaceFileContent(bystander / L"keep.txt", "kept"));
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(bystander.path().c_str()));
    std::wstring root;
    {
        TempFolder folder;
        root = folder.path();
        std::wstring deep = L"\\\\?\\" + root;
        while (deep.size() < MAX_PATH + 40) {
            deep += L"\\" + std::wstring(40, L'd');
            ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr)) << GetLastError();
        }
        const std::wstring file = deep + L"\\read-only.txt";
        ASSERT_TRUE(ReplaceFileContent(file, "x"));
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    SetCurrentDirectoryW(before);
    EXPECT_FALSE(PathExists(root));
    EXPECT_EQ(Read(bystander / L"keep.txt"), "kept");
}

}  // namespace
