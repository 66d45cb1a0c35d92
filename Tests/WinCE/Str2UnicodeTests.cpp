#include "WinCE/Str2Unicode.h"
#include "WinCE/Unicode2Str.h"

#include <gtest/gtest.h>

#include <string>

TEST(Str2Unicode, WidensTheCodePageAndBack)
{
    // Latin-1 letters, the euro sign at 0x80 and the quotes at 0x93/0x94.
    const char text[] = "Z\xFCrich \x80 5 \x93ok\x94";
    Str2Unicode wide(text);
    EXPECT_EQ(std::u16string(u"Z\u00FCrich \u20AC 5 \u201Cok\u201D"), std::u16string(wide.Get()));
    Unicode2Str narrow(wide);
    EXPECT_STREQ(text, narrow.Get());

    // Every byte survives the round trip.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(all, std::string(Unicode2Str(Str2Unicode(all.c_str())).Get()));
}

TEST(Str2Unicode, NullStaysNullAndUnknownCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(nullptr, Str2Unicode(nullptr).Get());
    EXPECT_EQ(nullptr, Unicode2Str(nullptr).Get());
    EXPECT_STREQ("", Unicode2Str(u"").Get());
    EXPECT_STREQ("Tokyo ??", Unicode2Str(u"Tokyo \u6771\u4EAC").Get());
}

TEST(Str2Unicode, DetachHandsTheBufferOver)
{
    char16_t* buffer = nullptr;
    {
        Str2Unicode wide("kept");
        buffer = wide.Detach();
    }
    EXPECT_EQ(std::u16string(u"kept"), std::u16string(buffer));
    delete[] buffer;
}

TEST(Utf8, ConvertsPathsBothWaysIncludingSurrogatePairs)
{
    const std::string path = "/home/pilot/D\xC3\xA4ten/\xE2\x82\xAC/\xF0\x9F\x9B\xAB.dat";
    const std::u16string wide = Utf8ToUtf16(path);
    EXPECT_EQ(std::u16string(u"/home/pilot/D\u00E4ten/\u20AC/\U0001F6EB.dat"), wide);
    EXPECT_EQ(path, Utf16ToUtf8(wide));
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters)
{
    // A lone continuation byte, a cut sequence, an overlong form, a surrogate.
    EXPECT_EQ(std::u16string(u"a\uFFFDb"), Utf8ToUtf16("a\x80" "b"));
    EXPECT_EQ(std::u16string(u"a\uFFFD"), Utf8ToUtf16("a\xE2\x82"));
    EXPECT_EQ(std::u16string(u"\uFFFD"), Utf8ToUtf16("\xC0\xAF"));
    EXPECT_EQ(std::u16string(u"\uFFFD"), Utf8ToUtf16("\xED\xA0\x80"));
    const char16_t lone[] = {u'x', 0xD800, u'y', 0};
    EXPECT_EQ("x\xEF\xBF\xBDy", Utf16ToUtf8(lone));
}
