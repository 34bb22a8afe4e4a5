#include "framework/base/CString.h"
#include <cstdio>
int main()
{
    CString text("installed");
    std::printf("%s %d\n", text.GetString(), text.GetLength());
    return text.GetLength() == 9 ? 0 : 1;
}
