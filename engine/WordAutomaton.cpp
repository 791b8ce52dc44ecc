#include "engine/WordAutomaton.h"

#include <numeric>

namespace rewrix::engine {

namespace {

// The first four code units, zero-padded: ordering by this key agrees with
// ordering by the whole word wherever the keys differ, and it is compared
// without touching the strings, which are scattered through the table.
uint64_t PrefixKey(std::u16string_view word) {
    uint64_t key = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        key = (key << 16) | (i < word.size() ? word[i] : 0u);
    }
    return key;
}

} // namespace

WordAutomaton::WordAutomaton(const std::vector<DictTable::Entry>& entries)
    : entryWord_(entries.size(), -1) {
    // Words of up to four code units, nearly all of them, are sorted and
    // compared by their key and length alone: the strings are scattered through
    // the table, and touching them in sorted order would miss the cache on
    // every one.
    struct Keyed {
        uint64_t key;
        int32_t entry;
        uint32_t length;
    };
    std::vector<Keyed> sorted;
    sorted.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::u16string& word = entries[i].word;
        if (!word.empty()) {
            sorted.push_back(
                {PrefixKey(word), static_cast<int32_t>(i), static_cast<uint32_t>(word.size())});
        }
    }
    auto order = [&](const Keyed& a, const Keyed& b) {
        if (a.key != b.key) {
            return a.key < b.key ? -1 : 1;
        }
        if (a.length <= 4 && b.length <= 4) {
            return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
        }
        return entries[a.entry].word.compare(entries[b.entry].word);
    };
    std::sort(sorted.begin(), sorted.end(), [&](const Keyed& a, const Keyed& b) {
        const int o = order(a, b);
        return o != 0 ? o < 0 : a.entry < b.entry;
    });

    // Distinct words in sorted order, one after another in one buffer, each
    // with its entries in file order.
    std::u16string flat;
    std::vector<std::size_t> wordStart;
    wordEntries_.reserve(sorted.size());
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const Keyed& keyed = sorted[k];
        if (k == 0 || order(sorted[k - 1], keyed) != 0) {
            wordStart.push_back(flat.size());
            if (keyed.length <= 4) {
                for (uint32_t i = 0; i < keyed.length; ++i) {
                    flat.push_back(static_cast<char16_t>(keyed.key >> (48 - 16 * i)));
                }
            } else {
                flat += entries[keyed.entry].word;
            }
            wordEntriesBegin_.push_back(static_cast<int32_t>(wordEntries_.size()));
            wordLength_.push_back(keyed.length);
            longest_ = std::max<std::size_t>(longest_, keyed.length);
        }
        entryWord_[keyed.entry] = static_cast<int32_t>(wordStart.size() - 1);
        wordEntries_.push_back(keyed.entry);
    }
    wordEntriesBegin_.push_back(static_cast<int32_t>(wordEntries_.size()));
    std::vector<std::u16string_view> words(wordStart.size());
    for (std::size_t w = 0; w < words.size(); ++w) {
        words[w] = std::u16string_view(flat).substr(wordStart[w], wordLength_[w]);
    }

    // The trie, one depth at a time. Among the words longer than the depth,
    // taken in sorted order, those that share a node are neighbours, so every
    // node's children are created one after another, in code unit order.
    auto newNode = [&](char16_t c) {
        nodeChar_.push_back(c);
        childBegin_.push_back(0);
        childCount_.push_back(0);
        nodeWord_.push_back(-1);
        return static_cast<int32_t>(nodeChar_.size() - 1);
    };
    newNode(0); // the root
    std::vector<int32_t> at(words.size(), 0);
    std::vector<int32_t> active(words.size()), longer;
    std::iota(active.begin(), active.end(), 0);
    for (std::size_t depth = 0; !active.empty(); ++depth) {
        longer.clear();
        int32_t lastParent = -1, lastChild = -1;
        char16_t lastChar = 0;
        for (int32_t w : active) {
            const int32_t parent = at[w];
            const char16_t c = words[w][depth];
            if (parent != lastParent || c != lastChar) {
                lastChild = newNode(c);
                if (parent != lastParent) {
                    childBegin_[parent] = lastChild;
                }
                ++childCount_[parent];
                lastParent = parent;
                lastChar = c;
            }
            at[w] = lastChild;
            if (words[w].size() == depth + 1) {
                nodeWord_[lastChild] = w;
            } else {
                longer.push_back(w);
            }
        }
        active.swap(longer);
    }

    // Failure and output links in breadth-first order, which is numbering order.
    const std::size_t nodes = nodeChar_.size();
    rootNext_.assign(1 << 16, 0);
    fail_.assign(nodes, 0);
    outLink_.assign(nodes, -1);
    for (int32_t v = childBegin_[0]; v < childBegin_[0] + childCount_[0]; ++v) {
        rootNext_[nodeChar_[v]] = v;
    }
    for (std::size_t u = 1; u < nodes; ++u) {
        for (int32_t v = childBegin_[u]; v < childBegin_[u] + childCount_[u]; ++v) {
            const char16_t c = nodeChar_[v];
            int32_t f = fail_[u];
            for (;;) {
                if (f == 0) {
                    fail_[v] = rootNext_[c];
                    break;
                }
                if (int32_t child = Child(f, c); child >= 0) {
                    fail_[v] = child;
                    break;
                }
                f = fail_[f];
            }
            const int32_t suffix = fail_[v];
            outLink_[v] = nodeWord_[suffix] >= 0 ? suffix : outLink_[suffix];
        }
    }
}

} // namespace rewrix::engine
