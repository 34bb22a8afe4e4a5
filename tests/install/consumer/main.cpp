// The user's program: a page of its own model class, its own component with
// its own property set, put on the page by its own command; saved, reopened
// and saved again.
//
//     consumer <work-folder> [<data-program>]
//
// With a data program's name it also checks that the program's shipped
// language files are found beside the installed tree.
#include "stdafx.h"

#include "MyNewComponent1.h"
#include "MyNewProperties.h"
#include "MySingleDataModel1.h"
#include "MySubCommand1.h"

#include "framework/shell/Places.h"

// The library runs on Qt: a program makes its Qt application first, as the
// framework's own programs do.
#include <QApplication>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int g_nFailures = 0;

void Check(bool bCondition, const char *pszWhat)
{
    if (!bCondition) {
        std::fprintf(stderr, "failed: %s\n", pszWhat);
        ++g_nFailures;
    }
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

void EditSaveAndReopen(const std::string &folder)
{
    const std::string first = folder + "/page.qyf";
    const std::string second = folder + "/page-again.qyf";
    {
        CMySingleDataModel1 model;
        auto *pComp = new CMyNewComponent1;
        pComp->AddRef();
        CRect rect(20, 30, 160, 90);
        pComp->Create(rect, "Mine");
        CMyNewProperties props(QY_CUSTOM_PROP_ID);
        Check(pComp->AddProperty(&props) != FALSE, "the property set joins the component");

        Check(model.Execute(new CMySubCommand1(&model, pComp), TRUE) != FALSE, "the command runs");
        Check(model.GetComponents().GetCount() == 1, "the command put the component on the page");
        Check(model.Undo() != FALSE && model.GetComponents().IsEmpty(), "undo takes it off");
        Check(model.Redo() != FALSE && model.GetComponents().GetCount() == 1, "redo puts it back");
        pComp->Release();
        Check(model.SaveDocument(first.c_str()) != FALSE, "the page saves");
    }
    CMySingleDataModel1 reopened;
    Check(reopened.OpenDocument(first.c_str()) != FALSE, "the page reopens");
    Check(reopened.GetComponents().GetCount() == 1, "the reopened page holds the component");
    if (reopened.GetComponents().GetCount() == 1) {
        CQYDrawComponent *pComp = reopened.GetComponents().GetHead();
        Check(pComp->IsKindOf(RUNTIME_CLASS(CMyNewComponent1)) != FALSE, "it is the user's class");
        Check(pComp->GetObjectCaption() == "Mine", "with its caption");
        CQYBaseProperties *pProps = pComp->FindProperty(QY_CUSTOM_PROP_ID);
        Check(pProps != NULL && pProps->IsKindOf(RUNTIME_CLASS(CMyNewProperties)), "and the user's property set");
    }
    Check(reopened.SaveDocument(second.c_str()) != FALSE, "the reopened page saves");
    Check(ReadBytes(first) == ReadBytes(second), "saving the reopened page gives the same bytes");
}

void FindShippedData(const char *pszProgram)
{
    const CString strFolder = PlexoGetDataFolder(pszProgram);
    const std::string ini = ReadBytes(std::string(strFolder) + "/LanguageSys/DevStudio.ini");
    Check(!ini.empty(), "the shipped language files are found beside the installed program");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work-folder> [<data-program>]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    EditSaveAndReopen(argv[1]);
    if (argc > 2)
        FindShippedData(argv[2]);
    std::printf("%s\n", g_nFailures == 0 ? "all well" : "failures");
    return g_nFailures == 0 ? 0 : 1;
}
