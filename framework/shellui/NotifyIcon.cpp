#include "framework/shellui/NotifyIcon.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/Icon.h"
#include "framework/shellui/NotifyArea.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>
#include <map>
#include <memory>

namespace {

constexpr int kIconSize = 32;
constexpr int kRecheckMs = 5000;

void Notify(HWND hWnd, UINT uID, UINT callbackMessage, UINT mouseMessage)
{
    if (callbackMessage && IsWindow(hWnd))
        PostMessage(hWnd, callbackMessage, uID, mouseMessage);
}

// A picture of the icon; transparent where the icon shows through.
QPixmap PixmapOf(HICON hIcon)
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (hIcon) {
        HDC hdc = CreateImageDC(&image);
        if (hdc) {
            DrawIconEx(hdc, 0, 0, hIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
            DeleteDC(hdc);
        }
    }
    return QPixmap::fromImage(image);
}

// The plain window that shows an icon where the desktop has no
// notification area.
class StandInWindow : public QWidget {
public:
    StandInWindow(HWND hWnd, UINT uID) : m_hWnd(hWnd), m_uID(uID)
    {
        setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        m_picture = new QLabel(this);
        m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_text = new QLabel(this);
        m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(m_picture, 0, Qt::AlignHCenter);
        layout->addWidget(m_text, 0, Qt::AlignHCenter);
        setMouseTracking(true);
    }
    void Show(const QPixmap &picture, const QString &tip, UINT callbackMessage)
    {
        m_callback = callbackMessage;
        m_picture->setPixmap(picture);
        m_text->setText(tip);
        setToolTip(tip);
        setWindowTitle(tip);
        if (!isVisible()) {
            adjustSize();
            if (QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                move(area.right() - width() - 8, area.bottom() - height() - 8);
            }
            show();
        }
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        Send(event->button() == Qt::RightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        Send(event->button() == Qt::RightButton ? WM_RBUTTONUP : WM_LBUTTONUP);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        Send(event->button() == Qt::RightButton ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK);
    }
    void mouseMoveEvent(QMouseEvent *) override { Send(WM_MOUSEMOVE); }
    // The user cannot close the icon away: the program removes it.
    void closeEvent(QCloseEvent *event) override { event->ignore(); }

private:
    void Send(UINT mouseMessage) { Notify(m_hWnd, m_uID, m_callback, mouseMessage); }

    HWND m_hWnd;
    UINT m_uID;
    UINT m_callback = 0;
    QLabel *m_picture;
    QLabel *m_text;
};

struct Icon {
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT callbackMessage = 0;
    QPixmap picture;
    QString tip;
    std::unique_ptr<QSystemTrayIcon> tray;
    std::unique_ptr<StandInWindow> standIn;
};

using IconKey = std::pair<HWND, UINT>;

struct Area {
    std::map<IconKey, std::unique_ptr<Icon>> icons;
    NotifyArea::TrayProbe probe = nullptr;
    bool trayKnown = false;
    bool trayAvailable = false;
    QPointer<QTimer> recheck;
};

// Never destroyed: icons still there at exit go with the process, not
// after the application object that their windows need.
Area &State()
{
    static Area &area = *new Area;
    return area;
}

bool TrayAvailable()
{
    Area &area = State();
    return area.probe ? area.probe() : QSystemTrayIcon::isSystemTrayAvailable();
}

void ShowInTray(Icon &icon)
{
    icon.standIn.reset();
    if (!icon.tray) {
        icon.tray = std::make_unique<QSystemTrayIcon>();
        HWND hWnd = icon.hWnd;
        UINT uID = icon.uID;
        Icon *self = &icon;
        QObject::connect(icon.tray.get(), &QSystemTrayIcon::activated,
                         [self, hWnd, uID](QSystemTrayIcon::ActivationReason reason) {
                             const UINT message = self->callbackMessage;
                             switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 Notify(hWnd, uID, message, WM_LBUTTONDOWN);
                                 Notify(hWnd, uID, message, WM_LBUTTONUP);
                                 break;
                             case QSystemTrayIcon::DoubleClick: Notify(hWnd, uID, message, WM_LBUTTONDBLCLK); break;
                             case QSystemTrayIcon::Context:
                                 Notify(hWnd, uID, message, WM_RBUTTONDOWN);
                                 Notify(hWnd, uID, message, WM_RBUTTONUP);
                                 break;
                             case QSystemTrayIcon::MiddleClick: Notify(hWnd, uID, message, WM_MBUTTONUP); break;
                             default: break;
                             }
                         });
    }
    icon.tray->setIcon(QIcon(icon.picture));
    icon.tray->setToolTip(icon.tip);
    icon.tray->show();
}

void ShowStandIn(Icon &icon)
{
    icon.tray.reset();
    if (!icon.standIn)
        icon.standIn = std::make_unique<StandInWindow>(icon.hWnd, icon.uID);
    icon.standIn->Show(icon.picture, icon.tip, icon.callbackMessage);
}

void ScheduleRecheck();

void Place(Icon &icon)
{
    Area &area = State();
    if (!area.trayKnown) {
        area.trayAvailable = TrayAvailable();
        area.trayKnown = true;
    }
    if (area.trayAvailable) {
        ShowInTray(icon);
    } else {
        ShowStandIn(icon);
        ScheduleRecheck();
    }
}

// Every top-level window hears that a notification area (re)appeared.
void AnnounceTaskbar()
{
    const UINT message = RegisterWindowMessage("TaskbarCreated");
    std::vector<HWND> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        HWND hWnd = WindowCore::FromWidget(widget);
        if (hWnd && !(GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
            windows.push_back(hWnd);
    }
    for (HWND hWnd : windows)
        if (IsWindow(hWnd))
            SendMessage(hWnd, message, 0, 0);
}

void ScheduleRecheck()
{
    Area &area = State();
    if (area.recheck || !QCoreApplication::instance())
        return;
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [] { NotifyArea::Recheck(); });
    timer->start(kRecheckMs);
    area.recheck = timer;
}

void Fill(Icon &icon, const NOTIFYICONDATA &data)
{
    if (data.uFlags & NIF_MESSAGE)
        icon.callbackMessage = data.uCallbackMessage;
    if (data.uFlags & NIF_ICON)
        icon.picture = PixmapOf(data.hIcon);
    if (data.uFlags & NIF_TIP)
        icon.tip = QString::fromUtf8(data.szTip, static_cast<qsizetype>(strnlen(data.szTip, sizeof data.szTip - 1)));
}

} // namespace

