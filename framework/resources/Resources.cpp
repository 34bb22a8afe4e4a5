#include "framework/resources/Resources.h"

#include "framework/resources/ImageResourceBytes.h"

#include <QFile>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

struct CustomEntry {
    const void *pData = nullptr;
    DWORD nSize = 0;
    QString path;      // a file read on first use, when fromFile
    QByteArray loaded; // its bytes
    bool fromFile = false;
    bool tried = false;
    bool readable = false;
};

struct MenuEntry {
    const RESOURCE_MENU_ITEM *pItems;
    int nCount;
};

struct AccelEntry {
    const ACCEL *pEntries;
    int nCount;
};

struct Registry {
    std::mutex lock;
    std::map<UINT, LPCTSTR> strings;
    std::map<UINT, MenuEntry> menus;
    std::map<UINT, AccelEntry> accelerators;
    std::map<UINT, const RESOURCE_DIALOG *> dialogs;
    std::map<UINT, const RESOURCE_TOOLBAR *> toolbars;
    // Keyed by upper-case type name ("#10" for numeric types) and id; the
    // entries never move, so their addresses serve as HRSRC handles.
    std::map<std::pair<std::string, UINT>, std::unique_ptr<CustomEntry>> custom;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

bool StringLoader(UINT nID, std::string &text)
{
    CString found;
    if (!PlexoLookupString(nID, found))
        return false;
    text = found.Str();
    return true;
}

void InstallStringLoader()
{
    static std::once_flag once;
    std::call_once(once, [] { SetStringResourceLoader(&StringLoader); });
}

// "#n" for a numbered resource.  Built by insertion: GCC 12 warns wrongly
// about overlapping copies in `"#" + std::string` at -O2.
std::string NumberKey(unsigned number)
{
    std::string key = std::to_string(number);
    key.insert(key.begin(), '#');
    return key;
}

// Resource names: MAKEINTRESOURCE(n) or "#n" are numbers, anything else a
// name in upper case.
std::string TypeKey(LPCTSTR lpType)
{
    if (lpType == nullptr)
        return std::string();
    if (IS_INTRESOURCE(lpType))
        return NumberKey(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(lpType)));
    std::string key(lpType);
    if (key.size() > 1 && key[0] == '#' && key.find_first_not_of("0123456789", 1) == std::string::npos) {
        // The number's low word, taken digit by digit so no length overflows.
        unsigned number = 0;
        for (size_t i = 1; i < key.size(); ++i)
            number = (number * 10 + static_cast<unsigned>(key[i] - '0')) & 0xFFFF;
        return NumberKey(number);
    }
    for (char &c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

CustomEntry &NewCustomEntry(LPCTSTR lpszType, UINT nID)
{
    Registry &registry = TheRegistry();
    auto &slot = registry.custom[{TypeKey(lpszType), nID}];
    slot = std::make_unique<CustomEntry>();
    return *slot;
}

CustomEntry *FindCustomEntry(LPCTSTR lpName, LPCTSTR lpType)
{
    UINT nID = 0;
    if (lpType == nullptr || !PlexoResourceIdFromName(lpName, nID))
        return nullptr;
    Registry &registry = TheRegistry();
    auto found = registry.custom.find({TypeKey(lpType), nID});
    return found == registry.custom.end() ? nullptr : found->second.get();
}

// Bitmaps and icons registered by file answer their resource types with
// bytes made once from the file and kept like a registered resource.
CustomEntry *ImageEntryFor(LPCTSTR lpName, LPCTSTR lpType)
{
    UINT nID = 0;
    if ((lpType != RT_BITMAP && lpType != RT_ICON && lpType != RT_GROUP_ICON) || !PlexoResourceIdFromName(lpName, nID))
        return nullptr;
    QByteArray bytes;
    if (!PlexoImageResourceBytes(nID, lpType, bytes))
        return nullptr;
    auto &slot = TheRegistry().custom[{TypeKey(lpType), nID}];
    slot = std::make_unique<CustomEntry>();
    slot->loaded = bytes;
    slot->pData = slot->loaded.constData();
    slot->nSize = static_cast<DWORD>(slot->loaded.size());
    return slot.get();
}

// Reads the entry's file once; false when it cannot be read.
bool EnsureLoaded(CustomEntry &entry)
{
    if (!entry.fromFile)
        return true;
    if (!entry.tried) {
        entry.tried = true;
        QFile file(entry.path);
        if (file.open(QIODevice::ReadOnly)) {
            entry.loaded = file.readAll();
            entry.readable = file.error() == QFileDevice::NoError;
        }
        entry.pData = entry.loaded.constData();
        entry.nSize = entry.readable ? static_cast<DWORD>(entry.loaded.size()) : 0;
    }
    return entry.readable;
}

// Reads one level of a menu table starting at index; false when malformed.
bool ReadMenuLevel(const RESOURCE_MENU_ITEM *pItems, int nCount, int &index, std::vector<CMenuResourceItem> &level,
                   int depth)
{
    if (depth > 32)
        return false;
    while (index < nCount) {
        const RESOURCE_MENU_ITEM &raw = pItems[index++];
        CMenuResourceItem item;
        item.nFlags = raw.nFlags & ~static_cast<UINT>(MF_END);
        item.nID = raw.nID;
        item.strText = raw.lpszText;
        if (raw.nFlags & MF_POPUP) {
            if (!ReadMenuLevel(pItems, nCount, index, item.children, depth + 1))
                return false;
        }
        level.push_back(std::move(item));
        if (raw.nFlags & MF_END)
            return true;
    }
    return depth == 0; // only the top level may end with the table
}

} // namespace

BOOL PlexoResourceIdFromName(LPCTSTR lpName, UINT &nID)
{
    if (lpName == nullptr)
        return FALSE;
    if (IS_INTRESOURCE(lpName)) {
        nID = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpName));
        return TRUE;
    }
    std::string name(lpName);
    if (name.size() < 2 || name.size() > 6 || name[0] != '#' ||
        name.find_first_not_of("0123456789", 1) != std::string::npos)
        return FALSE;
    nID = static_cast<UINT>(std::stoul(name.substr(1)));
    return nID <= 0xFFFF;
}

