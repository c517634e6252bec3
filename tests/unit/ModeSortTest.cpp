#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialog/ModeSort.h"
#include "fakes/FakeDisplay.h"

namespace {
// Orders the indices the way the list control does with the callback.
std::vector<LPARAM> Sorted(const std::vector<DEVMODEW>& modes, int column, bool ascending) {
    std::vector<LPARAM> order;
    for (size_t i = 0; i < modes.size(); ++i) order.push_back(static_cast<LPARAM>(i));
    ModeSortParams params{column, modes.data(), ascending};
    std::stable_sort(order.begin(), order.end(),
                     [&](LPARAM a, LPARAM b) { return CompareModeItems(a, b, reinterpret_cast<LPARAM>(&params)) < 0; });
    return order;
}

const std::vector<DEVMODEW> kModes = {
    MakeMode(1024, 768, 32, 60), MakeMode(800, 600, 16, 75),   MakeMode(1024, 600, 8, 1),
    MakeMode(640, 480, 32, 0),   MakeMode(1024, 1024, 16, 60),
};
}  // namespace

TEST(CompareModeItems, OrdersByTheColumnsKeyWithModeNumberTies) {
    const struct {
        int column;
        bool ascending;
        std::vector<LPARAM> order;
    } cases[] = {
        {0, true, {0, 1, 2, 3, 4}},
        {0, false, {4, 3, 2, 1, 0}},
        // Width alone: the three 1024-wide modes stand in mode-number order.
        {1, true, {3, 1, 0, 2, 4}},
        {1, false, {4, 2, 0, 1, 3}},
        {2, true, {2, 1, 4, 0, 3}},
        {2, false, {3, 0, 4, 1, 2}},
        // The hardware default rates count as their numbers 0 and 1.
        {3, true, {3, 2, 0, 4, 1}},
        {3, false, {1, 4, 0, 2, 3}},
    };
    for (const auto& c : cases) EXPECT_EQ(Sorted(kModes, c.column, c.ascending), c.order) << c.column << c.ascending;
}

TEST(CompareModeItems, ResultIsTheSignedKeyDifference) {
    ModeSortParams params{1, kModes.data(), true};
    EXPECT_EQ(CompareModeItems(1, 0, reinterpret_cast<LPARAM>(&params)), 800 - 1024);
    params.ascending = false;
    EXPECT_EQ(CompareModeItems(1, 0, reinterpret_cast<LPARAM>(&params)), 1024 - 800);
    params.column = 0;
    EXPECT_EQ(CompareModeItems(1, 4, reinterpret_cast<LPARAM>(&params)), 3);
    params.column = 3;
    params.ascending = true;
    EXPECT_EQ(CompareModeItems(2, 3, reinterpret_cast<LPARAM>(&params)), 1);
}

TEST(CompareModeItems, ColumnOutsideTheFourGivesMinusOne) {
    for (int column : {-1, 4, 100}) {
        for (bool ascending : {true, false}) {
            ModeSortParams params{column, kModes.data(), ascending};
            EXPECT_EQ(CompareModeItems(0, 1, reinterpret_cast<LPARAM>(&params)), -1) << column;
            EXPECT_EQ(CompareModeItems(1, 0, reinterpret_cast<LPARAM>(&params)), -1) << column;
        }
    }
}

TEST(SortDirection, NewColumnStartsAscendingSameColumnTurnsRound) {
    EXPECT_TRUE(NextSortAscending(2, 1, false));
    EXPECT_TRUE(NextSortAscending(2, 1, true));
    EXPECT_FALSE(NextSortAscending(1, 1, true));
    EXPECT_TRUE(NextSortAscending(1, 1, false));
}
