#include "framework/shell/Instance.h"

#include <cstdint>

#include <unistd.h>

HINSTANCE AfxGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(::getpid()));
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}
