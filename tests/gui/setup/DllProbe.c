/* Loads a barcode DLL by its full path and calls BarcodeInit, as a print
   server does before its first request: the DLL then reads its profile and
   defaults. Prints the init report; exit code 0 when the DLL loaded and
   BarcodeInit gave 1. */
#include <windows.h>

#include <stdio.h>

typedef int(__stdcall* InitEntry)(char*, int);

int main(int argc, char** argv) {
    if (argc != 2) {
        fputs("usage: setup_dll_probe <DLL path>\n", stderr);
        return 2;
    }
    HMODULE dll = LoadLibraryA(argv[1]);
    if (dll == NULL) {
        printf("cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 3;
    }
    InitEntry init = (InitEntry)(void*)GetProcAddress(dll, "BarcodeInit");
    if (init == NULL) {
        printf("%s has no BarcodeInit\n", argv[1]);
        return 4;
    }
    char report[1024] = {0};
    int result = init(report, (int)sizeof report - 1);
    fputs(report, stdout);
    return result == 1 ? 0 : 5;
}
