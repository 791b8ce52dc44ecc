#include "engine/DictTable.h"

namespace rewrix::engine {

void DictTable::Add(std::u16string word, std::u16string replacement) {
    entries_.push_back({std::move(word), std::move(replacement)});
}

} // namespace rewrix::engine
