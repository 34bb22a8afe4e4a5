#include "kilnsmith/wizard/WizardCommands.h"

#include "kilnsmith/wizard/KilnsmithAppIds.h"

namespace {

const WizardCommand kCommands[] = {
    {ID_CREATE_SINGLE_COMMAND, ClassKind::SingleCommand, ClassDialogKind::NewClass, "CMySubCommand1", nullptr,
     "Command"},
    {ID_CREATE_LIST_COMMAND, ClassKind::ListCommand, ClassDialogKind::NewClass, "CMyCommand1", nullptr,
     "Command for multi components"},
    {ID_CREATE_MACRO_COMMAND, ClassKind::MacroCommand, ClassDialogKind::NewClass, "CMyMacroCommand1", nullptr,
     "Macro Command for multi components"},
    {ID_CREATE_DRAW_COMPONENT, ClassKind::DrawComponent, ClassDialogKind::NewClass, "CMyNewComponent1", nullptr,
     "Component"},
    {ID_CREATE_PORTS_COMPONENT, ClassKind::PortsComponent, ClassDialogKind::NewClass, "CMyNewComponent1", nullptr,
     "Component"},
    {ID_CREATE_HYPERLINK_COMPONENT, ClassKind::HyperlinkComponent, ClassDialogKind::NewClass, "CMyNewComponent1",
     nullptr, "New control."},
    {ID_CREATE_PROPERTY_SET, ClassKind::PropertySet, ClassDialogKind::NewClass, "CMyNewProperties", nullptr,
     "Properties"},
    {ID_CREATE_DATA_MODEL, ClassKind::DataModel, ClassDialogKind::NewClass, "CMySingleDataModel1", nullptr,
     "Data Model"},
    {ID_CREATE_SUB_FORM_MODEL, ClassKind::SubFormModel, ClassDialogKind::NewClass, "CMySingleSubDataModel1", nullptr,
     "Sub data model"},
    {ID_CREATE_MULTI_PAGE_MODEL, ClassKind::MultiPageModel, ClassDialogKind::NewClass, "CMyMultiDataModel1", nullptr,
     "Multi Page Data Model"},
    {ID_CREATE_MULTI_PAGE_DOCUMENT, ClassKind::MultiPageDocument, ClassDialogKind::NewClass, "CMyDoc", nullptr,
     "CQYMultiPageModel Document."},
    {ID_CREATE_DOCUMENT, ClassKind::Document, ClassDialogKind::NewClass, "CMyDoc", nullptr, "Document"},
    {ID_CREATE_BASE_VIEW, ClassKind::BaseView, ClassDialogKind::ViewClass, "CMyView", "CMyDoc", "Base View."},
    {ID_CREATE_CONTENT_VIEW, ClassKind::ContentView, ClassDialogKind::ViewClass, "CMyView", "CMyDoc", "Content View."},
    {ID_CREATE_LINE_END, ClassKind::LineEnd, ClassDialogKind::NewClass, "CMyLineEndObject", nullptr,
     "Create Line end object."},
    {ID_CREATE_TOOLBOX_ITEM, ClassKind::ToolBoxItem, ClassDialogKind::NewClass, "CMyNewToolBoxItem1", nullptr,
     "New toolbox item class."},
    {ID_CREATE_PLAIN_CLASS, ClassKind::PlainClass, ClassDialogKind::NormalClass, "CMyNewClass", "CMyBaseClass",
     "Normal class."},
};

} // namespace

const WizardCommand *GetWizardCommands(int *pnCount)
{
    if (pnCount != nullptr)
        *pnCount = static_cast<int>(sizeof(kCommands) / sizeof(kCommands[0]));
    return kCommands;
}

const WizardCommand *FindWizardCommand(UINT nID)
{
    for (const WizardCommand &command : kCommands) {
        if (command.nID == nID)
            return &command;
    }
    return nullptr;
}
