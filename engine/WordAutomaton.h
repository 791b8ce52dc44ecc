#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/DictTable.h"

namespace rewrix::engine {

// An Aho-Corasick automaton over the distinct non-empty words of a synonym
// table: one pass over a text finds every occurrence of every word, the
// overlapping ones included. Built once per table (at load), it lets the
// synonym pass touch only the words an article actually holds.
//
// Nodes are numbered breadth first, and the children of a node are a
// contiguous run of numbers sorted by code unit, so a step is a binary search
// in that run; the root, which has a child for nearly every character that
// starts a word, steps through a direct table instead.
class WordAutomaton {
public:
    explicit WordAutomaton(const std::vector<DictTable::Entry>& entries);

    // Distinct non-empty words, numbered 0 to WordCount() - 1.
    int32_t WordCount() const { return static_cast<int32_t>(wordLength_.size()); }
    // The number of entry `entry`'s word, -1 for an empty word.
    int32_t WordOf(int32_t entry) const { return entryWord_[entry]; }
    std::size_t Length(int32_t word) const { return wordLength_[word]; }
    std::size_t LongestWord() const { return longest_; }
    // The entries that have this word, in ascending order.
    std::span<const int32_t> EntriesOf(int32_t word) const {
        return {wordEntries_.data() + wordEntriesBegin_[word],
                wordEntries_.data() + wordEntriesBegin_[word + 1]};
    }

    // Calls found(word, end) for every occurrence in `text`, where `end` is the
    // index just after its last code unit; occurrences come in order of `end`.
    template <typename Found> void Scan(std::u16string_view text, Found&& found) const {
        int32_t state = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            for (;;) {
                if (state == 0) {
                    state = rootNext_[c];
                    break;
                }
                const int32_t child = Child(state, c);
                if (child >= 0) {
                    state = child;
                    break;
                }
                state = fail_[state];
            }
            for (int32_t t = nodeWord_[state] >= 0 ? state : outLink_[state]; t >= 0;
                 t = outLink_[t]) {
                found(nodeWord_[t], i + 1);
            }
        }
    }

private:
    int32_t Child(int32_t node, char16_t c) const {
        const char16_t* first = nodeChar_.data() + childBegin_[node];
        const char16_t* last = first + childCount_[node];
        const char16_t* at = std::lower_bound(first, last, c);
        return at != last && *at == c ? childBegin_[node] + static_cast<int32_t>(at - first) : -1;
    }

    std::vector<int32_t> entryWord_;
    std::vector<uint32_t> wordLength_;
    std::vector<int32_t> wordEntriesBegin_; // WordCount() + 1 offsets into wordEntries_
    std::vector<int32_t> wordEntries_;
    std::size_t longest_ = 0;

    std::vector<char16_t> nodeChar_; // the code unit on the edge into the node
    std::vector<int32_t> childBegin_;
    std::vector<int32_t> childCount_;
    std::vector<int32_t> nodeWord_; // the word that ends at the node, or -1
    std::vector<int32_t> fail_;     // the longest proper suffix that is a node
    std::vector<int32_t> outLink_;  // the longest proper suffix that ends a word, or -1
    std::vector<int32_t> rootNext_; // 65536 steps from the root; 0 stays at the root
};

} // namespace rewrix::engine
