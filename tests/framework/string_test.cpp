#include <gtest/gtest.h>
#include "framework/String.h"

TEST(CStringTest, FormatUsesWideStringsForPercentS) {
    CString s;
    s.Format(L"%s. %s[9][3]", L"Update failed", L"Cannot open file");
    EXPECT_EQ(s, L"Update failed. Cannot open file[9][3]");
    s.Format(L"%d%%", 42);
    EXPECT_EQ(s, L"42%");
}

TEST(CStringTest, FormatGrowsPastItsFirstBuffer) {
    CString big(L'x', 5000), s;
    s.Format(L"<%s>", big.GetString());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Right(2), L"x>");
}

TEST(CStringTest, EmbeddedNulsAndNonAsciiSurviveCopyAndCompare) {
    const wchar_t raw[] = {L'a', 0, L'\u00e9', L'\u65e5', 0};
    CString s(raw, 4);
    EXPECT_EQ(s.GetLength(), 4);
    CString copy = s;
    EXPECT_EQ(copy.GetAt(2), L'\u00e9');
    EXPECT_EQ(copy.GetAt(3), L'\u65e5');
    EXPECT_TRUE(copy == s);
    EXPECT_EQ(s.Find(L'\u65e5'), 3);
}

TEST(CStringTest, BufferReleaseStopsAtNul) {
    CString s;
    wchar_t* p = s.GetBuffer(10);
    wcscpy(p, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.GetLength(), 3);
}

TEST(CStringTest, SubstringsClampOutOfRangeArguments) {
    CString s(L"Firmware");
    EXPECT_EQ(s.Left(100), L"Firmware");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Mid(4), L"ware");
    EXPECT_EQ(s.Mid(20, 2), L"");
    EXPECT_EQ(s.Right(3), L"are");
    EXPECT_EQ(s.Right(50), L"Firmware");
}

TEST(CStringTest, TrimReplaceAndCase) {
    CString s(L"  key = value \r\n");
    s.Trim();
    EXPECT_EQ(s, L"key = value");
    EXPECT_EQ(s.Replace(L" ", L""), 2);
    EXPECT_EQ(s, L"key=value");
    CString u(L"\u00e9t\u00e9 vid_1a2b");
    u.MakeUpper();
    EXPECT_EQ(u, L"\u00c9T\u00c9 VID_1A2B");
}

TEST(CStringTest, TokenizeWalksEveryField) {
    CString s(L"1.2..3");
    int pos = 0;
    EXPECT_EQ(s.Tokenize(L".", pos), L"1");
    EXPECT_EQ(s.Tokenize(L".", pos), L"2");
    EXPECT_EQ(s.Tokenize(L".", pos), L"3");
    EXPECT_EQ(s.Tokenize(L".", pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(CStringTest, WideAndUtf8RoundTrip) {
    CString w(L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439 \u65e5\u672c\u8a9e");
    CStringA utf8 = WideToUtf8(w);
    EXPECT_EQ(Utf8ToWide(utf8), w);
}
