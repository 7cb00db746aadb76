#pragma once
// What every fuzz target shares: the input as a QByteArray (a deep copy, so a read past its
// end is caught), and a property check that stops the run with a message libFuzzer keeps.

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray input(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void failed(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition) ((condition) ? void(0) : fuzz::failed(#condition, __FILE__, __LINE__))
