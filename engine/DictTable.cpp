#include "engine/DictTable.h"

#include "engine/WordAutomaton.h"

namespace rewrix::engine {

void DictTable::Add(std::u16string word, std::u16string replacement) {
    entries_.push_back({std::move(word), std::move(replacement)});
    automaton_.reset();
}

const WordAutomaton& DictTable::Automaton() const {
    if (!automaton_) {
        automaton_ = std::make_shared<const WordAutomaton>(entries_);
    }
    return *automaton_;
}

} // namespace rewrix::engine
