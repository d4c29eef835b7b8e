#include <gtest/gtest.h>
#include <windows.h>
#include "core/FileLength.h"
#include "core/PsWords.h"
#include "core/SettingValues.h"
#include <cstdio>
#include <string>

namespace {

TEST(SettingValues, TransmitGainLevels) {
    const int cases[][2] = {{12, 0}, {15, 1}, {17, 2}, {13, 1}, {16, 1}, {0, 1}, {-12, 1}};
    for (const auto& c : cases) EXPECT_EQ(c[1], TransmitGainToLevelIndex(c[0])) << c[0];
}

TEST(SettingValues, FmFrequencyPerRegion) {
    struct Case { int region, f, expected; };
    const Case cases[] = {
        {0, 7600, 0}, {0, 7599, 1}, {0, 10800, 0}, {0, 10801, 1}, {0, 8755, 2},
        {1, 8750, 0}, {1, 8770, 0}, {1, 8760, 2}, {1, 10790, 0}, {1, 10800, 1}, {1, 7600, 1},
        {2, 8760, 0}, {2, 10800, 0},
        {3, 10790, 0}, {3, 8800, 2},
        {4, 8750, 0}, {4, 8751, 2},
        {5, 7600, 0}, {5, 9500, 0}, {5, 9510, 1}, {5, 8750, 0},
        {6, 8750, 1}, {-1, 8750, 1},  // no such region
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, CheckFmFrequency(c.region, c.f)) << c.region << " " << c.f;
}

TEST(PsWords, TextToWords) {
    WORD words[PS_TEXT_WORDS];
    EXPECT_EQ(6, StringToPsWords(L"+49", words));
    EXPECT_EQ(0x002B, words[0]);
    EXPECT_EQ(0x0034, words[1]);
    EXPECT_EQ(0x0039, words[2]);
    for (int i = 3; i < PS_TEXT_WORDS; ++i) EXPECT_EQ(0, words[i]);

    // Twenty characters fill every word; more are cut.
    EXPECT_EQ(40, StringToPsWords(words, L"0123456789012345678912345"));
    EXPECT_EQ(L'9', words[19]);
    EXPECT_EQ(0, StringToPsWords(L"", words));
    for (WORD w : words) EXPECT_EQ(0, w);
    EXPECT_EQ(2, StringToPsWords(L"\x20AC", words));  // a UTF-16 code unit as it is
    EXPECT_EQ(0x20AC, words[0]);
    EXPECT_EQ(0, StringToPsWords(nullptr, words));
}

TEST(PsWords, WordsToText) {
    WORD words[PS_TEXT_WORDS] = {0x3231, 0x0033, 0x0023};  // the high byte is dropped
    CString text;
    EXPECT_EQ(3, PsWordsToString(text, words));
    EXPECT_EQ(L"13#", text);

    WORD full[PS_TEXT_WORDS];
    for (int i = 0; i < PS_TEXT_WORDS; ++i) full[i] = (WORD)('0' + i % 10);
    EXPECT_EQ(20, PsWordsToString(&text, full));
    EXPECT_EQ(L"01234567890123456789", text);

    WORD stop[PS_TEXT_WORDS] = {'1', 0x0100, '2'};  // a zero low byte ends the text
    EXPECT_EQ(1, PsWordsToString(text, stop));
    EXPECT_EQ(L"1", text);

    // Round trip of a speed-dial number.
    WORD round[PS_TEXT_WORDS];
    StringToPsWords(L"*31#+0049", round);
    PsWordsToString(text, round);
    EXPECT_EQ(L"*31#+0049", text);
}

class FileLengthTest : public ::testing::Test {
protected:
    std::wstring Path(const wchar_t* name) {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        return std::wstring(dir) + name;
    }
    void Write(const std::wstring& path, size_t bytes) {
        FILE* f = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(nullptr, f);
        for (size_t i = 0; i < bytes; ++i) fputc((int)(i * 7), f);
        fclose(f);
    }
};

TEST_F(FileLengthTest, CountsEveryByte) {
    const size_t sizes[] = {0, 1, 1648, 4096, 4097, 100000};
    std::wstring path = Path(L"core_file_length.bin");
    for (size_t n : sizes) {
        Write(path, n);
        EXPECT_EQ((long)n, GetFileLength(path.c_str())) << n;
    }
    DeleteFileW(path.c_str());
    EXPECT_EQ(-1, GetFileLength(path.c_str()));
    EXPECT_EQ(-1, GetFileLength(L""));
    EXPECT_EQ(-1, GetFileLength(nullptr));
}

}  // namespace
