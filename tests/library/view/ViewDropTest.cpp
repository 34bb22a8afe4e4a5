// Toolbox items dragged onto the canvas through its drop target, and the
// item's transfer form.
#include "ViewTestSupport.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"
#include "library/model/QYCommandCodes.h"
#include "library/ui/QYToolBoxItem.h"
#include "library/view/QYViewIds.h"

#include <QMimeData>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// A view whose image file dialog answers as the test says.
class CDropTestView : public CTestDiagramView {
    DECLARE_DYNCREATE(CDropTestView)
public:
    BOOL PromptImageFile(CString& strPath) override
    {
        ++m_nPrompts;
        strPath = m_strAnswer;
        return !m_strAnswer.IsEmpty();
    }
    // With a type set, every drag brings a component of that type, as a
    // derived view reading its own items does.
    CQYDrawComponent* CreateDropComponent(COleDataObject* pDataObject) override
    {
        if (m_nOwnType == 0)
            return CTestDiagramView::CreateDropComponent(pDataObject);
        return GetCurrentModel()->GetComponentByType(m_nOwnType, CRect(0, 0, 0, 0), "", 0);
    }
    CString m_strAnswer;
    int m_nPrompts = 0;
    int m_nOwnType = 0;
};

IMPLEMENT_DYNCREATE(CDropTestView, CTestDiagramView)

namespace {

// The "Form ToolBox Item" bytes of an item as the toolbox writes them:
// name, 32-bit type code, data string, 32-bit transparent colour.
std::vector<BYTE> ItemBytes(const char* pszName, int nType)
{
    std::vector<BYTE> bytes;
    bytes.push_back(static_cast<BYTE>(std::strlen(pszName)));
    bytes.insert(bytes.end(), pszName, pszName + std::strlen(pszName));
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<BYTE>(static_cast<unsigned>(nType) >> (8 * i)));
    bytes.push_back(0);                                  // empty data string
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0x00}); // white
    return bytes;
}

class ViewDrop : public ViewFixture {
protected:
    CRuntimeClass* ViewClass() override { return RUNTIME_CLASS(CDropTestView); }
    CDropTestView* View() { return static_cast<CDropTestView*>(m_pView); }
    // A data object offering the bytes as "Form ToolBox Item" data.
    void Offer(const std::vector<BYTE>& bytes, UINT nFormat = QYGetToolBoxItemFormat())
    {
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(::GlobalLock(hBlock), bytes.data(), bytes.size());
        ::GlobalUnlock(hBlock);
        COleDataSource source;
        source.CacheGlobalData(static_cast<CLIPFORMAT>(nFormat), hBlock);
        m_data.PlexoAttachMimeData(source.PlexoMakeMimeData(), TRUE);
    }
    POINT Screen(CPoint pt)
    {
        m_pView->ClientToScreen(&pt);
        return pt;
    }
    DROPEFFECT Enter(CPoint pt)
    {
        return m_pView->GetDropTarget().PlexoEnter(m_pView->m_hWnd, &m_data, 0, Screen(pt), DROPEFFECT_COPY);
    }
    DROPEFFECT Over(CPoint pt)
    {
        return m_pView->GetDropTarget().PlexoOver(m_pView->m_hWnd, &m_data, 0, Screen(pt), DROPEFFECT_COPY);
    }
    DROPEFFECT Drop(CPoint pt)
    {
        return m_pView->GetDropTarget().PlexoDrop(m_pView->m_hWnd, &m_data, Screen(pt), DROPEFFECT_COPY);
    }
    void Leave() { m_pView->GetDropTarget().PlexoLeave(m_pView->m_hWnd); }
    int Count() { return Model().GetComponents().GetCount(); }

    COleDataObject m_data;
};

