// What the fuzz targets share: stopping the fuzzer when a property does not hold, or when a
// call fails in a way it never may.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <exception>

inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

// For a catch-all handler: the failure being handled is not one the call may raise.
[[noreturn]] inline void StopOnUnexpectedFailure(const char* call) {
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "property violated: %s failed unexpectedly: %s\n", call, error.what());
    } catch (...) {
        std::fprintf(stderr, "property violated: %s failed with something that is no exception\n", call);
    }
    std::abort();
}
