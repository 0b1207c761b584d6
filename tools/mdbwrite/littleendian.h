#pragma once

// Little-endian stores into byte buffers: every integer of the file format is little-endian.

#include <cstdint>
#include <cstring>

namespace mdbwrite {

inline void put16(uint8_t *at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void put24(uint8_t *at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at[2] = static_cast<uint8_t>(value >> 16);
}

inline void put32(uint8_t *at, uint32_t value)
{
    put16(at, static_cast<uint16_t>(value));
    put16(at + 2, static_cast<uint16_t>(value >> 16));
}

inline void put64(uint8_t *at, uint64_t value)
{
    put32(at, static_cast<uint32_t>(value));
    put32(at + 4, static_cast<uint32_t>(value >> 32));
}

inline void putDouble(uint8_t *at, double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put64(at, bits);
}

} // namespace mdbwrite
