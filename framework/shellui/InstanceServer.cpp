#include "framework/shellui/InstanceServer.h"

#include "framework/shellui/InstanceProtocol.h"
#include "framework/shellui/InstanceSocket.h"
#include "framework/shellui/LocalWindows.h"
#include "framework/window/ForeignWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <map>
#include <string>

namespace {

using InstanceProtocol::Message;
using InstanceProtocol::Op;
using InstanceProtocol::Reader;

// The highest SW_ command (SW_FORCEMINIMIZE).
constexpr int kLastShowCommand = 11;
// A client that sends nothing useful is dropped after this.
constexpr int kClientMs = 3000;

std::string Key(LPCTSTR lpszClassName)
{
    return QByteArray(lpszClassName).toLower().toStdString();
}

bool IsWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Brings the window forward; where the desktop will not raise it, it is at
// least shown, restored and asks for attention.
BOOL BringForward(HWND hWnd)
{
    if (IsIconic(hWnd))
        ShowWindow(hWnd, SW_RESTORE);
    else if (!IsWindowVisible(hWnd))
        ShowWindow(hWnd, SW_SHOW);
    BOOL result = SetForegroundWindow(hWnd);
    if (QWidget *widget = WindowCore::Widget(hWnd)) {
        widget->raise();
        widget->activateWindow();
        if (IsWayland())
            QApplication::alert(widget);
    }
    return result;
}

// Hands WM_COPYDATA to the window from the event loop, after the reply has
// gone: the window may open files and show message boxes, and the other
// copy must not wait on the user.  A window gone by then gets nothing.
void DeliverCopyData(HWND hWnd, const Message &request)
{
    const auto dwData = static_cast<ULONG_PTR>(static_cast<std::uint32_t>(request.argument));
    QTimer::singleShot(0, QCoreApplication::instance(), [hWnd, dwData, bytes = request.title]() {
        if (!IsWindow(hWnd))
            return;
        std::string data = bytes;
        COPYDATASTRUCT copy{dwData, static_cast<DWORD>(data.size()), data.empty() ? nullptr : data.data()};
        SendMessage(hWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    });
}

// One class's socket.
class ClassServer : public QObject {
public:
    ClassServer(const std::string &className, const CString &path) : m_className(className), m_path(path)
    {
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        connect(&m_server, &QLocalServer::newConnection, this, &ClassServer::Accept);
    }

    // False when another copy listens already (or the socket cannot be made).
    bool Listen()
    {
        const QString path = QString::fromUtf8(m_path.GetString());
        if (m_server.listen(path))
            return true;
        if (m_server.serverError() != QAbstractSocket::AddressInUseError)
            return false;
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(500))
            return false; // a running copy answers: it keeps the socket
        InstanceSocket::RemoveStale(m_path);
        return m_server.listen(path);
    }
    const CString &Path() const { return m_path; }

private:
    void Accept()
    {
        while (QLocalSocket *client = m_server.nextPendingConnection()) {
            auto reader = std::make_shared<Reader>();
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client, reader]() { Read(client, *reader); });
            QTimer::singleShot(kClientMs, client, [client]() { client->abort(); });
        }
    }

    void Read(QLocalSocket *client, Reader &reader)
    {
        const QByteArray bytes = client->readAll();
        if (reader.Feed(bytes.constData(), static_cast<std::size_t>(bytes.size())) == Reader::Status::NeedMore)
            return;
        if (reader.GetStatus() == Reader::Status::Bad) {
            client->abort();
            return;
        }
        Message reply;
        reply.op = Op::Reply;
        reply.window = Answer(reader.GetMessage());
        const std::string out = InstanceProtocol::Encode(reply);
        client->write(out.data(), static_cast<qint64>(out.size()));
        client->flush();
        client->disconnectFromServer();
    }

    // Only this class's top-level windows are ever acted on.
    std::uint64_t Answer(const Message &request)
    {
        if (request.op == Op::Find) {
            HWND found = LocalWindows::Find(m_className.c_str(), request.hasTitle ? request.title.c_str() : nullptr);
            return reinterpret_cast<std::uintptr_t>(found);
        }
        HWND hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(request.window));
        if (!LocalWindows::IsTopLevelOfClass(hWnd, m_className.c_str()))
            return 0;
        switch (request.op) {
        case Op::IsWindow: return 1;
        case Op::IsIconic: return IsIconic(hWnd) ? 1 : 0;
        case Op::Show:
            if (request.argument < SW_HIDE || request.argument > kLastShowCommand)
                return 0;
            ShowWindow(hWnd, request.argument);
            return 1;
        case Op::Foreground: return BringForward(hWnd) ? 1 : 0;
        case Op::CopyData: DeliverCopyData(hWnd, request); return 1;
        default: return 0;
        }
    }

    std::string m_className;
    CString m_path;
    QLocalServer m_server;
};

struct Servers {
    std::map<std::string, std::string> registered; // key -> name as registered
    std::map<std::string, QPointer<ClassServer>> listening;
    QPointer<QObject> showWatcher;
};

Servers &State()
{
    static Servers servers;
    return servers;
}

void StartListening(const std::string &key)
{
    Servers &state = State();
    if (state.listening.count(key) || !QCoreApplication::instance())
        return;
    const CString path = InstanceSocket::PathFor(state.registered[key].c_str());
    if (path.IsEmpty())
        return;
    // Parented to the application: its end closes (and removes) the socket.
    auto *server = new ClassServer(state.registered[key], path);
    server->setParent(QCoreApplication::instance());
    if (server->Listen()) {
        state.listening[key] = server;
    } else {
        delete server;
        state.listening[key] = nullptr; // another copy has it: not tried again
    }
}

// Starts a class's socket when a top-level window of it is shown.
class ShowWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            HWND hWnd = WindowCore::FromWidget(static_cast<QWidget *>(watched));
            char name[256] = {};
            if (hWnd && !(GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD) && GetClassName(hWnd, name, sizeof name)) {
                const std::string key = Key(name);
                if (State().registered.count(key))
                    StartListening(key);
            }
        }
        return false;
    }
};

// The framework's generated classes ("Afx:" and the style, cursor, brush
// and icon handles) name this process's handles: no other process can look
// for them, so they get no socket.
bool IsGeneratedClass(LPCTSTR lpszClassName)
{
    return std::strncmp(lpszClassName, "Afx:", 4) == 0;
}

void OnClass(LPCTSTR lpszClassName, BOOL bRegistered)
{
    Servers &state = State();
    if (!lpszClassName || IsGeneratedClass(lpszClassName))
        return;
    const std::string key = Key(lpszClassName);
    if (bRegistered) {
        state.registered[key] = lpszClassName;
        if (!state.showWatcher && QCoreApplication::instance()) {
            auto *watcher = new ShowWatcher;
            watcher->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(watcher);
            state.showWatcher = watcher;
        }
        return;
    }
    state.registered.erase(key);
    auto it = state.listening.find(key);
    if (it != state.listening.end()) {
        delete it->second.data(); // closing removes the socket file
        state.listening.erase(it);
    }
}

const bool g_installed = (PlexoSetClassHook(&OnClass), true);

} // namespace

namespace InstanceServer {

bool IsOwnSocket(const CString &path)
{
    for (auto &[key, server] : State().listening)
        if (server && server->Path() == path)
            return g_installed;
    return false;
}

} // namespace InstanceServer
