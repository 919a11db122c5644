#pragma once

// A growable sequence of trivially copyable values, kept in blocks of a fixed number of them. A
// list of a hundred thousand records then grows by one small block at a time: nothing already
// stored is copied again, and a block freed with an old list is soon reused by the next one.

#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <new>
#include <type_traits>
#include <vector>

namespace lumtaris {

template <typename T>
class PlainBlocks
{
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

    static constexpr std::size_t kShift = 9;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;
    static constexpr std::size_t kMask = kBlock - 1;

public:
    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        reference operator*() const { return (*blocks_)[index_]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        friend class PlainBlocks;
        const_iterator(const PlainBlocks* blocks, std::size_t index)
            : blocks_(blocks), index_(index)
        {
        }
        const PlainBlocks* blocks_ = nullptr;
        std::size_t index_ = 0;
    };

    PlainBlocks() = default;
    PlainBlocks(const PlainBlocks& other) { *this = other; }
    PlainBlocks& operator=(const PlainBlocks& other)
    {
        if (this != &other) {
            size_ = 0;
            for (const T& value : other)
                insert(size_, value);
        }
        return *this;
    }
    PlainBlocks(PlainBlocks&& other) noexcept
        : blocks_(std::move(other.blocks_)), size_(other.size_)
    {
        other.blocks_.clear();
        other.size_ = 0;
    }
    PlainBlocks& operator=(PlainBlocks&& other) noexcept
    {
        if (this != &other) {
            Free();
            blocks_ = std::move(other.blocks_);
            size_ = other.size_;
            other.blocks_.clear();
            other.size_ = 0;
        }
        return *this;
    }
    ~PlainBlocks() { Free(); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size_}; }
    T& operator[](std::size_t index) { return blocks_[index >> kShift][index & kMask]; }
    const T& operator[](std::size_t index) const { return blocks_[index >> kShift][index & kMask]; }

    // Keeps the blocks, so a list emptied and filled again does not allocate again.
    void clear() { size_ = 0; }

    // `index` may be size(): then the value goes at the end.
    void insert(std::size_t index, const T& value)
    {
        if (size_ == blocks_.size() * kBlock)
            Grow();
        if (index < size_) {
            const T copy = value; // `value` may be one of ours, about to be moved
            for (std::size_t i = size_; i > index; --i)
                (*this)[i] = (*this)[i - 1];
            (*this)[index] = copy;
        } else {
            (*this)[index] = value; // blocks never move, so `value` is still where it was
        }
        ++size_;
    }
    void erase(std::size_t index)
    {
        for (std::size_t i = index + 1; i < size_; ++i)
            (*this)[i - 1] = (*this)[i];
        --size_;
    }

private:
    void Grow()
    {
        // Room first, so that push_back cannot throw and leak the block.
        if (blocks_.size() == blocks_.capacity())
            blocks_.reserve(blocks_.empty() ? 8 : 2 * blocks_.size());
        void* block = std::malloc(kBlock * sizeof(T));
        if (block == nullptr)
            throw std::bad_alloc();
        blocks_.push_back(static_cast<T*>(block));
    }
    void Free()
    {
        for (T* block : blocks_)
            std::free(block);
    }

    std::vector<T*> blocks_;
    std::size_t size_ = 0;
};

} // namespace lumtaris
