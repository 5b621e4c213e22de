#include "runtime/value.h"

#include <gtest/gtest.h>

using runtime::Value;
using runtime::ValueArray;
using runtime::ValueTable;

TEST(ValueCell, EmptyReadsAsZeroAndEmptyText)
{
    Value v;
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(v.num(), 0.0);
    EXPECT_EQ(v.text(), "");
    v = 7;
    EXPECT_TRUE(v.isNumber());
    EXPECT_EQ(v.num(), 7.0);
}

TEST(ValueArrayBounds, AbsentAndOutOfRangeReadEmpty)
{
    ValueArray a;
    EXPECT_FALSE(a.exists());
    EXPECT_EQ(a.upper(), -1);
    EXPECT_TRUE(a.get(0).isEmpty());
    EXPECT_FALSE(a.set(0, 1));
    a.redim(3);
    EXPECT_TRUE(a.set(3, 5));
    EXPECT_FALSE(a.set(4, 5));
    EXPECT_TRUE(a.get(4).isEmpty());
    EXPECT_TRUE(a.get(-1).isEmpty());
    a.redimPreserve(5);
    EXPECT_EQ(a.num(3), 5.0);
    a.redim(5);
    EXPECT_TRUE(a.get(3).isEmpty());

    ValueTable t;
    EXPECT_TRUE(t.get(1, 1).isEmpty());
    t.redim(4, 2);
    EXPECT_TRUE(t.set(4, 2, 9));
    EXPECT_FALSE(t.set(5, 0, 9));
    EXPECT_FALSE(t.set(0, 3, 9));
    EXPECT_EQ(t.get(4, 2).num(), 9.0);
    EXPECT_TRUE(t.get(0, 2).isEmpty());
}
