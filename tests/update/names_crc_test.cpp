// CRC-16 of the update-mode transfer, the voice-prompt codes of file and
// language names, and the file-name version gate.
#include <gtest/gtest.h>
#include "update/Crc16.h"
#include "update/PackageFileName.h"
#include <cstring>

namespace {

TEST(Crc16, KnownVectorsAndContinuation) {
    const char* check = "123456789";
    EXPECT_EQ(0x31C3, Crc16Ccitt((const BYTE*)check, 9));  // CRC-16/XMODEM check value
    const BYTE a = 'A';
    EXPECT_EQ(0x58E5, Crc16Ccitt(&a, 1));
    EXPECT_EQ(0, Crc16Ccitt(nullptr, 0));
    EXPECT_EQ(0, Crc16Ccitt((const BYTE*)check, -1));
    EXPECT_EQ(0, Crc16CcittUpdate(0x1234, (const BYTE*)check, -5));
    EXPECT_EQ(0x1234, Crc16CcittUpdate(0x1234, (const BYTE*)check, 0));

    BYTE data[1000];
    for (int i = 0; i < 1000; ++i) data[i] = (BYTE)(i * 31 + 7);
    WORD whole = Crc16Ccitt(data, 1000);
    for (int split : {1, 58, 500, 999}) {
        WORD first = Crc16Ccitt(data, split);
        EXPECT_EQ(whole, Crc16CcittUpdate(first, data + split, 1000 - split)) << split;
    }
    // Continued chunk by chunk as the update-mode transfer does.
    WORD running = 0;
    for (int off = 0; off < 1000; off += 58) running = Crc16CcittUpdate(running, data + off, off + 58 <= 1000 ? 58 : 1000 - off);
    EXPECT_EQ(whole, running);
}

TEST(VoicePromptCodes, TwoLetterCodesAreRemappedForTheDevice) {
    const wchar_t* codes[] = {L"fr", L"de", L"it", L"jp", L"kr", L"es", L"dc", L"rs", L"cn", L"fn"};
    const int sent[] = {1, 4, 3, 6, 5, 2, 7, 8, 9, 10};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(i + 1, VoicePromptCodeFromTwoLetterCode(codes[i]));
        EXPECT_EQ(sent[i], RemapVoicePromptCode(VoicePromptCodeFromTwoLetterCode(codes[i])));
    }
    EXPECT_EQ(0, VoicePromptCodeFromTwoLetterCode(L"FR"));  // case-sensitive
    EXPECT_EQ(0, VoicePromptCodeFromTwoLetterCode(L"en"));
    EXPECT_EQ(0, RemapVoicePromptCode(0));
    EXPECT_EQ(0, RemapVoicePromptCode(11));
    EXPECT_EQ(0, RemapVoicePromptCode(-1));
}

TEST(VoicePromptCodes, StoredCodeOfALanguageNameDiffersFromTheSentOne) {
    EXPECT_EQ(9, VoicePromptCodeFromLanguageName(L"Japanese"));
    EXPECT_EQ(6, RemapVoicePromptCode(VoicePromptCodeFromTwoLetterCode(L"jp")));
    EXPECT_EQ(4, VoicePromptCodeFromLanguageName(L"German"));
    EXPECT_EQ(8, VoicePromptCodeFromLanguageName(L"Korean"));
    EXPECT_EQ(5, VoicePromptCodeFromLanguageName(L"Dutch"));
    EXPECT_EQ(0, VoicePromptCodeFromLanguageName(L"English"));
    EXPECT_EQ(0, VoicePromptCodeFromLanguageName(L"french"));
}

TEST(VoicePromptCodes, CodeComesFromTheFileNameAfterDashOrUnderscore) {
    auto sent = [](const wchar_t* path) {
        return RemapVoicePromptCode(VoicePromptCodeFromTwoLetterCode(PackageLanguageCode(path)));
    };
    EXPECT_EQ(1, sent(L"C:\\IMG\\SPX_v1.2-fr.img"));
    EXPECT_EQ(1, sent(L"C:\\IMG\\SPX_v1.2_fr.img"));
    EXPECT_EQ(4, sent(L"C:\\IMG\\SPX_v1.2-de.img"));
    EXPECT_EQ(0, sent(L"C:\\IMG\\SPX_v1.2.img"));       // "1.2" holds neither
    EXPECT_EQ(0, sent(L"C:\\IMG\\SPX-v1.20.img"));      // the dash is not in the last three
    EXPECT_EQ(L"fr", PackageLanguageCode(L"D:/x/pack-x_fr.img"));
    EXPECT_EQ(L"", PackageLanguageCode(L"pack_x-rs.IMG.img"));  // only lower-case "img" is stripped
    EXPECT_EQ(L"pack_x-rs.IMG", PackageNameStem(L"pack_x-rs.IMG.img"));
    EXPECT_EQ(L"", PackageLanguageCode(L""));
}

TEST(VersionGate, GatedTypesAndFileNameVersions) {
    EXPECT_TRUE(IsVersionGatedDeviceType(16));
    EXPECT_TRUE(IsVersionGatedDeviceType(27));
    EXPECT_FALSE(IsVersionGatedDeviceType(20));
    EXPECT_FALSE(IsVersionGatedDeviceType(0));

    EXPECT_FALSE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.7.4-fr.img"));
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.7.5-fr.img"));
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.8.0-fr.img"));
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v2.0-fr.img"));
    EXPECT_FALSE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.7.img"));   // third field 0
    EXPECT_FALSE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.7.4_de.img"));
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\pkgversion-fr.img"));  // no '.' after the last 'v'
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\package.img"));
    EXPECT_FALSE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_vx.y.img"));    // non-numbers count as 0
    EXPECT_TRUE(PackageNameVersionAllowed(L"C:\\IMG\\pkg_v1.10.0.img"));  // numbers, not text
}

}  // namespace
