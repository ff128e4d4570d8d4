#include <gtest/gtest.h>

#include "platform/files_win.h"
#include "retrieval/naming_win.h"

namespace {

void Touch(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    ASSERT_TRUE(ReplaceFileContent(path, "x"));
    SetFileAttributesW(path.c_str(), attributes);
}

// The serials taken by earlier downloads are pinned by the run's custom name test.
TEST(CustomNameOnDisk, HiddenFilesAndFoldersCountAsTakenAndWildcardsAreNotPatterns) {
    TempFolder folder;
    Touch(folder / L"data.csv", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(CreateDirectoryW((folder / L"1_data.csv").c_str(), nullptr));
    Touch(folder / L"2_data.csv", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(*TargetPathOnDisk(L"x", NamingConvention::Custom, L"data.csv", folder.path()), folder / L"3_data.csv");
    // "?" would match "data.csv" as a wildcard; taken literally it is free
    // (and a name the file system then refuses, which fails that download).
    EXPECT_EQ(*TargetPathOnDisk(L"x", NamingConvention::Custom, L"dat?.csv", folder.path()), folder / L"dat?.csv");
}

}  // namespace
