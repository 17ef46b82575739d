// The calling convention of the system's own libraries' entry points
// (WINAPI): __stdcall on 32-bit Windows, the platform's default elsewhere.
// Function pointers to entry points looked up at run time carry it.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define BB_SYSTEM_API __stdcall
#else
#define BB_SYSTEM_API
#endif
