#include "Wkrimp/Config/ConfigBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

const Bytes ONE_UNDER_A = {0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
                           0x00, 0x00, 0x04, 0x61, 0x01, 0x00, 0x00, 0x00};

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// An assertion handler that lets the code carry on, to prove that a damaged
// block is never read beyond its end even when assertions are ignored.
int s_assertions = 0;
FailureAnswer CountAndIgnore(FailureKind, const char*, const char*)
{
    ++s_assertions;
    return FailureAnswer::Ignore;
}
} // namespace

TEST(ConfigBlock, ValueAndChildBlockHaveTheDocumentedBytes)
{
    ConfigBlock child;
    child.Put("a", int32_t(1));
    EXPECT_EQ(ONE_UNDER_A, child.GetRaw());
    EXPECT_EQ(256, child.GetCapacity());

    ConfigBlock parent;
    parent.PutBlock("b", child);
    EXPECT_EQ(30, parent.GetSize());
    EXPECT_EQ(
        Concat({0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x11, 0x62}, ONE_UNDER_A),
        parent.GetRaw());

    ConfigBlock back;
    ASSERT_TRUE(parent.GetBlock("b", back));
    EXPECT_EQ(17, back.GetCapacity()); // reset to exactly the entry's length
    int32_t value = 0;
    EXPECT_TRUE(back.Get("a", value));
    EXPECT_EQ(1, value);
}

TEST(ConfigBlock, ValuesAreLittleEndianImagesOfEachWidth)
{
    ConfigBlock block;
    block.Put("f", true);
    block.Put("m", int64_t(0x0102030405060708LL));
    block.Put("d", 1.5);
    block.PutString("s", "Hi");
    const Bytes raw = block.GetRaw();
    // "f": 12 + 1 + 1 bytes, the flag last.
    EXPECT_EQ(1, raw[13]);
    // "m": low word first.
    EXPECT_EQ(Bytes({0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01}),
              Bytes(raw.begin() + 27, raw.begin() + 35));

    bool flag = false;
    int64_t money = 0;
    double real = 0;
    std::string text;
    EXPECT_TRUE(block.Get("f", flag));
    EXPECT_TRUE(block.Get("m", money));
    EXPECT_TRUE(block.Get("d", real));
    EXPECT_TRUE(block.GetString("s", text));
    EXPECT_TRUE(flag);
    EXPECT_EQ(0x0102030405060708LL, money);
    EXPECT_EQ(1.5, real);
    EXPECT_EQ("Hi", text);
}

TEST(ConfigBlock, MissingNamesLeaveDefaultsAndCaseMatters)
{
    ConfigBlock block;
    int32_t value = 42;
    std::string text = "keep";
    ConfigBlock child;
    child.Put("x", int32_t(5));
    EXPECT_FALSE(block.Get("a", value));
    EXPECT_FALSE(block.GetString("a", text));
    EXPECT_FALSE(block.GetBlock("a", child));
    EXPECT_EQ(42, value);
    EXPECT_EQ("keep", text);
    EXPECT_EQ(17, child.GetSize());

    block.Put("Cash", int32_t(1));
    block.Put("cash", int32_t(2));
    EXPECT_TRUE(block.Get("Cash", value));
    EXPECT_EQ(1, value);
    EXPECT_TRUE(block.Get("cash", value));
    EXPECT_EQ(2, value);
    EXPECT_FALSE(block.Get("CASH", value));
}

TEST(ConfigBlock, RewritingANameMovesItToTheEnd)
{
    ConfigBlock block;
    block.Put("x", int32_t(1));
    block.Put("y", int32_t(2));
    block.Put("x", int32_t(3));
    EXPECT_EQ(34, block.GetSize());
    const Bytes raw = block.GetRaw();
    EXPECT_EQ('y', raw[12]);
    EXPECT_EQ('x', raw[29]);
    int32_t x = 0;
    EXPECT_TRUE(block.Get("x", x));
    EXPECT_EQ(3, x);

    // A rewrite with another length and kind shifts the rest correctly.
    block.PutString("y", "longer text");
    std::string y;
    EXPECT_TRUE(block.GetString("y", y));
    EXPECT_EQ("longer text", y);
    EXPECT_TRUE(block.Get("x", x));
    EXPECT_EQ(3, x);
    EXPECT_EQ(17 + 24, block.GetSize());
    EXPECT_TRUE(block.IsValid());
}

TEST(ConfigBlock, EmptyValuesAndLookupByNameAlone)
{
    ConfigBlock block;
    block.PutString("e", "");
    EXPECT_EQ(13, block.GetSize());
    std::string text = "old";
    EXPECT_TRUE(block.GetString("e", text));
    EXPECT_EQ("", text);

    // The type tag is not compared: a child block reads as a string of its bytes.
    ConfigBlock child;
    child.Put("a", int32_t(1));
    block.PutBlock("c", child);
    EXPECT_TRUE(block.GetString("c", text));
    EXPECT_EQ(Bytes(text.begin(), text.end()), ONE_UNDER_A);

    // An empty child is legal and reads back empty.
    ConfigBlock empty;
    block.PutBlock("n", empty);
    EXPECT_TRUE(block.GetBlock("n", child));
    EXPECT_EQ(0, child.GetSize());
    EXPECT_TRUE(block.IsValid());
}

