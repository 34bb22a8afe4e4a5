#include "framework/shell/ClipboardFormats.h"

#include <gtest/gtest.h>

TEST(ClipboardFormats, ANameKeepsOneNumberWhateverItsCase)
{
    const UINT first = RegisterClipboardFormat("Test Format A");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("Test Format A"), first);
    EXPECT_EQ(RegisterClipboardFormat("TEST FORMAT a"), first);
    const UINT second = RegisterClipboardFormat("Test Format B");
    EXPECT_NE(second, first);
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
    EXPECT_EQ(RegisterClipboardFormat(nullptr), 0u);
}

TEST(ClipboardFormats, NamesAndMimeTypes)
{
    const UINT format = RegisterClipboardFormat("Plexo Test Name");
    char name[8];
    EXPECT_EQ(GetClipboardFormatName(format, name, sizeof name), 7);
    EXPECT_STREQ(name, "Plexo T") << "cut to the buffer with room for the terminator";
    char full[64];
    EXPECT_EQ(GetClipboardFormatName(format, full, sizeof full), 15);
    EXPECT_EQ(GetClipboardFormatName(CF_TEXT, full, sizeof full), 0);
    EXPECT_EQ(GetClipboardFormatName(0xFFF0, full, sizeof full), 0) << "not registered";

    EXPECT_STREQ(PlexoClipboardFormatMimeType(format), "application/x-plexo-clipboard;format=Plexo Test Name");
    EXPECT_STREQ(PlexoClipboardFormatMimeType(CF_TEXT), "text/plain;charset=utf-8");
    EXPECT_STREQ(PlexoClipboardFormatMimeType(0xFFF1), "");
}
