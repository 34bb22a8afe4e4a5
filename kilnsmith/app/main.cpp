// The Kilnsmith program: its one application object, run by the
// framework's entry.
#include "kilnsmith/app/MDIApp.h"

CMDIApp theApp;

int main(int argc, char **argv)
{
    return AfxWinMain(argc, argv);
}
