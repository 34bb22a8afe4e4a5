// One user session in the program's own code, on the offscreen platform:
// start with an empty profile, answer the welcome box, create a property
// set class from the menu, type a line into its source and save it, close
// its window, reopen it from the recent-file list and exit.  Then the
// files, the profile and the exit status are checked.
#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/app/MDIApp.h"
#include "kilnsmith/documents/MDIDoc.h"
#include "kilnsmith/generator/CodeGenerator.h"

#include "ProgramHomeTest.h"
#include "../generator/GeneratorTestSupport.h"
#include "UserScenario.h"

#include "framework/app/MDIFrameWnd.h"
#include "framework/object/Exceptions.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageBoxApi.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QPushButton>
#include <QMessageBox>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kTypedLine[] = "// checked by hand";

// Whether the text at nStart has the shape of a guard's GUID part:
// upper-case hex groups of 8, 4, 4, 4 and 12 digits joined by '_'.
bool IsGuidAt(const std::string &text, size_t nStart)
{
    static const char kShape[] = "XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX";
    const size_t nLength = sizeof(kShape) - 1;
    if (nStart + nLength > text.size())
        return false;
    for (size_t i = 0; i < nLength; ++i) {
        const char c = text[nStart + i];
        const bool bHex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        if (kShape[i] == '_' ? c != '_' : !bHex)
            return false;
    }
    return true;
}

// The include guard's GUID part, which is new on every write, masked.
std::string MaskGuid(const std::string &text)
{
    std::string masked;
    for (size_t i = 0; i < text.size();) {
        if (IsGuidAt(text, i)) {
            masked += "GUID";
            i += 36;
        } else {
            masked += text[i++];
        }
    }
    return masked;
}

