#include <gtest/gtest.h>

#include "dialog/ColumnWidths.h"

TEST(ColumnWidths, AverageWidthRoundsTheLettersExtent) {
    EXPECT_EQ(AverageWidthFromExtent(0), 0);
    EXPECT_EQ(AverageWidthFromExtent(25), 0);
    EXPECT_EQ(AverageWidthFromExtent(26), 1);
    EXPECT_EQ(AverageWidthFromExtent(311), 6);
    EXPECT_EQ(AverageWidthFromExtent(312), 6);
    EXPECT_EQ(AverageWidthFromExtent(338), 7);
}
