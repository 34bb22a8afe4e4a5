// The text buffer's Font and Color command runs the settings dialog here.
#include "editor/langdialogs/SECEditFontColorDlg.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextBuffer.h"

BOOL SECEditRunFontColorDialog(SECEditLangConfig *pConfig, LOGFONT &font)
{
    if (!pConfig)
        return FALSE;
    SECEditFontColorDlg dialog;
    dialog.Prepare(pConfig, font);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    dialog.Apply(pConfig);
    font = dialog.GetLogFont();
    // Every buffer using the language takes the new font and colours.
    auto *hint = new SECEditBufferHint(SECEDIT_HINT_FONT_UPDATE);
    pConfig->NotifyListeners(nullptr, hint);
    hint->Release();
    return TRUE;
}

void SECEditInstallFontColorDialog()
{
    SECEditTextBuffer::SetFontColorDialogRunner(&SECEditRunFontColorDialog);
}

namespace {

// Loading the dialog library is enough to make the command show it.
const bool kInstalled = [] {
    SECEditInstallFontColorDialog();
    return true;
}();

} // namespace
