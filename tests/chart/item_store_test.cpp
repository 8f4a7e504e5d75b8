// The chart's item store: the item record's layout and short text, and the
// item list's Capacity bookkeeping, release rules and order, checked against
// a plain std::vector over a long random run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "chart/ItemList.h"

using namespace qvx;

namespace {

// ---------------------------------------------------------------------------
// TkxChartItem

// The record is an event payload, so its layout is interface: natural
// alignment on x86-64, fields in their published order.
TEST(ChartItemTest, LayoutIsTheNaturallyAlignedPublishedOrder)
{
    struct Field {
        const char* name;
        size_t offset, size, expectedOffset, expectedSize;
    };
#define QVX_FIELD(f, off, sz) {#f, offsetof(TkxChartItem, f), sizeof(TkxChartItem::f), off, sz}
    const Field fields[] = {
        QVX_FIELD(X1, 0, 8),         QVX_FIELD(Y1, 8, 8),         QVX_FIELD(X2, 16, 8),
        QVX_FIELD(Y2, 24, 8),        QVX_FIELD(Color, 32, 4),     QVX_FIELD(FillColor, 36, 4),
        QVX_FIELD(AuxInt1, 40, 4),   QVX_FIELD(AuxInt2, 44, 4),   QVX_FIELD(PenStyle, 48, 1),
        QVX_FIELD(LineWidth, 52, 4), QVX_FIELD(ItemClass, 56, 1), QVX_FIELD(Kind, 57, 1),
        QVX_FIELD(Layer, 60, 4),     QVX_FIELD(AuxFlag, 64, 1),   QVX_FIELD(AuxStyle, 65, 1),
        QVX_FIELD(AuxText, 66, 18),  QVX_FIELD(AuxInt3, 84, 4),   QVX_FIELD(AuxInt4, 88, 4),
        QVX_FIELD(AuxByte, 92, 4),   QVX_FIELD(PosMode, 96, 1),
    };
#undef QVX_FIELD
    for (const Field& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.offset, f.expectedOffset);
        EXPECT_EQ(f.size, f.expectedSize);
    }
    EXPECT_EQ(sizeof(TkxChartItem), 104u);
    EXPECT_EQ(ikLine, 2);
}

