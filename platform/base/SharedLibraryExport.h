// Marks a function as an export of the shared library being built. Windows
// DLLs list their exports in a .def file, so nothing is needed there; ELF
// libraries built with hidden visibility export what is marked default.
#pragma once

#ifdef _WIN32
#define BB_SHARED_LIBRARY_EXPORT
#else
#define BB_SHARED_LIBRARY_EXPORT __attribute__((visibility("default")))
#endif
