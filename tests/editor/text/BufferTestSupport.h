// Helpers of the text buffer tests: a small C language, buffers holding a
// given text, their runs, and recorders for hints and message boxes.
#pragma once

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"

#include <memory>
#include <string>
#include <vector>

// A C-like language: line comments, strings and characters with a
// backslash escape, block comments, a few keywords, and operators that are
// also delimiters.  Optionally a "Highlight" group.
class TestLanguage {
public:
    explicit TestLanguage(bool withHighlight = false);
    ~TestLanguage();
    TestLanguage(const TestLanguage &) = delete;
    TestLanguage &operator=(const TestLanguage &) = delete;

    SECEditLangConfig *get() const { return m_pConfig; }
    WORD Group(LPCTSTR name);

    WORD comment = 0, keyword = 0, string = 0, highlight = 0;
    WORD text = 0, number = 0, op = 0;

private:
    SECEditLangConfig *m_pConfig;
};

// A buffer on the language holding the text (inserted as one edit, history
// cleared, unmodified).
std::unique_ptr<SECEditTextBuffer> MakeBuffer(SECEditLangConfig *pConfig, const std::string &text);
std::string AllText(SECEditTextBuffer &buffer);
std::vector<DWORD> Runs(SECEditTextBuffer &buffer, int line);
DWORD Run(int length, WORD group);
// The offset of a position in a text whose lines end at LF, and back.
size_t OffsetOf(const std::string &text, int line, int col);
void PositionOf(const std::string &text, size_t offset, int &line, int &col);

// Collects every hint an observer receives.
class RecordingObserver : public SECEditObserver {
public:
    struct Entry {
        void *sender;
        int type;
        CString description;
    };
    void OnUpdate(void *pSender, SECEditHint *pHint) override;
    std::vector<int> Types() const;
    int Count(int type) const;
    std::vector<Entry> entries;
};

// Collects the message boxes shown while it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    static std::vector<std::string> &Messages();
};
