// The records a caller of the RFC library passes to a function module call,
// and the numbers the library answers with: the same layout as SAP's classic
// RFC client library uses, so that a program built against these records
// calls either library alike. Kept free of everything else, so that the
// calling program can include it too.
#pragma once

// A scalar parameter of a call: its name, its type, its length in bytes and
// the caller's buffer. An array of them ends with a null name.
struct RfcParameter {
    const void* name;
    unsigned nlen;
    unsigned type;
    unsigned leng;
    void* addr;
};

// A table parameter of a call: its name, the line type and length and the
// internal table that carries the lines. A null handle asks the library to
// create the table (newitab is then set). An array of them ends with a null
// name.
struct RfcTable {
    const void* name;
    unsigned nlen;
    unsigned type;
    unsigned leng;
    void* ithandle;
    int itmode;
    int newitab;
};

// Line and parameter types the stand-in reads (anything else counts as text).
constexpr unsigned kRfcTypeChar = 0;
constexpr unsigned kRfcTypeNumText = 6;
constexpr unsigned kRfcTypeInt = 8;

// What a call returns.
constexpr int kRfcOk = 0;
constexpr int kRfcFailure = 1;      // the call did not happen: see the last error
constexpr int kRfcException = 2;    // the function module raised the exception named
constexpr int kRfcSysException = 3; // the system stopped the function module
constexpr int kRfcClosed = 6;       // the connection is closed or broken

// Groups of an open error (the first field of the open error record).
constexpr int kRfcErrorProgram = 101;
constexpr int kRfcErrorCommunication = 102;
constexpr int kRfcErrorLogonFailure = 103;
constexpr int kRfcErrorSystemFailure = 104;
