#include "engine/SynonymPass.h"

#include <algorithm>
#include <functional>

#include "engine/ReplaceSynonyms.h"
#include "engine/WordAutomaton.h"

namespace rewrix::engine {

SynonymPass::SynonymPass(const DictTable& table, Layout layout)
    : table_(table), automaton_(table.Automaton()), layout_(layout),
      text_(std::u16string_view(), layout.blockSize) {
    layout_.blockSize = std::max<std::size_t>(layout_.blockSize, 1);
    layout_.splitSize = std::max(layout_.splitSize, layout_.blockSize);
}

std::u16string SynonymPass::Run(const std::u16string& text, Progress& progress,
                                const YieldHook& yield) {
    const int32_t last = table_.Count() - 1;
    progress.Value(0);
    // With no entries the last index is -1, which is "not 0": Max receives
    // -1 and the bar clamps it, as it always did.
    if (last != 0) {
        progress.Max(last);
    }
    progress.Text(kSynonymsBusyText);
    CallYield(yield);

    text_ = BlockText(text, layout_.blockSize);
    candidates_.clear();
    freeCandidate_ = -1;
    candidateHead_.assign(automaton_.WordCount(), -1);
    queued_.assign(automaton_.WordCount(), 0);
    queue_.clear();
    automaton_.Scan(text, [&](int32_t word, std::size_t end) {
        const std::size_t start = end - automaton_.Length(word);
        Found(word, static_cast<int32_t>(start / layout_.blockSize), -1);
    });

    // Every twentieth entry is reported, present or not, exactly when the
    // plain pass would report it.
    int64_t nextReport = 0;
    auto reportThrough = [&](int64_t entry) {
        for (; nextReport <= entry; nextReport += 20) {
            progress.Value(static_cast<int32_t>(nextReport));
        }
    };
    const bool changed = !queue_.empty();
    while (!queue_.empty()) {
        std::pop_heap(queue_.begin(), queue_.end(), std::greater<>());
        const int32_t entry = queue_.back();
        queue_.pop_back();
        reportThrough(int64_t{entry} - 1);
        Apply(entry);
        reportThrough(entry);
    }
    reportThrough(last);
    return changed ? text_.Join() : text;
}

void SynonymPass::AddCandidate(int32_t word, int32_t block) {
    const int32_t head = candidateHead_[word];
    if (head >= 0 && candidates_[head].block == block) {
        return;
    }
    int32_t node = freeCandidate_;
    if (node >= 0) {
        freeCandidate_ = candidates_[node].next;
        candidates_[node] = {block, head};
    } else {
        node = static_cast<int32_t>(candidates_.size());
        candidates_.push_back({block, head});
    }
    candidateHead_[word] = node;
}

void SynonymPass::Found(int32_t word, int32_t block, int32_t after) {
    if (!queued_[word]) {
        std::span<const int32_t> entries = automaton_.EntriesOf(word);
        auto next = std::upper_bound(entries.begin(), entries.end(), after);
        if (next == entries.end()) {
            return; // no later entry will look for this word
        }
        queue_.push_back(*next);
        std::push_heap(queue_.begin(), queue_.end(), std::greater<>());
        queued_[word] = 1;
    }
    AddCandidate(word, block);
}

void SynonymPass::Apply(int32_t entry) {
    const int32_t word = automaton_.WordOf(entry);
    queued_[word] = 0;
    // Every occurrence starts in one of these blocks; some may hold none any more.
    std::vector<int32_t> blocks;
    for (int32_t c = candidateHead_[word]; c >= 0; c = candidates_[c].next) {
        blocks.push_back(candidates_[c].block);
        if (candidates_[c].next < 0) {
            candidates_[c].next = freeCandidate_; // the whole list goes back for reuse
            freeCandidate_ = candidateHead_[word];
            break;
        }
    }
    candidateHead_[word] = -1;
    std::sort(blocks.begin(), blocks.end(),
              [&](int32_t a, int32_t b) { return text_.Rank(a) < text_.Rank(b); });
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());