TEST(ConfigBlock, CapacityGrowth)
{
    EXPECT_EQ(256, ConfigBlock::GrownCapacity(0, 17));
    EXPECT_EQ(512, ConfigBlock::GrownCapacity(0, 300));
    EXPECT_EQ(21024, ConfigBlock::GrownCapacity(0, 20000));
    EXPECT_EQ(2000, ConfigBlock::GrownCapacity(1000, 1500));
    EXPECT_EQ(16384, ConfigBlock::GrownCapacity(8192, 9000));

    // The same rule applied by a real write.
    ConfigBlock block;
    block.PutString("s", std::string(300 - 13, 'z'));
    EXPECT_EQ(512, block.GetCapacity());
    ConfigBlock big;
    big.PutString("s", std::string(20000 - 13, 'z'));
    EXPECT_EQ(21024, big.GetCapacity());
    // Small writes into a block with room do not reallocate.
    const uint8_t* before = big.GetData();
    big.Put("i", int32_t(7));
    EXPECT_EQ(before, big.GetData());
}

TEST(ConfigBlock, RawRoundTripAndCopies)
{
    ConfigBlock inner;
    inner.Put("n", int32_t(-5));
    ConfigBlock block;
    block.PutBlock("inner", inner);
    block.PutString("name", "Air");
    const Bytes raw = block.GetRaw();

    ConfigBlock restored;
    restored.Put("junk", int32_t(1));
    restored.SetRaw(raw);
    EXPECT_EQ(raw, restored.GetRaw());
    EXPECT_EQ(int32_t(raw.size()), restored.GetCapacity());
    int32_t junk = 0;
    EXPECT_FALSE(restored.Get("junk", junk));

    ConfigBlock copy = restored;
    copy.PutString("name", "Sea");
    std::string name;
    EXPECT_TRUE(restored.GetString("name", name));
    EXPECT_EQ("Air", name);

    // A block can be put into itself and read into itself.
    copy.PutBlock("self", copy);
    ASSERT_TRUE(copy.IsValid());
    ASSERT_TRUE(copy.GetBlock("self", copy));
    EXPECT_TRUE(copy.GetString("name", name));
    EXPECT_EQ("Sea", name);
    EXPECT_FALSE(copy.GetBlock("self", inner));

    restored.SetRaw(nullptr, 0);
    EXPECT_EQ(0, restored.GetSize());
    EXPECT_TRUE(restored.GetRaw().empty());
}

TEST(ConfigBlock, ValidateWalksTheWholeTree)
{
    ConfigBlock leaf;
    leaf.Put("a", int32_t(1));
    ConfigBlock middle;
    middle.PutBlock("leaf", leaf);
    middle.PutString("s", "text");
    ConfigBlock top;
    top.PutBlock("middle", middle);
    top.Put("z", int64_t(9));
    Bytes raw = top.GetRaw();
    EXPECT_TRUE(ConfigBlock::Validate(raw.data(), raw.size()));
    EXPECT_TRUE(ConfigBlock::Validate(nullptr, 0));

    // Every truncation breaks the chain somewhere, except the one at the
    // boundary between the two top-level entries.
    const size_t boundary = 12 + 6 + size_t(middle.GetSize());
    for (size_t n = 1; n < raw.size(); ++n)
        EXPECT_EQ(n == boundary, ConfigBlock::Validate(raw.data(), n)) << "truncated to " << n;
    // Trailing bytes after the last entry.
    Bytes longer = raw;
    longer.push_back(0);
    EXPECT_FALSE(ConfigBlock::Validate(longer.data(), longer.size()));

    // A damaged length deep inside a child block: the outer chain still holds.
    // Layout: top header(12) "middle"(6), middle header(12) "leaf"(4), leaf header: name length at +4.
    Bytes deep = raw;
    deep[12 + 6 + 12 + 4 + 4 + 3] = 2;
    EXPECT_FALSE(ConfigBlock::Validate(deep.data(), deep.size()));

    // Lengths so large that adding them would overflow 32 bits.
    Bytes huge = ONE_UNDER_A;
    huge[4] = huge[5] = huge[6] = huge[7] = 0xFF;
    huge[8] = huge[9] = huge[10] = huge[11] = 0xFF;
    EXPECT_FALSE(ConfigBlock::Validate(huge.data(), huge.size()));

    // A zero-length name is never written by the game.
    Bytes noName = {0x00, 0x01, 0x00, 0x01, 0, 0, 0, 0, 0, 0, 0, 1, 0x55};
    EXPECT_FALSE(ConfigBlock::Validate(noName.data(), noName.size()));

    // Deep nesting is walked without recursion.
    constexpr uint32_t LEVELS = 20000;
    Bytes nested;
    for (uint32_t level = LEVELS; level >= 1; --level)
    {
        const uint32_t length = 17 + 13 * (level - 1);
        const Bytes header = {0x00,
                              0x01,
                              0x00,
                              0x02,
                              0,
                              0,
                              0,
                              1,
                              uint8_t(length >> 24),
                              uint8_t(length >> 16),
                              uint8_t(length >> 8),
                              uint8_t(length),
                              'n'};
        nested.insert(nested.end(), header.begin(), header.end());
    }
    nested.insert(nested.end(), ONE_UNDER_A.begin(), ONE_UNDER_A.end());
    EXPECT_TRUE(ConfigBlock::Validate(nested.data(), nested.size()));
    nested.back() = 0;             // still valid: only a value byte changed
    nested[nested.size() - 6] = 9; // the innermost data length now runs past its block
    EXPECT_FALSE(ConfigBlock::Validate(nested.data(), nested.size()));
}

