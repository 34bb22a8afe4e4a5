// How the window layer shows an error message: a message box on a desktop,
// a log line under the offscreen platform (tests, servers), so that an
// exception caught by the dispatcher never blocks or reaches Qt.
#include "framework/object/Exceptions.h"
#include "framework/window/WinMessages.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

int ShowMessage(LPCTSTR lpszText, UINT nType, UINT)
{
    QString text = QString::fromUtf8(lpszText ? lpszText : "");
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "Plexo: %s\n", text.toUtf8().constData());
        return IDOK;
    }
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND: QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text); break;
    case MB_ICONEXCLAMATION: QMessageBox::warning(nullptr, QCoreApplication::applicationName(), text); break;
    default: QMessageBox::information(nullptr, QCoreApplication::applicationName(), text); break;
    }
    return IDOK;
}

const bool g_installed = []() {
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&ShowMessage);
    if (previous)
        AfxSetMessageBoxHandler(previous); // a program's own handler stays
    return true;
}();

} // namespace