TEST(ChartItemTest, AuxTextKeepsAtMost17BytesOfWholeCharacters)
{
    struct Case {
        const char* name;
        std::string text, expected;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"short", "Ch1 °C", "Ch1 °C"},
        {"exactly 17", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ"},
        {"18 cut to 17", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQ"},
        // "°" is two bytes, bytes 17 and 18: it goes whole rather than half.
        {"no split character", "ABCDEFGHIJKLMNOP°", "ABCDEFGHIJKLMNOP"},
        {"three-byte character at the edge", "ABCDEFGHIJKLMNO€", "ABCDEFGHIJKLMNO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkxChartItem item;
        std::memset(&item, 0xA5, sizeof item);
        SetAuxText(item, c.text);
        EXPECT_EQ(GetAuxText(item), c.expected);
        EXPECT_EQ(item.AuxText[0], c.expected.size());
        for (size_t i = 1 + c.expected.size(); i < sizeof item.AuxText; ++i)
            EXPECT_EQ(item.AuxText[i], 0) << "byte " << i;
        EXPECT_EQ(item.AuxStyle, 0xA5);  // the neighbours are untouched
        EXPECT_EQ(item.AuxInt3, static_cast<int32_t>(0xA5A5A5A5));
    }

    TkxChartItem item{};
    std::memset(item.AuxText, 'z', sizeof item.AuxText);
    item.AuxText[0] = 200;  // a handler may store any length byte
    EXPECT_EQ(GetAuxText(item), std::string(17, 'z'));
}

// ---------------------------------------------------------------------------
// TKxItemContainer: Capacity

TEST(ItemContainerTest, CapacityGrowsInAllocSizeStepsOnlyWhenFull)
{
    struct Case {
        int32_t allocSize, appends, expectedCapacity;
    };
    const Case cases[] = {
        {1000, 1, 1000},     // the first append allocates exactly AllocSize
        {1000, 1000, 1000},
        {1000, 1001, 2000},  // the (AllocSize + 1)-th allocates another AllocSize
        {1000, 5000, 5000},  // linear, never doubled
        {1, 3, 3},
        {7, 15, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "AllocSize " << c.allocSize << ", " << c.appends << " appends");
        TKxItemContainer list;
        for (int32_t i = 0; i < c.appends; ++i) list.Append(c.allocSize);
        EXPECT_EQ(list.ItemCount(), c.appends);
        EXPECT_EQ(list.Capacity(), c.expectedCapacity);
    }

    // The step in force at the append that finds the list full decides.
    TKxItemContainer list;
    for (int i = 0; i < 10; ++i) list.Append(10);
    list.Append(3);
    EXPECT_EQ(list.Capacity(), 13);
    list.Append(1000);
    EXPECT_EQ(list.Capacity(), 13);
}

TEST(ItemContainerTest, ReleaseRules)
{
    TKxItemContainer list;
    list.RemoveFirst();  // empty: nothing to do
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Capacity(), 0);

    for (int i = 0; i < 3; ++i) list.Append(1000).X1 = i;
    for (int32_t index : {-1, 3, 4, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        list.RemoveItem(index);
        EXPECT_EQ(list.ItemCount(), 3) << "index " << index;
    }
    EXPECT_EQ(list[0].X1, 0);
    EXPECT_EQ(list[2].X1, 2);

    list.RemoveItem(1);  // one of several: Capacity stays
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.Capacity(), 1000);
    list.RemoveFirst();
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.Capacity(), 1000);
    EXPECT_EQ(list[0].X1, 2);
    list.RemoveFirst();  // the only item: the list is released
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Capacity(), 0);

    list.Append(50);  // a released list starts over with the step
    EXPECT_EQ(list.Capacity(), 50);
    for (int i = 0; i < 99; ++i) list.Append(50);
    list.Clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(ItemContainerTest, CopiesAreIndependentAndInOrder)
{
    // A window that has dropped its oldest items and taken new ones, so
    // that its items no longer start at the beginning of their storage.
    TKxItemContainer list;
    for (int i = 0; i < 16; ++i) list.Append(4).X1 = i;
    for (int i = 0; i < 6; ++i) list.RemoveFirst();
    for (int i = 16; i < 20; ++i) list.Append(4).X1 = i;
    auto expectRun = [](const TKxItemContainer& l, int32_t count, double first) {
        ASSERT_EQ(l.ItemCount(), count);
        for (int32_t i = 0; i < count; ++i) EXPECT_EQ(l[i].X1, first + i) << "index " << i;
    };

    TKxItemContainer copy(list);
    expectRun(copy, 14, 6);
    EXPECT_EQ(copy.Capacity(), 16);
    copy[0].X1 = -1;
    copy.Append(4);
    expectRun(list, 14, 6);

    TKxItemContainer assigned;
    assigned.AssignItems(list, (14 / 3 + 1) * 3);  // a chart's Assign with AllocSize 3
    EXPECT_EQ(assigned.Capacity(), 15);
    expectRun(assigned, 14, 6);
    assigned.AssignItems(list, 2);  // never below the item count
    EXPECT_EQ(assigned.Capacity(), 14);
}

// ---------------------------------------------------------------------------
// TKxItemContainer against a std::vector

// The documented behaviour of the list, kept in the simplest way.
struct OracleList {
    std::vector<TkxChartItem> items;
    int32_t capacity = 0;

    void Append(int32_t allocSize, const TkxChartItem& item)
    {
        if (static_cast<int32_t>(items.size()) >= capacity) capacity += allocSize;
        items.push_back(item);
    }
    void RemoveItem(int32_t index)
    {
        if (index < 0 || index >= static_cast<int32_t>(items.size())) return;
        if (items.size() == 1) {
            Clear();
            return;
        }
        items.erase(items.begin() + index);
    }
    void Clear()
    {
        items.clear();
        capacity = 0;
    }
};

