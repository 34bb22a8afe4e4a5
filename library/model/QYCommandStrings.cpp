#include "library/model/QYCommandStrings.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kCommandStrings[] = {
    {IDS_QY_CMD_ADDCOMP, "Add new component."},
    {IDS_QY_CMD_ADDCOMPS, "Add new components"},
    {IDS_QY_CMD_ADDLINK, "Add new Link Component"},
    {IDS_QY_CMD_ALIGN_TOP, "Align top"},
    {IDS_QY_CMD_ALIGN_MIDDLE, "Align middle"},
    {IDS_QY_CMD_ALIGN_BOTTOM, "Align bottom"},
    {IDS_QY_CMD_ALIGN_LEFT, "Align left"},
    {IDS_QY_CMD_ALIGN_CENTER, "Align center"},
    {IDS_QY_CMD_ALIGN_RIGHT, "Align right"},
    {IDS_QY_CMD_UNKNOWN, "*Unknown Command"},
    {IDS_QY_CMD_COLORCHANGE, "Back color change command"},
    {IDS_QY_CMD_FORMCOLORCHANGE, "Form color change command"},
    {IDS_QY_CMD_FORMSIZE, "Change form size command"},
    {IDS_QY_CMD_MOVECOMP, "Move single component command"},
    {IDS_QY_CMD_MOVECOMPS, "Move components"},
    {IDS_QY_CMD_ORDER_NONE, "None command"},
    {IDS_QY_CMD_ORDER_TOFRONT, "Bring component to front command"},
    {IDS_QY_CMD_ORDER_TOBACK, "Send component to back command"},
    {IDS_QY_CMD_ORDER_FORWARD, "Bring components forward command."},
    {IDS_QY_CMD_ORDER_BACKWARD, "Send component backward command"},
    {IDS_QY_CMD_ORDERSINGLE, "Order single component command"},
    {IDS_QY_CMD_REMOVECOMP, "Remove single component command"},
    {IDS_QY_CMD_REMOVECOMPS, "Remove multi components"},
    {IDS_QY_CMD_REMOVELINK, "Remove link component command"},
    {IDS_QY_CMD_SCALE, "Scale component command"},
    {IDS_QY_CMD_SAME_WIDTH, "Make components the same width command "},
    {IDS_QY_CMD_SAME_HEIGHT, "Make components the same height command"},
    {IDS_QY_CMD_SAME_SIZE, "Make components the same size"},
    {IDS_QY_CMD_SIZEPORT, "Change port position command"},
    {IDS_QY_CMD_SIZESPOT, "Sizeing spot command"},
    {IDS_QY_CMD_SPACING_ACROSS, "Spacing across command"},
    {IDS_QY_CMD_SPACING_DOWN, "Spacing down command"},
    {IDS_QY_CMD_ROTATE, "Rotate component command"},
    {IDS_QY_CMD_GROUP, "Group component command"},
    {IDS_QY_CMD_UNGROUP, "Ungroup component command"},
};

// The library's texts are there before any program code runs.
const struct CommandStringsRegistrar {
    CommandStringsRegistrar() { QYRegisterCommandStrings(); }
} g_registrar;

} // namespace

void QYRegisterCommandStrings()
{
    PlexoRegisterStrings(kCommandStrings, static_cast<int>(sizeof(kCommandStrings) / sizeof(kCommandStrings[0])));
}

CString QYLoadCommandString(UINT nID)
{
    CString strText;
    if (!strText.LoadString(nID))
        strText.Empty();
    return strText;
}