TEST(ConfigBlock, DamagedBlockIsNeverReadPastItsEnd)
{
    const FailureHandler previous = SetFailureHandler(CountAndIgnore);
    s_assertions = 0;
    Bytes damaged = ONE_UNDER_A;
    damaged[11] = 0x40; // data length 64 in a 17-byte block
    ConfigBlock block;
    block.SetRaw(damaged);
    int32_t value = 7;
    EXPECT_FALSE(block.Get("b", value));
    EXPECT_EQ(1, s_assertions);

    Bytes shortHeader(12, 0);
    block.SetRaw(shortHeader);
    EXPECT_FALSE(block.Get("b", value));
    EXPECT_EQ(2, s_assertions);
    EXPECT_EQ(7, value);
    SetFailureHandler(previous);
}

TEST(ConfigBlockDeathTest, FailuresUseTheDocumentedTexts)
{
    ConfigBlock block;
    block.PutString("e", "");
    block.Put("i", int32_t(3));
    int32_t value = 0;
    int64_t wide = 0;
    EXPECT_EXIT(block.Get("e", value), testing::ExitedWithCode(255), "Mangled config\\.");
    EXPECT_EXIT(block.Get("i", wide), testing::ExitedWithCode(255), "Mangled config\\.");

    Bytes damaged = ONE_UNDER_A;
    damaged[11] = 0x40;
    ConfigBlock bad;
    bad.SetRaw(damaged);
    EXPECT_DEATH(bad.Get("b", value),
                 "Assertion 'b\\+s1\\+s2<=e' failed in file 'Src/Wkrimp/Config/ConfigBlock.cpp'");
    bad.SetRaw(Bytes(12, 0));
    EXPECT_DEATH(bad.Get("b", value), "Assertion 'b\\+12<e' failed");
    EXPECT_DEATH(block.SetEntry(ConfigBlock::VALUE_ENTRY, "n", 0, nullptr, 0),
                 "Assertion 'namelen>0' failed");
    EXPECT_DEATH(block.SetEntry(ConfigBlock::VALUE_ENTRY, "n", 1, nullptr, 4), "'datalen==0 \\|\\| data!=0'");
}

TEST(ConfigBlock, LenientReadsCountMangledValuesInsteadOfStopping)
{
    ConfigBlock block;
    block.PutString("e", "");
    block.Put("i", int32_t(3));
    int32_t value = 9;
    int64_t wide = 9;
    {
        ConfigBlock::LenientReads lenient;
        EXPECT_FALSE(block.Get("e", value));
        EXPECT_EQ(9, value);
        {
            ConfigBlock::LenientReads inner;
            EXPECT_FALSE(block.Get("i", wide));
            EXPECT_EQ(1, inner.Mangled());
        }
        EXPECT_EQ(9, wide);
        EXPECT_TRUE(block.Get("i", value));
        EXPECT_EQ(3, value);
        EXPECT_EQ(2, lenient.Mangled());
    }
    EXPECT_EXIT(block.Get("i", wide), testing::ExitedWithCode(255), "Mangled config\\.");
}

TEST(ConfigBlock, APlainValueReadAsABlockMustBeASoundBlock)
{
    // Validate checks only entries written as blocks; a damaged save may hold
    // a plain value under a block's name, with bytes that do not chain.
    ConfigBlock top;
    top.PutString("Enviroment", "not a block at all, just text");
    ConfigBlock inner;
    inner.Put("_year", int32_t(1960));
    top.SetEntry(ConfigBlock::VALUE_ENTRY, "Sound", 5, inner.GetData(), inner.GetSize());
    const std::vector<uint8_t> raw = top.GetRaw();
    ASSERT_TRUE(ConfigBlock::Validate(raw.data(), raw.size()));

    ConfigBlock child;
    {
        ConfigBlock::LenientReads lenient;
        EXPECT_FALSE(top.GetBlock("Enviroment", child));
        EXPECT_EQ(1, lenient.Mangled());
        ASSERT_TRUE(top.GetBlock("Sound", child)) << "a value whose bytes are a sound block still reads";
        int32_t year = 0;
        EXPECT_TRUE(child.Get("_year", year));
        EXPECT_EQ(1960, year);
        EXPECT_EQ(1, lenient.Mangled());
    }
    EXPECT_EXIT(top.GetBlock("Enviroment", child), testing::ExitedWithCode(255), "Mangled config\\.");
}
