// LZRW1-A: the fastest of the four algorithms. A copy item names the distance
// back (1..4095) from where it is written to where its bytes were seen, so
// unpacking needs no table; packing keeps a hash table of 4096 recent
// positions. Exported from the game program under this name for tools that
// load the four algorithms by symbol.
#pragma once

#include "Common/Compression/LzrwCommon.h"

extern "C" __attribute__((visibility("default"))) void
LZRW1A(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst, uint32_t* dstLen);
