#pragma once

#include <cstdint>

// Fixed-size integers of signal and slot signatures and of the image layout.
typedef std::uint8_t u8;
typedef std::uint16_t u16;
typedef std::uint32_t u32;
typedef std::int8_t i8;
typedef std::int16_t i16;
typedef std::int32_t i32;