void PlexoRegisterStrings(const RESOURCE_STRING *pTable, int nCount)
{
    InstallStringLoader();
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    for (int i = 0; pTable != nullptr && i < nCount; ++i)
        registry.strings[pTable[i].nID] = pTable[i].lpszText;
}

void PlexoRegisterMenu(UINT nID, const RESOURCE_MENU_ITEM *pItems, int nCount)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.menus[nID] = {pItems, nCount};
}

void PlexoRegisterAccelerators(UINT nID, const ACCEL *pEntries, int nCount)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.accelerators[nID] = {pEntries, nCount};
}

void PlexoRegisterDialog(UINT nID, const RESOURCE_DIALOG *pTemplate)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.dialogs[nID] = pTemplate;
}

void PlexoRegisterToolBar(UINT nID, const RESOURCE_TOOLBAR *pToolBar)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.toolbars[nID] = pToolBar;
}

void PlexoRegisterCustomResource(LPCTSTR lpszType, UINT nID, const void *pData, DWORD nSize)
{
    std::lock_guard<std::mutex> guard(TheRegistry().lock);
    CustomEntry &entry = NewCustomEntry(lpszType, nID);
    entry.pData = pData;
    entry.nSize = pData != nullptr ? nSize : 0;
}

void PlexoRegisterCustomResourceFile(LPCTSTR lpszType, UINT nID, LPCTSTR lpszPath)
{
    std::lock_guard<std::mutex> guard(TheRegistry().lock);
    CustomEntry &entry = NewCustomEntry(lpszType, nID);
    entry.path = QString::fromUtf8(lpszPath ? lpszPath : "");
    entry.fromFile = true;
}

BOOL PlexoLookupString(UINT nID, CString &strText)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.strings.find(nID);
    if (found == registry.strings.end() || found->second == nullptr)
        return FALSE;
    strText = found->second;
    return TRUE;
}

int LoadString(HINSTANCE, UINT uID, LPTSTR lpBuffer, int nBufferMax)
{
    if (lpBuffer == nullptr || nBufferMax <= 0)
        return 0;
    CString text;
    if (!PlexoLookupString(uID, text)) {
        lpBuffer[0] = '\0';
        return 0;
    }
    int count = text.GetLength() < nBufferMax ? text.GetLength() : nBufferMax - 1;
    std::memcpy(lpBuffer, text.GetString(), static_cast<size_t>(count));
    lpBuffer[count] = '\0';
    return count;
}

BOOL PlexoLoadMenuResource(UINT nID, std::vector<CMenuResourceItem> &items)
{
    items.clear();
    MenuEntry entry;
    {
        Registry &registry = TheRegistry();
        std::lock_guard<std::mutex> guard(registry.lock);
        auto found = registry.menus.find(nID);
        if (found == registry.menus.end())
            return FALSE;
        entry = found->second;
    }
    int index = 0;
    if (entry.pItems == nullptr || !ReadMenuLevel(entry.pItems, entry.nCount, index, items, 0) ||
        index != entry.nCount) {
        items.clear();
        return FALSE;
    }
    return TRUE;
}

const ACCEL *PlexoFindAccelerators(UINT nID, int *pnCount)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.accelerators.find(nID);
    bool present = found != registry.accelerators.end();
    if (pnCount != nullptr)
        *pnCount = present ? found->second.nCount : 0;
    return present ? found->second.pEntries : nullptr;
}

const RESOURCE_DIALOG *PlexoFindDialog(UINT nID)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.dialogs.find(nID);
    return found == registry.dialogs.end() ? nullptr : found->second;
}

const RESOURCE_TOOLBAR *PlexoFindToolBar(UINT nID)
{
    Registry &registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.toolbars.find(nID);
    return found == registry.toolbars.end() ? nullptr : found->second;
}

HRSRC FindResource(HMODULE, LPCTSTR lpName, LPCTSTR lpType)
{
    std::lock_guard<std::mutex> guard(TheRegistry().lock);
    CustomEntry *entry = FindCustomEntry(lpName, lpType);
    if (entry == nullptr)
        entry = ImageEntryFor(lpName, lpType);
    if (entry == nullptr || !EnsureLoaded(*entry))
        return nullptr;
    return static_cast<HRSRC>(entry);
}

// The registered bytes stay in place for the whole run, so the "loaded"
// handle is simply the address of the data.
HGLOBAL LoadResource(HMODULE, HRSRC hResInfo)
{
    if (hResInfo == nullptr)
        return nullptr;
    const CustomEntry *entry = static_cast<const CustomEntry *>(hResInfo);
    static const char empty = 0;
    return const_cast<void *>(entry->nSize > 0 ? entry->pData : &empty);
}

LPVOID LockResource(HGLOBAL hResData)
{
    return hResData;
}

DWORD SizeofResource(HMODULE, HRSRC hResInfo)
{
    return hResInfo == nullptr ? 0 : static_cast<const CustomEntry *>(hResInfo)->nSize;
}

BOOL FreeResource(HGLOBAL)
{
    return FALSE;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    static int module;
    return FindResource(nullptr, lpszName, lpszType) != nullptr ? static_cast<HINSTANCE>(&module) : nullptr;
}
