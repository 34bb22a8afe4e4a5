// The scribble sample as a program: run it on a desktop to draw, split,
// save and reopen documents by hand.
#include "Scribble.h"

#include <QApplication>

CScribbleApp theApp;

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    RegisterScribbleResources();
    return AfxWinMain(argc, argv);
}
