// One user's whole session on the canvas, driven by window messages: draw,
// connect, drag, size, rotate, drag a point and a link end, group, copy,
// paste twice and cut; then every step undone back to an empty page, redone,
// saved and reopened.
#include "ViewTestSupport.h"

#include "library/model/QYBaseCommand.h"
#include "library/model/QYCommandCodes.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

class ViewUserPath : public MouseViewFixture {
protected:
    void SetUp() override
    {
        MouseViewFixture::SetUp();
        m_dir = std::filesystem::temp_directory_path() / ("plexo-userpath-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_dir);
        MouseViewFixture::TearDown();
    }
    int Count() { return Model().GetComponents().GetCount(); }
    CQYDrawComponent* Last() { return Model().GetComponents().GetTail(); }
    int LastCommand()
    {
        CQYBaseCommand* pCommand = Model().GetUndoCommand(); // the history keeps it
        return pCommand != nullptr ? pCommand->GetCommandID() : -1;
    }
    static CQYPortComponent* PortAt(CQYDrawComponent* pComp, double fX, double fY)
    {
        return static_cast<CQYDrawPortsComponent*>(pComp)->FindPort(fX, fY);
    }
    std::vector<CQYDrawComponent*> Components()
    {
        std::vector<CQYDrawComponent*> comps;
        for (POSITION pos = Model().GetComponents().GetHeadPosition(); pos != nullptr;)
            comps.push_back(Model().GetComponents().GetNext(pos));
        return comps;
    }
    std::vector<CString> Names()
    {
        std::vector<CString> names;
        for (CQYDrawComponent* pComp : Components())
            names.push_back(pComp->GetObjectName());
        return names;
    }
    // The model's document as saved to a file.
    Bytes Saved(CQYDataModel& model, const char* name)
    {
        const std::string path = (m_dir / name).string();
        EXPECT_TRUE(model.SaveDocument(path.c_str()));
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::string PathOf(const char* name) const { return (m_dir / name).string(); }
    // The main mark stays on a component that has left the selection, so
    // it tells which selections a page went through: off everywhere, two
    // pages that differ only in that history save alike.
    static void ClearMainMarks(CQYCompList& list)
    {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = list.GetNext(pos);
            pComp->GetDefaultProperty()->m_bMainObj = FALSE;
            if (auto* pGroup = DYNAMIC_DOWNCAST(CQYGroupComponent, pComp))
                ClearMainMarks(*pGroup->GetMemberList());
        }
    }
    // Presses at a point inside the component that lies on nothing else.
    void SelectByClick(CPoint pt)
    {
        Command(ID_QY_TOOL_SELECT);
        ClickAt(pt);
    }

    std::filesystem::path m_dir;
};

TEST_F(ViewUserPath, DrawConnectEditCopyPasteCutUndoRedoSaveReopen)
{
    const Bytes emptyPage = Saved(Model(), "empty.pln");

    // A rectangle by dragging, an ellipse by a click (the default size).
    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(100, 100), CPoint(180, 160));
    ASSERT_EQ(Count(), 1);
    CQYDrawComponent* pRect = Last();
    EXPECT_EQ(Normal(pRect->GetRect()), CRect(100, 100, 180, 160));
    Command(ID_QY_TOOL_ELLIPSE);
    ClickAt(CPoint(420, 130));
    ASSERT_EQ(Count(), 2);
    CQYDrawComponent* pEllipse = Last();
    EXPECT_TRUE(Normal(pEllipse->GetRect()).PtInRect(CPoint(420, 130)));

