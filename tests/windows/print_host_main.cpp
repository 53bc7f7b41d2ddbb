// A host that behaves like a print program: it imports LoadLibraryA,
// GetProcAddress and _access as such programs do, loads the barcode library,
// calls BarcodeInit, then loads "BARCODE.DLL" by the name it is given and
// prints through the entries it looks up. Built as SAPlpd.exe and as
// ordinary_host.exe. Writes what it saw to a report file, one "key value"
// per line.
//   print_host <name to load> <report file>
#include <windows.h>

#include <io.h>

#include <cstdio>
#include <string>

namespace {

struct Request {
    int32_t fields[5];
    const char* command;
    int32_t commandLength;
    int32_t rest[14];
    const char* errorText;
};

using InitEntry = int(__stdcall*)(char*, int);
using PrintEntry = int(__stdcall*)(HDC, void*);
using VInfoEntry = int(__stdcall*)(const void**);
using AddressEntry = void*(__cdecl*)();

// Each call goes through the import table anew, as in a program whose calls
// lie far apart: a compiler may otherwise keep the first address it read.
__attribute__((noinline)) HMODULE LoadByName(const char* name) {
    return LoadLibraryA(name);
}
__attribute__((noinline)) FARPROC FindEntry(HMODULE module, const char* name) {
    return GetProcAddress(module, name);
}
__attribute__((noinline)) int Exists(const char* path) {
    return _access(path, 0);
}

template <typename Entry> Entry Find(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(FindEntry(module, name)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    FILE* report = std::fopen(argv[2], "w");
    if (report == nullptr) return 3;

    HMODULE own = LoadByName("Barcode.dll");
    InitEntry ownInit = Find<InitEntry>(own, "BarcodeInit");
    char text[2000] = "NoTime";
    std::fprintf(report, "own-init %d\n", ownInit != nullptr ? ownInit(text, sizeof text) : -1);
    std::fprintf(report, "access %d\n", Exists("BARCODE.DLL"));

    HMODULE loaded = LoadByName(argv[1]);
    std::fprintf(report, "loaded %s\n",
                 loaded == nullptr ? "none"
                 : loaded == own   ? "own"
                                   : "other");
    if (loaded != nullptr) {
        InitEntry init = Find<InitEntry>(loaded, "BarcodeInit");
        PrintEntry print = Find<PrintEntry>(loaded, "BarcodePrint");
        VInfoEntry vinfo = Find<VInfoEntry>(loaded, "BarcodeVInfo");
        AddressEntry recorderPrint = Find<AddressEntry>(loaded, "RecorderPrintAddress");
        std::fprintf(report, "entries %d %d %d\n", init != nullptr, print != nullptr,
                     vinfo != nullptr);
        if (recorderPrint != nullptr)
            std::fprintf(report, "print-entry %s\n",
                         reinterpret_cast<void*>(print) == recorderPrint() ? "recorder"
                                                                           : "extension");
        if (init != nullptr) std::fprintf(report, "init %d\n", init(text, sizeof text));
        const void* info = nullptr;
        if (vinfo != nullptr) std::fprintf(report, "vinfo %d\n", vinfo(&info));
        if (print != nullptr) {
            HDC screen = GetDC(nullptr);
            HDC memory = CreateCompatibleDC(screen);
            ReleaseDC(nullptr, screen);
            const char command[] = "C=39,D=123";
            Request request{};
            request.command = command;
            request.commandLength = sizeof command - 1;
            std::fprintf(report, "print %d\n", print(memory, &request));
            DeleteDC(memory);
        }
    }
    std::fclose(report);
    return 0;
}
