// The edit control's window procedure: typing, keys, the mouse, the edit
// messages, notifications and painting in the classic style.
#include "framework/controls/Edit.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/EditBuffer.h"
#include "framework/controls/EditClipboard.h"

#include "framework/base/CRect.h"
#include "framework/base/Mbcs.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/CaretApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/WindowApi.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr size_t kDefaultLimit = 30000;

struct EditState {
    EditBuffer buffer;
    size_t limit = kDefaultLimit;
    bool modified = false;
    bool focus = false;
    bool selecting = false;   // the mouse is dragging a selection
    bool formatLines = false; // EM_FMTLINES
    int leftMargin = 1;
    int rightMargin = 1;
    int scrollX = 0;    // pixels scrolled sideways
    int firstLine = 0;  // multi-line: the top visible line
    MbTypedChars typed; // the first bytes of a character being typed
};

std::map<HWND, EditState> &States()
{
    return ControlStates<EditState>();
}

EditState &State(HWND h)
{
    return ControlState<EditState>(h);
}

bool MultiLine(HWND h)
{
    return (ControlStyle(h) & ES_MULTILINE) != 0;
}

// ---- Measuring

// A context on the control with its font, for measuring text.
class MeasureDC {
public:
    explicit MeasureDC(HWND h) : m_hWnd(h), m_hdc(GetDC(h))
    {
        if (m_hdc)
            m_oldFont = ControlPaint::SelectFont(h, m_hdc);
    }
    ~MeasureDC()
    {
        if (!m_hdc)
            return;
        SelectObject(m_hdc, m_oldFont);
        ReleaseDC(m_hWnd, m_hdc);
    }
    MeasureDC(const MeasureDC &) = delete;
    MeasureDC &operator=(const MeasureDC &) = delete;

