// Made once before the first input, by libFuzzer and by the replay program
// alike: the offscreen Qt application that drawing, font and image code
// needs.  It lives until the process ends.
#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication *application = new QApplication(*argc, *argv);
    (void)application;
    return 0;
}
