#include "kilnsmith/generator/ClassKinds.h"

namespace {

constexpr GuardCloseForm kOne = GuardCloseForm::OneLineEnd;
constexpr GuardCloseForm kTwo = GuardCloseForm::TwoLineEnds;

// In enumeration order.
const ClassKindInfo kKinds[] = {
    {ClassKind::DrawComponent, "draw_component_header", "draw_component_source", "CQYDrawComponent", kTwo,
     ExtraName::None},
    {ClassKind::PortsComponent, "ports_component_header", "ports_component_source", "CQYDrawPortsComponent", kTwo,
     ExtraName::None},
    {ClassKind::PropertySet, "property_set_header", "property_set_source", "CQYBaseProperties", kTwo, ExtraName::None},
    // The single and the sub-form model share their text; only the base differs.
    {ClassKind::DataModel, "data_model_header", "data_model_source", "CQYDataModel", kTwo, ExtraName::None},
    {ClassKind::SubFormModel, "data_model_header", "data_model_source", "CQYSubFormModel", kTwo, ExtraName::None},
    {ClassKind::MultiPageModel, "multi_page_model_header", "multi_page_model_source", "CQYMultiPageModel", kOne,
     ExtraName::None},
    // The commands' diagnostics call CObject, which is all that {Base} stands for in their text.
    {ClassKind::SingleCommand, "single_command_header", "single_command_source", "CObject", kOne, ExtraName::None},
    {ClassKind::ListCommand, "list_command_header", "list_command_source", "CObject", kOne, ExtraName::None},
    {ClassKind::MacroCommand, "macro_command_header", "macro_command_source", "CObject", kOne, ExtraName::None},
    {ClassKind::Document, "document_header", "document_source", "CQYDoc", kOne, ExtraName::None},
    {ClassKind::MultiPageDocument, "multi_page_document_header", "multi_page_document_source", "CDocument", kOne,
     ExtraName::None},
    {ClassKind::BaseView, "base_view_header", "base_view_source", "CQYBaseView", kOne, ExtraName::Document},
    {ClassKind::ContentView, "content_view_header", "content_view_source", "CQYContentView", kOne, ExtraName::Document},
    {ClassKind::LineEnd, "line_end_header", "line_end_source", "CQYBaseEndObject", kOne, ExtraName::None},
    {ClassKind::HyperlinkComponent, "hyperlink_component_header", "hyperlink_component_source", "CQYHyLinkComponent",
     kOne, ExtraName::None},
    {ClassKind::ToolBoxItem, "toolbox_item_header", "toolbox_item_source", "CQYToolBoxItem", kOne, ExtraName::None},
    // The plain class names its typed base («BaseClass») and never {Base}.
    {ClassKind::PlainClass, "plain_class_header", "plain_class_source", "", kOne, ExtraName::BaseClass},
};

} // namespace

const ClassKindInfo &GetClassKindInfo(ClassKind kind)
{
    return kKinds[static_cast<int>(kind)];
}
