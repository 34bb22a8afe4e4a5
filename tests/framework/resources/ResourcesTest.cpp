#include "framework/resources/Resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const RESOURCE_STRING kStrings[] = {
    {61001, "Rectangle%u"},
    {61002, ""},
    {61003, "Long string"},
};
const RESOURCE_STRING kOverride[] = {
    {61003, "Overridden"},
};

TEST(ResourcesTest, LoadsStrings)
{
    PlexoRegisterStrings(kStrings, 3);
    char buffer[32];
    EXPECT_EQ(LoadString(nullptr, 61001, buffer, sizeof buffer), 11);
    EXPECT_STREQ(buffer, "Rectangle%u");
    EXPECT_EQ(LoadString(nullptr, 61003, buffer, 5), 4);
    EXPECT_STREQ(buffer, "Long");
    EXPECT_EQ(LoadString(nullptr, 61002, buffer, sizeof buffer), 0);
    EXPECT_EQ(LoadString(nullptr, 61999, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(LoadString(nullptr, 61001, buffer, 0), 0);

    // CString::LoadString reaches the same table; a missing id leaves it.
    CString text("unchanged");
    EXPECT_FALSE(text.LoadString(61999));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(text.LoadString(61001));
    EXPECT_EQ(text, "Rectangle%u");
    EXPECT_TRUE(text.LoadString(61002));
    EXPECT_EQ(text, "");

    PlexoRegisterStrings(kOverride, 1);
    EXPECT_TRUE(text.LoadString(61003));
    EXPECT_EQ(text, "Overridden");
}

const RESOURCE_MENU_ITEM kMenu[] = {
    {MF_POPUP, 0, "&File"},
    {MF_STRING, 57600, "&New\tCtrl+N"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_POPUP, 0, "Recent"},
    {MF_STRING | MF_GRAYED | MF_END, 57616, "Recent File"},
    {MF_STRING | MF_END, 57665, "E&xit"},
    {MF_POPUP | MF_END, 0, "&Help"},
    {MF_STRING | MF_END, 57664, "&About"},
};

std::string Describe(const std::vector<CMenuResourceItem> &items)
{
    std::string out;
    for (const CMenuResourceItem &item : items) {
        out += std::string(item.strText) + "(" + std::to_string(item.nID) + "," + std::to_string(item.nFlags) + ")";
        if (!item.children.empty()) {
            // Appended piece by piece: "[" + std::string triggers a false
            // -Wrestrict in GCC 12's release build.
            out += "[";
            out += Describe(item.children);
            out += "]";
        }
        out += ";";
    }
    return out;
}

TEST(ResourcesTest, BuildsMenuTrees)
{
    PlexoRegisterMenu(128, kMenu, 8);
    std::vector<CMenuResourceItem> items;
    ASSERT_TRUE(PlexoLoadMenuResource(128, items));
    EXPECT_EQ(Describe(items), "&File(0,16)[&New\tCtrl+N(57600,0);(0,2048);Recent(0,16)[Recent File(57616,1);];"
                               "E&xit(57665,0);];&Help(0,16)[&About(57664,0);];");

    // A table whose sub-menu never ends, or that goes on after its last
    // item, is refused; so is an unknown id.
    PlexoRegisterMenu(129, kMenu, 4);
    EXPECT_FALSE(PlexoLoadMenuResource(129, items));
    EXPECT_TRUE(items.empty());
    const RESOURCE_MENU_ITEM trailing[] = {{MF_STRING | MF_END, 1, "a"}, {MF_STRING, 2, "b"}};
    PlexoRegisterMenu(130, trailing, 2);
    EXPECT_FALSE(PlexoLoadMenuResource(130, items));
    EXPECT_FALSE(PlexoLoadMenuResource(131, items));
}

TEST(ResourcesTest, FindsAcceleratorsAndDialogs)
{
    static const ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'N', 57600}, {FVIRTKEY, 0x2E, 57632}};
    PlexoRegisterAccelerators(128, keys, 2);
    int count = -1;
    EXPECT_EQ(PlexoFindAccelerators(128, &count), keys);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(PlexoFindAccelerators(999, &count), nullptr);
    EXPECT_EQ(count, 0);

    static const RESOURCE_DIALOG_ITEM controls[] = {
        {"BUTTON", "OK", 1, 7, 7, 50, 14, 0x50010001, 0},
        {"EDIT", "", 1000, 7, 25, 100, 12, 0x50810080, 0},
    };
    static const RESOURCE_DIALOG about = {0x80C800C0, 0, 0, 0, 186, 95, "About", "MS Sans Serif", 8, 0, controls, 2};
    PlexoRegisterDialog(100, &about);
    const RESOURCE_DIALOG *found = PlexoFindDialog(100);
    ASSERT_EQ(found, &about);
    EXPECT_STREQ(found->pItems[1].lpszClass, "EDIT");
    EXPECT_EQ(PlexoFindDialog(101), nullptr);
}

TEST(ResourcesTest, FindsCustomResourcesByTypeAndId)
{
    static const char bytes[] = "archive bytes";
    PlexoRegisterCustomResource("SECEDITLANGCONFIG", 103, bytes, sizeof bytes - 1);
    PlexoRegisterCustomResource(RT_RCDATA, 7, bytes, 3);
    PlexoRegisterCustomResourceFile("Data", 8, ":/test/lang.bin");
    PlexoRegisterCustomResourceFile("Data", 9, ":/test/missing.bin");

    struct {
        LPCTSTR name;
        LPCTSTR type;
        DWORD size; // 0: not found
    } cases[] = {
        {MAKEINTRESOURCE(103), "SECEditLangConfig", 13}, // type without case
        {"#103", "SECEDITLANGCONFIG", 13},
        {MAKEINTRESOURCE(104), "SECEDITLANGCONFIG", 0},
        {MAKEINTRESOURCE(103), "OTHER", 0},
        {MAKEINTRESOURCE(7), RT_RCDATA, 3},
        {MAKEINTRESOURCE(7), "#10", 3},
        {MAKEINTRESOURCE(8), "data", 40},
        {MAKEINTRESOURCE(9), "Data", 0},
        {"name", "Data", 0},
        {MAKEINTRESOURCE(8), nullptr, 0},
        {MAKEINTRESOURCE(7), "#99999999999999999999", 0}, // a type number past any integer
    };
    for (const auto &c : cases) {
        HRSRC found = FindResource(nullptr, c.name, c.type);
        EXPECT_EQ(found != nullptr, c.size != 0);
        EXPECT_EQ(AfxFindResourceHandle(c.name, c.type) != nullptr, c.size != 0);
        if (found == nullptr)
            continue;
        EXPECT_EQ(SizeofResource(nullptr, found), c.size);
        const void *data = LockResource(LoadResource(nullptr, found));
        ASSERT_NE(data, nullptr);
        if (c.size == 40)
            EXPECT_EQ(static_cast<const unsigned char *>(data)[39], 39);
        else
            EXPECT_EQ(std::memcmp(data, bytes, c.size), 0);
    }
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

} // namespace