    const std::u16string& find = table_.Entries()[entry].word;
    const std::u16string& replacement = table_.Entries()[entry].replacement;
    const std::size_t length = find.size();
    // Where each replacement now stands: block and offset in it.
    std::vector<std::pair<int32_t, std::size_t>> stretches;
    std::vector<int32_t> grown;
    std::u16string scratch;
    // Blocks in text order: an occurrence that runs on past its block takes
    // the start of the following blocks with it, and the search there begins
    // after it, as a single left-to-right pass over the whole text would.
    for (int32_t block : blocks) {
        const std::u16string& old = text_.Block(block);
        if (old.empty()) {
            continue;
        }
        scratch = old;
        text_.CopyAfter(block, length - 1, scratch);
        std::u16string rebuilt;
        std::size_t done = 0;
        for (std::size_t at;
             (at = scratch.find(find, done)) != std::u16string::npos && at < old.size();) {
            rebuilt.append(scratch, done, at - done);
            stretches.emplace_back(block, rebuilt.size());
            rebuilt += replacement;
            done = at + length;
        }
        if (done == 0) {
            continue;
        }
        const std::size_t spill = done > old.size() ? done - old.size() : 0;
        if (spill == 0) {
            rebuilt.append(scratch, done, old.size() - done);
        }
        const bool grows = rebuilt.size() > old.size();
        text_.Assign(block, std::move(rebuilt));
        text_.EraseAfter(block, spill);
        if (grows) {
            grown.push_back(block);
        }
    }
    if (stretches.empty()) {
        return;
    }
    Rescan(entry, stretches, replacement.size());

    // The words of a block that is cut may start in any of its pieces.
    const std::size_t reach = automaton_.LongestWord() - 1;
    for (const auto& [block, added] : text_.Split(grown, layout_.splitSize, layout_.blockSize)) {
        const std::size_t start = text_.Start(block);
        const std::size_t end = text_.Start(added.back()) + text_.Block(added.back()).size();
        ScanRange(start, end + reach, entry);
    }
}

void SynonymPass::Rescan(int32_t entry,
                         const std::vector<std::pair<int32_t, std::size_t>>& stretches,
                         std::size_t replacementLength) {
    // A word the change can have made touches the replacement (or, for a
    // deletion, spans the point where the word was), so it lies within the
    // longest word less one on either side of it.
    const std::size_t reach = automaton_.LongestWord() - 1;
    // Windows this close together are scanned as one: a few code units more
    // cost less than another copy and another start of the automaton.
    constexpr std::size_t kJoinGap = 64;
    std::vector<std::pair<std::size_t, std::size_t>> windows;
    int32_t startBlock = -1;
    std::size_t blockStart = 0;
    for (const auto& [block, offset] : stretches) {
        if (block != startBlock) {
            startBlock = block;
            blockStart = text_.Start(block);
        }
        const std::size_t at = blockStart + offset;
        const std::size_t begin = at > reach ? at - reach : 0;
        const std::size_t end = std::min(text_.Size(), at + replacementLength + reach);
        if (!windows.empty() && begin <= windows.back().second + kJoinGap) {
            windows.back().second = std::max(windows.back().second, end);
        } else {
            windows.emplace_back(begin, end);
        }
    }
    for (const auto& [begin, end] : windows) {
        ScanRange(begin, end, entry);
    }
}

void SynonymPass::ScanRange(std::size_t begin, std::size_t end, int32_t entry) {
    window_.clear();
    pieces_.clear();
    text_.Copy(begin, end, window_, pieces_);
    // Occurrences come in order of their ends, so their starts move little:
    // the piece that holds one is found by stepping from the last one.
    std::size_t piece = 0;
    automaton_.Scan(window_, [&](int32_t word, std::size_t wordEnd) {
        const std::size_t start = begin + wordEnd - automaton_.Length(word);
        while (piece + 1 < pieces_.size() && pieces_[piece + 1].start <= start) {
            ++piece;
        }
        while (pieces_[piece].start > start) {
            --piece;
        }
        Found(word, pieces_[piece].id, entry);
    });
}

} // namespace rewrix::engine
