// What the fuzz targets share: a check that aborts, so libFuzzer keeps the input that broke it.
#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "%s %s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

} // namespace fuzzcheck

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzcheck::fail("check failed: " #condition, detail);                                  \
    } while (false)
