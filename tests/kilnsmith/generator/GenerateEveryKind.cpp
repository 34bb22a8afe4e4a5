// Writes the code generator's output for every kind of class, as the wizard
// would for a user who typed the names below, into <folder>/<kind>/.  The
// compile test then builds these fresh files against the library.
//
// usage: generate_every_kind <folder>
#include "kilnsmith/generator/CodeGenerator.h"

#include <cstdio>
#include <filesystem>

namespace {

struct KindToWrite {
    ClassKind kind;
    const char *pszFolder;
    const char *pszClass;
    const char *pszExtra; // the document class of a view, the base of a plain class
};

const KindToWrite kKinds[] = {
    {ClassKind::DrawComponent, "draw_component", "CMyNewComponent1", ""},
    {ClassKind::PortsComponent, "ports_component", "CMyNewComponent1", ""},
    {ClassKind::PropertySet, "property_set", "CMyNewProperties", ""},
    {ClassKind::DataModel, "data_model", "CMySingleDataModel1", ""},
    {ClassKind::SubFormModel, "sub_form_model", "CMySingleSubDataModel1", ""},
    {ClassKind::MultiPageModel, "multi_page_model", "CMyMultiDataModel1", ""},
    {ClassKind::SingleCommand, "single_command", "CMySubCommand1", ""},
    {ClassKind::ListCommand, "list_command", "CMyCommand1", ""},
    {ClassKind::MacroCommand, "macro_command", "CMyMacroCommand1", ""},
    {ClassKind::Document, "document", "CMyDoc", ""},
    {ClassKind::MultiPageDocument, "multi_page_document", "CMyDoc", ""},
    {ClassKind::BaseView, "base_view", "CMyView", "CMyDoc"},
    {ClassKind::ContentView, "content_view", "CMyView", "CMyDoc"},
    {ClassKind::LineEnd, "line_end", "CMyLineEndObject", ""},
    {ClassKind::HyperlinkComponent, "hyperlink_component", "CMyNewComponent1", ""},
    {ClassKind::ToolBoxItem, "toolbox_item", "CMyNewToolBoxItem1", ""},
    {ClassKind::PlainClass, "plain_class", "CMyNewClass", "CObject"},
};

HRESULT FixedGuid(GUID *pGuid)
{
    *pGuid = GUID{0x12345678, 0x9abc, 0xabcd, {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}};
    return S_OK;
}

bool WriteKind(const std::filesystem::path &root, const KindToWrite &entry)
{
    const std::filesystem::path folder = root / entry.pszFolder;
    std::filesystem::create_directories(folder);
    CCodeGenerator generator(CString(folder.string().c_str()), FixedGuid);
    const bool bView = entry.kind == ClassKind::BaseView || entry.kind == ClassKind::ContentView;
    const GeneratedClassNames names(entry.pszClass, "A class of the user's own", bView ? entry.pszExtra : "",
                                    bView ? "" : entry.pszExtra);
    return generator.WriteHeader(entry.kind, names) && generator.WriteSource(entry.kind, names);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    int nFailed = 0;
    for (const KindToWrite &entry : kKinds) {
        if (!WriteKind(argv[1], entry)) {
            std::fprintf(stderr, "%s: not written\n", entry.pszFolder);
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}