TEST_F(ViewDrop, TheTransferFormReadsAsWritten)
{
    const std::vector<BYTE> golden = ItemBytes("Rectangle", QY_COMP_RECTANGLE);
    CQYToolBoxItem item;
    ASSERT_TRUE(QYReadToolBoxItemBytes(&item, golden.data(), golden.size()));
    EXPECT_STREQ(item.GetName(), "Rectangle");
    EXPECT_EQ(item.GetType(), QY_COMP_RECTANGLE);
    EXPECT_STREQ(item.GetData(), "");
    EXPECT_EQ(item.GetTransparentColor(), 0xFFFFFFu);
    HGLOBAL hWritten = QYWriteToolBoxItemData(&item);
    const BYTE* pBytes = static_cast<const BYTE*>(::GlobalLock(hWritten));
    EXPECT_EQ(std::vector<BYTE>(pBytes, pBytes + ::GlobalSize(hWritten)), golden);
    ::GlobalUnlock(hWritten);
    ::GlobalFree(hWritten);
    // Cut anywhere, the form is refused.
    for (size_t n = 0; n < golden.size(); ++n)
        EXPECT_FALSE(QYReadToolBoxItemBytes(&item, golden.data(), n)) << n;
    CQYToolBoxItem fresh;
    EXPECT_STREQ(fresh.GetName(), "Object Name");
    EXPECT_EQ(fresh.GetType(), 1000);
}

// The golden transfer form of an item with a data string and a colour of
// its own: read field by field, written back byte for byte.
TEST_F(ViewDrop, TheGoldenItemFixtureReadsAndWritesBack)
{
    std::ifstream in(std::string(PLEXO_TEST_DATA_DIR) + "/view/image-item.tbi", std::ios::binary);
    const std::vector<BYTE> golden((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(golden.size(), 26u);
    CQYToolBoxItem item;
    ASSERT_TRUE(QYReadToolBoxItemBytes(&item, golden.data(), golden.size()));
    EXPECT_STREQ(item.GetName(), "Image");
    EXPECT_EQ(item.GetType(), QY_COMP_IMAGE);
    EXPECT_STREQ(item.GetData(), "picture.bmp");
    EXPECT_EQ(item.GetTransparentColor(), RGB(255, 0, 255));
    HGLOBAL hWritten = QYWriteToolBoxItemData(&item);
    const BYTE* pBytes = static_cast<const BYTE*>(::GlobalLock(hWritten));
    EXPECT_EQ(std::vector<BYTE>(pBytes, pBytes + ::GlobalSize(hWritten)), golden);
    ::GlobalUnlock(hWritten);
    ::GlobalFree(hWritten);
}

// A derived model's factory that keeps what the drop hands it.
class CItemSeeingModel : public CQYDataModel {
public:
    CQYDrawComponent* GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD_PTR dwParam) override
    {
        const auto* pItem = reinterpret_cast<const CQYToolBoxItem*>(dwParam);
        m_strItemName = pItem != nullptr ? pItem->GetName() : CString("(none)");
        return CQYDataModel::GetComponentByType(nType, rect, lpszFileName, dwParam);
    }
    CString m_strItemName;
};

TEST_F(ViewDrop, TheModelsFactoryReceivesTheDroppedItem)
{
    CItemSeeingModel model;
    m_pView->SetCurrentModel(&model);
    Offer(ItemBytes("Custom Gauge", QY_COMP_RECTANGLE));
    CQYDrawComponent* pComp = m_pView->CreateFromToolBoxItem(&m_data);
    ASSERT_NE(pComp, nullptr);
    EXPECT_STREQ(model.m_strItemName, "Custom Gauge");
    pComp->Release();
    m_pView->SetCurrentModel(&Model());
}

TEST_F(ViewDrop, EnterAndLeaveCreateNothing)
{
    Offer(ItemBytes("Rectangle", QY_COMP_RECTANGLE));
    EXPECT_EQ(Enter(CPoint(100, 100)), DROPEFFECT_COPY);
    EXPECT_NE(m_pView->m_pDropComp, nullptr);
    EXPECT_EQ(m_pView->m_nTrackState, 3);
    Over(CPoint(150, 120));
    EXPECT_EQ(m_pView->m_nTrackState, 4);
    Leave();
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(Model().IsModified());
}

TEST_F(ViewDrop, DropAddsOneUndoableComponentWhereItWasDropped)
{
    Offer(ItemBytes("Rectangle", QY_COMP_RECTANGLE));
    Enter(CPoint(100, 100));
    Over(CPoint(140, 110));
    Over(CPoint(200, 150));
    EXPECT_EQ(Drop(CPoint(200, 150)), DROPEFFECT_COPY);
    ASSERT_EQ(Count(), 1);
    CRect rect = Model().GetComponents().GetHead()->GetRect();
    rect.NormalizeRect();
    EXPECT_EQ(rect.TopLeft(), CPoint(190, 140));
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
    EXPECT_EQ(Model().GetUndoCount(), 1);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Count(), 0);
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Count(), 1);

    // A drop without any movement places it at the entry point.
    Enter(CPoint(300, 300));
    Drop(CPoint(300, 300));
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
}

