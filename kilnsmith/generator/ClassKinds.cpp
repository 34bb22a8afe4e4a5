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
    {ClassKind::PropertySet, "property_set_header", "property_set_source", "CQYBaseProperties", kTwo,
     ExtraName::None},
    // The single and the sub-form model share their text; only the base differs.
    {ClassKind::DataModel, "data_model_header", "data_model_source", "CQYDataModel", kTwo, ExtraName::None},
    {ClassKind::SubFormModel, "data_model_header", "data_model_source", "CQYSubFormModel", kTwo, ExtraName::None},
    {ClassKind::MultiPageModel, "multi_page_model_header", "multi_page_model_source", "CQYMultiPageModel", kOne,
     ExtraName::None},
};

} // namespace

const ClassKindInfo &GetClassKindInfo(ClassKind kind)
{
    return kKinds[static_cast<int>(kind)];
}