// The offscreen platform prints message boxes and answers them at once;
// this session shows them as dialogs, so that the user answers by key.
int ShowBoxAsDialog(LPCTSTR lpszText, UINT nType, UINT)
{
    QString text = QString::fromUtf8(lpszText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(PlexoGetMessageBoxCaption().GetString()), text);
    int anIDs[3] = {};
    const int nButtons = PlexoMessageBoxButtons(nType, anIDs);
    std::vector<std::pair<QAbstractButton *, int>> buttons;
    for (int i = 0; i < nButtons; ++i) {
        const QMessageBox::StandardButton kind = anIDs[i] == IDCANCEL ? QMessageBox::Cancel
                                                 : anIDs[i] == IDYES  ? QMessageBox::Yes
                                                 : anIDs[i] == IDNO   ? QMessageBox::No
                                                                      : QMessageBox::Ok;
        buttons.emplace_back(box.addButton(kind), anIDs[i]);
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    for (const auto &[pButton, nID] : buttons) {
        if (box.clickedButton() == pButton)
            return nID;
    }
    return PlexoMessageBoxDefault(nType);
}

class EndToEndTest : public ProgramHomeTest {
protected:
    EndToEndTest()
    {
        // The user's copy of the shipped language files.
        fs::create_directories(m_folder.File("config/kilnsmith"));
        fs::copy(KILNSMITH_LANGUAGE_FOLDER, m_folder.File("config/kilnsmith/LanguageSys"));
    }
    std::string Work(const char *lpszName) const { return m_folder.File("home/Kilnsmith/") + lpszName; }
    // What the generator writes for the class, guards masked.
    std::string Expected(const char *lpszName) const
    {
        generator_test::ScratchFolder scratch;
        CCodeGenerator generator(scratch.Str().c_str(), generator_test::FixedGuid);
        const GeneratedClassNames names("CTestProps", "Properties");
        generator.WriteHeader(ClassKind::PropertySet, names);
        generator.WriteSource(ClassKind::PropertySet, names);
        return MaskGuid(generator_test::ReadFileBytes(scratch.Path() / lpszName));
    }

    void SetUp() override { m_pPreviousBoxes = AfxSetMessageBoxHandler(&ShowBoxAsDialog); }
    void TearDown() override { AfxSetMessageBoxHandler(m_pPreviousBoxes); }

    AfxMessageBoxHandler m_pPreviousBoxes = nullptr;
};

CMDIChildWnd *ActiveChild()
{
    auto *pFrame = static_cast<CMDIFrameWnd *>(AfxGetApp()->m_pMainWnd);
    return pFrame ? pFrame->MDIGetActive() : nullptr;
}

CMDIDoc *ActiveDocument()
{
    CMDIChildWnd *pChild = ActiveChild();
    return pChild ? dynamic_cast<CMDIDoc *>(pChild->GetActiveDocument()) : nullptr;
}

bool ActiveDocumentIs(const std::string &path)
{
    CMDIDoc *pDoc = ActiveDocument();
    return pDoc && pDoc->GetPathName() == path.c_str() && ::GetActiveWindow() == AfxGetApp()->m_pMainWnd->m_hWnd;
}

bool MenuIsOpen()
{
    return QApplication::activePopupWidget() != nullptr;
}

TEST_F(EndToEndTest, CreateEditSaveReopenAndExit)
{
    const std::string header = Work("TestProps.h");
    const std::string source = Work("TestProps.cpp");
    UserScenario user;
    user.Step(
        "the welcome box", [] { return UserScenario::ActiveTitle() == "Welcome to Kilnsmith"; },
        [] { UserScenario::Key(Qt::Key_Return); });
    user.Step(
        "the main frame with its first document",
        [] { return ActiveDocument() != nullptr && ::GetActiveWindow() == AfxGetApp()->m_pMainWnd->m_hWnd; },
        [] { UserScenario::Key(Qt::Key_P, Qt::AltModifier); });
    user.Step("the Properties menu", MenuIsOpen, [] { UserScenario::Key(Qt::Key_N); });
    user.Step(
        "the New Class dialog", [] { return UserScenario::ActiveTitle() == "New Class"; },
        [] {
            UserScenario::Type("CTestProps");
            UserScenario::Key(Qt::Key_Return);
        });
    user.Step(
        "the new source", [&] { return ActiveDocumentIs(source); },
        [] {
            UserScenario::Key(Qt::Key_End, Qt::ControlModifier);
            UserScenario::Type(kTypedLine);
            UserScenario::Key(Qt::Key_F, Qt::AltModifier);
        });
    user.Step("the File menu to save", MenuIsOpen, [] { UserScenario::Key(Qt::Key_S); });
    user.Step(
        "the saved source", [&] { return ActiveDocumentIs(source) && !ActiveDocument()->IsModified(); },
        [] { UserScenario::Key(Qt::Key_W, Qt::AltModifier); });
    user.Step("the Window menu", MenuIsOpen, [] {
        // "&Status Bar" comes before "Clo&se": the second S selects Close.
        UserScenario::Key(Qt::Key_S);
        UserScenario::Key(Qt::Key_S);
        UserScenario::Key(Qt::Key_Return);
    });
    user.Step(
        "the header alone", [&] { return ActiveDocumentIs(header) && AfxGetApp()->GetOpenDocumentCount() == 2; },
        [] { UserScenario::Key(Qt::Key_F, Qt::AltModifier); });
    user.Step("the File menu", MenuIsOpen, [] { UserScenario::Key(Qt::Key_1); });
    user.Step(
        "the source reopened", [&] { return ActiveDocumentIs(source); },
        [] { UserScenario::Key(Qt::Key_F, Qt::AltModifier); });
    user.Step("the File menu again", MenuIsOpen, [] { UserScenario::Key(Qt::Key_X); });

    CMDIApp app;
    static char szProgram[] = "kilnsmith";
    static char *argv[] = {szProgram, nullptr};
    app.__argc = 1;
    app.__argv = argv;
    app.SetProgramPaths(m_folder.File("bin/kilnsmith").c_str());
    user.Start();
    ASSERT_TRUE(app.InitApplication());
    ASSERT_TRUE(app.InitInstance());
    const int nExitCode = app.Run();
    app.CloseAllDocuments(TRUE);

    EXPECT_EQ(user.Failure(), "");
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(nExitCode, 0);
    EXPECT_EQ(MaskGuid(TempFolder::Read(header)), Expected("TestProps.h"));
    EXPECT_EQ(MaskGuid(TempFolder::Read(source)), Expected("TestProps.cpp") + kTypedLine);
    // Nothing but the two files in the work folder: no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(Work("")), fs::directory_iterator()), 2);
    const std::string profile = TempFolder::Read(m_folder.File("config/kilnsmith/kilnsmith.ini"));
    EXPECT_NE(profile.find("First tyne=dword:00000000"), std::string::npos) << profile;
    EXPECT_NE(profile.find("[Recent File List]\nFile1=" + source), std::string::npos) << profile;
    EXPECT_NE(profile.find("[C\\"), std::string::npos) << profile;
}

// The last line of the active document's text.
std::string ActiveLastLine()
{
    CMDIDoc *pDoc = ActiveDocument();
    if (!pDoc)
        return std::string();
    CMDITextBuffer &buffer = pDoc->GetBuffer();
    const int nLast = buffer.GetLastLine();
    CString text;
    buffer.GetText(text, nLast, 0, nLast, buffer.GetLineLength(nLast));
    return text.GetString();
}

TEST_F(EndToEndTest, GeneratingAClassAgainKeepsTheEditsOfItsOpenWindow)
{
    const std::string source = Work("TestProps.cpp");
    auto createClass = [](UserScenario &user, const char *pszWhen) {
        user.Step(std::string("the Properties menu ") + pszWhen, MenuIsOpen, [] { UserScenario::Key(Qt::Key_N); });
        user.Step(
            std::string("the New Class dialog ") + pszWhen, [] { return UserScenario::ActiveTitle() == "New Class"; },
            [] {
                UserScenario::Type("CTestProps");
                UserScenario::Key(Qt::Key_Return);
            });
    };
    UserScenario user;
    user.Step(
        "the welcome box", [] { return UserScenario::ActiveTitle() == "Welcome to Kilnsmith"; },
        [] { UserScenario::Key(Qt::Key_Return); });
    user.Step(
        "the main frame with its first document",
        [] { return ActiveDocument() != nullptr && ::GetActiveWindow() == AfxGetApp()->m_pMainWnd->m_hWnd; },
        [] { UserScenario::Key(Qt::Key_P, Qt::AltModifier); });
    createClass(user, "first");
    user.Step(
        "the new source", [&] { return ActiveDocumentIs(source); },
        [] {
            UserScenario::Key(Qt::Key_End, Qt::ControlModifier);
            UserScenario::Type(kTypedLine);
            // The header's window comes forward; the source keeps its edit.
            UserScenario::Key(Qt::Key_F6, Qt::ControlModifier);
        });
    user.Step(
        "the header in front", [&] { return ActiveDocumentIs(Work("TestProps.h")); },
        [] { UserScenario::Key(Qt::Key_P, Qt::AltModifier); });
    createClass(user, "again");
    user.Step(
        "the edited source in front, the new class on disk",
        [&] {
            return ActiveDocumentIs(source) && ActiveDocument()->IsModified() && ActiveLastLine() == kTypedLine &&
                   MaskGuid(TempFolder::Read(source)) == Expected("TestProps.cpp");
        },
        [] { UserScenario::Key(Qt::Key_F, Qt::AltModifier); });
    user.Step("the File menu to save", MenuIsOpen, [] { UserScenario::Key(Qt::Key_S); });
    user.Step(
        "the saved source", [&] { return ActiveDocumentIs(source) && !ActiveDocument()->IsModified(); },
        [] { UserScenario::Key(Qt::Key_F, Qt::AltModifier); });
    user.Step("the File menu", MenuIsOpen, [] { UserScenario::Key(Qt::Key_X); });

    CMDIApp app;
    static char szProgram[] = "kilnsmith";
    static char *argv[] = {szProgram, nullptr};
    app.__argc = 1;
    app.__argv = argv;
    app.SetProgramPaths(m_folder.File("bin/kilnsmith").c_str());
    user.Start();
    ASSERT_TRUE(app.InitApplication());
    ASSERT_TRUE(app.InitInstance());
    const int nExitCode = app.Run();
    app.CloseAllDocuments(TRUE);

    EXPECT_EQ(user.Failure(), "");
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(nExitCode, 0);
    // No box asked anything on the way: the edit was saved after the class
    // was generated again.
    EXPECT_EQ(MaskGuid(TempFolder::Read(source)), Expected("TestProps.cpp") + kTypedLine);
}

} // namespace
