// The archive date under a zone with daylight-saving time (this executable
// runs with TZ set to central European rules, which Wine takes as the
// system's zone): every moment is written as its local time and reads back
// as itself, also the two moments of each local time in the hour the clocks
// are set back.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <iterator>
#include "RestoreTestFiles.h"
#include "restore/BackupInfo.h"
#include "restore/SettingsArchive.h"
#include "update/SettingsArchive.h"

TEST(ArchiveDate, EveryMomentReadsBackAsItselfAlsoWhenTheClocksGoBack) {
    TIME_ZONE_INFORMATION zone;
    ASSERT_TRUE(::GetTimeZoneInformationForYear(2026, nullptr, &zone));
    ASSERT_EQ(10, zone.StandardDate.wMonth) << "not run under a zone whose clocks go back in October";

    struct Case {
        const char* what;
        long long time;
        const char* local;
    } cases[] = {
        {"summer", 1782907200, "07/01/2026 14:00:00"},
        {"winter", 1768464000, "01/15/2026 09:00:00"},
        {"after the clocks went forward", 1774747800, "03/29/2026 03:30:00"},
        {"the repeated hour, first time", 1792888200, "10/25/2026 02:30:00"},
        {"the repeated hour, second time", 1792891800, "10/25/2026 02:30:00"},
        {"the last second of summer time", 1792889999, "10/25/2026 02:59:59"},
        {"the first second of standard time", 1792890000, "10/25/2026 02:00:00"},
    };
    RestoreTestFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CDeviceRecord written;
        written.m_nModelId = 0x5510;
        written.m_version.Set(2, 1, 0, 0, 0);
        ASSERT_TRUE(WriteSettingsArchiveFileAt(&written, 0x5510, folder.Folder(), c.time));
        EXPECT_EQ(c.time, written.m_timeArchived);
        const CString path = SettingsArchivePath(folder.Folder(), 0x5510);
        std::ifstream file(path.GetString(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_NE(std::string::npos, text.find(std::string("keyDateArchived=") + c.local + "\r\n")) << text;

        CDeviceRecord read;
        CArchivedKeys keys;
        ASSERT_EQ(ARCHIVE_USABLE, ReadSettingsArchiveFile(path, &read, &keys));
        EXPECT_EQ(c.time, read.m_timeArchived);
        EXPECT_EQ(CString(c.local), FormatBackupDate(read.m_timeArchived, 0));
    }
}