bool AllZero(const TkxChartItem& item)
{
    static const TkxChartItem zero = [] {
        TkxChartItem z;
        std::memset(&z, 0, sizeof z);
        return z;
    }();
    return std::memcmp(&item, &zero, sizeof item) == 0;
}

bool SameBytes(const TkxChartItem& a, const TkxChartItem& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Both ways of reading the list (the renderer's ForEach and indexing) give
// the oracle's items in order.
void ExpectSameList(const TKxItemContainer& list, const OracleList& oracle, int step)
{
    const auto count = static_cast<int32_t>(oracle.items.size());
    ASSERT_EQ(list.ItemCount(), count) << "step " << step;
    ASSERT_EQ(list.Capacity(), oracle.capacity) << "step " << step;
    int32_t visited = 0, firstDifference = -1;
    list.ForEach([&](const TkxChartItem& item, int32_t index) {
        if (firstDifference < 0 && (index != visited || index >= count || !SameBytes(item, oracle.items[index])))
            firstDifference = visited;
        ++visited;
    });
    ASSERT_EQ(firstDifference, -1) << "step " << step << ": ForEach differs";
    ASSERT_EQ(visited, count) << "step " << step;
    for (int32_t i = 0; i < count; ++i)
        ASSERT_TRUE(SameBytes(list[i], oracle.items[i])) << "step " << step << ", index " << i;
}

// Random appends and removals at the front, back, middle and out of range,
// in phases that grow the list, hold it steady as a window (append at the
// back, remove at the front) and shrink it, so that slots are reused, the
// items wrap around the end of their block and the block grows and closes
// gaps while they do.
TEST(ItemContainerTest, MatchesAVectorOverRandomOperations)
{
    std::mt19937 rng(20240611);
    auto below = [&rng](uint32_t n) { return static_cast<int32_t>(rng() % n); };
    const int32_t allocSizes[] = {1, 7, 1000};

    TKxItemContainer list;
    OracleList oracle;
    uint32_t serial = 0;
    size_t largest = 0;

    for (int step = 0; step < 40000; ++step) {
        const int phase = (step / 2500) % 3;  // 0 grow, 1 window, 2 shrink
        const int32_t count = list.ItemCount();
        const int32_t dice = below(100);
        const bool append = phase == 0 ? dice < 70 : phase == 1 ? dice < 50 : dice < 25;

        if (below(4000) == 0) {
            list.Clear();
            oracle.Clear();
        } else if (append) {
            TkxChartItem item;
            std::memset(&item, 0, sizeof item);
            item.X1 = ++serial;
            item.Y2 = -static_cast<double>(serial);
            item.Color = static_cast<TColor>(rng());
            item.Kind = static_cast<uint8_t>(serial % 25);
            item.Layer = static_cast<int32_t>(serial % 16) + 1;
            SetAuxText(item, std::to_string(serial));
            item.PosMode = static_cast<uint8_t>(serial % 6);

            const int32_t allocSize = allocSizes[(step / 5000) % 3];
            TkxChartItem& added = list.Append(allocSize);
            ASSERT_TRUE(AllZero(added)) << "step " << step;
            std::memcpy(&added, &item, sizeof item);
            oracle.Append(allocSize, item);
        } else {
            int32_t index;
            switch (below(10)) {
            case 0: case 1: case 2: case 3: index = 0; break;
            case 4: case 5: index = count - 1; break;
            case 6: index = below(3) == 0 ? -1 : count + below(3); break;
            default: index = count > 0 ? below(static_cast<uint32_t>(count)) : 0; break;
            }
            if (index == 0 && below(2) == 0) list.RemoveFirst();
            else list.RemoveItem(index);
            oracle.RemoveItem(index);
        }

        ExpectSameList(list, oracle, step);
        if (HasFatalFailure()) return;
        largest = std::max(largest, oracle.items.size());
    }
    EXPECT_GT(largest, 1000u);  // the run really exercised large lists
}

}  // namespace
