#pragma once

#include <cstdint>
#include <vector>

#include "engine/RandomSource.h"

namespace rewrix::engine {

void SwapLong(int32_t& pFirst, int32_t& pSecond);

// Permutes `pList` in place: every index of the scan range, in ascending
// order, is exchanged with a place drawn uniformly from the whole swap range.
// This is deliberately not Fisher-Yates (each draw covers the whole range,
// not the part not yet visited), so that shuffles stay what they always were
// for a given random sequence. Without the flags both ranges are the whole
// array and the four numbers are ignored. Exactly one number is drawn per
// scanned index. Ranges outside the array throw std::out_of_range before
// anything is drawn or moved.
void FleaRandom(std::vector<int32_t>& pList, bool pSet_Scan, bool pSet_Swap, int32_t pScan_Start,
                int32_t pScan_End, int32_t pSwap_Start, const int32_t& pSwap_End,
                RandomSource& random = RandomSource::Program());

} // namespace rewrix::engine
