// The scan of the server's "Revisions" list.
#include <gtest/gtest.h>
#include "restore/BackupList.h"
#include <string>
#include "update/FirmwareList.h"

namespace {

BackupListQuery Query(const wchar_t* name, int model, int major, int minor) {
    BackupListQuery q;
    q.modelName = name;
    q.modelId = model;
    q.backup.m_nModelId = model;
    q.backup.m_version.m_nMajor = major;
    q.backup.m_version.m_nMinor = minor;
    q.firmwareLanguage = L"English";
    return q;
}

std::vector<CString> Languages(const BackupListResult& r) {
    std::vector<CString> out;
    for (const BackupImage& i : r.images) out.push_back(i.language);
    return out;
}

}  // namespace

TEST(BackupList, LinesAreSplitAtLineFeedsWithEmptyLinesDropped) {
    // Leading and doubled line feeds are passed over, a carriage return
    // before the feed is no part of the file name, and a last line without
    // a line feed is read whole.
    BackupListResult r = ScanBackupList(L"\n\n\n40N : v1.0 : a.img\r\n\n\n40N : v1.1 : b.img", Query(L"40N", 0x5520, 1, 1));
    EXPECT_TRUE(r.available);
    EXPECT_EQ(CString(L"b.img"), r.chosenFile);
    r = ScanBackupList(L"\n\n\n40N : v1.0 : a.img\r\n\n40N : v1.1 : b.img", Query(L"40N", 0x5520, 1, 0));
    EXPECT_TRUE(r.available);
    EXPECT_EQ(CString(L"a.img"), r.chosenFile);
    EXPECT_FALSE(ScanBackupList(L"\n", Query(L"40N", 0x5520, 1, 0)).entryFound);
    EXPECT_FALSE(ScanBackupList(L"", Query(L"40N", 0x5520, 1, 0)).entryFound);
}

TEST(BackupList, AThreeFieldLineOfTheArchivedVersionEndsTheScanWithoutLanguages) {
    BackupListResult r = ScanBackupList(
        L"40N : v1.0 : 40N-v1.0.img\r\n"
        L"40N : v1.1 : 40N-v1.1.img\r\n"
        L"40N : v1.2 : 40N-v1.2.img\r\n",
        Query(L"40N", 0x5520, 1, 1));
    EXPECT_TRUE(r.available);
    EXPECT_TRUE(r.entryFound);
    EXPECT_EQ(r.chosenFile, L"40N-v1.1.img");
    EXPECT_TRUE(r.images.empty());
    EXPECT_EQ(r.selected, -1);
    EXPECT_EQ(r.version[0], 1);
    EXPECT_EQ(r.version[1], 1);
}

TEST(BackupList, FourFieldLinesOfferOneImagePerLanguageUntilAnotherModelInterrupts) {
    BackupListResult r = ScanBackupList(
        L"\n\nTKV40 : v4.2 : English : TKV40-v4.2-en.img\n"
        L"TKV40:v4.2:French:TKV40-v4.2-fr.img\n"
        L"TKV40 : v4.2 : english : TKV40-v4.2-en-again.img\n"  // listed already (case ignored)
        L"TKV40 : v4.2 : German : TKV40-v4.2-de.img\n"
        L"ORTELA : v1.0 : English : ORTELA.img\n"
        L"TKV40 : v4.2 : Japanese : TKV40-v4.2-ja.img\n",
        Query(L"TKV40", 0x4D10, 4, 2));
    EXPECT_TRUE(r.available);
    EXPECT_EQ(Languages(r), (std::vector<CString>{L"English", L"French", L"German"}));
    EXPECT_EQ(r.images[0].file, L"TKV40-v4.2-en.img");
    EXPECT_EQ(r.selected, 0);
    EXPECT_EQ(r.chosenFile, L"TKV40-v4.2-en.img");
}

TEST(BackupList, TheLanguageChosenBeforeOrTheUiLanguageIsPreselected) {
    const wchar_t* list =
        L"TKV40 : v4.2 : English : en.img\n"
        L"TKV40 : v4.2 : French : fr.img\n"
        L"TKV40 : v4.2 : German : de.img\n";
    BackupListQuery q = Query(L"TKV40", 0x4D10, 4, 2);
    q.firmwareLanguage = L"FRENCH";
    BackupListResult r = ScanBackupList(list, q);
    EXPECT_EQ(r.selected, 1);
    EXPECT_EQ(r.chosenFile, L"fr.img");

    q.preferredLanguage = L"German";  // the voice prompt follows the UI language
    r = ScanBackupList(list, q);
    EXPECT_EQ(r.selected, 2);
    EXPECT_EQ(r.chosenFile, L"de.img");

    q.preferredLanguage = L"Polish";  // not offered: the earlier choice stays
    r = ScanBackupList(list, q);
    EXPECT_EQ(r.selected, 1);
}

