// How every fuzz target reports a broken invariant: one line on standard
// error, naming the target, what broke and up to two numbers, then an abort,
// which libFuzzer and the corpus replay both catch.
#pragma once

#include <cstdio>
#include <cstdlib>

// Each target names itself: "engine fuzz".
extern const char* const FUZZ_TARGET_NAME;

[[noreturn]] inline void Violation(const char* what, long long a = 0, long long b = 0)
{
    std::fprintf(stderr, "%s: %s (%lld, %lld)\n", FUZZ_TARGET_NAME, what, a, b);
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool condition, const char* what, long long a = 0, long long b = 0)
{
    if (!condition)
        Violation(what, a, b);
}
