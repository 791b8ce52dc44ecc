#include "engine/ShufflePieces.h"

#include <numeric>
#include <vector>

#include "engine/FleaRandom.h"
#include "engine/LineBreaks.h"

namespace rewrix::engine {

std::u16string ShufflePieces(std::u16string_view text, std::u16string_view separator,
                             Progress& progress, const YieldHook& yield, RandomSource& random) {
    if (text.empty()) {
        return {};
    }
    std::vector<std::u16string_view> pieces = SplitPieces(text, separator);
    const auto count = static_cast<int32_t>(pieces.size());
    std::vector<int32_t> order(pieces.size());
    std::iota(order.begin(), order.end(), 0);

    CallYield(yield);
    FleaRandom(order, false, false, 0, 0, 0, 0, random);

    const int32_t last = count - 1;
    progress.Value(0);
    if (last != 0) {
        progress.Max(last);
    }
    std::u16string result;
    result.reserve(text.size() + separator.size());
    for (int32_t k = 0; k < count; ++k) {
        result += pieces[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])];
        result += separator;
        if (k % 4 == 0) {
            progress.Value(k);
        }
    }
    progress.Value(last);
    return ClearVBCRlF(result, separator);
}

} // namespace rewrix::engine