TEST(BackupList, AThreeFieldLineAfterMatchingLanguagesEndsTheScanAndKeepsThem) {
    BackupListResult r = ScanBackupList(
        L"Q-TAL : v1.1 : English : en.img\n"
        L"Q-TAL : v1.1 : French : fr.img\n"
        L"Q-TAL : v1.1 : plain.img\n"
        L"Q-TAL : v1.1 : German : de.img\n",
        Query(L"Q-TAL", 0x2020, 1, 1));
    EXPECT_TRUE(r.available);
    EXPECT_EQ(Languages(r), (std::vector<CString>{L"English", L"French"}));
    EXPECT_EQ(r.chosenFile, L"en.img");
}

TEST(BackupList, NoMatchLeavesNothingAvailable) {
    struct Case {
        const char* name;
        const wchar_t* list;
    };
    const Case cases[] = {
        {"another version", L"40N : v1.0 : a.img\n40N : v1.0 : English : b.img\n"},
        {"names are case-sensitive", L"40n : v1.1 : a.img\n"},
        {"foreign lines only", L"# backup images\nhello\n40W : v1.1 : a.img\n::::\n"},
        {"empty", L""},
        {"only line feeds", L"\n\n\n"},
        {"version without a number", L"40N : v : a.img\n40N : vx.y : English : b.img\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BackupListResult r = ScanBackupList(c.list, Query(L"40N", 0x5520, 1, 1));
        EXPECT_FALSE(r.available);
        EXPECT_FALSE(r.entryFound);
        EXPECT_TRUE(r.images.empty());
    }
}

TEST(BackupList, ALineWhoseVersionDoesNotParseIsSkippedNotMatchedWithOldWords) {
    // The unparsable line must not reuse the words of the line before it.
    BackupListResult r = ScanBackupList(
        L"40N : v1.0 : old.img\n"
        L"40N : beta : broken.img\n"
        L"40N : v1.1 : good.img\n",
        Query(L"40N", 0x5520, 1, 0));
    EXPECT_TRUE(r.available);
    EXPECT_EQ(r.chosenFile, L"old.img");

    r = ScanBackupList(L"40N : v1.1 : English : en.img\n40N : v : French : fr.img\n40N : v1.1 : German : de.img\n",
                       Query(L"40N", 0x5520, 1, 1));
    EXPECT_EQ(Languages(r), (std::vector<CString>{L"English"}));  // the broken line ends the run
}

TEST(BackupList, ColonsBeyondTheThirdStayInTheFileNameAndALeadingColonDoesNotSplit) {
    BackupListResult r = ScanBackupList(L"40N : v1.1 : English : dir:file.img\n", Query(L"40N", 0x5520, 1, 1));
    ASSERT_EQ(r.images.size(), 1u);
    EXPECT_EQ(r.images[0].file, L"dir:file.img");
    EXPECT_FALSE(ScanBackupList(L":40N : v1.1 : a.img\n", Query(L"40N", 0x5520, 1, 1)).available);
}

TEST(BackupList, TheFourPartVersionModelComparesItsWholeVersion) {
    BackupListQuery q = Query(L"CAM", 0x3020, 2, 1);
    q.backup.m_version.m_nSecondaryVersionType = 3;
    q.backup.m_version.m_nSecondaryVersion = 4;
    // The list writes the secondary pair first: v3.4.2.1.
    BackupListResult r = ScanBackupList(
        L"CAM : v3.4.2.0 : English : wrong.img\n"
        L"CAM : v3.4.2.1 : English : right.img\n"
        L"CAM : v3.4.2.1 : French : right-fr.img\n",
        q);
    EXPECT_TRUE(r.available);
    EXPECT_EQ(Languages(r), (std::vector<CString>{L"English", L"French"}));
    EXPECT_EQ(r.images[0].file, L"right.img");
    EXPECT_EQ(r.version[0], 2);
    EXPECT_EQ(r.version[1], 1);
    EXPECT_EQ(r.version[2], 3);
    EXPECT_EQ(r.version[3], 4);
    // A two-part version is not a version of this model.
    EXPECT_FALSE(ScanBackupList(L"CAM : v2.1 : a.img\n", q).available);
    // Three fields: the record's major and minor against the list's last pair.
    EXPECT_TRUE(ScanBackupList(L"CAM : v9.9.2.1 : a.img\n", q).available);
}

TEST(BackupList, AtMostAHundredLanguagesAreOffered) {
    std::string text;
    for (int i = 0; i < 150; ++i) text += "40N : v1.1 : L" + std::to_string(i) + " : f" + std::to_string(i) + ".img\n";
    BackupListQuery q = Query(L"40N", 0x5520, 1, 1);
    q.firmwareLanguage = L"L99";
    BackupListResult r = ScanBackupList(CString(text.c_str()), q);
    EXPECT_TRUE(r.available);
    ASSERT_EQ(r.images.size(), (size_t)FIRMWARE_LIST_MAX_LANGUAGES);
    EXPECT_EQ(r.selected, 99);
    EXPECT_EQ(r.chosenFile, L"f99.img");
    q.firmwareLanguage = L"L120";
    r = ScanBackupList(CString(text.c_str()), q);
    EXPECT_EQ(r.selected, 0);
    EXPECT_EQ(r.chosenFile, L"f0.img");
}
