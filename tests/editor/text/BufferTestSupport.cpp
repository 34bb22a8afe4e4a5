#include "tests/editor/text/BufferTestSupport.h"

#include "editor/lang/SECEditTag.h"
#include "framework/object/Exceptions.h"

#include <cstring>

namespace {

void AddTag(SECEditLangConfig *pConfig, LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD group, BOOL multiLine)
{
    auto *pTag = new SECEditTag;
    pTag->m_strBeginTag = begin;
    pTag->m_strEndTag = end;
    pTag->m_strEscapeChar = escape;
    pTag->m_wColorGroup = group;
    pTag->m_bMultiLine = multiLine;
    pConfig->AddTag(pTag);
}

WORD AddGroup(SECEditLangConfig *pConfig, LPCTSTR name)
{
    auto *pGroup = new SECEditColorGroup;
    pGroup->m_strDisplayName = name;
    return pConfig->SetColorGroup(name, pGroup);
}

AfxMessageBoxHandler g_previous = nullptr;

int Record(LPCTSTR text, UINT, UINT)
{
    MessageRecorder::Messages().push_back(text ? text : "");
    return 1;
}

} // namespace

TestLanguage::TestLanguage(bool withHighlight) : m_pConfig(new SECEditLangConfig)
{
    m_pConfig->SetDefaults();
    m_pConfig->SetName("TestC");
    comment = AddGroup(m_pConfig, "Comment");
    keyword = AddGroup(m_pConfig, "Keyword");
    string = AddGroup(m_pConfig, "String");
    if (withHighlight)
        highlight = AddGroup(m_pConfig, "highlight");
    const char operators[] = "+-*/%=<>!&|^~?:";
    const char delimiters[] = ",;.()[]{}+-*/%=<>!&|^~?:'\"\\";
    m_pConfig->AddCharacters(SECEDIT_OPERATORS, operators, static_cast<int>(std::strlen(operators)));
    m_pConfig->AddCharacters(SECEDIT_DELIMITERS, delimiters, static_cast<int>(std::strlen(delimiters)));
    m_pConfig->AddCharacters(SECEDIT_KWSTARTCHARS, "#", 1);
    AddTag(m_pConfig, "//", "", "", comment, FALSE);
    AddTag(m_pConfig, "\"", "\"", "\\", string, FALSE);
    AddTag(m_pConfig, "'", "'", "\\", string, FALSE);
    AddTag(m_pConfig, "/*", "*/", "", comment, TRUE);
    for (const char *word : {"int", "return", "if", "while", "char", "void", "#include"})
        m_pConfig->GetKeywordMap().SetAt(word, keyword);
    m_pConfig->SetTabSize(4);
    text = m_pConfig->GetFixedGroupIndex(SECEDIT_GROUP_TEXT);
    number = m_pConfig->GetFixedGroupIndex(SECEDIT_GROUP_NUMBER);
    op = m_pConfig->GetFixedGroupIndex(SECEDIT_GROUP_OPERATOR);
}

TestLanguage::~TestLanguage()
{
    m_pConfig->Release();
}

std::unique_ptr<SECEditTextBuffer> MakeBuffer(SECEditLangConfig *pConfig, const std::string &text)
{
    auto buffer = std::make_unique<SECEditTextBuffer>();
    buffer->SetLangConfig(pConfig);
    buffer->Initialize();
    if (!text.empty()) {
        SECEditRange range(0, 0, 0, 0);
        buffer->InsertText(range, text.data(), static_cast<int>(text.size()));
    }
    buffer->ClearHistory();
    buffer->MarkSaved();
    buffer->UpdateModified();
    return buffer;
}

std::string AllText(SECEditTextBuffer &buffer)
{
    const CString text = buffer.GetAllText();
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

std::vector<DWORD> Runs(SECEditTextBuffer &buffer, int line)
{
    std::vector<DWORD> runs;
    if (SECEditColorRuns *row = buffer.GetLineColors(line))
        runs.assign(row->GetData(), row->GetData() + row->GetSize());
    return runs;
}

DWORD Run(int length, WORD group)
{
    return SECEditMakeRun(length, group);
}

size_t OffsetOf(const std::string &text, int line, int col)
{
    size_t offset = 0;
    for (int l = 0; l < line; ++l)
        offset = text.find('\n', offset) + 1;
    return offset + static_cast<size_t>(col);
}

void PositionOf(const std::string &text, size_t offset, int &line, int &col)
{
    line = 0;
    size_t start = 0;
    for (size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') {
            ++line;
            start = i + 1;
        }
    col = static_cast<int>(offset - start);
}

void RecordingObserver::OnUpdate(void *pSender, SECEditHint *pHint)
{
    Entry entry{pSender, pHint ? pHint->GetTypeId() : 0, CString()};
    if (pHint)
        pHint->GetDescription(entry.description);
    entries.push_back(entry);
}

std::vector<int> RecordingObserver::Types() const
{
    std::vector<int> types;
    for (const Entry &entry : entries)
        types.push_back(entry.type);
    return types;
}

int RecordingObserver::Count(int type) const
{
    int n = 0;
    for (const Entry &entry : entries)
        n += entry.type == type;
    return n;
}

MessageRecorder::MessageRecorder()
{
    Messages().clear();
    g_previous = AfxSetMessageBoxHandler(&Record);
}

MessageRecorder::~MessageRecorder()
{
    AfxSetMessageBoxHandler(g_previous);
}

std::vector<std::string> &MessageRecorder::Messages()
{
    static std::vector<std::string> messages;
    return messages;
}
