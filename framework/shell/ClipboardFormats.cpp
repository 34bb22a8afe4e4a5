#include "framework/shell/ClipboardFormats.h"

#include <mutex>
#include <vector>

namespace {

constexpr UINT kFirstRegisteredFormat = 0xC000;
constexpr UINT kLastRegisteredFormat = 0xFFFF;

struct FormatRegistry {
    std::mutex mutex;
    std::vector<CString> names; // index + 0xC000 is the format number
};

FormatRegistry &Registry()
{
    static FormatRegistry registry;
    return registry;
}

// The registered name of a format, or an empty string.
CString RegisteredName(UINT format)
{
    if (format < kFirstRegisteredFormat)
        return CString();
    FormatRegistry &registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    const size_t index = format - kFirstRegisteredFormat;
    return index < registry.names.size() ? registry.names[index] : CString();
}

} // namespace

UINT RegisterClipboardFormat(LPCTSTR lpszFormat)
{
    if (!lpszFormat || !*lpszFormat)
        return 0;
    FormatRegistry &registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    for (size_t i = 0; i < registry.names.size(); ++i)
        if (registry.names[i].CompareNoCase(lpszFormat) == 0)
            return kFirstRegisteredFormat + static_cast<UINT>(i);
    if (registry.names.size() > kLastRegisteredFormat - kFirstRegisteredFormat)
        return 0;
    registry.names.emplace_back(lpszFormat);
    return kFirstRegisteredFormat + static_cast<UINT>(registry.names.size() - 1);
}

int GetClipboardFormatName(UINT format, LPTSTR lpszFormatName, int nMaxCount)
{
    const CString name = RegisteredName(format);
    if (name.IsEmpty() || !lpszFormatName || nMaxCount <= 0)
        return 0;
    const int length = plexoMin(name.GetLength(), nMaxCount - 1);
    for (int i = 0; i < length; ++i)
        lpszFormatName[i] = name[i];
    lpszFormatName[length] = '\0';
    return length;
}

CString PlexoClipboardFormatMimeType(UINT format)
{
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return CString("text/plain;charset=utf-8");
    const CString name = RegisteredName(format);
    if (name.IsEmpty())
        return CString();
    return CString("application/x-plexo-clipboard;format=") + name;
}
