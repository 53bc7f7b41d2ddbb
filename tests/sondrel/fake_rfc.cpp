// A stand-in for SAP's RFC client library with the twelve entries Sondrel
// binds (none of them does anything), or, with FAKE_RFC_INCOMPLETE, all but
// the line length of an internal table.
#ifdef _WIN32
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#define __stdcall
#endif

FAKE_EXPORT void __stdcall RfcClose(unsigned) {}
FAKE_EXPORT int __stdcall RfcCallReceive(unsigned, const char*, void*, void*, void*, char**) {
    return 1;
}
FAKE_EXPORT int __stdcall RfcLastError(void*) {
    return 0;
}
FAKE_EXPORT void __stdcall RfcEnvironment(void*) {}
FAKE_EXPORT unsigned __stdcall RfcOpenEx(const char*, void*) {
    return 0;
}
FAKE_EXPORT int __stdcall RfcConvertBcdToChar(const void*, unsigned, int, char*, unsigned) {
    return 0;
}
FAKE_EXPORT int __stdcall ItDelete(void*) {
    return 0;
}
FAKE_EXPORT void* __stdcall ItGetLine(void*, unsigned) {
    return nullptr;
}
FAKE_EXPORT unsigned __stdcall ItFill(void*) {
    return 0;
}
FAKE_EXPORT void* __stdcall ItCreate(const char*, unsigned, unsigned, unsigned) {
    return nullptr;
}
#ifndef FAKE_RFC_INCOMPLETE
FAKE_EXPORT unsigned __stdcall ItLeng(void*) {
    return 0;
}
#endif
FAKE_EXPORT void* __stdcall ItAppLine(void*) {
    return nullptr;
}
