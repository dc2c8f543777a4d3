// Basic value types of the small framework the program is written against.
#pragma once

#include <cstdint>

// A truth value as the framework's test operations return it: 0 or 1.
using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// A wait that never times out.
inline constexpr DWORD INFINITE = 0xFFFFFFFFu;
