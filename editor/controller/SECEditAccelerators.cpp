#include "editor/controller/SECEditAccelerators.h"

#include "editor/controller/SECEditCommandIds.h"

#include "framework/resources/Resources.h"
#include "framework/window/VirtualKeys.h"

namespace {

constexpr BYTE V = FVIRTKEY | FNOINVERT;
constexpr BYTE C = V | FCONTROL;
constexpr BYTE S = V | FSHIFT;
constexpr BYTE CS = V | FCONTROL | FSHIFT;
constexpr BYTE A = V | FALT;
constexpr BYTE AS = V | FALT | FSHIFT;

const ACCEL kAccelerators[] = {
    {CS, 'W', ID_SECEDIT_SELECT_WORD},
    {C, VK_BACK, ID_SECEDIT_DELETE_WORD_BACK},
    {CS, VK_LEFT, ID_SECEDIT_EXTEND_WORD_LEFT},
    {C, VK_LEFT, ID_SECEDIT_WORD_LEFT},
    {C, VK_RIGHT, ID_SECEDIT_WORD_RIGHT},
    {V, VK_TAB, ID_SECEDIT_TAB},
    {V, VK_BACK, ID_SECEDIT_BACKSPACE},
    {V, VK_RETURN, ID_SECEDIT_RETURN},
    {C, VK_DELETE, ID_SECEDIT_DELETE_WORD},
    {V, VK_DELETE, ID_SECEDIT_DELETE},
    {CS, VK_RIGHT, ID_SECEDIT_EXTEND_WORD_RIGHT},
    {CS, VK_END, ID_SECEDIT_EXTEND_DOC_END},
    {CS, VK_HOME, ID_SECEDIT_EXTEND_DOC_START},
    {C, VK_END, ID_SECEDIT_DOC_END},
    {C, VK_HOME, ID_SECEDIT_DOC_START},
    {V, VK_INSERT, ID_SECEDIT_OVERWRITE},
    {V, VK_UP, ID_SECEDIT_UP},
    {V, VK_DOWN, ID_SECEDIT_DOWN},
    {V, VK_LEFT, ID_SECEDIT_LEFT},
    {V, VK_RIGHT, ID_SECEDIT_RIGHT},
    {S, VK_UP, ID_SECEDIT_EXTEND_UP},
    {S, VK_DOWN, ID_SECEDIT_EXTEND_DOWN},
    {S, VK_LEFT, ID_SECEDIT_EXTEND_LEFT},
    {S, VK_RIGHT, ID_SECEDIT_EXTEND_RIGHT},
    {V, VK_PRIOR, ID_SECEDIT_PAGE_UP},
    {V, VK_NEXT, ID_SECEDIT_PAGE_DOWN},
    {S, VK_PRIOR, ID_SECEDIT_EXTEND_PAGE_UP},
    {S, VK_NEXT, ID_SECEDIT_EXTEND_PAGE_DOWN},
    {V, VK_HOME, ID_SECEDIT_HOME},
    {V, VK_END, ID_SECEDIT_END},
    {S, VK_HOME, ID_SECEDIT_EXTEND_HOME},
    {S, VK_END, ID_SECEDIT_EXTEND_END},
    {CS, '8', ID_SECEDIT_SHOW_WHITESPACE},
    {V, VK_F3, ID_SECEDIT_FIND_NEXT},
    {V, VK_F3, ID_SECEDIT_FIND_NEXT}, // the table lists F3 twice
    {C, VK_F3, ID_SECEDIT_FIND_NEXT_WORD},
    {S, VK_F3, ID_SECEDIT_FIND_PREV},
    {CS, VK_F3, ID_SECEDIT_FIND_PREV_WORD},
    {C, 'L', ID_SECEDIT_CUT_LINES},
    {CS, 'L', ID_SECEDIT_DELETE_LINES},
    {C, 'U', ID_SECEDIT_LOWER_CASE},
    {CS, 'U', ID_SECEDIT_UPPER_CASE},
    {S, VK_TAB, ID_SECEDIT_UNINDENT},
    {V, VK_ESCAPE, ID_SECEDIT_ESCAPE},
    {C, VK_DOWN, ID_SECEDIT_SCROLL_DOWN},
    {C, VK_UP, ID_SECEDIT_SCROLL_UP},
    {V, VK_F9, ID_SECEDIT_TOGGLE_MARK_FIRST + SECEDIT_MARK_F9},
    {C, VK_F2, ID_SECEDIT_TOGGLE_MARK_FIRST + SECEDIT_MARK_BOOKMARK},
    {V, VK_F2, ID_SECEDIT_NEXT_MARK_FIRST + SECEDIT_MARK_BOOKMARK},
    {S, VK_F2, ID_SECEDIT_PREV_MARK_FIRST + SECEDIT_MARK_BOOKMARK},
    {CS, VK_F2, ID_SECEDIT_CLEAR_MARK_FIRST + SECEDIT_MARK_BOOKMARK},
    {C, 'C', ID_EDIT_COPY},
    {C, VK_INSERT, ID_EDIT_COPY},
    {C, 'X', ID_EDIT_CUT},
    {S, VK_DELETE, ID_EDIT_CUT},
    {C, 'F', ID_EDIT_FIND},
    {C, 'V', ID_EDIT_PASTE},
    {S, VK_INSERT, ID_EDIT_PASTE},
    {C, 'H', ID_EDIT_REPLACE},
    {C, 'A', ID_EDIT_SELECT_ALL},
    {C, 'Z', ID_EDIT_UNDO},
    {A, VK_BACK, ID_EDIT_UNDO},
    {C, 'Y', ID_EDIT_REDO},
    {CS, 'Z', ID_EDIT_REDO},
    {AS, VK_BACK, ID_EDIT_REDO},
    {V, VK_F6, ID_NEXT_PANE},
    {S, VK_F6, ID_PREV_PANE},
};

constexpr int kAcceleratorCount = static_cast<int>(sizeof(kAccelerators) / sizeof(kAccelerators[0]));

const bool kRegistered = [] {
    PlexoRegisterAccelerators(IDR_SECEDIT_ACCELERATORS, kAccelerators, kAcceleratorCount);
    return true;
}();

} // namespace

const ACCEL *SECEditAcceleratorTable(int *pnCount)
{
    if (pnCount)
        *pnCount = kAcceleratorCount;
    return kAccelerators;
}

void SECEditRegisterAccelerators()
{
    int nCount = 0;
    if (!kRegistered || !PlexoFindAccelerators(IDR_SECEDIT_ACCELERATORS, &nCount))
        PlexoRegisterAccelerators(IDR_SECEDIT_ACCELERATORS, kAccelerators, kAcceleratorCount);
}
