/* A barcode library that only records how it is called: a print program's
 * redirection target in the tests. Each call appends a line to the file
 * named by the environment variable BC_RECORD_FILE. */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static void Record(const char* call) {
    const char* path = getenv("BC_RECORD_FILE");
    FILE* file = path != NULL ? fopen(path, "a") : NULL;
    if (file == NULL) return;
    fprintf(file, "%s\n", call);
    fclose(file);
}

__declspec(dllexport) int __stdcall BarcodeInit(char* text, int size) {
    Record("init");
    if (text != NULL && size > 0) text[0] = '\0';
    return 1;
}

__declspec(dllexport) int __stdcall BarcodePrint(HDC hdc, void* request) {
    (void)hdc;
    (void)request;
    Record("print");
    return 1;
}

__declspec(dllexport) int __stdcall BarcodeVInfo(const void** info) {
    static const int record[4] = {2, 0, 1, 0};
    Record("vinfo");
    if (info != NULL) *info = record;
    return 1;
}

/* The address of the recorder's own print entry, to tell it from the entry a
 * host is given. */
__declspec(dllexport) void* RecorderPrintAddress(void) { return (void*)&BarcodePrint; }
