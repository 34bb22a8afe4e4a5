#include "kilnsmith/generator/CodeGenerator.h"

#include "kilnsmith/generator/GeneratedFileNames.h"
#include "kilnsmith/generator/GeneratedFileWriter.h"
#include "kilnsmith/generator/TemplateRenderer.h"

#include <utility>

IMPLEMENT_SERIAL(CCodeGenerator, CObject, 0)

CCodeGenerator::CCodeGenerator() : m_guidSource(CoCreateGuid) {}

CCodeGenerator::CCodeGenerator(const CString &strOutputFolder, GuidSource guidSource)
    : m_strOutputFolder(strOutputFolder), m_guidSource(std::move(guidSource))
{
}

CString CCodeGenerator::GetHeaderFilePath(const CString &strClass) const
{
    return JoinOutputPath(m_strOutputFolder, GetHeaderFileName(strClass));
}

CString CCodeGenerator::GetSourceFilePath(const CString &strClass) const
{
    return JoinOutputPath(m_strOutputFolder, GetSourceFileName(strClass));
}

CString CCodeGenerator::CreateGuardSuffix()
{
    GUID guid = {};
    if (m_guidSource)
        m_guidSource(&guid); // the result code is not needed: a zero GUID says it all
    return FormatGuardSuffix(guid);
}

BOOL CCodeGenerator::AcceptsNames(ClassKind kind, const GeneratedClassNames &names)
{
    if (!IsSafeClassName(names.strClass))
        return FALSE;
    switch (GetClassKindInfo(kind).extraName) {
    case ExtraName::Document: return IsCppIdentifier(names.strDocument);
    case ExtraName::BaseClass: return IsCppIdentifier(names.strBaseClass);
    case ExtraName::None: break;
    }
    return TRUE;
}

BOOL CCodeGenerator::RenderFile(const ClassKindInfo &info, const GeneratedClassNames &names, BOOL bHeader,
                                std::string &text)
{
    std::string templateText;
    if (!ExpandTemplate(bHeader ? info.pszHeaderTemplate : info.pszSourceTemplate, templateText))
        return FALSE;
    const CString strHeaderFile = GetHeaderFileName(names.strClass);
    const CString strSourceFile = GetSourceFileName(names.strClass);
    const CString strDocumentHeader = GetHeaderFileName(names.strDocument);
    CString strGuardOpen;
    CString strGuardClose;
    if (bHeader) {
        const CString strGuardName = MakeGuardName(strHeaderFile);
        const CString strSuffix = CreateGuardSuffix();
        strGuardOpen = MakeGuardOpen(strGuardName, strSuffix);
        strGuardClose = MakeGuardClose(strGuardName, strSuffix, info.closeForm);
    }
    text = FillPlaceholders(templateText, {
                                              {"«Class»", names.strClass.View()},
                                              {"«Description»", names.strDescription.View()},
                                              {"«Document»", names.strDocument.View()},
                                              {"«BaseClass»", names.strBaseClass.View()},
                                              {"{DocumentHeader}", strDocumentHeader.View()},
                                              {"{HeaderFile}", strHeaderFile.View()},
                                              {"{SourceFile}", strSourceFile.View()},
                                              {"{Base}", info.pszBase},
                                              {"{GuardOpen}", strGuardOpen.View()},
                                              {"{GuardClose}", strGuardClose.View()},
                                          });
    text = EndWithSingleLineEnd(std::move(text));
    return TRUE;
}

BOOL CCodeGenerator::WriteHeader(ClassKind kind, const GeneratedClassNames &names)
{
    const ClassKindInfo &info = GetClassKindInfo(kind);
    std::string text;
    if (!AcceptsNames(kind, names) || !RenderFile(info, names, TRUE, text))
        return FALSE;
    return WriteGeneratedFile(GetHeaderFilePath(names.strClass), text);
}

BOOL CCodeGenerator::WriteSource(ClassKind kind, const GeneratedClassNames &names)
{
    const ClassKindInfo &info = GetClassKindInfo(kind);
    std::string text;
    if (!AcceptsNames(kind, names) || !RenderFile(info, names, FALSE, text))
        return FALSE;
    return WriteGeneratedFile(GetSourceFilePath(names.strClass), text);
}

BOOL CCodeGenerator::WriteDrawComponentHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::DrawComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteDrawComponentSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::DrawComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WritePortsComponentHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::PortsComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WritePortsComponentSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::PortsComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WritePropertySetHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::PropertySet, {strClass, strDescription});
}

BOOL CCodeGenerator::WritePropertySetSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::PropertySet, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteDataModelHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::DataModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteDataModelSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::DataModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteSubFormModelHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::SubFormModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteSubFormModelSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::SubFormModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMultiPageModelHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::MultiPageModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMultiPageModelSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::MultiPageModel, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteSingleCommandHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::SingleCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteSingleCommandSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::SingleCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteListCommandHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::ListCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteListCommandSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::ListCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMacroCommandHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::MacroCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMacroCommandSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::MacroCommand, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteDocumentHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::Document, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteDocumentSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::Document, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMultiPageDocumentHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::MultiPageDocument, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteMultiPageDocumentSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::MultiPageDocument, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteBaseViewHeader(CString strClass, CString strDocument, CString strDescription)
{
    return WriteHeader(ClassKind::BaseView, {strClass, strDescription, strDocument, CString()});
}

BOOL CCodeGenerator::WriteBaseViewSource(CString strClass, CString strDocument, CString strDescription)
{
    return WriteSource(ClassKind::BaseView, {strClass, strDescription, strDocument, CString()});
}

BOOL CCodeGenerator::WriteContentViewHeader(CString strClass, CString strDocument, CString strDescription)
{
    return WriteHeader(ClassKind::ContentView, {strClass, strDescription, strDocument, CString()});
}

BOOL CCodeGenerator::WriteContentViewSource(CString strClass, CString strDocument, CString strDescription)
{
    return WriteSource(ClassKind::ContentView, {strClass, strDescription, strDocument, CString()});
}

BOOL CCodeGenerator::WriteLineEndHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::LineEnd, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteLineEndSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::LineEnd, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteHyperlinkComponentHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::HyperlinkComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteHyperlinkComponentSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::HyperlinkComponent, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteToolBoxItemHeader(CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::ToolBoxItem, {strClass, strDescription});
}

BOOL CCodeGenerator::WriteToolBoxItemSource(CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::ToolBoxItem, {strClass, strDescription});
}

BOOL CCodeGenerator::WritePlainClassHeader(CString strBaseClass, CString strClass, CString strDescription)
{
    return WriteHeader(ClassKind::PlainClass, {strClass, strDescription, CString(), strBaseClass});
}

BOOL CCodeGenerator::WritePlainClassSource(CString strBaseClass, CString strClass, CString strDescription)
{
    return WriteSource(ClassKind::PlainClass, {strClass, strDescription, CString(), strBaseClass});
}
