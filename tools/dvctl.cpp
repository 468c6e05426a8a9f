// dvctl: drives a running Dirvane from scripts.
//   dvctl wait SECONDS    waits until the main window exists
//   dvctl close SECONDS   closes it the normal way (WM_CLOSE) and waits
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ClassName.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dvctl wait|close SECONDS\n");
        return 2;
    }
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    const DWORD start = GetTickCount();
    if (std::strcmp(argv[1], "wait") == 0) {
        while (!FindWindowA(resources::kMainClassName, nullptr)) {
            if (GetTickCount() - start > limit) {
                std::fprintf(stderr, "Dirvane's window did not appear\n");
                return 1;
            }
            Sleep(100);
        }
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        HWND w = FindWindowA(resources::kMainClassName, nullptr);
        if (!w) {
            return 0;
        }
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        PostMessageA(w, WM_CLOSE, 0, 0);
        if (process) {
            const DWORD rc = WaitForSingleObject(process, limit);
            CloseHandle(process);
            return rc == WAIT_OBJECT_0 ? 0 : 1;
        }
        return 0;
    }
    return 2;
}
