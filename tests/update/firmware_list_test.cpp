// The server's firmware list, the firmware-info record that holds what it
// said, and the server file names the page accepts.
#include <gtest/gtest.h>
#include "app/AppPaths.h"
#include "update/FirmwareInfo.h"
#include "update/FirmwareList.h"

namespace {

std::string Narrow(const CString& s) { return std::string(WideToAnsi(s)); }

FirmwareListResult Parse(const char* text, const wchar_t* model, CFirmwareInfo& info, bool four = false,
                         const wchar_t* chosen = L"English") {
    FirmwareListQuery q;
    q.modelName = model;
    q.fourPartVersion = four;
    q.firmwareLanguage = chosen;
    info.Reset(3);
    // As the page does: read on the worker, put into the record on the UI thread.
    FirmwareListResult list = ReadFirmwareList(text, q);
    ApplyFirmwareList(list, &info);
    return list;
}

TEST(FirmwareListLine, SplitsFromTheLeftAndTrims) {
    struct Case { const wchar_t* line; int separators; std::vector<const wchar_t*> fields; };
    const Case cases[] = {
        {L"A : v1.2 : a.img", 2, {L"A", L"v1.2", L"a.img"}},
        {L"B:v2.0:English:b en.img\r", 3, {L"B", L"v2.0", L"English", L"b en.img"}},
        {L"B : 37", 1, {L"B", L"37"}},
        {L"just text", 0, {L"just text"}},
        // A fourth ':' stays in the file field.
        {L"C:v1:French:x:y", 3, {L"C", L"v1", L"French", L"x:y"}},
        // A ':' at the start of the remaining text is no separator.
        {L":A:v1:f", 0, {L":A:v1:f"}},
        {L"A::x", 1, {L"A", L":x"}},
    };
    for (const Case& c : cases) {
        FirmwareListLine f = SplitFirmwareListLine(c.line);
        SCOPED_TRACE(Narrow(c.line));
        EXPECT_EQ(c.separators, f.separators);
        ASSERT_EQ(c.fields.size(), f.fields.size());
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(Narrow(c.fields[i]), Narrow(f.fields[i]));
    }
}

TEST(FirmwareList, SingleEntryGivesVersionAndFileAndStopsAtTheNextSingleEntry) {
    CFirmwareInfo info;
    FirmwareListResult r = Parse("X : v9.9 : x.img\nA : v1.2 : a.img\r\nA : v7.0 : late.img\n", L"A", info);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(1, info.m_anVersion[0]);
    EXPECT_EQ(2, info.m_anVersion[1]);
    EXPECT_EQ("a.img", Narrow(info.m_strSelectedFile));
    EXPECT_EQ(0, info.m_nCount);
    EXPECT_EQ(-1, r.selection);
}

TEST(FirmwareList, LanguageEntriesNumberAndEndingRules) {
    struct Case {
        const char* name;
        const char* text;
        const wchar_t* chosen;
        int count, selection, usbStatus;  // usbStatus -1: not given
        const char* selectedFile;
    };
    const Case cases[] = {
        {"languages and a number", "B : v2.0 : English : b_en.img\nB : v2.0 : French : b_fr.img\nB : 37\n",
         L"English", 2, 0, 37, "b_en.img"},
        {"the chosen language is selected", "B:v2.0:English:b_en.img\nB:v2.0:French:b_fr.img\n", L"french", 2, 1,
         -1, "b_fr.img"},
        {"a known language again is ignored", "B:v2.0:English:b_en.img\nB:v2.0:english:dup.img\nB:v2.0:German:g.img",
         L"German", 2, 1, -1, "g.img"},
        {"another model's entry ends the parse", "B:v2:English:e.img\nC:v1:English:c.img\nB:v2:French:f.img\n",
         L"French", 1, 0, -1, "e.img"},
        {"a single entry after languages ends it", "B:v2:English:e.img\nB:v3:one.img\nB:v2:French:f.img\n",
         L"French", 1, 0, -1, "e.img"},
        {"a foreign line ends it after an entry", "B:v2:English:e.img\nrubbish\nB:v2:French:f.img\n", L"French",
         1, 0, -1, "e.img"},
        {"a foreign line before the entries is skipped", "rubbish\n\n\nB:v2:English:e.img\n", L"English", 1, 0,
         -1, "e.img"},
        {"a number of another model ends it", "B:v2:English:e.img\nC : 12\n", L"English", 1, 0, -1, "e.img"},
        {"a number before any entry is skipped", "B : 12\nB:v2:English:e.img\n", L"English", 1, 0, -1, "e.img"},
        {"a lone newline ends the list", "\nB:v2:English:e.img", L"English", 1, 0, -1, "e.img"},
        {"model names are case-sensitive", "b:v2:English:e.img\n", L"English", 0, -1, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFirmwareInfo info;
        FirmwareListResult r = Parse(c.text, L"B", info, false, c.chosen);
        EXPECT_EQ(c.count, info.m_nCount);
        EXPECT_EQ(c.selection, r.selection);
        EXPECT_EQ(c.usbStatus >= 0, r.usbStatusGiven);
        if (c.usbStatus >= 0) EXPECT_EQ(c.usbStatus, r.usbStatus);
        EXPECT_EQ(c.selectedFile, Narrow(info.m_strSelectedFile));
        if (c.count) EXPECT_EQ(2, info.m_anVersion[0]);
    }
}

TEST(FirmwareList, AtMostAHundredLanguagesAreOffered) {
    std::string list;
    for (int i = 0; i < 150; ++i) list += "B : v2.0 : L" + std::to_string(i) + " : f" + std::to_string(i) + ".img\n";
    list += "B : 7\n";
    CFirmwareInfo info;
    FirmwareListResult r = Parse(list.c_str(), L"B", info, false, L"L99");
    EXPECT_EQ(FIRMWARE_LIST_MAX_LANGUAGES, info.m_nCount);
    EXPECT_EQ(99, r.selection);
    EXPECT_EQ("f99.img", Narrow(info.m_strSelectedFile));
    EXPECT_EQ(7, r.usbStatus);  // the rest of the list is still read
    // A language past the hundredth is not offered, so not chosen either.
    r = Parse(list.c_str(), L"B", info, false, L"L120");
    EXPECT_EQ(0, r.selection);
    EXPECT_EQ("f0.img", Narrow(info.m_strSelectedFile));
}

TEST(FirmwareList, NothingForTheModelLeavesTheVersionUnknown) {
    CFirmwareInfo info;
    EXPECT_FALSE(Parse("A : v1.2 : a.img\n", L"Z", info).found);
    EXPECT_FALSE(Parse("", L"A", info).found);
    EXPECT_FALSE(Parse("A : v1.2 : a.img\n", L"", info).found);
    for (int w : info.m_anVersion) EXPECT_EQ(0, w);
}

TEST(FirmwareList, FourPartVersionOfTheCameraHeadset) {
    CFirmwareInfo info;
    Parse("KELTO : v1.2.3.4 : k.img\n", L"KELTO", info, true);
    EXPECT_EQ(3, info.m_anVersion[0]);
    EXPECT_EQ(4, info.m_anVersion[1]);
    EXPECT_EQ(1, info.m_anVersion[2]);
    EXPECT_EQ(2, info.m_anVersion[3]);
}

TEST(FirmwareList, PreselectionByEnglishName) {
    CFirmwareInfo info;
    Parse("B:v2:English:e.img\nB:v2:French:f.img\n", L"B", info);
    EXPECT_EQ(1, SelectFirmwareLanguage(&info, L"FRENCH"));
    EXPECT_EQ("f.img", Narrow(info.m_strSelectedFile));
    EXPECT_EQ(-1, SelectFirmwareLanguage(&info, L"Polish"));
    EXPECT_EQ("f.img", Narrow(info.m_strSelectedFile));
}

TEST(FirmwareInfoRecord, ArraysGrowAndResetKinds) {
    CFirmwareInfo info;
    EXPECT_EQ(20, info.m_nCapacity);
    for (int i = 0; i < 21; ++i) {
        CString f, l;
        f.Format(L"f%d.img", i);
        l.Format(L"Lang%d", i);
        info.AddPair(f, l);
    }
    EXPECT_EQ(40, info.m_nCapacity);
    EXPECT_EQ(21, info.m_nCount);
    EXPECT_EQ("f0.img", Narrow(info.m_astrFileNames[0]));
    EXPECT_EQ("Lang19", Narrow(info.m_astrLanguages[19]));
    EXPECT_EQ(20, info.FindLanguage(L"lang20"));
    EXPECT_EQ(-1, info.FindLanguage(L"Lang"));

    info.ParseVersion4(L"1.2.3.4");
    info.SetStatusText(5, L"waiting");
    info.m_nError = 2;
    info.Reset(4);
    EXPECT_EQ(3, info.m_anVersion[0]);  // kept by the restore page's reset
    EXPECT_EQ(0, info.m_nStep);
    EXPECT_EQ(1, info.m_bBackupAvailable);
    EXPECT_EQ(0, info.m_nCount);
    EXPECT_EQ(40, info.m_nCapacity);
    EXPECT_EQ(-10, info.m_nProgress);
    EXPECT_EQ(2, info.m_nError);  // not touched
    EXPECT_TRUE(info.PeekStatusText(5).IsEmpty());

    info.Reset(3);
    EXPECT_EQ(1, info.m_nStep);
    for (int w : info.m_anVersion) EXPECT_EQ(0, w);
    EXPECT_EQ(-1, info.FindLanguage(L"Lang0"));
}

TEST(FirmwareInfoRecord, StatusTextsAreTakenOnce) {
    CFirmwareInfo info;
    info.SetStatusTexts([](int l) { CString s; s.Format(L"text %d", l); return s; });
    CString out;
    EXPECT_TRUE(info.TakeStatusText(12, &out));
    EXPECT_EQ("text 12", Narrow(out));
    EXPECT_FALSE(info.TakeStatusText(12, &out));
    EXPECT_FALSE(info.TakeStatusText(13, &out));
    EXPECT_EQ("text 0", Narrow(info.PeekStatusText(0)));
}

TEST(ServerFileNames, OnlyPlainNamesAreAccepted) {
    const wchar_t* good[] = {L"Vela_Morn_T_v1.2.img", L"a b.img", L"x-1.0.IMG"};
    const wchar_t* bad[] = {L"", L".", L"..", L"../config.img", L"..\\x.img", L"sub/x.img", L"C:x.img",
                            L"\\\\server\\x.img", L"http://evil/x.img", L"x.img\r", L"a..b.img",
                            L"x.img.", L" x.img", L"x?.img", L"%2e%2e.img"};
    for (const wchar_t* n : good) EXPECT_TRUE(IsPlainServerFileName(n)) << Narrow(n);
    for (const wchar_t* n : bad) EXPECT_FALSE(IsPlainServerFileName(n)) << Narrow(n);
}

TEST(ServerFileNames, DeviceNamesAreRefusedWithOrWithoutExtensionInAnyCase) {
    const wchar_t* devices[] = {L"NUL.img", L"CON", L"COM1.img", L"aux", L"LPT1", L"prn.IMG", L"Com9.img",
                                L"nul .img", L"LPT\u00b9.img", L"com\u00b2", L"COM\u00b3.img", L"lpt\u00b2",
                                L"CONOUT$.img"};
    for (const wchar_t* n : devices) EXPECT_FALSE(IsPlainServerFileName(n)) << Narrow(n);
    for (const wchar_t* n : {L"NULL.img", L"COM10.img", L"CONSOLE.img", L"LPT.img", L"COM\u2074.img", L"x.nul"})
        EXPECT_TRUE(IsPlainServerFileName(n)) << Narrow(n);
}

TEST(ServerFileNames, ANameMustFitInTheImageFolder) {
    // Under a short folder a long name fits; under a long one the same name
    // would pass the path limit and is refused.
    apppaths::SetImageFolderForTest(L"C:\\IMG\\");
    const CString name = CString(L'n', 190) + L".img";
    EXPECT_TRUE(IsPlainServerFileName(name));
    EXPECT_FALSE(IsPlainServerFileName(CString(L'n', 300) + L".img"));  // too long anywhere
    apppaths::SetImageFolderForTest(L"C:\\" + CString(L'f', 100) + L"\\IMG\\");
    EXPECT_FALSE(IsPlainServerFileName(name));
    EXPECT_TRUE(IsPlainServerFileName(CString(L'n', 140) + L".img"));
    apppaths::SetImageFolderForTest(CString());
}

}  // namespace
