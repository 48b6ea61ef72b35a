// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values used lately, holding at most a given number of bytes: the
// value used longest ago goes first. The text painter keeps its glyph
// images and its laid-out texts in one each, since a repaint prints the
// same texts in the same few glyphs again and again.

#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>

namespace cellaro {

template <typename Key, typename Value, typename Hash = std::hash<Key>>
class LruCache {
public:
    explicit LruCache(std::size_t maxBytes)
        : maxBytes_(maxBytes)
    {
    }

    // The value of `key`, which becomes the latest used; nothing when the
    // cache does not hold it.
    const Value* Find(const Key& key)
    {
        const auto found = index_.find(key);
        if (found == index_.end())
            return nullptr;
        used_.splice(used_.begin(), used_, found->second);
        return &found->second->value;
    }

    // Holds `value`, which costs `bytes`, as the latest used, letting the
    // oldest go while the cache is over its size (never the value just added).
    const Value& Add(const Key& key, Value value, std::size_t bytes)
    {
        used_.push_front(Entry { key, std::move(value), bytes + kOverhead });
        index_.emplace(key, used_.begin());
        bytes_ += used_.front().bytes;
        while (bytes_ > maxBytes_ && used_.size() > 1) {
            bytes_ -= used_.back().bytes;
            index_.erase(used_.back().key);
            used_.pop_back();
        }
        return used_.front().value;
    }

    std::size_t bytes() const { return bytes_; }

private:
    // What holding a value costs besides its own bytes: the list node and
    // the slot in the index.
    static constexpr std::size_t kOverhead = 64 + sizeof(Key) + sizeof(Value);

    struct Entry {
        Key key;
        Value value;
        std::size_t bytes = 0;
    };

    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> used_; // the latest first
    std::unordered_map<Key, typename std::list<Entry>::iterator, Hash> index_;
};

} // namespace cellaro
