#include "engine/FleaRandom.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace rewrix::engine {

void SwapLong(int32_t& pFirst, int32_t& pSecond) {
    std::swap(pFirst, pSecond);
}

void FleaRandom(std::vector<int32_t>& pList, bool pSet_Scan, bool pSet_Swap, int32_t pScan_Start,
                int32_t pScan_End, int32_t pSwap_Start, const int32_t& pSwap_End,
                RandomSource& random) {
    const int64_t lowest = 0;
    const int64_t highest = static_cast<int64_t>(pList.size()) - 1;
    int64_t swapStart = pSet_Swap ? pSwap_Start : lowest;
    int64_t swapEnd = pSet_Swap ? pSwap_End : highest;
    int64_t n = swapEnd - swapStart + 1;
    int64_t scanStart = pSet_Scan ? pScan_Start : swapStart;
    int64_t scanEnd = pSet_Scan ? pScan_End : swapEnd;
    if (scanStart > scanEnd) {
        return; // nothing to scan, nothing drawn
    }
    if (scanStart < lowest || scanEnd > highest || n < 1 || swapStart < lowest ||
        swapEnd > highest) {
        throw std::out_of_range("FleaRandom: range outside the array");
    }
    for (int64_t i = scanStart; i <= scanEnd; ++i) {
        double r = random.Next();
        auto j = static_cast<int32_t>(std::floor(r * static_cast<double>(n)) +
                                      static_cast<double>(swapStart));
        SwapLong(pList[static_cast<std::size_t>(i)], pList[static_cast<std::size_t>(j)]);
    }
}

} // namespace rewrix::engine
