#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rewrix::engine {

// A text held as a row of short blocks, so that changing a few words costs
// the blocks they sit in rather than the whole text. Blocks keep their
// number (id) for the life of the text, however their contents change; their
// place in the row is their rank. A block may become empty. A tree of
// partial sums over the ranks turns positions into blocks and back.
class BlockText {
public:
    // `text` cut into blocks of `blockSize` code units (the last one shorter).
    BlockText(std::u16string_view text, std::size_t blockSize);

    std::size_t Size() const { return size_; }
    int32_t BlockCount() const { return static_cast<int32_t>(blocks_.size()); }
    const std::u16string& Block(int32_t id) const { return blocks_[id]; }
    int32_t Rank(int32_t id) const { return rank_[id]; }

    // Where block `id` starts in the whole text.
    std::size_t Start(int32_t id) const;

    void Assign(int32_t id, std::u16string content);

    // Appends to `out` up to `count` code units that follow block `id`.
    void CopyAfter(int32_t id, std::size_t count, std::u16string& out) const;

    // Removes `count` code units (or all there are) that follow block `id`.
    void EraseAfter(int32_t id, std::size_t count);

    struct Piece {
        std::size_t start; // where the piece starts in the whole text
        int32_t id;
    };
    // Appends [begin, end) of the whole text to `out`, and to `pieces` the
    // non-empty blocks it came from, in order.
    void Copy(std::size_t begin, std::size_t end, std::u16string& out,
              std::vector<Piece>& pieces) const;

    // Cuts each of the blocks `ids` that is longer than `splitSize` into
    // pieces of `blockSize`; the first piece keeps the id, the others get new
    // ids. Returns, for each block cut, its id and the new ids. All blocks are
    // cut in one go, so that the cost of renumbering the ranks is paid once.
    std::vector<std::pair<int32_t, std::vector<int32_t>>>
    Split(const std::vector<int32_t>& ids, std::size_t splitSize, std::size_t blockSize);

    std::u16string Join() const;

private:
    void Add(int32_t rank, int64_t delta);
    void Rebuild();
    // The rank of the block that holds position `at` (< Size()) and the offset in it.
    std::pair<int32_t, std::size_t> Find(std::size_t at) const;

    std::vector<std::u16string> blocks_;
    std::vector<int32_t> order_; // ids in text order
    std::vector<int32_t> rank_;  // rank by id
    std::vector<int64_t> tree_;  // partial sums of block sizes over ranks, 1-based
    std::size_t size_ = 0;
};

} // namespace rewrix::engine
