// Reads a fuzzer's bytes as a stream of small values. Every read succeeds:
// past the end it gives zeros and empty strings, so a harness never has to
// check for the end of its input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bb::fuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
        return v;
    }

    uint64_t U64() { return uint64_t(U32()) << 32 | U32(); }

    // A number in [0, bound), bound > 0.
    unsigned Below(unsigned bound) { return Byte() % bound; }

    // At most `maxLength` bytes: a length byte, then the bytes.
    std::string Text(size_t maxLength) {
        size_t n = Byte();
        if (n > maxLength) n = maxLength;
        std::string s;
        while (n-- > 0 && !Empty()) s += char(Byte());
        return s;
    }

    // Everything not read yet.
    std::string Rest() {
        std::string s(reinterpret_cast<const char*>(m_data) + (m_pos < m_size ? m_pos : m_size),
                      m_pos < m_size ? m_size - m_pos : 0);
        m_pos = m_size;
        return s;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Stops the run with the failed property in the message: a fuzzer reports
// an abort as a crash and keeps the input.
[[noreturn]] void Fail(const char* property);
#define BB_FUZZ_CHECK(condition) \
    do {                         \
        if (!(condition)) ::bb::fuzz::Fail(#condition); \
    } while (0)

// A folder of this process for files a harness has to write (the library's
// readers take paths); made on first use, one per process.
const std::string& ScratchFolder();

}  // namespace bb::fuzz
