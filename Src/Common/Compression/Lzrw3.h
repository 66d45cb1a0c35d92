// LZRW3: a copy item names the slot of a 4096-entry hash table instead of a
// distance. The unpacker rebuilds the packer's table as it goes: a literal's
// position can only be hashed once two more bytes are known, so both sides
// hold back up to two literal positions and enter them later in the same
// order.
#pragma once

#include "Common/Compression/LzrwCommon.h"

extern "C" __attribute__((visibility("default"))) void
LZRW3(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst, uint32_t* dstLen);
