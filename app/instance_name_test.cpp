#include "app/instance_name.h"

#include <gtest/gtest.h>

namespace {

TEST(InstanceMutexName, OneNamePerFolderWithNoPathInIt) {
    const std::wstring tools = InstanceMutexName(L"C:\\TOOLS\\DURNWICK");
    EXPECT_EQ(tools, InstanceMutexName(L"C:\\TOOLS\\DURNWICK"));
    EXPECT_NE(tools, InstanceMutexName(L"C:\\TOOLS\\DURNWICK2"));
    EXPECT_NE(tools, InstanceMutexName(L"D:\\TOOLS\\DURNWICK"));
    const std::wstring longFolder = InstanceMutexName(L"C:\\" + std::wstring(5000, L'A'));
    for (const std::wstring& name : {tools, longFolder}) {
        EXPECT_EQ(name.rfind(L"Global\\Durnwick-", 0), 0u) << name;
        EXPECT_EQ(name.find(L'\\', 7), std::wstring::npos) << name;
        EXPECT_LT(name.size(), 64u);
    }
}

}  // namespace