    int Width(const std::string &text) const
    {
        if (!m_hdc || text.empty())
            return 0;
        SIZE size{0, 0};
        GetTextExtentPoint32(m_hdc, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int LineHeight() const
    {
        TEXTMETRIC tm{};
        if (m_hdc)
            GetTextMetrics(m_hdc, &tm);
        return tm.tmHeight > 0 ? tm.tmHeight : 13;
    }

private:
    HWND m_hWnd;
    HDC m_hdc;
    HGDIOBJ m_oldFont = nullptr;
};

// What a line shows: stars for passwords.
std::string Shown(HWND h, const std::string &text)
{
    if (!(ControlStyle(h) & ES_PASSWORD) || MultiLine(h))
        return text;
    return std::string(MbCharCount(reinterpret_cast<const unsigned char *>(text.data()), text.size()), '*');
}

CRect FormatRect(HWND h, const EditState &s)
{
    CRect rc;
    GetClientRect(h, &rc);
    rc.left += s.leftMargin;
    rc.right = plexoMax(rc.left, rc.right - s.rightMargin);
    return rc;
}

// ---- Lines as shown: a multi-line edit without ES_AUTOHSCROLL wraps its
// lines at spaces (or inside a word longer than the width).

struct VisualLine {
    size_t start;
    size_t end; // before the line's break
};

bool Wraps(HWND h)
{
    return MultiLine(h) && !(ControlStyle(h) & ES_AUTOHSCROLL);
}

void WrapLine(const EditBuffer &b, const MeasureDC &dc, size_t begin, size_t end, int width,
              std::vector<VisualLine> &lines)
{
    const std::string &t = b.Text();
    size_t start = begin;
    while (dc.Width(t.substr(start, end - start)) > width) {
        size_t fit = start;
        size_t afterSpace = std::string::npos;
        for (size_t p = start; p < end;) {
            size_t next = b.Next(p);
            if (dc.Width(t.substr(start, next - start)) > width)
                break;
            if (t[p] == ' ')
                afterSpace = next;
            fit = next;
            p = next;
        }
        size_t split =
            afterSpace != std::string::npos && afterSpace > start ? afterSpace : (fit > start ? fit : b.Next(start));
        lines.push_back(VisualLine{start, split});
        start = split;
        if (start >= end)
            return;
    }
    lines.push_back(VisualLine{start, end});
}

std::vector<VisualLine> Lines(HWND h)
{
    const EditState &s = State(h);
    const std::string &t = s.buffer.Text();
    std::vector<VisualLine> lines;
    std::unique_ptr<MeasureDC> dc;
    int width = 0;
    if (Wraps(h)) {
        dc = std::make_unique<MeasureDC>(h);
        width = FormatRect(h, s).Width();
    }
    for (size_t pos = 0;;) {
        size_t nl = MultiLine(h) ? t.find('\n', pos) : std::string::npos;
        size_t end = nl == std::string::npos ? t.size() : nl;
        size_t textEnd = end > pos && t[end - 1] == '\r' ? end - 1 : end;
        if (dc && width > 0)
            WrapLine(s.buffer, *dc, pos, textEnd, width, lines);
        else
            lines.push_back(VisualLine{pos, textEnd});
        if (nl == std::string::npos)
            return lines;
        pos = nl + 1;
    }
}

// The shown line of a position; at a wrap, the later line.
int LineOf(const std::vector<VisualLine> &lines, size_t pos)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (pos < lines[i + 1].start)
            return static_cast<int>(i);
    return static_cast<int>(lines.size()) - 1;
}

std::string LineText(HWND h, const std::vector<VisualLine> &lines, int line)
{
    if (line < 0 || line >= static_cast<int>(lines.size()))
        return std::string();
    const VisualLine &l = lines[static_cast<size_t>(line)];
    return State(h).buffer.Text().substr(l.start, l.end - l.start);
}

// The x of a line's first character, after alignment and scrolling.
int LineOrigin(HWND h, const EditState &s, const MeasureDC &dc, const std::string &shown)
{
    CRect rc = FormatRect(h, s);
    DWORD align = ControlStyle(h) & (ES_CENTER | ES_RIGHT);
    int width = dc.Width(shown);
    int x = rc.left;
    if (align == ES_RIGHT)
        x = rc.right - width;
    else if (align == ES_CENTER)
        x = rc.left + (rc.Width() - width) / 2;
    return x - s.scrollX;
}

POINT PositionOf(HWND h, const EditState &s, const MeasureDC &dc, size_t pos)
{
    std::vector<VisualLine> lines = Lines(h);
    int line = LineOf(lines, pos);
    size_t start = lines[static_cast<size_t>(line)].start;
    std::string text = LineText(h, lines, line);
    std::string shown = Shown(h, text);
    std::string before = Shown(h, s.buffer.Text().substr(start, pos - start));
    return POINT{LineOrigin(h, s, dc, shown) + dc.Width(before), (line - s.firstLine) * dc.LineHeight()};
}

size_t CharFromPoint(HWND h, const EditState &s, POINT pt)
{
    MeasureDC dc(h);
    int line = s.firstLine + (pt.y >= 0 ? pt.y / dc.LineHeight() : -1);
    std::vector<VisualLine> lines = Lines(h);
    line = plexoMax(0, plexoMin(line, static_cast<int>(lines.size()) - 1));
    size_t start = lines[static_cast<size_t>(line)].start;
    size_t end = lines[static_cast<size_t>(line)].end;
    std::string shown = Shown(h, LineText(h, lines, line));
    int x = LineOrigin(h, s, dc, shown);
    size_t best = start;
    for (size_t pos = start; pos < end;) {
        size_t next = s.buffer.Next(pos);
        int mid = x + dc.Width(Shown(h, s.buffer.Text().substr(start, pos - start))) +
                  dc.Width(Shown(h, s.buffer.Text().substr(pos, next - pos))) / 2;
        if (pt.x < mid)
            return pos;
        best = next;
        pos = next;
    }
    return best;
}

// ---- Showing

void PlaceCaret(HWND h)
{
    EditState &s = State(h);
    if (!s.focus)
        return;
    MeasureDC dc(h);
    POINT pt = PositionOf(h, s, dc, s.buffer.Caret());
    SetCaretPos(pt.x, pt.y);
}

void ScrollCaretIntoView(HWND h)
{
    EditState &s = State(h);
    MeasureDC dc(h);
    CRect rc = FormatRect(h, s);
    if (MultiLine(h)) {
        int visible = plexoMax(1, rc.Height() / dc.LineHeight());
        int line = LineOf(Lines(h), s.buffer.Caret());
        if (line < s.firstLine)
            s.firstLine = line;
        else if (line >= s.firstLine + visible)
            s.firstLine = line - visible + 1;
    }
    bool canScrollSideways = (ControlStyle(h) & ES_AUTOHSCROLL) != 0;
    if (canScrollSideways && !(ControlStyle(h) & (ES_CENTER | ES_RIGHT))) {
        POINT pt = PositionOf(h, s, dc, s.buffer.Caret());
        int quarter = plexoMax(1, rc.Width() / 4);
        if (pt.x < rc.left)
            s.scrollX = plexoMax(0, s.scrollX - (rc.left - pt.x) - quarter);
        else if (pt.x >= rc.right)
            s.scrollX += pt.x - rc.right + quarter;
    } else {
        s.scrollX = 0;
    }
}

void Refresh(HWND h)
{
    ScrollCaretIntoView(h);
    InvalidateRect(h, nullptr, TRUE);
    PlaceCaret(h);
}

void Notify(HWND h, WORD code)
{
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

// The window layer keeps the text too (WM_GETTEXT answers from it); with
// EM_FMTLINES on, a wrapped line's soft break shows as "\r\r\n".
void SyncWindowText(HWND h)
{
    const EditState &s = State(h);
    std::string text = s.buffer.Text();
    if (s.formatLines && Wraps(h)) {
        std::vector<VisualLine> lines = Lines(h);
        for (size_t i = lines.size(); i-- > 1;)
            if (lines[i - 1].end == lines[i].start)
                text.insert(lines[i].start, "\r\r\n");
    }
    DefWindowProc(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TextChanged(HWND h)
{
    State(h).modified = true;
    SyncWindowText(h);
    Notify(h, EN_UPDATE);
    if (!IsWindow(h))
        return;
    Refresh(h);
    Notify(h, EN_CHANGE);
}

// ---- Editing

bool ReadOnly(HWND h)
{
    return (ControlStyle(h) & ES_READONLY) != 0;
}

// Line ends a single-line edit cannot hold are cut off there.
std::string Acceptable(HWND h, const std::string &text)
{
    if (MultiLine(h))
        return text;
    size_t end = text.find_first_of("\r\n");
    return end == std::string::npos ? text : text.substr(0, end);
}

// A single-line edit without ES_AUTOHSCROLL never scrolls: of the text
// to insert it takes the longest start (whole characters) with which the
// line still fits its width.
std::string FittingPart(HWND h, const EditState &s, const std::string &insert)
{
    if (MultiLine(h) || (ControlStyle(h) & ES_AUTOHSCROLL) || insert.empty())
        return insert;
    const std::string &text = s.buffer.Text();
    std::string before = text.substr(0, s.buffer.SelStart());
    std::string after = text.substr(s.buffer.SelEnd());
    MeasureDC dc(h);
    int width = FormatRect(h, s).Width();
    auto fits = [&](size_t length) { return dc.Width(Shown(h, before + insert.substr(0, length) + after)) <= width; };
    if (fits(insert.size()))
        return insert;
    // The character boundaries, then the last one that fits.
    std::vector<size_t> ends{0};
    for (size_t i = 0; i < insert.size();) {
        i += static_cast<size_t>(
            MbCharLength(reinterpret_cast<const unsigned char *>(insert.data()) + i, insert.size() - i));
        ends.push_back(i);
    }
    size_t lo = 0, hi = ends.size() - 1; // ends[lo] fits (or nothing does), ends[hi] does not
    while (hi - lo > 1) {
        size_t mid = (lo + hi) / 2;
        (fits(ends[mid]) ? lo : hi) = mid;
    }
    return insert.substr(0, ends[lo]);
}

void Replace(HWND h, const std::string &text, bool undoable, bool typing = false)
{
    EditState &s = State(h);
    std::string accepted = Acceptable(h, text);
    if (accepted.empty() && !s.buffer.HasSelection())
        return;
    std::string fitting = FittingPart(h, s, accepted);
    bool wide = fitting.size() < accepted.size();
    if (fitting.empty() && !s.buffer.HasSelection()) {
        MessageBeep(0);
        Notify(h, EN_MAXTEXT);
        return;
    }
    bool fits = s.buffer.ReplaceSelection(fitting, undoable, s.limit, typing) && !wide;
    TextChanged(h);
    if (!fits && IsWindow(h))
        Notify(h, EN_MAXTEXT);
}

void Type(HWND h, const std::string &character)
{
    DWORD style = ControlStyle(h);
    if (ReadOnly(h))
        return;
    if ((style & ES_NUMBER) && !(character.size() == 1 && character[0] >= '0' && character[0] <= '9'))
        return;
    std::string text = character;
    if (text.size() == 1 && (style & ES_UPPERCASE))
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    else if (text.size() == 1 && (style & ES_LOWERCASE))
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    Replace(h, text, true, true);
}

void CopySelection(HWND h)
{
    const EditState &s = State(h);
    if (!s.buffer.HasSelection() || (ControlStyle(h) & ES_PASSWORD))
        return;
    std::string selected = s.buffer.Text().substr(s.buffer.SelStart(), s.buffer.SelEnd() - s.buffer.SelStart());
    EditClipboard::PutText(h, CString(selected.c_str(), static_cast<int>(selected.size())));
}

void ClearSelection(HWND h)
{
    if (!ReadOnly(h) && State(h).buffer.HasSelection())
        Replace(h, std::string(), true);
}

void Paste(HWND h)
{
    if (ReadOnly(h))
        return;
    CString text = EditClipboard::Text(h);
    if (!text.IsEmpty())
        Replace(h, std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength())), true);
}

void DeleteChar(HWND h, bool backwards)
{
    EditState &s = State(h);
    if (ReadOnly(h))
        return;
    if (!s.buffer.HasSelection()) {
        size_t caret = s.buffer.Caret();
        size_t other = backwards ? s.buffer.Prev(caret) : s.buffer.Next(caret);
        if (other == caret)
            return;
        s.buffer.Select(other, caret);
    }
    Replace(h, std::string(), true);
}

// Typed bytes arrive one WM_CHAR each; a character is typed once whole.
void OnCharByte(HWND h, unsigned char byte)
{
    const MbTypedChars::Ready ready = State(h).typed.Add(byte);
    // Bytes the typed byte could not continue go in unchanged.
    if (!ready.flushed.empty())
        Type(h, ready.flushed);
    if (!ready.character.empty())
        Type(h, ready.character);
}

void OnChar(HWND h, WPARAM ch)
{
    switch (ch) {
    case 0x08: DeleteChar(h, true); return;
    case 0x03: CopySelection(h); return;
    case 0x16: Paste(h); return;
    case 0x18:
        CopySelection(h);
        ClearSelection(h);
        return;
    case 0x1A: SendMessage(h, EM_UNDO, 0, 0); return;
    case '\r':
        if (MultiLine(h) && !ReadOnly(h))
            Replace(h, "\r\n", true, true);
        return;
    case '\t':
        if (MultiLine(h) && !ReadOnly(h))
            Type(h, "\t");
        return;
    default:
        if (ch >= 0x20 && ch != 0x7F)
            OnCharByte(h, static_cast<unsigned char>(ch));
        return;
    }
}

size_t LineMove(HWND h, int delta)
{
    EditState &s = State(h);
    MeasureDC dc(h);
    POINT pt = PositionOf(h, s, dc, s.buffer.Caret());
    pt.y += delta * dc.LineHeight();
    std::vector<VisualLine> lines = Lines(h);
    int line = LineOf(lines, s.buffer.Caret()) + delta;
    if (line < 0 || line >= static_cast<int>(lines.size()))
        return s.buffer.Caret();
    return CharFromPoint(h, s, pt);
}

// The edit of a combo box: the combo takes the keys of its list.
HWND OwningCombo(HWND h)
{
    HWND hParent = GetParent(h);
    char cls[16] = {};
    if (!hParent || GetDlgCtrlID(h) != PLEXO_COMBO_EDIT_ID || !GetClassName(hParent, cls, sizeof(cls)))
        return nullptr;
    return CString(cls).CompareNoCase("COMBOBOX") == 0 ? hParent : nullptr;
}

bool ComboTakesKey(HWND h, WPARAM vk)
{
    HWND combo = OwningCombo(h);
    if (!combo)
        return false;
    bool dropped = SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (vk == VK_UP || vk == VK_DOWN || vk == VK_F4 || (dropped && (vk == VK_RETURN || vk == VK_ESCAPE))) {
        SendMessage(combo, WM_KEYDOWN, vk, 0);
        return true;
    }
    return false;
}

LRESULT OnKeyDown(HWND h, WPARAM vk)
{
    if (ComboTakesKey(h, vk))
        return 0;
    EditState &s = State(h);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const EditBuffer &b = s.buffer;
    size_t caret = b.Caret();
    std::vector<VisualLine> lines = Lines(h);
    const VisualLine &current = lines[static_cast<size_t>(LineOf(lines, caret))];
    size_t target = caret;
    switch (vk) {
    case VK_LEFT:
        target = ctrl ? b.WordLeft(caret) : (!shift && b.HasSelection() ? b.SelStart() : b.Prev(caret));
        break;
    case VK_RIGHT:
        target = ctrl ? b.WordRight(caret) : (!shift && b.HasSelection() ? b.SelEnd() : b.Next(caret));
        break;
    case VK_UP: target = MultiLine(h) ? LineMove(h, -1) : b.Prev(caret); break;
    case VK_DOWN: target = MultiLine(h) ? LineMove(h, 1) : b.Next(caret); break;
    case VK_HOME: target = ctrl ? 0 : current.start; break;
    case VK_END: target = ctrl ? b.Text().size() : current.end; break;
    case VK_DELETE:
        // Shift+Delete cuts a selection; without one it is a plain Delete.
        if (shift && b.HasSelection()) {
            CopySelection(h);
            ClearSelection(h);
        } else {
            DeleteChar(h, false);
        }
        return 0;
    case VK_INSERT:
        if (ctrl)
            CopySelection(h);
        else if (shift)
            Paste(h);
        return 0;
    default: return 0;
    }
    s.buffer.MoveCaret(target, shift);
    Refresh(h);
    return 0;
}

UINT DlgCode(HWND h, LPARAM lParam)
{
    UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    auto *msg = reinterpret_cast<const MSG *>(lParam);
    bool enter = msg && ((msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) ||
                         (msg->message == WM_CHAR && msg->wParam == '\r'));
    if (enter && MultiLine(h) && (ControlStyle(h) & ES_WANTRETURN))
        code |= DLGC_WANTALLKEYS;
    if (HWND combo = OwningCombo(h))
        if (SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0))
            code |= DLGC_WANTALLKEYS;
    return code;
}

// ---- The mouse

void OnLButtonDown(HWND h, LPARAM lParam, bool dblclk)
{
    if (GetFocus() != h)
        SetFocus(h);
    if (!IsWindow(h))
        return;
    EditState &s = State(h);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    size_t pos = CharFromPoint(h, s, pt);
    if (dblclk) {
        s.buffer.Select(s.buffer.WordLeft(s.buffer.Next(pos)), s.buffer.WordRight(pos));
    } else {
        s.buffer.MoveCaret(pos, GetKeyState(VK_SHIFT) < 0);
        s.selecting = true;
        SetCapture(h);
    }
    Refresh(h);
}

void OnMouseMove(HWND h, LPARAM lParam)
{
    EditState &s = State(h);
    if (!s.selecting)
        return;
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    s.buffer.MoveCaret(CharFromPoint(h, s, pt), true);
    Refresh(h);
}

void OnLButtonUp(HWND h)
{
    EditState &s = State(h);
    if (!s.selecting)
        return;
    s.selecting = false;
    if (GetCapture() == h)
        ReleaseCapture();
}

// ---- Focus

void OnFocus(HWND h, bool gained)
{
    EditState &s = State(h);
    s.focus = gained;
    if (gained) {
        MeasureDC dc(h);
        CreateCaret(h, nullptr, 1, dc.LineHeight());
        PlaceCaret(h);
        ShowCaret(h);
    } else {
        s.selecting = false;
        DestroyCaret();
    }
    if (!(ControlStyle(h) & ES_NOHIDESEL) && s.buffer.HasSelection())
        InvalidateRect(h, nullptr, TRUE);
    Notify(h, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

// ---- Painting

void PaintLine(HWND h, CDC &dc, const EditState &s, const std::vector<VisualLine> &lines, int line, int y,
               const MeasureDC &measure, bool showSelection)
{
    size_t start = lines[static_cast<size_t>(line)].start;
    std::string text = LineText(h, lines, line);
    std::string shown = Shown(h, text);
    int x = LineOrigin(h, s, measure, shown);
    dc.TextOut(x, y, shown.c_str(), static_cast<int>(shown.size()));
    if (!showSelection)
        return;
    size_t selStart = plexoMax(s.buffer.SelStart(), start);
    size_t selEnd = plexoMin(s.buffer.SelEnd(), start + text.size());
    if (selStart >= selEnd)
        return;
    std::string before = Shown(h, text.substr(0, selStart - start));
    std::string selected = Shown(h, text.substr(selStart - start, selEnd - selStart));
    int left = x + measure.Width(before);
    CRect highlight(left, y, left + measure.Width(selected), y + measure.LineHeight());
    COLORREF oldText = dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    COLORREF oldBack = dc.SetBkColor(GetSysColor(COLOR_HIGHLIGHT));
    dc.ExtTextOut(left, y, ETO_OPAQUE, &highlight, selected.c_str(), static_cast<UINT>(selected.size()), nullptr);
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);
}

void Paint(HWND h, HDC hdc)
{
    EditState &s = State(h);
    CDC &dc = *CDC::FromHandle(hdc);
    bool grey = ReadOnly(h) || !IsWindowEnabled(h);
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    CRect client;
    GetClientRect(h, &client);
    if (brush)
        FillRect(hdc, &client, brush);
    if (!IsWindowEnabled(h))
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    dc.SetBkMode(TRANSPARENT);
    CRect format = FormatRect(h, s);
    dc.IntersectClipRect(&format);
    MeasureDC measure(h);
    bool showSelection = s.focus || (ControlStyle(h) & ES_NOHIDESEL);
    int lineHeight = measure.LineHeight();
    std::vector<VisualLine> lines = Lines(h);
    for (int line = s.firstLine; line < static_cast<int>(lines.size()); ++line) {
        int y = (line - s.firstLine) * lineHeight;
        if (y >= client.bottom)
            break;
        PaintLine(h, dc, s, lines, line, y, measure, showSelection);
    }
    SelectObject(hdc, oldFont);
}

// ---- Messages

LRESULT GetSel(HWND h, WPARAM wParam, LPARAM lParam)
{
    const EditBuffer &b = State(h).buffer;
    if (auto *start = reinterpret_cast<DWORD *>(wParam))
        *start = static_cast<DWORD>(b.SelStart());
    if (auto *end = reinterpret_cast<DWORD *>(lParam))
        *end = static_cast<DWORD>(b.SelEnd());
    return MAKELONG(plexoMin<size_t>(b.SelStart(), 0xFFFF), plexoMin<size_t>(b.SelEnd(), 0xFFFF));
}

LRESULT SetSel(HWND h, WPARAM wParam, LPARAM lParam)
{
    EditState &s = State(h);
    auto start = static_cast<int>(wParam);
    auto end = static_cast<int>(lParam);
    size_t size = s.buffer.Text().size();
    if (start < 0) {
        s.buffer.MoveCaret(s.buffer.Caret(), false); // no selection
    } else {
        size_t anchor = static_cast<size_t>(start);
        size_t caret = end < 0 ? size : static_cast<size_t>(end);
        s.buffer.Select(anchor, caret);
    }
    Refresh(h);
    return 0;
}

LRESULT SetText(HWND h, LPARAM lParam)
{
    EditState &s = State(h);
    const char *text = reinterpret_cast<const char *>(lParam);
    // The limit holds for typing, not for text the program sets.
    s.buffer.SetText(Acceptable(h, text ? text : ""));
    s.scrollX = 0;
    s.firstLine = 0;
    TextChanged(h);
    if (IsWindow(h))
        State(h).modified = false;
    return TRUE;
}

LRESULT SetMargins(HWND h, WPARAM wParam, LPARAM lParam)
{
    EditState &s = State(h);
    if (wParam == EC_USEFONTINFO) {
        MeasureDC dc(h);
        s.leftMargin = s.rightMargin = plexoMax(1, dc.Width("x") / 2);
    } else {
        if (wParam & EC_LEFTMARGIN)
            s.leftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            s.rightMargin = HIWORD(lParam);
    }
    Refresh(h);
    return 0;
}

LRESULT GetLine(HWND h, WPARAM wParam, LPARAM lParam)
{
    auto *buffer = reinterpret_cast<char *>(lParam);
    if (!buffer)
        return 0;
    WORD room = 0;
    std::memcpy(&room, buffer, sizeof(room)); // the buffer's size is in its first word
    std::string text = LineText(h, Lines(h), MultiLine(h) ? static_cast<int>(wParam) : 0);
    size_t n = plexoMin<size_t>(text.size(), room);
    std::memcpy(buffer, text.data(), n);
    return static_cast<LRESULT>(n);
}

int LineArgument(HWND h, WPARAM wParam)
{
    auto line = static_cast<int>(wParam);
    return line < 0 ? LineOf(Lines(h), State(h).buffer.Caret()) : line;
}

LRESULT EditMessage(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    EditState &s = State(h);
    switch (Msg) {
    case EM_GETSEL: return GetSel(h, wParam, lParam);
    case EM_SETSEL: return SetSel(h, wParam, lParam);
    case EM_REPLACESEL: {
        const char *text = reinterpret_cast<const char *>(lParam);
        Replace(h, text ? text : "", wParam != 0);
        return 0;
    }
    case EM_UNDO:
    case WM_UNDO:
        if (ReadOnly(h) || !s.buffer.Undo())
            return FALSE;
        TextChanged(h);
        return TRUE;
    case EM_CANUNDO: return s.buffer.CanUndo();
    case EM_EMPTYUNDOBUFFER: s.buffer.EmptyUndo(); return 0;
    case EM_SCROLLCARET: Refresh(h); return TRUE;
    case EM_LIMITTEXT: s.limit = wParam ? static_cast<size_t>(wParam) : 0x7FFFFFFE; return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(s.limit);
    case EM_FMTLINES:
        s.formatLines = wParam != 0;
        SyncWindowText(h);
        return wParam != 0;
    case EM_SETMARGINS: return SetMargins(h, wParam, lParam);
    case EM_GETMARGINS: return MAKELONG(s.leftMargin, s.rightMargin);
    case EM_GETMODIFY: return s.modified;
    case EM_SETMODIFY: s.modified = wParam != 0; return 0;
    case EM_SETREADONLY: {
        DWORD style = ControlStyle(h);
        SetWindowLong(h, GWL_STYLE, static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case EM_GETLINECOUNT: return static_cast<LRESULT>(Lines(h).size());
    case EM_LINEINDEX: {
        std::vector<VisualLine> lines = Lines(h);
        int line = LineArgument(h, wParam);
        return line < static_cast<int>(lines.size()) ? static_cast<LRESULT>(lines[static_cast<size_t>(line)].start)
                                                     : -1;
    }
    case EM_LINELENGTH: {
        std::vector<VisualLine> lines = Lines(h);
        size_t at = static_cast<int>(wParam) < 0 ? s.buffer.Caret() : static_cast<size_t>(wParam);
        const VisualLine &l = lines[static_cast<size_t>(LineOf(lines, at))];
        return static_cast<LRESULT>(l.end - l.start);
    }
    case EM_LINEFROMCHAR:
        return LineOf(Lines(h), static_cast<int>(wParam) < 0 ? s.buffer.Caret() : static_cast<size_t>(wParam));
    case EM_GETLINE: return GetLine(h, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE: return s.firstLine;
    case EM_LINESCROLL:
        if (MultiLine(h))
            s.firstLine =
                plexoMax(0, plexoMin(s.firstLine + static_cast<int>(lParam), static_cast<int>(Lines(h).size()) - 1));
        InvalidateRect(h, nullptr, TRUE);
        PlaceCaret(h);
        return TRUE;
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

} // namespace

LRESULT PlexoEditProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_CREATE: {
        auto *cs = reinterpret_cast<CREATESTRUCT *>(lParam);
        State(h).buffer.SetText(Acceptable(h, cs && cs->lpszName ? cs->lpszName : ""));
        SyncWindowText(h);
        return 0;
    }
    case WM_SETTEXT: return SetText(h, lParam);
    case WM_GETDLGCODE: return DlgCode(h, lParam);
    case WM_CHAR: OnChar(h, wParam); return 0;
    case WM_KEYDOWN: return OnKeyDown(h, wParam);
    case WM_LBUTTONDOWN: OnLButtonDown(h, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDown(h, lParam, true); return 0;
    case WM_MOUSEMOVE: OnMouseMove(h, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(h); return 0;
    case WM_CAPTURECHANGED: State(h).selecting = false; return 0;
    case WM_SETFOCUS: OnFocus(h, true); return 0;
    case WM_KILLFOCUS: OnFocus(h, false); return 0;
    case WM_CUT:
        CopySelection(h);
        ClearSelection(h);
        return 0;
    case WM_COPY: CopySelection(h); return 0;
    case WM_PASTE: Paste(h); return 0;
    case WM_CLEAR: ClearSelection(h); return 0;
    case WM_SETFONT: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        Refresh(h);
        return r;
    }
    case WM_STYLECHANGED:
    case WM_SIZE:
    case WM_ENABLE: Refresh(h); return DefWindowProc(h, Msg, wParam, lParam);
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursor(nullptr, IDC_IBEAM));
            return TRUE;
        }
        return DefWindowProc(h, Msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY:
        if (State(h).focus)
            DestroyCaret();
        States().erase(h);
        return DefWindowProc(h, Msg, wParam, lParam);
    default: return EditMessage(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterEditClass()
{
    static const bool registered = RegisterControlClass("EDIT", &PlexoEditProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

// ---- CEdit

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)), bNoScroll);
}

DWORD CEdit::GetSel() const
{
    return static_cast<DWORD>(SendMessage(EM_GETSEL));
}

void CEdit::GetSel(int &nStartChar, int &nEndChar) const
{
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (!lpszBuffer || nMaxLength < static_cast<int>(sizeof(WORD)))
        return 0;
    WORD room = static_cast<WORD>(plexoMin(nMaxLength, 0xFFFF));
    std::memcpy(lpszBuffer, &room, sizeof(room));
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}
