#include "framework/gdi/MetaFileDC.h"

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/EmfDescription.h"
#include "framework/gdi/EmfRecorder.h"

#include <memory>
#include <optional>
#include <unordered_map>
#include <string>

namespace {

// What a metafile context needs at closing besides its records.
struct MetaFileInfo {
    std::optional<RECT> frame;
    std::u16string description;
    std::string fileName;
    SIZE devicePixels{1920, 1080};
    SIZE deviceDpi{96, 96};
};

std::unordered_map<HDC, MetaFileInfo> &Infos()
{
    static auto *infos = new std::unordered_map<HDC, MetaFileInfo>;
    return *infos;
}

} // namespace

IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

HDC CreateEnhMetaFile(HDC hdcRef, LPCTSTR lpFilename, const RECT *lprc, LPCTSTR lpDesc)
{
    HDC hdc = CreateMemoryDC(hdcRef);
    if (!hdc)
        return nullptr;
    hdc->recorder = std::make_unique<EmfRecorder>(hdc);
    MetaFileInfo info;
    if (lprc)
        info.frame = *lprc;
    info.description = EmfDescription::FromCallerText(lpDesc);
    if (lpFilename)
        info.fileName = lpFilename;
    HDC reference = hdcRef ? hdcRef : CreateMemoryDC(nullptr);
    const int width = GetDeviceCaps(reference, HORZRES), height = GetDeviceCaps(reference, VERTRES);
    if (width > 0 && height > 0)
        info.devicePixels = SIZE{width, height};
    // A printer reference keeps its own resolution (the screen's is 96).
    if (hdcRef && hdcRef->printing)
        info.deviceDpi = SIZE{GetDeviceCaps(reference, LOGPIXELSX), GetDeviceCaps(reference, LOGPIXELSY)};
    if (!hdcRef)
        DeleteDC(reference);
    Infos()[hdc] = std::move(info);
    return hdc;
}

HENHMETAFILE CloseEnhMetaFile(HDC hdc)
{
    auto it = hdc ? Infos().find(hdc) : Infos().end();
    if (it == Infos().end() || !hdc->recorder)
        return nullptr;
    const MetaFileInfo info = std::move(it->second);
    Infos().erase(it);
    std::vector<BYTE> bytes =
        hdc->recorder->Finish(info.frame ? &*info.frame : nullptr, info.description, info.devicePixels, info.deviceDpi);
    CDC *wrapper = CDC::FromHandle(hdc);
    if (wrapper && wrapper->m_hDC == hdc)
        wrapper->Detach();
    DeleteDC(hdc);
    HENHMETAFILE emf = EnhMetaFiles::Adopt(std::move(bytes));
    if (emf && !info.fileName.empty()) {
        HENHMETAFILE written = CopyEnhMetaFile(emf, info.fileName.c_str());
        if (!written) {
            DeleteEnhMetaFile(emf);
            return nullptr;
        }
        DeleteEnhMetaFile(written);
    }
    return emf;
}

CMetaFileDC::~CMetaFileDC()
{
    if (m_hDC && m_hDC->recorder) {
        HENHMETAFILE emf = CloseEnhanced();
        DeleteEnhMetaFile(emf);
    }
}

BOOL CMetaFileDC::CreateEnhanced(CDC *pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription)
{
    if (m_hDC)
        return FALSE;
    HDC hdc = CreateEnhMetaFile(pDCRef ? pDCRef->m_hDC : nullptr, lpszFileName, lpBounds, lpszDescription);
    if (!hdc)
        return FALSE;
    return Attach(hdc);
}

HENHMETAFILE CMetaFileDC::CloseEnhanced()
{
    HDC hdc = m_hDC;
    if (!hdc || !hdc->recorder)
        return nullptr;
    Detach();
    return CloseEnhMetaFile(hdc);
}

// The attribute context only answers measurements: the recording context
// keeps the output.
void CMetaFileDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC ? hDC : m_hDC;
}

void CMetaFileDC::ReleaseAttribDC()
{
    m_hAttribDC = m_hDC;
}
