#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property ends the run the way a crash does, so that libFuzzer
// keeps the input and the replay test fails on it.
#define FUZZ_CHECK(cond)                                                                             \
    do {                                                                                             \
        if (!(cond)) {                                                                               \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #cond, __FILE__, __LINE__);        \
            std::abort();                                                                            \
        }                                                                                            \
    } while (0)

namespace tarnwick::fuzz {

inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace tarnwick::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
