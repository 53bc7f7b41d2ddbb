// Functions of our own that both builds provide, for the few things where the
// Win32 names alone do not give the same behaviour on Windows and Linux.
#pragma once

#include "win32api.h"

#include <cstdio>
#include <string>

// Opens a file with C stdio semantics. On Windows the path goes to fopen as
// it stands; on Linux backslashes become slashes and DOS drive paths such as
// "C:\Barcode.Log" are mapped under the DOS root (see MapDosPath).
FILE* OpenFileStream(const char* path, const char* mode);

// Opens a file for a log that only this process writes: created or truncated,
// read/write, text mode ("w+"). Returns null, and leaves the file untouched,
// when another live process holds it open through this function.
FILE* OpenExclusiveFileStream(const char* path);

// The path that file functions use for a Windows path (identity on Windows).
std::string MapDosPath(const char* path);

// Ends the process at once with the given exit code after flushing stdio.
[[noreturn]] void TerminateThisProcess(int exitCode);

// A white page of widthPixels x heightPixels to draw on. On Linux a raster
// printer DC at dpi; on Windows a memory DC over a screen-compatible bitmap,
// whose resolution is the screen's whatever dpi says. Null when the page
// cannot be made. Release it with DeletePageDC.
HDC CreatePageDC(int widthPixels, int heightPixels, int dpi);
void DeletePageDC(HDC page);

// Saves a bitmap, or the page of a page DC, as an image file: PNG on Linux,
// BMP (24 bits) on Windows. False when nothing could be written.
bool SaveBitmapAsImageFile(HBITMAP bitmap, const char* path);
bool SavePageAsImageFile(HDC page, const char* path);

#ifndef _WIN32
// Message boxes on Linux go to a replaceable handler (tests answer boxes).
// The default handler writes the box to standard error and answers with the
// box's default button.
typedef int (*MessageBoxHandler)(const char* text, const char* caption, unsigned type);
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
int DefaultMessageBoxAnswer(unsigned type);
#endif
