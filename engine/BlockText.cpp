#include "engine/BlockText.h"

#include <algorithm>
#include <bit>

namespace rewrix::engine {

BlockText::BlockText(std::u16string_view text, std::size_t blockSize) {
    blockSize = std::max<std::size_t>(blockSize, 1);
    for (std::size_t at = 0; at < text.size(); at += blockSize) {
        blocks_.emplace_back(text.substr(at, blockSize));
    }
    order_.resize(blocks_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) {
        order_[i] = static_cast<int32_t>(i);
    }
    Rebuild();
}

void BlockText::Rebuild() {
    rank_.assign(blocks_.size(), 0);
    tree_.assign(order_.size() + 1, 0);
    size_ = 0;
    for (std::size_t r = 0; r < order_.size(); ++r) {
        rank_[order_[r]] = static_cast<int32_t>(r);
        tree_[r + 1] += static_cast<int64_t>(blocks_[order_[r]].size());
        size_ += blocks_[order_[r]].size();
        if (std::size_t parent = (r + 1) + ((r + 1) & (~r)); parent < tree_.size()) {
            tree_[parent] += tree_[r + 1];
        }
    }
}

void BlockText::Add(int32_t rank, int64_t delta) {
    size_ = static_cast<std::size_t>(static_cast<int64_t>(size_) + delta);
    for (std::size_t i = static_cast<std::size_t>(rank) + 1; i < tree_.size(); i += i & (~i + 1)) {
        tree_[i] += delta;
    }
}

std::size_t BlockText::Start(int32_t id) const {
    int64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(rank_[id]); i > 0; i -= i & (~i + 1)) {
        sum += tree_[i];
    }
    return static_cast<std::size_t>(sum);
}

std::pair<int32_t, std::size_t> BlockText::Find(std::size_t at) const {
    // The number of leading blocks that end at or before `at`: the next one holds it.
    std::size_t rank = 0;
    int64_t rest = static_cast<int64_t>(at);
    for (std::size_t step = std::bit_floor(order_.size()); step > 0; step >>= 1) {
        if (rank + step < tree_.size() && tree_[rank + step] <= rest) {
            rank += step;
            rest -= tree_[rank];
        }
    }
    return {static_cast<int32_t>(rank), static_cast<std::size_t>(rest)};
}

void BlockText::Assign(int32_t id, std::u16string content) {
    Add(rank_[id], static_cast<int64_t>(content.size()) - static_cast<int64_t>(blocks_[id].size()));
    blocks_[id] = std::move(content);
}

void BlockText::CopyAfter(int32_t id, std::size_t count, std::u16string& out) const {
    for (std::size_t r = static_cast<std::size_t>(rank_[id]) + 1; r < order_.size() && count > 0;
         ++r) {
        const std::u16string& block = blocks_[order_[r]];
        const std::size_t take = std::min(count, block.size());
        out.append(block, 0, take);
        count -= take;
    }
}

void BlockText::EraseAfter(int32_t id, std::size_t count) {
    for (std::size_t r = static_cast<std::size_t>(rank_[id]) + 1; r < order_.size() && count > 0;
         ++r) {
        std::u16string& block = blocks_[order_[r]];
        const std::size_t take = std::min(count, block.size());
        if (take > 0) {
            block.erase(0, take);
            Add(static_cast<int32_t>(r), -static_cast<int64_t>(take));
            count -= take;
        }
    }
}

void BlockText::Copy(std::size_t begin, std::size_t end, std::u16string& out,
                     std::vector<Piece>& pieces) const {
    end = std::min(end, size_);
    if (begin >= end) {
        return;
    }
    auto [rank, offset] = Find(begin);
    std::size_t at = begin;
    for (std::size_t r = static_cast<std::size_t>(rank); r < order_.size() && at < end; ++r) {
        const std::u16string& block = blocks_[order_[r]];
        if (offset >= block.size()) {
            offset = 0;
            continue;
        }
        const std::size_t take = std::min(end - at, block.size() - offset);
        pieces.push_back({at, order_[r]});
        out.append(block, offset, take);
        at += take;
        offset = 0;
    }
}

std::vector<std::pair<int32_t, std::vector<int32_t>>>
BlockText::Split(const std::vector<int32_t>& ids, std::size_t splitSize, std::size_t blockSize) {
    blockSize = std::max<std::size_t>(blockSize, 1);
    std::vector<std::pair<int32_t, std::vector<int32_t>>> cut;
    for (int32_t id : ids) {
        if (blocks_[id].size() <= std::max(splitSize, blockSize)) {
            continue;
        }
        std::vector<int32_t> added;
        std::u16string whole = std::move(blocks_[id]);
        blocks_[id] = whole.substr(0, blockSize);
        for (std::size_t at = blockSize; at < whole.size(); at += blockSize) {
            added.push_back(static_cast<int32_t>(blocks_.size()));
            blocks_.push_back(whole.substr(at, blockSize));
        }
        cut.emplace_back(id, std::move(added));
    }
    if (cut.empty()) {
        return cut;
    }
    std::vector<const std::vector<int32_t>*> after(rank_.size(), nullptr);
    for (const auto& [id, added] : cut) {
        after[id] = &added;
    }
    std::vector<int32_t> order;
    order.reserve(blocks_.size());
    for (int32_t id : order_) {
        order.push_back(id);
        if (after[id]) {
            order.insert(order.end(), after[id]->begin(), after[id]->end());
        }
    }
    order_ = std::move(order);
    Rebuild();
    return cut;
}

std::u16string BlockText::Join() const {
    std::u16string text;
    text.reserve(size_);
    for (int32_t id : order_) {
        text += blocks_[id];
    }
    return text;
}

} // namespace rewrix::engine
