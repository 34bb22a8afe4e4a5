#include "framework/shellui/RemoteWindows.h"

#include "framework/shellui/InstanceProtocol.h"
#include "framework/shellui/InstanceServer.h"
#include "framework/shellui/InstanceSocket.h"
#include "framework/window/ForeignWindows.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

#include <memory>
#include <vector>

#include <sys/stat.h>

// A remote handle: the socket of the running copy and its own handle of the
// window.  The records live for the process, so a handle never dangles.
struct RemoteWindowRecord {
    CString path;
    std::uint64_t window;
};

namespace {

using InstanceProtocol::Message;
using InstanceProtocol::Op;
using InstanceProtocol::Reader;

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;

std::vector<std::unique_ptr<RemoteWindowRecord>> &Records()
{
    static std::vector<std::unique_ptr<RemoteWindowRecord>> records;
    return records;
}

RemoteWindowRecord *RecordOf(HWND hWnd)
{
    for (auto &record : Records())
        if (reinterpret_cast<HWND>(record.get()) == hWnd)
            return record.get();
    return nullptr;
}

bool SocketExists(const CString &path)
{
    struct stat info {};
    return ::lstat(path.GetString(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// Sends one request and reads the reply's value; false when the copy does
// not answer, or answers anything but a well-formed reply.
bool Ask(const CString &path, const Message &request, std::uint64_t &value)
{
    if (!SocketExists(path) || InstanceServer::IsOwnSocket(path))
        return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromUtf8(path.GetString()));
    if (!socket.waitForConnected(kConnectMs)) {
        // A socket nobody listens on is left over from a copy that died.
        if (socket.error() == QLocalSocket::ConnectionRefusedError)
            InstanceSocket::RemoveStale(path);
        return false;
    }
    const std::string bytes = InstanceProtocol::Encode(request);
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!socket.waitForBytesWritten(kConnectMs))
        return false;
    // One deadline for the whole answer, not for each piece of it: a copy
    // that sends its answer a byte at a time is skipped when it runs out.
    const QDeadlineTimer deadline(kAnswerMs);
    Reader reader;
    while (reader.GetStatus() == Reader::Status::NeedMore) {
        if (deadline.hasExpired())
            return false;
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
        const QByteArray answer = socket.readAll();
        reader.Feed(answer.constData(), static_cast<std::size_t>(answer.size()));
    }
    if (reader.GetStatus() != Reader::Status::Done || reader.GetMessage().op != Op::Reply)
        return false;
    value = reader.GetMessage().window;
    return true;
}

bool AskAbout(HWND hWnd, Op op, std::int32_t argument = 0)
{
    RemoteWindowRecord *record = RecordOf(hWnd);
    if (!record)
        return false;
    Message request;
    request.op = op;
    request.window = record->window;
    request.argument = argument;
    std::uint64_t value = 0;
    return Ask(record->path, request, value) && value != 0;
}

BOOL RemoteIsWindow(HWND hWnd)
{
    return AskAbout(hWnd, Op::IsWindow) ? TRUE : FALSE;
}
BOOL RemoteIsIconic(HWND hWnd)
{
    return AskAbout(hWnd, Op::IsIconic) ? TRUE : FALSE;
}
BOOL RemoteShowWindow(HWND hWnd, int nCmdShow)
{
    return AskAbout(hWnd, Op::Show, nCmdShow) ? TRUE : FALSE;
}
BOOL RemoteSetForegroundWindow(HWND hWnd)
{
    return AskAbout(hWnd, Op::Foreground) ? TRUE : FALSE;
}

// The bytes travel whole or not at all.
BOOL RemoteCopyData(HWND hWnd, HWND, const COPYDATASTRUCT *pData)
{
    RemoteWindowRecord *record = RecordOf(hWnd);
    if (!record || pData->cbData > InstanceProtocol::kMaxCopyData || (pData->cbData && !pData->lpData))
        return FALSE;
    Message request;
    request.op = Op::CopyData;
    request.window = record->window;
    request.argument = static_cast<std::int32_t>(pData->dwData);
    request.hasTitle = true;
    request.title.assign(static_cast<const char *>(pData->lpData), pData->cbData);
    std::uint64_t value = 0;
    return Ask(record->path, request, value) && value != 0 ? TRUE : FALSE;
}

const PlexoForeignWindowOps kRemoteOps = {&RemoteIsWindow, &RemoteIsIconic, &RemoteShowWindow,
                                          &RemoteSetForegroundWindow, &RemoteCopyData};

// The window layer hands remote handles here from the moment the library
// is loaded.
const bool g_installed = (PlexoSetForeignWindowOps(&kRemoteOps), true);

} // namespace

namespace RemoteWindows {

HWND Find(LPCTSTR lpClassName, LPCTSTR lpWindowName)
{
    const CString path = InstanceSocket::PathFor(lpClassName);
    if (path.IsEmpty())
        return nullptr;
    Message request;
    request.op = Op::Find;
    request.hasTitle = lpWindowName != nullptr;
    request.title = lpWindowName ? lpWindowName : "";
    std::uint64_t window = 0;
    if (!Ask(path, request, window) || window == 0)
        return nullptr;
    for (auto &record : Records())
        if (record->path == path && record->window == window)
            return reinterpret_cast<HWND>(record.get());
    Records().push_back(std::make_unique<RemoteWindowRecord>(RemoteWindowRecord{path, window}));
    return reinterpret_cast<HWND>(Records().back().get());
}

bool IsRemote(HWND hWnd)
{
    return g_installed && RecordOf(hWnd) != nullptr;
}

} // namespace RemoteWindows
