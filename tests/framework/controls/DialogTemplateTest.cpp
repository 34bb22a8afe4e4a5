// Building dialogs from templates: positions in dialog units of the
// template's font, the base units, and templates with faults.
#include "ControlTestSupport.h"

#include "framework/resources/Resources.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const RESOURCE_DIALOG_ITEM kPlaceItems[] = {
    {"BUTTON", "A", 301, 10, 20, 40, 14, BS_PUSHBUTTON | WS_VISIBLE, 0},
    {"EDIT", "", 302, 60, 8, 100, 12, WS_BORDER | WS_VISIBLE, 0},
};

RESOURCE_DIALOG PlaceTemplate(LPCTSTR face, WORD size)
{
    return RESOURCE_DIALOG{WS_POPUP, 0, 0, 0, 200, 100, "Place", face, size, 0, kPlaceItems, 2};
}

RECT ClientPlace(HWND hDlg, int id)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, id), &rc);
    POINT tl{rc.left, rc.top}, br{rc.right, rc.bottom};
    ::ScreenToClient(hDlg, &tl);
    ::ScreenToClient(hDlg, &br);
    return RECT{tl.x, tl.y, br.x, br.y};
}

TEST(DialogUnits, ControlsSitWhereTheirFontsUnitsPutThem)
{
    struct Font {
        LPCTSTR face;
        WORD size;
    } fonts[] = {{"MS Sans Serif", 8}, {"Fixedsys", 12}, {nullptr, 0}};
    LONG widths[3] = {};
    int i = 0;
    for (const Font &f : fonts) {
        RESOURCE_DIALOG tmpl = PlaceTemplate(f.face, f.size);
        CDialog dialog;
        ASSERT_TRUE(dialog.CreateIndirect(&tmpl));
        RECT units{0, 0, 4, 8};
        dialog.MapDialogRect(&units);
        EXPECT_GT(units.right, 0);
        EXPECT_GT(units.bottom, 0);
        widths[i++] = units.right;
        // Dialog units are a quarter of the average width and an eighth of
        // the height.
        RECT expected{10, 20, 50, 34};
        dialog.MapDialogRect(&expected);
        RECT got = ClientPlace(dialog.m_hWnd, 301);
        EXPECT_EQ(got.left, expected.left) << (f.face ? f.face : "system");
        EXPECT_EQ(got.top, expected.top);
        EXPECT_EQ(got.right, expected.right);
        EXPECT_EQ(got.bottom, expected.bottom);
        RECT client;
        dialog.GetClientRect(&client);
        RECT size{0, 0, 200, 100};
        dialog.MapDialogRect(&size);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
    }
    // The fixed face is wider than the small sans face.
    EXPECT_GT(widths[1], widths[0]);
    // With no face, the system's dialog font: the units of GetDialogBaseUnits.
    EXPECT_EQ(widths[2], LOWORD(GetDialogBaseUnits()));
    EXPECT_GT(HIWORD(GetDialogBaseUnits()), LOWORD(GetDialogBaseUnits()));
}

TEST(DialogTemplates, FaultyTemplatesGiveClearMessagesAndEmptyControls)
{
    const RESOURCE_DIALOG_ITEM items[] = {
        {"NoSuchClass", "x", 401, 5, 5, 20, 10, WS_VISIBLE, 0}, {"BUTTON", "one", 402, 5, 20, 20, 10, WS_VISIBLE, 0},
        {"BUTTON", "two", 402, 30, 20, 20, 10, WS_VISIBLE, 0},  {"STATIC", "flat", 403, 5, 35, 0, -4, WS_VISIBLE, 0},
        {nullptr, nullptr, 404, 5, 45, 10, 10, WS_VISIBLE, 0},  {"STATIC", "a", 0xFFFF, 5, 5, 10, 8, WS_VISIBLE, 0},
        {"STATIC", "b", 0xFFFF, 5, 5, 10, 8, WS_VISIBLE, 0},
    };
    RESOURCE_DIALOG tmpl{WS_POPUP, 0, 0, 0, 100, 60, "Faulty", nullptr, 0, 0, items, 7};
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&tmpl));
    std::string problems = PlexoLastDialogProblems();
    EXPECT_NE(problems.find("control 401 has the unknown class \"NoSuchClass\""), std::string::npos) << problems;
    EXPECT_NE(problems.find("the control id 402 is used twice"), std::string::npos) << problems;
    EXPECT_NE(problems.find("control 403 has no size"), std::string::npos) << problems;
    EXPECT_NE(problems.find("control 404 has the unknown class \"\""), std::string::npos) << problems;
    EXPECT_EQ(problems.find("65535"), std::string::npos) << "anonymous statics share their id";
    // The stand-ins exist with their ids; the first of two answers.
    ASSERT_NE(dialog.GetDlgItem(401), nullptr);
    char cls[64];
    ::GetClassName(dialog.GetDlgItem(401)->m_hWnd, cls, sizeof(cls));
    EXPECT_STREQ(cls, PLEXO_EMPTY_CONTROL_CLASS);
    EXPECT_STREQ(TextOf(dialog.GetDlgItem(402)->m_hWnd), "one");
    RECT flat;
    dialog.GetDlgItem(403)->GetClientRect(&flat);
    EXPECT_EQ(flat.right, 0);
    EXPECT_EQ(flat.bottom, 0);

    RESOURCE_DIALOG hollow{WS_POPUP, 0, 0, 0, 100, 60, "Hollow", nullptr, 0, 0, nullptr, 3};
    CDialog empty;
    ASSERT_TRUE(empty.CreateIndirect(&hollow));
    EXPECT_NE(std::string(PlexoLastDialogProblems()).find("lists controls but holds none"), std::string::npos);
    EXPECT_EQ(empty.GetWindow(GW_CHILD), nullptr);
}

} // namespace
