#include "chart/ItemList.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace qvx {

namespace {

constexpr size_t kItemBytes = sizeof(TkxChartItem);
// Smallest block, so that a list with a tiny AllocSize does not reallocate
// on each of its first appends.
constexpr size_t kMinBlock = 16;

void CopyItem(TkxChartItem* target, const TkxChartItem* source) { std::memcpy(target, source, kItemBytes); }

}  // namespace

TKxItemContainer::TKxItemContainer(const TKxItemContainer& other)
    : FCount(other.FCount), FCapacity(other.FCapacity)
{
    if (other.FCount == 0) return;
    FBlockSize = std::bit_ceil(static_cast<size_t>(other.FCount));
    FBlock = static_cast<TkxChartItem*>(std::malloc(FBlockSize * kItemBytes));
    if (!FBlock) throw std::bad_alloc();
    other.CopyItemsTo(FBlock);
}

TKxItemContainer& TKxItemContainer::operator=(const TKxItemContainer& other)
{
    if (this != &other) *this = TKxItemContainer(other);
    return *this;
}

TKxItemContainer::TKxItemContainer(TKxItemContainer&& other) noexcept
    : FBlock(std::exchange(other.FBlock, nullptr)),
      FBlockSize(std::exchange(other.FBlockSize, 0)),
      FHead(std::exchange(other.FHead, 0)),
      FCount(std::exchange(other.FCount, 0)),
      FCapacity(std::exchange(other.FCapacity, 0))
{
}

TKxItemContainer& TKxItemContainer::operator=(TKxItemContainer&& other) noexcept
{
    if (this != &other) {
        Release();
        std::swap(FBlock, other.FBlock);
        std::swap(FBlockSize, other.FBlockSize);
        std::swap(FHead, other.FHead);
        std::swap(FCount, other.FCount);
        std::swap(FCapacity, other.FCapacity);
    }
    return *this;
}

TKxItemContainer::~TKxItemContainer() { std::free(FBlock); }

TkxChartItem& TKxItemContainer::Append(int32_t allocSize)
{
    assert(allocSize >= 1 && "AllocSize must be at least 1");
    int32_t capacity = FCapacity;
    if (FCount >= capacity) {
        const int32_t step = std::max(allocSize, 1);
        if (capacity > std::numeric_limits<int32_t>::max() - step)
            throw std::length_error("TKxItemContainer: item count exceeds the Integer range");
        capacity += step;
    }
    if (static_cast<size_t>(FCount) == FBlockSize) Grow(capacity);
    FCapacity = capacity;  // only now: a failed allocation leaves the list as it was

    TkxChartItem* item = Slot(static_cast<size_t>(FCount));
    std::memset(item, 0, kItemBytes);
    ++FCount;
    return *item;
}

// Called with the block full. The list's Capacity is a floor for the new
// size, so a large AllocSize still allocates ahead as the caller asked.
void TKxItemContainer::Grow(int32_t capacity)
{
    const size_t oldSize = FBlockSize;
    const size_t size = std::bit_ceil(std::max({2 * oldSize, static_cast<size_t>(capacity), kMinBlock}));
    // realloc keeps every item at its position and can remap a large block
    // instead of copying it.
    auto* block = static_cast<TkxChartItem*>(std::realloc(FBlock, size * kItemBytes));
    if (!block) throw std::bad_alloc();
    FBlock = block;
    FBlockSize = size;
    // The items that wrapped to the start of the old block continue past its
    // old end now; the block at least doubled, so they fit.
    std::memcpy(FBlock + oldSize, FBlock, FHead * kItemBytes);
}

void TKxItemContainer::RemoveItem(int32_t index)
{
    if (index < 0 || index >= FCount) return;
    if (FCount == 1) {
        Release();
        return;
    }
    const size_t removed = static_cast<size_t>(index);
    const size_t last = static_cast<size_t>(FCount) - 1;
    // Close the gap from the shorter side; both keep the order.
    if (removed < last - removed) {
        for (size_t i = removed; i > 0; --i) CopyItem(Slot(i), Slot(i - 1));
        FHead = (FHead + 1) & (FBlockSize - 1);
    } else {
        for (size_t i = removed; i < last; ++i) CopyItem(Slot(i), Slot(i + 1));
    }
    --FCount;
}

void TKxItemContainer::Clear() { Release(); }

void TKxItemContainer::AssignItems(const TKxItemContainer& source, int32_t capacity)
{
    TKxItemContainer copy(source);
    copy.FCapacity = std::max(capacity, source.FCount);
    *this = std::move(copy);
}

void TKxItemContainer::CopyItemsTo(TkxChartItem* target) const
{
    const size_t firstRun = FirstRunLength();
    std::memcpy(target, FBlock + FHead, firstRun * kItemBytes);
    std::memcpy(target + firstRun, FBlock, (static_cast<size_t>(FCount) - firstRun) * kItemBytes);
}

void TKxItemContainer::Release() noexcept
{
    std::free(FBlock);
    FBlock = nullptr;
    FBlockSize = 0;
    FHead = 0;
    FCount = 0;
    FCapacity = 0;
}

}  // namespace qvx
