// The text of an edit control with its selection and its one-step undo.
// Positions are byte offsets into the UTF-8 text; they always stand on a
// character's first byte, and a "\r\n" line end is one character. Pure
// logic, shared by the edit window and its tests.
#pragma once

#include <cstddef>
#include <string>

class EditBuffer {
public:
    const std::string &Text() const { return m_text; }
    // Replaces the whole text: the selection goes to the start and the
    // undo step is forgotten.
    void SetText(const std::string &text);

    size_t Anchor() const { return m_anchor; }
    size_t Caret() const { return m_caret; }
    size_t SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    size_t SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool HasSelection() const { return m_anchor != m_caret; }
    // Positions are clamped to the text and moved back to a character start.
    void Select(size_t anchor, size_t caret);
    void MoveCaret(size_t caret, bool extend);

    // Replaces the selection with the text, cut to what the limit lets in.
    // Returns FALSE when the limit cut it. Typing that continues at the
    // caret joins the last undo step.
    bool ReplaceSelection(const std::string &text, bool undoable, size_t limit, bool typing = false);
    // Swaps the text with the undo step (so undoing twice redoes).
    bool Undo();
    bool CanUndo() const { return m_canUndo; }
    void EmptyUndo()
    {
        m_canUndo = false;
        m_typing = false;
    }

    // Characters.
    size_t Prev(size_t pos) const;
    size_t Next(size_t pos) const;
    size_t WordLeft(size_t pos) const;
    size_t WordRight(size_t pos) const;
    size_t Snap(size_t pos) const;

    // Lines (split at "\r\n", and at a lone '\n').
    int LineCount() const;
    int LineFromChar(size_t pos) const;
    size_t LineIndex(int line) const;
    size_t LineLength(int line) const;

private:
    std::string m_text;
    size_t m_anchor = 0;
    size_t m_caret = 0;
    std::string m_undoText;
    size_t m_undoAnchor = 0;
    size_t m_undoCaret = 0;
    bool m_canUndo = false;
    bool m_typing = false; // the undo step is a run of typing ending at the caret
};
