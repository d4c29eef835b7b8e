// The key=value files and the configuration file, without a window.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <string>
#include "app/AppConfig.h"
#include "app/KeyValueFile.h"

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
