// Which locale Wine gives the programs of a group: the groups that check
// texts and pictures under a Chinese and under another locale start by
// making sure they really run under it.
#include <gtest/gtest.h>
#include <windows.h>

#include "e2e_setup.h"

namespace vistrel::e2e {
namespace {

constexpr UINT kSimplifiedChineseCodePage = 936;

TEST(Locale, IsSimplifiedChinese) {
    EXPECT_EQ(::GetACP(), kSimplifiedChineseCodePage);
    EXPECT_EQ(UserLocaleName(), L"zh-CN");
}

TEST(Locale, IsNotChinese) {
    EXPECT_NE(::GetACP(), kSimplifiedChineseCodePage);
    EXPECT_FALSE(UserLocaleName().starts_with(L"zh")) << UserLocaleName();
}

}  // namespace
}  // namespace vistrel::e2e
