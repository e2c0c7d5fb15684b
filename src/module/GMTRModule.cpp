// Shared-library entry point. Loading the library sets up nothing: there is no
// global state to initialise or release, so the entry point reports success
// for every reason. Other platforms need no entry point.
#ifdef _WIN32
#include <windows.h>

BOOL APIENTRY DllMain(HMODULE, DWORD, LPVOID) {
    return TRUE;
}
#endif