BOOL Shell_NotifyIcon(DWORD dwMessage, PNOTIFYICONDATA lpData)
{
    if (!lpData || !QCoreApplication::instance())
        return FALSE;
    Area &area = State();
    const IconKey key(lpData->hWnd, lpData->uID);
    auto it = area.icons.find(key);
    switch (dwMessage) {
    case NIM_ADD: {
        if (it != area.icons.end() || !IsWindow(lpData->hWnd))
            return FALSE;
        auto icon = std::make_unique<Icon>();
        icon->hWnd = lpData->hWnd;
        icon->uID = lpData->uID;
        Fill(*icon, *lpData);
        Place(*icon);
        area.icons[key] = std::move(icon);
        return TRUE;
    }
    case NIM_MODIFY:
        if (it == area.icons.end())
            return FALSE;
        Fill(*it->second, *lpData);
        Place(*it->second);
        return TRUE;
    case NIM_DELETE:
        if (it == area.icons.end())
            return FALSE;
        area.icons.erase(it);
        return TRUE;
    default: return FALSE;
    }
}

namespace NotifyArea {

void SetTrayProbe(TrayProbe probe)
{
    State().probe = probe;
    State().trayKnown = false;
}

void Recheck()
{
    Area &area = State();
    const bool was = area.trayKnown && area.trayAvailable;
    area.trayAvailable = TrayAvailable();
    area.trayKnown = true;
    if (area.trayAvailable == was)
        return;
    for (auto &[key, icon] : area.icons) {
        if (area.trayAvailable)
            ShowInTray(*icon);
        else
            ShowStandIn(*icon);
    }
    if (area.trayAvailable) {
        if (area.recheck)
            area.recheck->deleteLater();
        AnnounceTaskbar();
    } else if (!area.icons.empty()) {
        ScheduleRecheck();
    }
}

QWidget *StandIn(HWND hWnd, UINT uID)
{
    auto it = State().icons.find(IconKey(hWnd, uID));
    return it != State().icons.end() ? it->second->standIn.get() : nullptr;
}

bool IsInNotificationArea(HWND hWnd, UINT uID)
{
    auto it = State().icons.find(IconKey(hWnd, uID));
    return it != State().icons.end() && it->second->tray != nullptr;
}

} // namespace NotifyArea