    // An elbow link from the rectangle's right port to the ellipse's left one.
    CQYPortComponent* pFrom = PortAt(pRect, 1, 0.5);
    CQYPortComponent* pTo = PortAt(pEllipse, 0, 0.5);
    ASSERT_NE(pFrom, nullptr);
    ASSERT_NE(pTo, nullptr);
    const CPoint start = pFrom->GetLinkPoint();
    const CPoint end = pTo->GetLinkPoint();
    const CPoint bend((start.x + end.x) / 2, start.y);
    Command(ID_QY_TOOL_LINK_ELBOW);
    ClickAt(start);
    Hover(bend);
    ClickAt(bend);
    Hover(CPoint(bend.x, end.y));
    ClickAt(CPoint(bend.x, end.y));
    Hover(end);
    ClickAt(end);
    ASSERT_EQ(Count(), 3);
    CQYDrawComponent* pLink = Last();
    ASSERT_TRUE(pLink->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)));
    CQYPortLink* pBond = QYGetPortLink(pLink);
    EXPECT_EQ(pBond->GetFromPort(), pFrom);
    EXPECT_EQ(pBond->GetToPort(), pTo);
    EXPECT_EQ(LastCommand(), QY_CMD_ADDLINK);

    // The rectangle dragged: the link's start follows its port.
    SelectByClick(CPoint(120, 120));
    Drag(CPoint(120, 120), CPoint(140, 150));
    EXPECT_EQ(Normal(pRect->GetRect()), CRect(120, 130, 200, 190));
    EXPECT_EQ(pLink->GetPointAt(0), pFrom->GetLinkPoint());
    EXPECT_EQ(pLink->GetPointAt(0), start + CPoint(20, 30));
    EXPECT_EQ(LastCommand(), QY_CMD_MOVECOMPS);
    // Shift keeps the larger axis only.
    Drag(CPoint(140, 150), CPoint(145, 190), MK_SHIFT);
    EXPECT_EQ(Normal(pRect->GetRect()), CRect(120, 170, 200, 230));
    EXPECT_EQ(pLink->GetPointAt(0), pFrom->GetLinkPoint());

    // Sized by its bottom-right handle.
    Select({pRect});
    Drag(CPoint(200, 230), CPoint(220, 250));
    EXPECT_EQ(Normal(pRect->GetRect()), CRect(120, 170, 220, 250));
    EXPECT_EQ(LastCommand(), QY_CMD_SCALEEXTEND);
    EXPECT_EQ(pLink->GetPointAt(0), pFrom->GetLinkPoint());

    // Rotated with Shift: a multiple of 15 degrees about its centre.
    Command(ID_QY_FREE_ROTATE);
    Select({pRect});
    const CPoint centre = Normal(pRect->GetRect()).CenterPoint();
    const double fAngle = 50.0 * 3.14159265358979 / 180.0;
    const CPoint turnTo(centre.x + static_cast<int>(40 * std::cos(fAngle)),
                        centre.y + static_cast<int>(40 * std::sin(fAngle)));
    Down(CPoint(centre.x + 40, centre.y));
    Move(CPoint(centre.x + 41, centre.y), MK_SHIFT);
    Move(turnTo, MK_SHIFT);
    Up(turnTo, MK_SHIFT);
    EXPECT_EQ(m_pView->m_nLastAngle, 450);
    EXPECT_EQ(Normal(pRect->GetRect()).CenterPoint(), centre);
    EXPECT_EQ(pLink->GetPointAt(0), pFrom->GetLinkPoint());
    EXPECT_EQ(m_pView->m_nTrackState, 42);

    // A polygon drawn point by point; one of its points dragged.
    Command(ID_QY_TOOL_POLYGON);
    ClickPoints({{60, 300}, {140, 300}, {100, 380}});
    ASSERT_EQ(Count(), 4);
    CQYDrawComponent* pPolygon = Last();
    Command(ID_QY_EDIT_POINTS);
    Select({pPolygon});
    Drag(CPoint(100, 380), CPoint(110, 400));
    EXPECT_EQ(pPolygon->GetPointAt(2), CPoint(110, 400));
    EXPECT_EQ(LastCommand(), QY_CMD_SIZESPOT);
    Command(ID_QY_EDIT_POINTS);

    // A third shape; the link's end moved from the ellipse to its top port.
    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(400, 300), CPoint(480, 360));
    ASSERT_EQ(Count(), 5);
    CQYDrawComponent* pThird = Last();
    CQYPortComponent* pThirdPort = PortAt(pThird, 0.5, 0);
    Select({pLink});
    Drag(pLink->GetPointAt(pLink->GetPointCount() - 1), pThirdPort->GetLinkPoint());
    EXPECT_EQ(pBond->GetToPort(), pThirdPort);
    EXPECT_EQ(pTo->GetLinkCount(), 0);
    EXPECT_EQ(pLink->GetPointAt(pLink->GetPointCount() - 1), pThirdPort->GetLinkPoint());
    EXPECT_EQ(LastCommand(), QY_CMD_SIZEPORT);

    // The ellipse and the polygon grouped.
    Select({pEllipse, pPolygon});
    Command(ID_QY_GROUP);
    ASSERT_EQ(Count(), 4);
    CQYDrawComponent* pGroup = Last();
    ASSERT_TRUE(pGroup->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)));
    // Dragged, the group takes each member along once.
    const CRect groupBefore = Normal(pGroup->GetRect());
    const CRect ellipseBefore = Normal(pEllipse->GetRect());
    const CPoint cornerBefore = pPolygon->GetPointAt(0);
    Command(ID_QY_TOOL_SELECT);
    Drag(CPoint(100, 320), CPoint(110, 325));
    EXPECT_EQ(LastCommand(), QY_CMD_MOVECOMPS);
    EXPECT_EQ(Normal(pGroup->GetRect()), groupBefore + CPoint(10, 5));
    EXPECT_EQ(Normal(pEllipse->GetRect()), ellipseBefore + CPoint(10, 5));
    EXPECT_EQ(pPolygon->GetPointAt(0), cornerBefore + CPoint(10, 5));

    // The group, the third shape and the link copied; pasted twice.
    Select({pGroup, pThird, pLink});
    Command(ID_EDIT_COPY);
    const std::vector<CRect> originals = {Normal(pGroup->GetRect()), Normal(pThird->GetRect())};
    std::vector<CString> namesBefore = Names();
    for (int nPaste = 1; nPaste <= 2; ++nPaste) {
        SCOPED_TRACE(nPaste);
        Command(ID_EDIT_PASTE);
        ASSERT_EQ(Count(), 4 + 2 * nPaste);
        EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMPS);
        const std::vector<CQYDrawComponent*> all = Components();
        const std::vector<CQYDrawComponent*> pasted(all.end() - 2, all.end());
        EXPECT_EQ(Selected(), pasted); // exactly the pasted ones
        ASSERT_TRUE(pasted[0]->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)));
        for (size_t i = 0; i < pasted.size(); ++i) {
            EXPECT_EQ(Normal(pasted[i]->GetRect()), originals[i] + CPoint(7, 7));
            for (const CString& name : namesBefore)
                EXPECT_NE(pasted[i]->GetObjectName(), name);
        }
        EXPECT_NE(pasted[0]->GetObjectName(), pasted[1]->GetObjectName());
        namesBefore = Names();
    }

    // The first shape cut with the link that leaves it.
    Select({pRect, pLink});
    Command(ID_EDIT_CUT);
    EXPECT_EQ(Count(), 6);
    EXPECT_EQ(pThirdPort->GetLinkCount(), 0);
    EXPECT_EQ(LastCommand(), QY_CMD_REMOVECOMPS);
    EXPECT_TRUE(Selected().empty());

    ClearMainMarks(Model().GetComponents());
    const Bytes edited = Saved(Model(), "edited.pln");
    const int nSteps = Model().GetUndoCount();
    EXPECT_EQ(nSteps, 16);

    // Everything undone: an empty page again.
    for (int i = 0; i < nSteps; ++i)
        Command(ID_EDIT_UNDO);
    EXPECT_FALSE(Model().CanUndo());
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Saved(Model(), "undone.pln"), emptyPage);

    // Everything redone: the edited page again, byte for byte.
    for (int i = 0; i < nSteps; ++i)
        Command(ID_EDIT_REDO);
    EXPECT_EQ(Count(), 6);
    EXPECT_EQ(pThirdPort->GetLinkCount(), 0);
    ClearMainMarks(Model().GetComponents());
    const Bytes redone = Saved(Model(), "redone.pln");
    EXPECT_EQ(redone, edited);

    // Reopened and saved again: the same bytes.
    CQYDataModel reopened;
    ASSERT_TRUE(reopened.OpenDocument(PathOf("redone.pln").c_str()));
    EXPECT_EQ(reopened.GetComponents().GetCount(), 6);
    EXPECT_EQ(Saved(reopened, "reopened.pln"), redone);
}

} // namespace
