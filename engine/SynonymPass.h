#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/BlockText.h"
#include "engine/DictTable.h"
#include "engine/Progress.h"
#include "engine/YieldHook.h"

namespace rewrix::engine {

class WordAutomaton;

// Synonym replacement at dictionary scale, with the result and the progress
// reports of the plain entry-after-entry pass (ReplaceSynonymsReference).
//
// The table's automaton finds, in one scan of the article, every word that
// occurs and the blocks where its occurrences start. Entries are then taken
// in file order, but only those whose word may be present: each one searches
// its word in those blocks alone and replaces there, left to right without
// overlap. Whatever the replacement can have created is found by scanning
// again the changed stretches, widened on each side by the longest word less
// one; the words found there are queued for their next entry. An entry whose
// word is absent thus costs no look at the article at all.
class SynonymPass {
public:
    struct Layout {
        std::size_t blockSize = 256;  // the article is cut into blocks this long
        std::size_t splitSize = 1024; // a block grown past this is cut again
    };

    explicit SynonymPass(const DictTable& table) : SynonymPass(table, Layout{}) {}
    SynonymPass(const DictTable& table, Layout layout);

    std::u16string Run(const std::u16string& text, Progress& progress, const YieldHook& yield);

private:
    // Notes that `word` occurs starting in block `block`, and queues the first
    // of its entries after `after` unless one is queued already.
    void Found(int32_t word, int32_t block, int32_t after);
    void AddCandidate(int32_t word, int32_t block);
    void Apply(int32_t entry);
    void Rescan(int32_t entry, const std::vector<std::pair<int32_t, std::size_t>>& stretches,
                std::size_t replacementLength);
    // Scans [begin, end) of the text and notes every word found there.
    void ScanRange(std::size_t begin, std::size_t end, int32_t entry);

    const DictTable& table_;
    const WordAutomaton& automaton_;
    Layout layout_;
    BlockText text_;

    struct Candidate {
        int32_t block;
        int32_t next;
    };
    std::vector<Candidate> candidates_;  // linked lists of blocks per word
    int32_t freeCandidate_ = -1;         // a list of nodes to reuse
    std::vector<int32_t> candidateHead_; // by word, -1 for none
    std::vector<char> queued_;           // by word
    std::vector<int32_t> queue_;         // a min-heap of entry numbers
    std::u16string window_;              // scratch for ScanRange
    std::vector<BlockText::Piece> pieces_;
};

} // namespace rewrix::engine
