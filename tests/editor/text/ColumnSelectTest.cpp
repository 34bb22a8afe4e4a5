#include "editor/text/SECEditColumnSelect.h"

#include "framework/shell/ClipboardFormats.h"

#include <gtest/gtest.h>

TEST(ColumnSelectFormat, RegisteredOnceUnderItsName)
{
    EXPECT_GE(g_cfSECEditColumnSelect, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("MSDEVColumnSelect"), g_cfSECEditColumnSelect);
    EXPECT_EQ(RegisterClipboardFormat("MSDEVColumnSelect"), g_cfSECEditColumnSelect);
    char name[32];
    ASSERT_GT(GetClipboardFormatName(g_cfSECEditColumnSelect, name, sizeof name), 0);
    EXPECT_STREQ(name, "MSDEVColumnSelect");
}
