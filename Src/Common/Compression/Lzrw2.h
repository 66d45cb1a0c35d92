// LZRW2: LZRW1-A with a phrase table. Every item, literal or copy, takes the
// next of 4096 circulating phrase numbers; a copy item names the phrase whose
// bytes it repeats, which reaches much further back than a 12-bit distance.
// Both sides keep the phrase table; the packer also hashes three bytes to find
// a candidate phrase. This is the algorithm of compressed data-file entries.
#pragma once

#include "Common/Compression/LzrwCommon.h"

extern "C" __attribute__((visibility("default"))) void
LZRW2(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst, uint32_t* dstLen);
