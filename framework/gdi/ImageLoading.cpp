// LoadImage: bitmaps and icons from the resource registry.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;

struct ResourceView {
    const BYTE *bytes = nullptr;
    DWORD size = 0;
};

bool Resource(LPCTSTR name, LPCTSTR type, ResourceView &view)
{
    HRSRC found = FindResource(nullptr, name, type);
    if (!found)
        return false;
    view.bytes = static_cast<const BYTE *>(LockResource(LoadResource(nullptr, found)));
    view.size = SizeofResource(nullptr, found);
    return view.bytes != nullptr;
}

// The entry id of the group's image nearest in size (0 in a directory means 256).
int NearestImage(const ResourceView &group, int cx, int cy)
{
    if (group.size < kGroupHeader)
        return -1;
    const WORD count = static_cast<WORD>(group.bytes[4] | group.bytes[5] << 8);
    if (group.size < kGroupHeader + static_cast<size_t>(count) * kGroupEntry)
        return -1;
    int best = -1;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (WORD i = 0; i < count; ++i) {
        const BYTE *entry = group.bytes + kGroupHeader + static_cast<size_t>(i) * kGroupEntry;
        const int width = entry[0] ? entry[0] : 256, height = entry[1] ? entry[1] : 256;
        const int id = entry[12] | entry[13] << 8;
        if (cx == 0 && cy == 0)
            return id;
        const long long distance =
            std::llabs(static_cast<long long>(width) - cx) + std::llabs(static_cast<long long>(height) - cy);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = id;
        }
    }
    return best;
}

HICON LoadIconImage(LPCTSTR name, int cx, int cy, UINT fuLoad)
{
    if ((fuLoad & LR_DEFAULTSIZE) && cx == 0 && cy == 0)
        cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    ResourceView group, image;
    if (!Resource(name, RT_GROUP_ICON, group))
        return nullptr;
    const int id = NearestImage(group, cx, cy);
    if (id < 0 || !Resource(MAKEINTRESOURCE(id), RT_ICON, image))
        return nullptr;
    return CreateIconFromResourceEx(const_cast<LPBYTE>(image.bytes), image.size, TRUE, 0x30000, cx, cy, 0);
}

} // namespace

HANDLE LoadImage(HINSTANCE hInst, LPCTSTR name, UINT type, int cx, int cy, UINT fuLoad)
{
    if (cx < 0 || cy < 0)
        return nullptr;
    switch (type) {
    case IMAGE_BITMAP: return LoadBitmap(hInst, name);
    case IMAGE_ICON: return LoadIconImage(name, cx, cy, fuLoad);
    default: return nullptr; // cursors come from the window layer
    }
}
