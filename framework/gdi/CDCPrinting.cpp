// CDC: print jobs on printers and PDF writers.
#include <QPagedPaintDevice>
#include <QPrinter>

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"

namespace {

QPagedPaintDevice *PagedDevice(HDC h)
{
    if (!h || h->target != HDC__::Target::Device)
        return nullptr;
    return dynamic_cast<QPagedPaintDevice *>(h->device);
}

} // namespace

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO info{static_cast<int>(sizeof(DOCINFO)), lpszDocName, nullptr, nullptr, 0};
    return StartDoc(&info);
}

int CDC::StartDoc(const DOCINFO *lpDocInfo)
{
    QPagedPaintDevice *paged = PagedDevice(m_hDC);
    if (!paged || !lpDocInfo || !m_hDC->painter || !m_hDC->painter->isActive())
        return SP_ERROR;
    if (auto *printer = dynamic_cast<QPrinter *>(paged); printer && lpDocInfo->lpszDocName)
        printer->setDocName(QString::fromUtf8(lpDocInfo->lpszDocName));
    m_hDC->pagesStarted = 0;
    return 1;
}

int CDC::StartPage()
{
    QPagedPaintDevice *paged = PagedDevice(m_hDC);
    if (!paged)
        return SP_ERROR;
    if (m_hDC->pagesStarted > 0 && !paged->newPage())
        return SP_ERROR;
    ++m_hDC->pagesStarted;
    m_hDC->lastTransferRect = QRect(); // a new sheet holds nothing drawn yet
    return 1;
}

int CDC::EndPage()
{
    return PagedDevice(m_hDC) ? 1 : SP_ERROR;
}

int CDC::EndDoc()
{
    if (!PagedDevice(m_hDC) || !m_hDC->painter)
        return SP_ERROR;
    if (m_hDC->painter->isActive())
        m_hDC->painter->end();
    if (m_hDC->docEnded)
        m_hDC->docEnded(true);
    return 1;
}

int CDC::AbortDoc()
{
    QPagedPaintDevice *paged = PagedDevice(m_hDC);
    if (!paged)
        return SP_ERROR;
    if (auto *printer = dynamic_cast<QPrinter *>(paged))
        printer->abort();
    if (m_hDC->painter && m_hDC->painter->isActive())
        m_hDC->painter->end();
    if (m_hDC->docEnded)
        m_hDC->docEnded(false);
    return 1;
}