TEST_F(ViewDrop, ImageWithoutPictureAsksForItsFile)
{
    Offer(ItemBytes("Image", QY_COMP_IMAGE));
    Enter(CPoint(100, 100));
    Over(CPoint(120, 120));
    Drop(CPoint(120, 120)); // the dialog is cancelled
    EXPECT_EQ(View()->m_nPrompts, 1);
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(Model().GetUndoCount(), 0);
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);

    View()->m_strAnswer = CString(PLEXO_TEST_DATA_DIR) + "/resources/checker.bmp";
    Enter(CPoint(100, 100));
    Over(CPoint(120, 120));
    Drop(CPoint(120, 120));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Model().GetComponents().GetHead()->GetType(), QY_COMP_IMAGE);
    EXPECT_EQ(Model().GetUndoCount(), 1);
}

TEST_F(ViewDrop, OtherDataAndUnreadableItemsAreRefused)
{
    Offer({1, 2, 3}, ::RegisterClipboardFormat("Plexo Test Marker"));
    EXPECT_EQ(Enter(CPoint(100, 100)), DROPEFFECT_NONE);
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
    Leave();
    Offer({0x05, 'R'}); // a truncated item
    Enter(CPoint(100, 100));
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    Drop(CPoint(100, 100));
    EXPECT_EQ(Count(), 0);
}

TEST_F(ViewDrop, NothingHappensOutsideDesignMode)
{
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    Offer(ItemBytes("Rectangle", QY_COMP_RECTANGLE));
    Enter(CPoint(100, 100));
    Over(CPoint(140, 110));
    Drop(CPoint(140, 110));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
}

// A model that notes each type and file its factory is asked for.
class CTypeNotingModel : public CQYDataModel {
public:
    CQYDrawComponent* GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD_PTR dwParam) override
    {
        m_calls.emplace_back(nType, CString(lpszFileName));
        return CQYDataModel::GetComponentByType(nType, rect, lpszFileName, dwParam);
    }
    std::vector<std::pair<int, CString>> m_calls;
};

