#include "app/main_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(TakesFocus, EveryKindButFramesAndLabels) {
    using K = ControlKind;
    const std::pair<K, bool> rows[] = {{K::Frame, false},   {K::Label, false},   {K::TextBox, true},
                                       {K::ListBox, true},  {K::Button, true},   {K::OptionButton, true},
                                       {K::CheckBox, true}, {K::ScrollBar, true}};
    for (const auto& [kind, takes] : rows) EXPECT_EQ(TakesFocus(kind), takes) << static_cast<int>(kind);
}

}  // namespace
