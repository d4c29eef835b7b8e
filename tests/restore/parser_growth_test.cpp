// The readers of the server's lists and of the settings archive take time in
// proportion to their text, whatever shape its lines have: four times the
// text takes about four times as long, never sixteen. Each size's run must
// end within a small factor of the previous size's time, so a reader that
// grows with the square of its text fails within seconds instead of
// keeping the test waiting for minutes.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include "restore/BackupTransfer.h"
#include "restore/SettingsArchive.h"
#include "update/FirmwareInfo.h"
#include "update/FirmwareList.h"

namespace {

const size_t kMegabyte = 1024 * 1024;
// Linear growth gives 4 from 1 MB to 4 MB; 8 leaves room for a busy
// machine, while the square (16) stays well outside.
const double kMaxGrowth = 8.0;
// A run is given up after this factor of the previous size's time (plus a
// tenth of a second for runs too short to measure well): a reader that
// grows with the square of its text is stopped at the first size it fails.
const double kGiveUpFactor = 12.0;

double Now() {
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

// The text of about bytes: line repeated, or one line without a line feed.
std::shared_ptr<std::string> Text(const std::function<std::string(size_t index)>& line, size_t bytes) {
    auto text = std::make_shared<std::string>();
    text->reserve(bytes + 256);
    for (size_t i = 0; text->size() < bytes; ++i) *text += line(i);
    return text;
}

// The seconds one read of text takes, or -1 when it has not ended after
// limit seconds (it is left to run on its own thread, which holds the text).
double TimedRead(const std::function<void(const std::string&)>& read, std::shared_ptr<std::string> text,
                 double limit) {
    auto ended = std::make_shared<std::atomic<bool>>(false);
    auto seconds = std::make_shared<std::atomic<double>>(0.0);
    std::thread worker([read, text, ended, seconds] {
        double start = Now();
        read(*text);
        *seconds = Now() - start;
        *ended = true;
    });
    const double start = Now();
    while (!*ended && Now() - start < limit) ::Sleep(1);
    if (!*ended) {
        worker.detach();
        return -1;
    }
    worker.join();
    return *seconds;
}

// Reads texts of 64 KB, 256 KB, 1 MB and 4 MB made of line, the best of
// three runs each; 4 MB must take less than kMaxGrowth times 1 MB.
void ExpectLinearGrowth(const char* what, const std::function<std::string(size_t)>& line,
                        const std::function<void(const std::string&)>& read) {
    SCOPED_TRACE(what);
    double previous = -1, oneMegabyte = -1;
    for (size_t bytes : {kMegabyte / 16, kMegabyte / 4, kMegabyte, 4 * kMegabyte}) {
        std::shared_ptr<std::string> text = Text(line, bytes);
        const double limit = previous < 0 ? 60.0 : previous * kGiveUpFactor + 0.1;
        double best = -1;
        for (int run = 0; run < 3; ++run) {
            double seconds = TimedRead(read, text, limit);
            ASSERT_GE(seconds, 0) << text->size() << " bytes took over " << limit << " s, " << previous
                                  << " s a quarter of it";
            best = best < 0 ? seconds : std::min(best, seconds);
        }
        if (bytes == kMegabyte) oneMegabyte = best;
        if (bytes == 4 * kMegabyte)
            EXPECT_LT(best, kMaxGrowth * oneMegabyte) << "1 MB: " << oneMegabyte << " s, 4 MB: " << best << " s";
        previous = best;
    }
}

std::string Numbered(const char* before, size_t i, const char* after) {
    return before + std::to_string(i) + after;
}

void ReadFirmware(const std::string& text) {
    FirmwareListQuery query;
    query.modelName = L"TKV40";
    query.firmwareLanguage = L"L7";
    CFirmwareInfo info;
    info.Reset(3);
    ApplyFirmwareList(ReadFirmwareList(text.c_str(), query), &info);
}

void ReadRevisions(const std::string& text) {
    BackupListQuery query;
    query.modelName = L"TKV40";
    query.modelId = 0x4D10;
    query.backup.m_nModelId = 0x4D10;
    query.backup.m_version.m_nMajor = 5;
    query.backup.m_version.m_nMinor = 0;
    query.firmwareLanguage = L"L7";
    ScanFetchedBackupList(text, query);
}

void ReadArchive(const std::string& text) {
    CDeviceRecord record;
    CArchivedKeys keys;
    ParseSettingsArchive(DecodeArchiveBytes(text), &record, &keys);
}

TEST(ParserGrowth, TheFirmwareListIsReadInLinearTime) {
    ExpectLinearGrowth("line feeds", [](size_t) { return std::string("\n"); }, ReadFirmware);
    ExpectLinearGrowth("other models", [](size_t i) { return Numbered("M", i, " : v1.2 : M.img\n"); }, ReadFirmware);
    // Every line a further voice prompt of the model.
    ExpectLinearGrowth("languages", [](size_t i) { return Numbered("TKV40 : v5.0 : L", i, " : f.img\n"); },
                       ReadFirmware);
    ExpectLinearGrowth("one line", [](size_t i) { return i ? std::string(4096, 'x') : "TKV40 : v5.0 : "; },
                       ReadFirmware);
}

TEST(ParserGrowth, TheRevisionsListIsReadInLinearTime) {
    ExpectLinearGrowth("line feeds", [](size_t) { return std::string("\n"); }, ReadRevisions);
    ExpectLinearGrowth("other models", [](size_t i) { return Numbered("M", i, " : v5.0 : M.img\n"); }, ReadRevisions);
    ExpectLinearGrowth("languages", [](size_t i) { return Numbered("TKV40 : v5.0 : L", i, " : f.img\n"); },
                       ReadRevisions);
    ExpectLinearGrowth("one line", [](size_t i) { return i ? std::string(4096, 'x') : "TKV40 : v5.0 : "; },
                       ReadRevisions);
}

TEST(ParserGrowth, TheSettingsArchiveIsReadInLinearTime) {
    ExpectLinearGrowth("line feeds", [](size_t) { return std::string("\r\n"); }, ReadArchive);
    ExpectLinearGrowth("settings", [](size_t i) { return Numbered("keySpeedDial01=", i, "\r\n"); }, ReadArchive);
    ExpectLinearGrowth("one line", [](size_t i) { return i ? std::string(4096, 'x') : "keyDeviceName="; },
                       ReadArchive);
}

}  // namespace
