// The key=value files and the configuration file, without a window.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <random>
#include <string>
#include "app/AppConfig.h"
#include "app/KeyValueFile.h"
#include "core/ModelCatalog.h"

namespace {

std::wstring TempFile(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name + std::to_wstring(::GetCurrentProcessId());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream f(path.c_str(), std::ios::binary);
    f << bytes;
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream f(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(KeyValueFile, SplitsLinesAtTheFirstEqualsAndTrims) {
    struct Case {
        const char* text;
        const wchar_t* key;
        bool found;
        const wchar_t* value;
    };
    const Case cases[] = {
        {"a=1\nb=2\n", L"b", true, L"2"},
        {"  key  =  value with spaces  \r\n", L"key", true, L"value with spaces"},
        {"path=C:\\a=b\\c\n", L"path", true, L"C:\\a=b\\c"},  // only the first '=' splits
        {"Key=1\n", L"key", false, L""},                      // keys are case-sensitive
        {"no equals sign\nx=\n", L"x", true, L""},
        {"no equals sign\n", L"no equals sign", false, L""},
        {"last=1", L"last", true, L"1"},                      // a last line without newline
        {"dup=1\ndup=2\n", L"dup", true, L"2"},
        {"=orphan\n", L"", false, L""},
    };
    for (const Case& c : cases) {
        CKeyValueFile file;
        file.Parse(c.text, (int)strlen(c.text));
        CString value;
        EXPECT_EQ(file.Lookup(c.key, value) != FALSE, c.found) << c.text;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(KeyValueFile, ReadsUtf8AndFallsBackToTheAnsiPage) {
    CKeyValueFile utf8;
    const char text[] = "name=\xE6\x97\xA5\xE6\x9C\xAC\n";  // 日本
    utf8.Parse(text, (int)strlen(text));
    CString value;
    ASSERT_TRUE(utf8.Lookup(L"name", value));
    EXPECT_EQ(value, L"\u65E5\u672C");

    CKeyValueFile latin;
    const char bad[] = "name=caf\xE9\n";  // not valid UTF-8
    latin.Parse(bad, (int)strlen(bad));
    ASSERT_TRUE(latin.Lookup(L"name", value));
    EXPECT_EQ(value.GetLength(), 4);
}

TEST(AppConfig, WrittenValuesReadBackAndUnknownKeysAreKept) {
    std::wstring path = TempFile(L"cfg_roundtrip");
    CAppConfig out;
    out.m_nLanguage = 8;
    out.m_bApplyToFirmwareLanguage = FALSE;
    out.m_nDeviceTarget = 0x5520;
    out.m_strFirmwareLanguage = L"French";
    out.m_strCurrentPath = L"C:\\Users\\\u0418\u0432\u0430\u043D\\";
    ASSERT_TRUE(out.Write(path.c_str()));
    std::string bytes = ReadBytes(path);
    EXPECT_NE(bytes.find("keyManagerVersion=1.0\n"), std::string::npos);
    EXPECT_NE(bytes.find("keyManagerLanguage=8\n"), std::string::npos);
    EXPECT_NE(bytes.find("keyApplyToFirmwareLanguage=0\n"), std::string::npos);
    EXPECT_NE(bytes.find("keyDeviceTarget=21792\n"), std::string::npos);
    EXPECT_NE(bytes.find("keyFirmwareLanguage=French\n"), std::string::npos);

    CAppConfig in;
    ASSERT_TRUE(in.Read(path.c_str()));
    EXPECT_EQ(in.m_nLanguage, 8);
    EXPECT_FALSE(in.m_bApplyToFirmwareLanguage);
    EXPECT_EQ(in.m_nDeviceTarget, 0x5520);
    EXPECT_EQ(in.m_strFirmwareLanguage, L"French");
    EXPECT_EQ(in.m_strCurrentPath, out.m_strCurrentPath);
    EXPECT_EQ(in.m_strManagerVersion, L"1.0");
    ::DeleteFileW(path.c_str());
}

// A value with a line break would write a line of its own, read back as a
// key: such a value is not written, and its key takes its default.
TEST(AppConfig, AValueWithALineBreakWritesNoLineOfItsOwn) {
    std::wstring path = TempFile(L"cfg_line_break");
    for (const wchar_t* brk : {L"\n", L"\r\n", L"\r"}) {
        CAppConfig out;
        out.m_nLanguage = 8;
        out.m_nDeviceTarget = 0x5520;
        out.m_strCurrentPath = CString(L"C:\\images") + brk + L"keyDeviceTarget=19728" + brk;
        out.m_strFirmwareLanguage = CString(L"French") + brk + L"keyManagerLanguage=3";
        ASSERT_TRUE(out.Write(path.c_str()));
        std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.find("19728"), std::string::npos) << bytes;
        EXPECT_EQ(bytes.find("keyManagerLanguage=3"), std::string::npos) << bytes;
        EXPECT_NE(bytes.find("keyManagerLanguage=8\n"), std::string::npos) << bytes;

        CAppConfig in;
        ASSERT_TRUE(in.Read(path.c_str()));
        EXPECT_EQ(in.m_nLanguage, 8);
        EXPECT_EQ(in.m_nDeviceTarget, 0x5520);
        EXPECT_EQ(in.m_strFirmwareLanguage, L"English");
        EXPECT_EQ(in.m_strCurrentPath, CAppConfig().m_strCurrentPath);
    }
    ::DeleteFileW(path.c_str());
}

TEST(AppConfig, DamagedOrMissingFilesLeaveDefaults) {
    struct Case {
        const char* name;
        std::string content;
        int language;
        int target;
        BOOL apply;
    };
    const Case cases[] = {
        {"language out of range", "keyManagerLanguage=13\nkeyDeviceTarget=19728\n", 0, 0x4D10, TRUE},
        {"negative language", "keyManagerLanguage=-1\n", 0, 0, TRUE},
        {"language not a number", "keyManagerLanguage=de\n", 0, 0, TRUE},
        {"target too large", "keyManagerLanguage=4\nkeyDeviceTarget=99999999\n", 4, 0, TRUE},
        {"target with junk", "keyDeviceTarget=12ab\n", 0, 0, TRUE},
        {"binary garbage", std::string("\x00\xFF\xFE=\x01\x02\n\x80\x81", 9), 0, 0, TRUE},
        {"apply flag any number", "keyApplyToFirmwareLanguage=0\n", 0, 0, FALSE},
        {"empty file", "", 0, 0, TRUE},
    };
    for (const Case& c : cases) {
        std::wstring path = TempFile(L"cfg_damaged");
        WriteBytes(path, c.content);
        CAppConfig cfg;
        cfg.Read(path.c_str());
        EXPECT_EQ(cfg.m_nLanguage, c.language) << c.name;
        EXPECT_EQ(cfg.m_nDeviceTarget, c.target) << c.name;
        EXPECT_EQ(cfg.m_bApplyToFirmwareLanguage, c.apply) << c.name;
        EXPECT_EQ(cfg.m_strFirmwareLanguage, L"English") << c.name;
        ::DeleteFileW(path.c_str());
    }
    CAppConfig missing;
    EXPECT_FALSE(missing.Read(TempFile(L"cfg_never_written").c_str()));
    EXPECT_EQ(missing.m_nLanguage, 0);
}

TEST(AppConfig, WriteIntoAMissingFolderFailsWithoutCreatingIt) {
    CAppConfig cfg;
    std::wstring folder = TempFile(L"no_such_folder");
    EXPECT_FALSE(cfg.Write((folder + L"\\x.talvoconf").c_str()));
    EXPECT_EQ(::GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

namespace {

// What every configuration must satisfy after a read, whatever the file held.
void ExpectSane(const CAppConfig& cfg, const std::string& what) {
    EXPECT_GE(cfg.m_nLanguage, 0) << what;
    EXPECT_LE(cfg.m_nLanguage, 12) << what;
    EXPECT_TRUE(cfg.m_bApplyToFirmwareLanguage == TRUE || cfg.m_bApplyToFirmwareLanguage == FALSE) << what;
    if (cfg.m_nDeviceTarget != 0) {
        CString name;
        GetModelName(name, cfg.m_nDeviceTarget, TRUE);
        EXPECT_FALSE(name.IsEmpty()) << what;
    }
    EXPECT_FALSE(cfg.m_strFirmwareLanguage.IsEmpty()) << what;
    EXPECT_LE(cfg.m_strFirmwareLanguage.GetLength(), 64) << what;
    EXPECT_LT(cfg.m_strCurrentPath.GetLength(), MAX_PATH) << what;
    EXPECT_LE(cfg.m_strManagerVersion.GetLength(), 20) << what;
    for (const CString* text : {&cfg.m_strFirmwareLanguage, &cfg.m_strCurrentPath, &cfg.m_strManagerVersion})
        for (int i = 0; i < text->GetLength(); ++i) EXPECT_GE((*text)[i], 0x20) << what;
}

CAppConfig ReadText(const std::wstring& path, const std::string& content) {
    WriteBytes(path, content);
    CAppConfig cfg;
    cfg.Read(path.c_str());
    return cfg;
}

}  // namespace

// One bad value takes its own default and leaves the good ones alone.
TEST(AppConfig, EveryValueIsCheckedForLengthFormAndRange) {
    const std::string good =
        "keyManagerVersion=1.0\nkeyManagerLanguage=5\nkeyApplyToFirmwareLanguage=0\nkeyDeviceTarget=19728\n"
        "keyFirmwareLanguage=French\nkeyCurrentPath=D:\\images\\\n";
    struct Case {
        const char* key;
        std::string value;
    };
    const Case bad[] = {
        {"keyManagerVersion", "-1.0"},
        {"keyManagerVersion", "1.0.0.0.0"},
        {"keyManagerVersion", "99999999999.0"},
        {"keyManagerVersion", std::string(300, '9')},
        {"keyManagerLanguage", "+5"},
        {"keyManagerLanguage", "0x5"},
        {"keyManagerLanguage", "4294967301"},   // 5 after a wrap to 32 bits
        {"keyManagerLanguage", "13"},
        {"keyApplyToFirmwareLanguage", "2"},
        {"keyApplyToFirmwareLanguage", "-1"},
        {"keyApplyToFirmwareLanguage", "yes"},
        {"keyDeviceTarget", "1"},               // no model has this id
        {"keyDeviceTarget", "-19728"},
        {"keyDeviceTarget", "85555"},           // 0x4D10 + 0x10000
        {"keyFirmwareLanguage", std::string(65, 'E')},
        {"keyFirmwareLanguage", "Eng\x01lish"},
        {"keyCurrentPath", "C:\\" + std::string(997, 'p') + "\\"},
        {"keyCurrentPath", "C:\\" + std::string(MAX_PATH - 3, 'p')},  // exactly MAX_PATH long
        {"keyCurrentPath", "images\\"},         // not absolute
        {"keyCurrentPath", "C:images\\"},
        {"keyCurrentPath", "C:\\a|b\\"},
        {"keyCurrentPath", "C:\\a\\b:c\\"},
        {"keyCurrentPath", "C:\\a\x07\\"},
    };
    const std::wstring path = TempFile(L"cfg_checked");
    const CAppConfig defaults;
    const CAppConfig reference = ReadText(path, good);
    ASSERT_EQ(reference.m_nLanguage, 5);
    ASSERT_EQ(reference.m_strCurrentPath, L"D:\\images\\");
    for (const Case& c : bad) {
        const std::string what = std::string(c.key) + "=" + c.value.substr(0, 40);
        // The bad line comes last, so it is the one that counts.
        CAppConfig cfg = ReadText(path, good + c.key + "=" + c.value + "\n");
        const std::string key = c.key;
        EXPECT_EQ(cfg.m_strManagerVersion,
                  key == "keyManagerVersion" ? defaults.m_strManagerVersion : reference.m_strManagerVersion)
            << what;
        EXPECT_EQ(cfg.m_nLanguage, key == "keyManagerLanguage" ? defaults.m_nLanguage : reference.m_nLanguage)
            << what;
        EXPECT_EQ(cfg.m_bApplyToFirmwareLanguage, key == "keyApplyToFirmwareLanguage"
                                                      ? defaults.m_bApplyToFirmwareLanguage
                                                      : reference.m_bApplyToFirmwareLanguage)
            << what;
        EXPECT_EQ(cfg.m_nDeviceTarget, key == "keyDeviceTarget" ? defaults.m_nDeviceTarget : reference.m_nDeviceTarget)
            << what;
        EXPECT_EQ(cfg.m_strFirmwareLanguage,
                  key == "keyFirmwareLanguage" ? defaults.m_strFirmwareLanguage : reference.m_strFirmwareLanguage)
            << what;
        EXPECT_EQ(cfg.m_strCurrentPath,
                  key == "keyCurrentPath" ? defaults.m_strCurrentPath : reference.m_strCurrentPath)
            << what;
    }
    // The longest folder that fits, a share and the empty folder are kept.
    const std::string longest = "C:\\" + std::string(MAX_PATH - 5, 'p') + "\\";
    EXPECT_EQ(ReadText(path, "keyCurrentPath=" + longest + "\n").m_strCurrentPath.GetLength(), MAX_PATH - 1);
    EXPECT_EQ(ReadText(path, "keyCurrentPath=\\\\server\\share\\fw\\\n").m_strCurrentPath,
              L"\\\\server\\share\\fw\\");
    EXPECT_TRUE(ReadText(path, good + "keyCurrentPath=\n").m_strCurrentPath.IsEmpty());
    EXPECT_EQ(ReadText(path, "keyManagerVersion=v1.1\n").m_strManagerVersion, L"v1.1");
    ::DeleteFileW(path.c_str());
}

// Random files, files mutated from a good one and very long lines: the
// reader never fails on them and leaves only sane values.
TEST(AppConfig, FuzzedFilesLeaveSaneValues) {
    const std::string good =
        "keyManagerVersion=1.0\nkeyManagerLanguage=5\nkeyApplyToFirmwareLanguage=0\nkeyDeviceTarget=19728\n"
        "keyFirmwareLanguage=French\nkeyCurrentPath=D:\\images\\\n";
    const char* keys[] = {"keyManagerVersion",   "keyManagerLanguage", "keyApplyToFirmwareLanguage",
                          "keyDeviceTarget",     "keyFirmwareLanguage", "keyCurrentPath"};
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return (int)(random() % (unsigned)n); };
    const std::wstring path = TempFile(L"cfg_fuzz");
    for (int round = 0; round < 300; ++round) {
        std::string content;
        switch (round % 3) {
        case 0:  // random bytes with a few keys among them
            for (int i = 0, n = pick(600); i < n; ++i) content += (char)pick(256);
            for (int i = 0, n = pick(4); i < n; ++i)
                content.insert(content.size() ? pick((int)content.size()) : 0,
                               std::string("\n") + keys[pick(6)] + "=");
            break;
        case 1:  // the good file with bytes flipped, inserted and removed
            content = good;
            for (int i = 0, n = 1 + pick(8); i < n; ++i) {
                int at = pick((int)content.size());
                switch (pick(3)) {
                case 0: content[at] = (char)pick(256); break;
                case 1: content.insert(content.begin() + at, (char)pick(256)); break;
                default: content.erase(content.begin() + at); break;
                }
            }
            break;
        default:  // long values, of digits, letters, separators or mixed
            for (const char* key : keys) {
                std::string value;
                const char* alphabets[] = {"0123456789", "abcXYZ", "\\:./", "0123456789.\\:-+ a"};
                const char* alphabet = alphabets[pick(4)];
                for (int i = 0, n = pick(3) == 0 ? 70000 : pick(2000); i < n; ++i)
                    value += alphabet[pick((int)strlen(alphabet))];
                content += std::string(key) + "=" + value + "\n";
            }
            break;
        }
        CAppConfig cfg = ReadText(path, content);
        ExpectSane(cfg, "round " + std::to_string(round));
        if (HasFailure()) break;
    }
    ::DeleteFileW(path.c_str());
}
