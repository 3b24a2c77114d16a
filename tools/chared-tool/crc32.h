#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 as zlib and PNG compute it; pass the previous result to continue.
uint32_t crc32_update(uint32_t crc, const unsigned char *data, size_t size);
