#include "framework/gdi/OffscreenApplication.h"

#include <QGuiApplication>

void EnsureOffscreenApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plexo";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics may already be gone.
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    (void)application;
}
