// Ownership of memory that the recording library hands out.
//
// Texts, drive lists and disc records returned by the wrappers belong to the
// library and must go back through NeroFreeMem, never free() or delete:
//
//     neroapi::LibraryMemory<neroapi::DriveInfoList> drives(
//         neroapi::NeroGetAvailableDrivesEx(neroapi::kMediaMaskDvd, nullptr));
//     if (drives) { ... drives->count ... }      // freed at end of scope
//
//     neroapi::LibraryText log(neroapi::NeroGetErrorLog());
//
// Move-only. release() hands the pointer back to manual management. When the
// library has been unloaded meanwhile, NeroFreeMem does nothing (the block is
// lost with the library's heap), so a late release is harmless.
#pragma once

#include <type_traits>
#include <utility>

#include "neroapi/NeroApiLib.h"

namespace bb::neroapi {

template <typename T>
class LibraryMemory {
public:
    LibraryMemory() = default;
    explicit LibraryMemory(T* memory) : m_p(memory) {}
    LibraryMemory(LibraryMemory&& other) noexcept : m_p(other.release()) {}
    LibraryMemory& operator=(LibraryMemory&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    LibraryMemory(const LibraryMemory&) = delete;
    LibraryMemory& operator=(const LibraryMemory&) = delete;
    ~LibraryMemory() { reset(); }

    [[nodiscard]] T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    std::add_lvalue_reference_t<T> operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    [[nodiscard]] T* release() { return std::exchange(m_p, nullptr); }
    void reset(T* memory = nullptr) {
        T* old = std::exchange(m_p, memory);
        if (old) NeroFreeMem(const_cast<std::remove_const_t<T>*>(old));
    }

private:
    T* m_p = nullptr;
};

using LibraryText = LibraryMemory<char>;

}  // namespace bb::neroapi
