#pragma once
// TKxItemContainer: the chart's ordered list of drawing items. The charts of
// a sharing group hold one list through a std::shared_ptr, never copies.

#include <cassert>
#include <cstddef>
#include <cstdint>

#include "chart/ChartItem.h"

namespace qvx {

// Reads as the classic growable array: indices from 0, ItemCount valid
// items, Capacity growing in AllocSize steps when an append finds the list
// full and dropping to 0 when the list is released.
//
// Underneath, the items live in a ring: a power-of-two block in which item 0
// may sit anywhere and the items after it wrap around the block's end.
// Removing the oldest item only advances the start, so a monitoring window
// that appends at the back and removes at the front costs the same per tick
// at any length and never moves its items; the block doubles when it is
// full, keeping appends amortised constant. Capacity is the list's
// bookkeeping figure, not the size of the block.
class TKxItemContainer {
public:
    TKxItemContainer() = default;
    // Copies the items, ItemCount and Capacity.
    TKxItemContainer(const TKxItemContainer& other);
    TKxItemContainer& operator=(const TKxItemContainer& other);
    TKxItemContainer(TKxItemContainer&& other) noexcept;
    TKxItemContainer& operator=(TKxItemContainer&& other) noexcept;
    ~TKxItemContainer();

    int32_t ItemCount() const { return FCount; }
    int32_t Capacity() const { return FCapacity; }

    TkxChartItem& operator[](int32_t index)
    {
        assert(index >= 0 && index < FCount && "item index outside 0..ItemCount-1");
        return *Slot(static_cast<size_t>(index));
    }
    const TkxChartItem& operator[](int32_t index) const
    {
        assert(index >= 0 && index < FCount && "item index outside 0..ItemCount-1");
        return *Slot(static_cast<size_t>(index));
    }

    // Appends a zero-filled item and returns it, already counted. A full
    // list (ItemCount >= Capacity) first grows its Capacity by allocSize
    // (the chart's AllocSize, 1 or more).
    TkxChartItem& Append(int32_t allocSize);
    // Removes the item at index; the items after it keep their order. The
    // only item releases the list (ItemCount and Capacity 0); otherwise
    // Capacity stays. An index outside 0..ItemCount-1 removes nothing.
    void RemoveItem(int32_t index);
    void RemoveFirst() { RemoveItem(0); }
    // Releases the list: ItemCount and Capacity 0.
    void Clear();
    // Makes this list a copy of source's items with the given Capacity
    // (raised to source's ItemCount if lower), as a chart's Assign wants.
    void AssignItems(const TKxItemContainer& source, int32_t capacity);

    // Calls fn(item, index) for every item in list order. fn must not change
    // the list.
    template <class Fn>
    void ForEach(Fn&& fn) const
    {
        const size_t firstRun = FirstRunLength();
        const TkxChartItem* run = FBlock + FHead;
        int32_t index = 0;
        for (size_t i = 0; i < firstRun; ++i) fn(run[i], index++);
        for (size_t i = 0, rest = static_cast<size_t>(FCount) - firstRun; i < rest; ++i) fn(FBlock[i], index++);
    }

private:
    TkxChartItem* Slot(size_t index) const { return FBlock + ((FHead + index) & (FBlockSize - 1)); }
    // Items from item 0 up to the block's end; the rest wrap to its start.
    size_t FirstRunLength() const
    {
        const size_t count = static_cast<size_t>(FCount);
        return count < FBlockSize - FHead ? count : FBlockSize - FHead;
    }
    void CopyItemsTo(TkxChartItem* target) const;
    void Grow(int32_t capacity);
    void Release() noexcept;

    // malloc'd: the items are trivially copyable, so growing may use realloc.
    TkxChartItem* FBlock = nullptr;
    size_t FBlockSize = 0;  // [items], 0 or a power of two
    size_t FHead = 0;       // position of item 0 in FBlock
    int32_t FCount = 0;
    int32_t FCapacity = 0;
};

}  // namespace qvx
