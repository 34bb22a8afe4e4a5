// The regular-expression object: a pattern, flags, a replacement and a
// subject from the input, through Test, Execute and Replace, and the
// editor's engine over the same pattern and subject (first match, last
// match, replace all).  The subject is cut to 4 KB so each input stays
// quick; long subjects are the benchmarks' business.
#include "editor/controller/SECEditRegExp.h"
#include "framework/object/Exceptions.h"
#include "framework/shell/ScriptRegExp.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <string>

namespace {

const size_t kMaxSubject = 4096;

void RunScriptObject(const CString &pattern, const CString &replacement, const CString &subject, uint8_t flags)
{
    CScriptRegExp regExp;
    try {
        regExp.SetPattern(pattern);
        regExp.SetIgnoreCase((flags & 1) != 0);
        regExp.SetGlobal((flags & 2) != 0);
        regExp.SetMultiline((flags & 4) != 0);
        regExp.Test(subject);
        CScriptMatchCollection matches = regExp.Execute(subject);
        for (long i = 0; i < matches.GetCount(); ++i) {
            const CScriptMatch *pMatch = matches.GetItem(i);
            for (long j = 0; j < pMatch->GetSubMatchCount(); ++j)
                pMatch->GetSubMatch(j);
        }
        regExp.Replace(subject, replacement);
    } catch (CException *e) {
        e->Delete();
    }
}

void RunEditorEngine(const CString &pattern, const CString &replacement, const CString &subject, uint8_t flags)
{
    SECEditRegExp engine;
    if (!engine.Create())
        return;
    engine.SetPattern(pattern);
    engine.SetIgnoreCase((flags & 1) != 0);
    CString error;
    if (!engine.IsPatternValid(error))
        return;
    long first = 0;
    long length = 0;
    CString matched;
    engine.Match(subject, &first, &length, matched);
    engine.MatchBytes(subject, subject.GetLength(), &first, &length);
    engine.MatchLastBytes(subject, subject.GetLength(), subject.GetLength() / 2, &first, &length);
    CString text = subject;
    engine.Replace(text, replacement, (flags & 8) != 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t flags = input.Take<uint8_t>();
    const std::string pattern = input.TakeString(64);
    const std::string replacement = input.TakeString(16);
    const std::string subject = input.TakeBytesAsString(kMaxSubject);
    const CString strPattern(pattern.data(), static_cast<int>(pattern.size()));
    const CString strReplacement(replacement.data(), static_cast<int>(replacement.size()));
    const CString strSubject(subject.data(), static_cast<int>(subject.size()));
    RunScriptObject(strPattern, strReplacement, strSubject, flags);
    RunEditorEngine(strPattern, strReplacement, strSubject, flags);
    return 0;
}
