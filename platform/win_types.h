#pragma once

// The fixed-width integer names the hardware and image code is written in. The board's
// registers are bytes, the socket's addresses 16 bits and the image offsets 32 bits wide;
// the names keep those widths visible at every use.

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using BOOL = int;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
