// A small program for the single-instance tests, run as separate processes:
//   first <class> <folder>    registers the class, shows a window of it,
//                             minimises and hides it, writes <folder>/ready and
//                             runs until <folder>/stop appears; writes
//                             <folder>/restored when the window is restored,
//                             <folder>/copydata ("<tag>:<bytes>") when it
//                             gets WM_COPYDATA.
//   second <class>            finds the running copy and restores it, as a
//                             program's second start does; exit code 0 when
//                             every step worked.
//   garbage <class> <folder>  answers every connection on the class's socket
//                             with bytes that are no reply.
//   trickle <class> <folder>  answers every request with a well-formed reply
//                             naming a window, one byte every 700 ms.
#include "framework/shellui/FindWindow.h"
#include "framework/shellui/InstanceProtocol.h"
#include "framework/shellui/InstanceSocket.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::string g_folder;

void Touch(const char *name)
{
    std::ofstream(g_folder + "/" + name) << "1";
}

LRESULT HelperProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && wParam == SIZE_RESTORED)
        Touch("restored");
    if (message == WM_COPYDATA) {
        const auto *pData = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        std::ofstream(g_folder + "/copydata", std::ios::binary)
            << pData->dwData << ':' << std::string(static_cast<const char *>(pData->lpData), pData->cbData);
        return TRUE;
    }
    if (message == WM_TIMER && std::filesystem::exists(g_folder + "/stop"))
        PostQuitMessage(0);
    return DefWindowProc(hWnd, message, wParam, lParam);
}

int RunFirst(const char *className)
{
    WNDCLASS wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &HelperProc;
    wc.lpszClassName = className;
    if (!RegisterClass(&wc))
        return 10;
    HWND hWnd = CreateWindowEx(0, className, "Helper", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
    if (!hWnd)
        return 11;
    // Minimised into the notification area, as the wizard's frame is.
    ShowWindow(hWnd, SW_MINIMIZE);
    ShowWindow(hWnd, SW_HIDE);
    SetTimer(hWnd, 1, 50, nullptr);
    Touch("ready");
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    DestroyWindow(hWnd);
    return UnregisterClass(className, nullptr) ? 0 : 12;
}

int RunSecond(const char *className)
{
    HWND hWnd = FindWindow(className, nullptr);
    if (!hWnd)
        return 1;
    HWND popup = GetLastActivePopup(hWnd);
    if (popup != hWnd || !IsWindow(hWnd))
        return 2;
    if (!IsIconic(hWnd))
        return 3;
    if (!ShowWindow(hWnd, SW_RESTORE))
        return 4;
    if (!SetForegroundWindow(popup))
        return 5;
    if (IsIconic(hWnd))
        return 6;
    char title[16] = {};
    if (GetWindowText(hWnd, title, sizeof title) != 0 || DestroyWindow(hWnd))
        return 7; // nothing but the calls above reaches the other copy
    return 0;
}

// Serves the class's socket with the given answer to each request, until
// <folder>/stop appears.
template <class ANSWER>
int Serve(const char *className, ANSWER answer)
{
    QLocalServer server;
    const CString path = InstanceSocket::PathFor(className);
    QLocalServer::removeServer(QString::fromUtf8(path.GetString()));
    if (!server.listen(QString::fromUtf8(path.GetString())))
        return 20;
    QObject::connect(&server, &QLocalServer::newConnection, [&server, answer]() {
        while (QLocalSocket *client = server.nextPendingConnection())
            QObject::connect(client, &QLocalSocket::readyRead, client, [client, answer]() {
                client->readAll();
                answer(client);
            });
    });
    Touch("ready");
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, []() {
        if (std::filesystem::exists(g_folder + "/stop"))
            QCoreApplication::quit();
    });
    poll.start(50);
    return QCoreApplication::exec();
}

int RunGarbage(const char *className)
{
    return Serve(className, [](QLocalSocket *client) {
        client->write("PXW1\x80garbage that is no reply at all, and far too long to be one");
        client->flush();
    });
}

int RunTrickle(const char *className)
{
    InstanceProtocol::Message reply;
    reply.op = InstanceProtocol::Op::Reply;
    reply.window = 1;
    const std::string bytes = InstanceProtocol::Encode(reply);
    return Serve(className, [bytes](QLocalSocket *client) {
        auto *timer = new QTimer(client);
        auto sent = std::make_shared<size_t>(0);
        QObject::connect(timer, &QTimer::timeout, client, [client, timer, bytes, sent]() {
            if (*sent == bytes.size() || client->state() != QLocalSocket::ConnectedState) {
                timer->stop();
                return;
            }
            client->write(bytes.data() + *sent, 1);
            client->flush();
            ++*sent;
        });
        timer->start(700);
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 100;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string mode = argv[1];
    g_folder = argc > 3 ? argv[3] : ".";
    if (mode == "first")
        return RunFirst(argv[2]);
    if (mode == "second")
        return RunSecond(argv[2]);
    if (mode == "garbage")
        return RunGarbage(argv[2]);
    if (mode == "trickle")
        return RunTrickle(argv[2]);
    return 100;
}
