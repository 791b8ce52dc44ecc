#include "engine/RewriteChain.h"

#include "engine/LineBreaks.h"
#include "engine/ReplaceSynonyms.h"
#include "engine/ShufflePieces.h"

namespace rewrix::engine {

std::u16string_view SeparatorText(Separator separator) {
    switch (separator) {
    case Separator::Paragraph:
        return kCrLf;
    case Separator::Sentence:
        return u"。";
    case Separator::None:
        break;
    }
    return {};
}

std::optional<std::u16string> RewriteChain(const std::u16string& text, Separator separator,
                                           bool synonyms, const DictTable& table,
                                           Progress& progress, const YieldHook& yield,
                                           RandomSource& random) {
    if (text.size() < kMinimumRewriteLength) {
        return std::nullopt;
    }
    std::u16string result = ClearVBCRlF(CollapseCrLf(text), kCrLf);
    result = ShufflePieces(result, SeparatorText(separator), progress, yield, random);
    if (synonyms) {
        result = ReplaceSynonyms(result, table, progress, yield);
    }
    return result;
}

} // namespace rewrix::engine
