#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rewrix::engine {

class WordAutomaton;

// The synonym table: pairs of word and replacement in the order of the
// dictionary file's lines, indexed from 0. Entries stay exactly as read:
// nothing is trimmed, removed or sorted.
class DictTable {
public:
    struct Entry {
        std::u16string word;
        std::u16string replacement;
    };

    DictTable() = default;
    explicit DictTable(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    const std::u16string& Word(int32_t index) const { return entries_.at(index).word; }
    const std::u16string& Replacement(int32_t index) const {
        return entries_.at(index).replacement;
    }
    const std::vector<Entry>& Entries() const { return entries_; }

    void Add(std::u16string word, std::u16string replacement);

    // The search automaton over all words, built on first use (LoadDict
    // builds it while loading) and shared by copies of the table. Not safe to
    // call from two threads at once on a table that has not built it yet.
    const WordAutomaton& Automaton() const;

private:
    std::vector<Entry> entries_;
    mutable std::shared_ptr<const WordAutomaton> automaton_;
};

} // namespace rewrix::engine
