#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rewrix::engine {

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

private:
    std::vector<Entry> entries_;
};

} // namespace rewrix::engine
