// LZRW3-A: LZRW3 with a deeper table. The hash picks one of 512 sets of eight
// positions; the packer tries all eight and codes the longest match as
// set * 8 + slot. Positions enter a set at a three-bit cycle counter shared by
// all sets, which packer and unpacker advance in step. Best packing of the
// four, slowest to pack, as fast as LZRW3 to unpack.
#pragma once

#include "Common/Compression/LzrwCommon.h"

extern "C" __attribute__((visibility("default"))) void
LZRW3A(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst, uint32_t* dstLen);
