// The process entry of a program built on the window layer. Alone in its own
// library, so that tests with their own main do not pull it in.
#include "platform/window/WinApp.h"

int main(int argc, char* argv[])
{
    return AfxWinMain(argc, argv);
}
