// The server's program-version list.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "app/AppPaths.h"
#include "app/SoftwareList.h"

TEST(SoftwareList, TakesTheFirstWellFormedEntryOfTheProgram) {
    const char text[] =
        "Other : v9.9 : x64/Other.exe : 10\n"
        "MorvexBluetoothDeviceManager : 1.5 : x64/NoLetter.exe\n"      // version without its letter
        "MorvexBluetoothDeviceManager : v1.x : x64/Bad.exe\n"           // not a number
        "MorvexBluetoothDeviceManager : v1.4 : ../escape.exe : 10\n"    // leaves the tree
        "MorvexBluetoothDeviceManager : v1.4 : x64/Size.exe : 12a\n"    // size not a number
        "MorvexBluetoothDeviceManager : v1.3 : x64/Setup_v1.3.exe : 4096\n"
        "MorvexBluetoothDeviceManager : v2.0 : x64/Later.exe\n";
    CSoftwareList list;
    list.Parse(text, (int)strlen(text));
    SoftwareEntry e;
    ASSERT_TRUE(list.Find(L"MorvexBluetoothDeviceManager", &e));
    EXPECT_EQ(e.major, 1);
    EXPECT_EQ(e.minor, 3);
    EXPECT_EQ(e.file, L"x64/Setup_v1.3.exe");
    EXPECT_EQ(e.FileName(), L"Setup_v1.3.exe");
    EXPECT_EQ(e.size, 4096);
    EXPECT_FALSE(list.Find(L"morvexbluetoothdevicemanager", &e));  // case-sensitive
}

TEST(SoftwareList, SizeIsOptionalAndPathsMustStayPlain) {
    struct Case {
        const char* line;
        bool accepted;
    };
    const Case cases[] = {
        {"P : v1.1 : x64/Setup.exe", true},
        {"P : v1.1 : Setup.exe : 77", true},
        {"P : v1.1 : /abs/Setup.exe", false},
        {"P : v1.1 : x64\\Setup.exe", false},
        {"P : v1.1 : x64//Setup.exe", false},
        {"P : v1.1 : x64/", false},
        {"P : v1.1", false},
        {"P : v1.1 : a.exe : 5 : extra", false},
        {"P : v1.1 : a.exe : 0", false},
        {"", false},
    };
    for (const Case& c : cases) {
        CSoftwareList list;
        list.Parse(c.line, (int)strlen(c.line));
        EXPECT_EQ(list.Find(L"P", nullptr) != FALSE, c.accepted) << c.line;
    }
}

TEST(SoftwareList, OnlyInstallersWithNamesWindowsTakesLiterally) {
    struct Case {
        const char* line;
        bool accepted;
    };
    const Case cases[] = {
        {"P : v1.1 : x64/Setup.exe", true},
        {"P : v1.1 : x64/Setup.MSI", true},
        {"P : v1.1 : x64/Setup 1.1.exe", true},
        // Anything else an installer is not: the program would open or
        // overwrite whatever it is.
        {"P : v1.1 : MorvexBluetoothDeviceManager.talvoconf", false},
        {"P : v1.1 : x64/Settings_4D10.bak", false},
        {"P : v1.1 : x64/readme.txt", false},
        {"P : v1.1 : x64/Setup.exe.lnk", false},
        {"P : v1.1 : x64/.exe", false},
        // Device names, with or without an extension, in any part.
        {"P : v1.1 : x64/COM1", false},
        {"P : v1.1 : x64/NUL.exe", false},
        {"P : v1.1 : x64/aux.msi", false},
        {"P : v1.1 : x64/Com9.exe", false},
        {"P : v1.1 : x64/lpt1 .exe", false},
        {"P : v1.1 : con/Setup.exe", false},
        {"P : v1.1 : x64/CONIN$.exe", false},
        // Trailing dots and spaces, and escapes the server would decode.
        {"P : v1.1 : x64/Setup.exe.", false},
        {"P : v1.1 : x64./Setup.exe", false},
        {"P : v1.1 : x64 /Setup.exe", false},
        {"P : v1.1 : %2e%2e/Setup.exe", false},
        {"P : v1.1 : x64/Setup%2eexe", false},
        {"P : v1.1 : x64/Setup.exe%00", false},
        // The superscript-digit ports Windows reserves as well.
        {"P : v1.1 : x64/COM\xc2\xb9.exe", false},
        {"P : v1.1 : x64/com\xc2\xb2.msi", false},
        {"P : v1.1 : x64/LPT\xc2\xb3.exe", false},
        {"P : v1.1 : lpt\xc2\xb9/Setup.exe", false},
        // Names the address would not take literally.
        {"P : v1.1 : x64/Setup#1.exe", false},
    };
    for (const Case& c : cases) {
        CSoftwareList list;
        list.Parse(c.line, (int)strlen(c.line));
        EXPECT_EQ(list.Find(L"P", nullptr) != FALSE, c.accepted) << c.line;
    }
    // The installer's name must fit in the image folder it is saved into.
    const std::string line = "P : v1.1 : x64/" + std::string(150, 's') + ".exe";
    CSoftwareList list;
    apppaths::SetImageFolderForTest(L"C:\\IMG\\");
    list.Parse(line.c_str(), (int)line.size());
    EXPECT_TRUE(list.Find(L"P", nullptr));
    apppaths::SetImageFolderForTest(L"C:\\" + CString(L'f', 100) + L"\\IMG\\");
    list.Parse(line.c_str(), (int)line.size());
    EXPECT_FALSE(list.Find(L"P", nullptr));
    apppaths::SetImageFolderForTest(CString());
    EXPECT_TRUE(IsDeviceFileName(L"nul"));
    EXPECT_FALSE(IsDeviceFileName(L"COM10.exe"));
    EXPECT_FALSE(IsDeviceFileName(L"nullable.exe"));
}
