#pragma once
// Bytes held in memory standing in for a connection: handed out in the pieces given, as the
// packets of a real connection would arrive, then one final status.

#include "camhttp/byte_source.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace vistrel::test {

class ScriptedByteSource final : public ByteSource {
public:
    explicit ScriptedByteSource(std::vector<std::string> pieces,
                                ReceiveStatus end = ReceiveStatus::Closed)
        : pieces_(std::move(pieces)), end_(end) {}

    // One receive never reaches past the current piece.
    Received receive(MutableBytes into, Deadline) override {
        ++receives_;
        while (piece_ < pieces_.size() && offset_ == pieces_[piece_].size()) {
            ++piece_;
            offset_ = 0;
        }
        if (piece_ == pieces_.size() || into.empty()) {
            return {end_, 0};
        }
        const std::string& piece = pieces_[piece_];
        const std::size_t count = std::min(into.size(), piece.size() - offset_);
        std::memcpy(into.data(), piece.data() + offset_, count);
        offset_ += count;
        return {ReceiveStatus::Data, count};
    }

    std::size_t receives() const { return receives_; }
    // Bytes not handed out yet.
    std::size_t remaining() const {
        std::size_t left = 0;
        for (std::size_t i = piece_; i < pieces_.size(); ++i) {
            left += pieces_[i].size() - (i == piece_ ? offset_ : 0);
        }
        return left;
    }

private:
    std::vector<std::string> pieces_;
    ReceiveStatus end_;
    std::size_t piece_ = 0;
    std::size_t offset_ = 0;
    std::size_t receives_ = 0;
};

} // namespace vistrel::test
