#include "Wkr/Util/MemBlock.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(MemBlock, ResizeKeepsThePrefixAndResetDropsIt)
{
    MemBlock block;
    EXPECT_EQ(nullptr, block.GetConstPtrC());
    EXPECT_EQ(0, block.GetCapacity());

    block.Reset(4);
    std::memcpy(block.GetPtr(), "abcd", 4);
    block.Resize(8);
    EXPECT_EQ(8, block.GetCapacity());
    EXPECT_EQ(0, std::memcmp(block.GetConstPtrC(), "abcd", 4));
    block.Resize(2);
    EXPECT_EQ(2, block.GetCapacity());
    EXPECT_EQ(0, std::memcmp(block.GetConstPtrC(), "ab", 2));

    MemBlock copy = block;
    EXPECT_NE(copy.GetConstPtrC(), block.GetConstPtrC());
    EXPECT_EQ(0, std::memcmp(copy.GetConstPtrC(), "ab", 2));

    block.Resize(0);
    EXPECT_EQ(nullptr, block.GetConstPtrC());
    EXPECT_EQ(0, block.GetCapacity());
}

TEST(MemBlockDeathTest, NegativeSizeIsAnAssertion)
{
    MemBlock block;
    EXPECT_DEATH(block.Reset(-1), "Assertion 'size>=0' failed");
}