// The image tool (a click or a drag) and the drop of an image item without
// a picture ask for a file; its extension, in any case, picks a metafile
// picture (".wmf") or an image; Cancel makes nothing.
TEST_F(ViewDrop, ImageFileExtensionPicksTheTypeAndCancelMakesNothing)
{
    const CString strBitmap = CString(PLEXO_TEST_DATA_DIR) + "/resources/checker.bmp";
    const struct {
        const char* answer;
        int nType; // the factory's type, 0: not asked
    } answers[] = {
        {"", 0},
        {strBitmap, QY_COMP_IMAGE},
        {"/pictures/PLAN.WMF", QY_COMP_WMF},
        {"/pictures/plan.Wmf", QY_COMP_WMF},
        {"/pictures/plan.wmf", QY_COMP_WMF},
        {"/pictures.wmf/plan", QY_COMP_IMAGE},
        {"/pictures/PLAN.BMP", QY_COMP_IMAGE},
    };
    enum Gesture { kToolClick, kToolDrag, kDrop };
    for (Gesture gesture : {kToolClick, kToolDrag, kDrop}) {
        for (const auto& a : answers) {
            SCOPED_TRACE(std::to_string(gesture) + " " + a.answer);
            CTypeNotingModel model;
            m_pView->SetCurrentModel(&model);
            View()->m_strAnswer = a.answer;
            View()->m_nPrompts = 0;
            const CPoint at(120, 120);
            if (gesture == kDrop) {
                Offer(ItemBytes("Image", QY_COMP_IMAGE));
                Enter(CPoint(100, 100));
                Over(at);
                model.m_calls.clear(); // the dragged item's own component
                Drop(at);
            } else {
                Command(ID_QY_TOOL_IMAGE);
                const CPoint to = gesture == kToolDrag ? CPoint(200, 180) : at;
                m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
                if (gesture == kToolDrag)
                    m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
                m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
                EXPECT_EQ(m_pView->m_nToolType, 0);
            }
            EXPECT_EQ(View()->m_nPrompts, 1);
            if (a.nType == 0) {
                EXPECT_TRUE(model.m_calls.empty());
                EXPECT_EQ(model.GetComponents().GetCount(), 0);
                EXPECT_FALSE(model.IsModified());
                EXPECT_EQ(model.GetUndoCount(), 0);
            } else {
                ASSERT_EQ(model.m_calls.size(), 1u);
                EXPECT_EQ(model.m_calls[0].first, a.nType);
                EXPECT_STREQ(model.m_calls[0].second, a.answer);
            }
            EXPECT_EQ(m_pView->m_pDropComp, nullptr);
            m_pView->SetCurrentModel(&Model());
        }
    }
    // A real bitmap makes an image with its picture, one undoable step.
    Command(ID_QY_TOOL_IMAGE);
    View()->m_strAnswer = strBitmap;
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Model().GetComponents().GetHead()->GetType(), QY_COMP_IMAGE);
    EXPECT_EQ(Model().GetUndoCount(), 1);
}

TEST_F(ViewDrop, ADerivedViewMakesItsOwnDropComponent)
{
    View()->m_nOwnType = QY_COMP_ELLIPSE;
    Offer(ItemBytes("Rectangle", QY_COMP_RECTANGLE));
    Enter(CPoint(100, 100));
    Over(CPoint(150, 130));
    Drop(CPoint(150, 130));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Model().GetComponents().GetHead()->GetType(), QY_COMP_ELLIPSE);
    EXPECT_EQ(Model().GetUndoCount(), 1);
    EXPECT_EQ(m_pView->m_pDropComp, nullptr);
}

// A drag that began in design mode gives its component back on leave and on
// drop even when design mode was switched off meanwhile.
TEST_F(ViewDrop, TheDraggedComponentGoesWhenDesignModeEndsMidDrag)
{
    for (bool bDrop : {false, true}) {
        SCOPED_TRACE(bDrop ? "drop" : "leave");
        Model().GetDefaultProperty()->SetDesignMode(TRUE);
        Offer(ItemBytes("Rectangle", QY_COMP_RECTANGLE));
        Enter(CPoint(100, 100));
        Over(CPoint(140, 110));
        ASSERT_NE(m_pView->m_pDropComp, nullptr);
        Model().GetDefaultProperty()->SetDesignMode(FALSE);
        if (bDrop)
            Drop(CPoint(140, 110));
        else
            Leave();
        EXPECT_EQ(m_pView->m_pDropComp, nullptr);
        EXPECT_EQ(Count(), 0);
    }
}

} // namespace
