#include "kilnsmith/generator/CodeGenerator.h"

#include "kilnsmith/generator/GeneratedFileNames.h"
#include "kilnsmith/generator/GeneratedFileWriter.h"
#include "kilnsmith/generator/TemplateRenderer.h"

#include <utility>

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

BOOL CCodeGenerator::AcceptsNames(const ClassKindInfo &info, const GeneratedClassNames &names) const
{
    (void)info;
    return IsSafeClassName(names.strClass);
}

BOOL CCodeGenerator::RenderFile(const ClassKindInfo &info, const GeneratedClassNames &names, BOOL bHeader,
                                std::string &text)
{
    std::string templateText;
    if (!ExpandTemplate(bHeader ? info.pszHeaderTemplate : info.pszSourceTemplate, templateText))
        return FALSE;
    const CString strHeaderFile = GetHeaderFileName(names.strClass);
    const CString strSourceFile = GetSourceFileName(names.strClass);
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
    if (!AcceptsNames(info, names) || !RenderFile(info, names, TRUE, text))
        return FALSE;
    return WriteGeneratedFile(GetHeaderFilePath(names.strClass), text);
}

BOOL CCodeGenerator::WriteSource(ClassKind kind, const GeneratedClassNames &names)
{
    const ClassKindInfo &info = GetClassKindInfo(kind);
    std::string text;
    if (!AcceptsNames(info, names) || !RenderFile(info, names, FALSE, text))
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
