// The recognition routine's HID branch on the real wizard: the model taken
// from the headset on the bus, names, versions of both chips, addresses,
// the hardware version, the update-mode chip, the load commands before the
// settings reads and where a saved record is written back.
#include "RecognitionWizard.h"
#include "core/HidChannel.h"
#include "core/HidProtocol.h"
#include "core/ModelCatalog.h"
#include "texts/WizardTexts.h"
#include <algorithm>
#include <functional>
#include <string>

using namespace rectest;

namespace {

class HidBranchTest : public RecognitionWizardTest {
protected:
    static sim::DeviceId AddHid(const wchar_t* name, WORD pid, std::initializer_list<BYTE> version,
                                std::initializer_list<BYTE> address = {0, 0, 0, 0, 0, 0}) {
        sim::DeviceId id = sim::AddHidInterface(name, sim::kMakerVendorId, pid);
        std::vector<BYTE> v(version), a(address);
        v.resize(5, 0);
        a.resize(6, 0);
        sim::SetHidVersion(id, v.data());
        sim::SetHidAddress(id, a.data());
        return id;
    }
    static CString DefaultName(int model) {
        CString name;
        GetModelName(name, model, FALSE);
        return name;
    }
    // Where in the device's request log the first request of command (and
    // block, when given) stands; -1 when it never came.
    static int FirstIndex(sim::DeviceId id, BYTE command, int block = -1) {
        auto log = HidRequests(id);
        for (size_t i = 0; i < log.size(); ++i)
            if (log[i].first == command && (block < 0 || log[i].second == block)) return (int)i;
        return -1;
    }
};

}  // namespace

TEST_F(HidBranchTest, AOneInterfaceHeadsetIsRecordedAsItsOwnModelAndKeepsItsHandleOpen) {
    sim::DeviceId dev = AddHid(L"40N", 0x5520, {1, 2, 2, 0, 0}, {0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13});
    sim::SetHidNameBlock(dev, "40N Smith");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // WELCOME leaves the default target; the headset on the bus decides.
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(0x5520, dlg.m_nTargetModel);
        EXPECT_EQ(0x5520, dlg.m_nUsbStatus);
        EXPECT_TRUE(dlg.m_bRecognized);
        const CDeviceRecord& r = dlg.m_deviceRecord;
        EXPECT_EQ(0x5520, r.m_nModelId);
        EXPECT_EQ(CString(L"40N Smith"), r.m_strDeviceName);
        EXPECT_EQ(1, r.m_version.m_nMajor);
        EXPECT_EQ(2, r.m_version.m_nMinor);
        EXPECT_EQ(2, r.m_version.m_nSecondaryVersionType);
        EXPECT_EQ(r.m_versionChip1, r.m_version);
        EXPECT_EQ(CString(L"001A7D[DA7113]"), r.m_strBdAddress);
        EXPECT_EQ(CString(L"001A7DDA7113"), r.m_strExtra);
        EXPECT_EQ(1, r.m_nManagerVersionMajor);
        EXPECT_EQ(1, r.m_nManagerVersionMinor);
        EXPECT_GT(dlg.m_nSettingPageCount, 0);
        // The pages that follow use the interface recognition opened.
        EXPECT_TRUE(dlg.m_hHidDevice.IsValid());
        EXPECT_FALSE(dlg.m_hHidDevice2.IsValid());
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(CString(L"Device recognized successfully. Ready for FIRMWARE UPDATE"), Status(dlg));
        EXPECT_EQ(0, dlg.m_recognitionPage.m_nPollTimerId);

        // A name reply holding only its first word is an empty name; a
        // failing name query gives the model's own name.
        sim::SetHidBlock(dev, HID_BLOCK_DEVICE_NAME, {0});
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(CString(), dlg.m_deviceRecord.m_strDeviceName);
        sim::SetHidCommandFails(dev, HID_CMD_READ_BLOCK, true);
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(DefaultName(0x5520), dlg.m_deviceRecord.m_strDeviceName);
    });
}

// A headset that cannot be read is not recognised with made-up defaults:
// one that cannot be opened, one that refuses its version, a two-chip one
// whose second chip is silent (within seconds of the program's clock), and
// one whose replies stay pending (within the channel's pending bound, once:
// not a minute a request).
TEST_F(HidBranchTest, AHeadsetThatDoesNotTellItsVersionIsNotRecognised) {
    struct Case {
        const char* name;
        WORD pid;
        std::function<void(sim::DeviceId first, sim::DeviceId second)> fault;
    };
    const Case cases[] = {
        {"cannot be opened", 0x5520, [](sim::DeviceId d, sim::DeviceId) { sim::SetHidOpenFails(d, true); }},
        {"version refused", 0x5520,
         [](sim::DeviceId d, sim::DeviceId) { sim::SetHidCommandFails(d, HID_CMD_GET_VERSION, true); }},
        {"second chip silent", 0x4310, [](sim::DeviceId, sim::DeviceId s) { sim::SetHidSilentAfterReports(s, 0); }},
        {"replies stay pending", 0x5520, [](sim::DeviceId d, sim::DeviceId) { sim::SetHidPendingForever(d, true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Reset();
        sim::SetSpeed(100);
        sim::DeviceId first = AddHid(L"first", c.pid, {3, 1});
        sim::DeviceId second = c.pid == 0x4310 ? AddHid(L"second", c.pid, {3, 1}) : 0;
        c.fault(first, second);
        CDeviceRecord saved;
        saved.m_nModelId = c.pid;
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            const DWORD start = fw::Clock::GetTickCount();
            EXPECT_EQ(RECOGNITION_NO_DEVICE, Recognize(dlg, TRUE, &saved));
            const bool pending = std::string(c.name) == "replies stay pending";
            EXPECT_LT(fw::Clock::GetTickCount() - start, (pending ? HID_PENDING_TIMEOUT_MS : 0) + 12000u);
            EXPECT_EQ(CString(L"Failed to recognize device. Cannot open USB"), Status(dlg));
            EXPECT_FALSE(dlg.m_bRecognized);
            EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
            EXPECT_FALSE(dlg.m_hHidDevice.IsValid());
            EXPECT_FALSE(dlg.m_hHidDevice2.IsValid());
            // The saved record is not written to a headset that cannot be read.
            for (const auto& r : HidRequests(first)) EXPECT_NE(HID_CMD_WRITE_BLOCK, r.first);
            // A headset that left one request unanswered is not asked again.
            if (pending) EXPECT_EQ(1u, HidRequests(first).size());
            EXPECT_FALSE(dlg.m_bBusy);
        });
    }
}

TEST_F(HidBranchTest, TwoChipHeadsetsTakeTheNameFromTheSecondChipAndTheOlderVersion) {
    sim::DeviceId first = AddHid(L"chip 1", 0x4310, {1, 3, 0, 5}, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66});
    sim::DeviceId second = AddHid(L"chip 2", 0x4310, {1, 1, 0, 9}, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF});
    sim::SetHidNameBlock(first, "wrong chip");
    sim::SetHidNameBlock(second, "Corvane");
    sim::SetHidBlock(first, HID_BLOCK_HARDWARE_VERSION, {0x0102, 0x0305});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(0x4310, dlg.m_nTargetModel);
        const CDeviceRecord& r = dlg.m_deviceRecord;
        EXPECT_EQ(CString(L"Corvane"), r.m_strDeviceName);
        EXPECT_EQ(3, r.m_versionChip1.m_nMinor);
        EXPECT_EQ(1, r.m_versionChip2.m_nMinor);
        // The device is as old as its older chip.
        EXPECT_EQ(r.m_versionChip2, r.m_version);
        EXPECT_EQ(CString(L"112233[445566] _ AABBCC[DDEEFF]"), r.m_strBdAddress);
        EXPECT_EQ(CString(L"112233445566"), r.m_strExtra);
        EXPECT_EQ(2, r.m_nHardwareVersionMajor);
        EXPECT_EQ(5, r.m_nHardwareVersionMinor);
        EXPECT_EQ(CString(L"   |   H/W v2.5"), r.m_strHardwareVersion);
        EXPECT_TRUE(dlg.m_hHidDevice.IsValid());
        EXPECT_TRUE(dlg.m_hHidDevice2.IsValid());

        // A newer second chip leaves the first chip's version; no hardware
        // version reply gives 1.0.
        BYTE newer[5] = {1, 4, 0, 0, 0};
        sim::SetHidVersion(second, newer);
        sim::SetHidCommandFails(first, HID_CMD_READ_BLOCK, true);
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(dlg.m_deviceRecord.m_versionChip1, dlg.m_deviceRecord.m_version);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_nHardwareVersionMajor);
        EXPECT_EQ(0, dlg.m_deviceRecord.m_nHardwareVersionMinor);
    });
}

TEST_F(HidBranchTest, TheUpdateModeChipIsAskedForAndReadOnTheProgramsClock) {
    sim::DeviceId dev = AddHid(L"70J", 0x3110, {1, 0, 0, 0}, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05});
    sim::DeviceId chip = AddHid(L"70J update mode", 0x3120, {1, 0, 2, 1}, {0x10, 0x11, 0x12, 0x13, 0x14, 0x15});
    sim::LinkHidUpdateMode(dev, chip);
    sim::SetHidNameBlock(dev, "70J");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        DWORD start = ::GetTickCount();
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        // 6 s and up to 20 x 1 s of device time; the test clock runs them fast.
        EXPECT_LT(::GetTickCount() - start, 5000u);
        const CDeviceRecord& r = dlg.m_deviceRecord;
        EXPECT_EQ(0x3110, r.m_nModelId);
        EXPECT_EQ(CString(L"70J"), r.m_strDeviceName);
        EXPECT_EQ(2, r.m_versionChip2.m_nSecondaryVersionType);
        EXPECT_EQ(1, r.m_versionChip2.m_nSecondaryVersion);
        EXPECT_EQ(r.m_versionChip1, r.m_version);  // only the two-chip models take the older chip
        EXPECT_EQ(CString(L"000102[030405] _ 101112[131415]"), r.m_strBdAddress);
        EXPECT_GE(FirstIndex(dev, HID_CMD_ENTER_UPDATE), 0);
        EXPECT_LT(FirstIndex(dev, HID_CMD_GET_VERSION), FirstIndex(dev, HID_CMD_ENTER_UPDATE));
    });
}

TEST_F(HidBranchTest, TheVehicleModuleIsNamedByItsModelAndReadOnBothInterfaces) {
    sim::DeviceId a = AddHid(L"Module A", 0x5346, {2, 3, 4, 0}, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06});
    sim::DeviceId b = AddHid(L"Module B", 0x5345, {2, 1, 7, 0}, {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        // Either interface's id means the module.
        EXPECT_EQ(0x5345, dlg.m_nTargetModel);
        EXPECT_EQ(0x5345, dlg.m_nUsbStatus);
        const CDeviceRecord& r = dlg.m_deviceRecord;
        EXPECT_EQ(DefaultName(0x5345), r.m_strDeviceName);
        EXPECT_EQ(2, r.m_versionChip1.m_nMajor);
        EXPECT_EQ(3, r.m_versionChip1.m_nMinor);
        EXPECT_EQ(2, r.m_versionChip1.m_nSecondaryVersionType);
        EXPECT_EQ(4, r.m_versionChip1.m_nSecondaryVersion);
        EXPECT_EQ(1, r.m_versionChip2.m_nMinor);
        EXPECT_EQ(r.m_versionChip2, r.m_version);
        EXPECT_EQ(CString(L"010203[040506] _ 0A0B0C[0D0E0F]"), r.m_strBdAddress);
        // Recognition's own version query follows command 0x30 on each interface.
        for (sim::DeviceId d : {a, b}) {
            auto log = HidRequests(d);
            auto last = [&](BYTE command) {
                for (size_t i = log.size(); i-- > 0;)
                    if (log[i].first == command) return (int)i;
                return -1;
            };
            EXPECT_GE(last(HID_CMD_MODULE_30), 0);
            EXPECT_EQ(last(HID_CMD_MODULE_30) + 1, last(HID_CMD_GET_VERSION));
        }
        EXPECT_TRUE(dlg.m_hHidDevice2.IsValid());
    });
}

TEST_F(HidBranchTest, LoadCommandsComeBeforeTheSettingsReadsOfTheModelsThatNeedThem) {
    struct Case {
        WORD pid;
        std::vector<BYTE> loaded;
    };
    const Case cases[] = {
        {0x6010, {0x04, 0x14}},
        {0x5410, {0x04, 0x14, 0x03}},
        {0x6020, {0x04, 0x12}},
        {0x5520, {}},
    };
    std::vector<sim::DeviceId> devices;
    for (const Case& c : cases) {
        devices.push_back(AddHid(L"headset", c.pid, {1, 0}));
        sim::SetPresent(devices.back(), false);
    }
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (size_t i = 0; i < devices.size(); ++i) {
            const Case& c = cases[i];
            sim::DeviceId dev = devices[i];
            sim::SetPresent(dev, true);
            EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
            dlg.CloseDeviceHandles();
            sim::SetPresent(dev, false);
            // The loads sent before the settings block is read.
            std::vector<BYTE> loaded;
            int settingsRead = FirstIndex(dev, HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
            ASSERT_GE(settingsRead, 0) << std::hex << c.pid;
            auto log = HidRequests(dev);
            for (int i = 0; i < settingsRead; ++i)
                if (log[i].first == HID_CMD_LOAD_BLOCK) loaded.push_back(log[i].second);
            EXPECT_EQ(c.loaded, loaded) << std::hex << c.pid;
        }
    });
}

TEST_F(HidBranchTest, TheBatchOfModel4210GetsItsDeviceTypeOnBothChips) {
    // LAP 334000 lies in the batch; 400000 does not.
    sim::DeviceId first = AddHid(L"chip 1", 0x4210, {1, 0}, {0x00, 0x1A, 0x7D, 0x33, 0x40, 0x00});
    sim::DeviceId second = AddHid(L"chip 2", 0x4210, {1, 0});
    sim::SetHidBlock(first, HID_BLOCK_DEVICE_TYPE, {0x0010});
    sim::SetHidBlock(second, HID_BLOCK_DEVICE_TYPE, {0x0010});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        std::vector<WORD> type;
        ASSERT_TRUE(sim::GetHidBlock(first, HID_BLOCK_DEVICE_TYPE, &type));
        EXPECT_EQ(std::vector<WORD>{0x000B}, type);
        ASSERT_TRUE(sim::GetHidBlock(second, HID_BLOCK_DEVICE_TYPE, &type));
        EXPECT_EQ(std::vector<WORD>{0x000B}, type);

        sim::SetHidBlock(first, HID_BLOCK_DEVICE_TYPE, {0x0010});
        sim::SetHidBlock(second, HID_BLOCK_DEVICE_TYPE, {0x0010});
        BYTE outside[6] = {0x00, 0x1A, 0x7D, 0x40, 0x00, 0x00};
        sim::SetHidAddress(first, outside);
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        ASSERT_TRUE(sim::GetHidBlock(first, HID_BLOCK_DEVICE_TYPE, &type));
        EXPECT_EQ(std::vector<WORD>{0x0010}, type);
    });
}

TEST_F(HidBranchTest, ASavedRecordIsWrittenBackBetweenTheVersionAndTheAddress) {
    sim::DeviceId dev = AddHid(L"40N", 0x5520, {1, 2}, {0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13});
    sim::SetHidBlock(dev, 0x04, {0x0000, 0x0000});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDeviceRecord saved;
        saved.m_nModelId = 0x5520;
        saved.m_version.Set(1, 2, 0, 0, 0);
        saved.m_bIntercomVox = 1;
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg, TRUE, &saved));
        int write = FirstIndex(dev, HID_CMD_WRITE_BLOCK, 0x04);
        ASSERT_GE(write, 0);
        EXPECT_LT(FirstIndex(dev, HID_CMD_GET_VERSION), write);
        EXPECT_LT(write, FirstIndex(dev, HID_CMD_GET_BD_ADDRESS));
        // The record read afterwards holds the written value.
        EXPECT_EQ(1, dlg.m_deviceRecord.m_bIntercomVox);
    });
}

// The device type behind the main dialog's picture is read by recognition,
// on the UI thread: a headset that stops answering at that very request
// costs seconds there, and ends recognition without a type or a record.
TEST_F(HidBranchTest, TheDeviceTypeOfASilentHeadsetIsGivenUpWithinSeconds) {
    // At a fifth of the usual speed: the real time a read given up costs
    // under Wine (tens of milliseconds) stays small in the clock's time.
    struct SlowerClock {
        const unsigned speed = fw::Clock::GetSpeed();
        SlowerClock() { fw::Clock::SetSpeed(20); }
        ~SlowerClock() { fw::Clock::SetSpeed(speed); }
    } slower;
    sim::DeviceId first = AddHid(L"60T", 0x4210, {1, 1});
    AddHid(L"60T second chip", 0x4210, {1, 1});
    sim::SetHidBlock(first, HID_BLOCK_DEVICE_TYPE, {16});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(16, dlg.m_nHidDeviceType);
        // Where the type is asked for in one recognition of this headset.
        auto log = HidRequests(first);
        int typeRead = -1;
        for (size_t i = 0; i < log.size(); ++i)
            if (log[i].first == HID_CMD_READ_BLOCK && log[i].second == HID_BLOCK_DEVICE_TYPE) typeRead = (int)i;
        ASSERT_GE(typeRead, 0);
        dlg.CloseDeviceHandles();

        const size_t before = log.size();
        sim::SetHidSilentAfterReports(first, typeRead);
        const DWORD start = fw::Clock::GetTickCount();
        EXPECT_NE(RECOGNITION_OK, Recognize(dlg));
        EXPECT_LT(fw::Clock::GetTickCount() - start, 8000u);
        log = HidRequests(first);
        ASSERT_GT(log.size(), before + typeRead);
        EXPECT_EQ(HID_CMD_READ_BLOCK, log[before + typeRead].first);
        EXPECT_EQ(HID_BLOCK_DEVICE_TYPE, log[before + typeRead].second);
        EXPECT_FALSE(dlg.m_bRecognized);
        EXPECT_EQ(0, dlg.m_nHidDeviceType);
        EXPECT_EQ(CString(L"Failed to recognize device. Cannot open USB"), Status(dlg));
    });
}

// A restore's record goes back only to the headset it was taken from, known
// by its first chip's address, which is read before anything is written:
// another headset of the model recognised in its place takes nothing, and
// the first one takes it when it is back, once.
TEST_F(HidBranchTest, ARestoresRecordGoesOnlyToTheHeadsetItWasTakenFrom) {
    for (WORD pid : {0x5520, 0x4310}) {
        SCOPED_TRACE(pid);
        sim::Reset();
        sim::SetSpeed(100);
        const bool twoChips = pid == 0x4310;
        auto add = [&](BYTE lap) {
            std::vector<sim::DeviceId> unit = {AddHid(L"chip 1", pid, {1, 2}, {0x00, 0x1A, 0x7D, lap, 0, 1})};
            if (twoChips) unit.push_back(AddHid(L"chip 2", pid, {1, 2}, {0x00, 0x1A, 0x7D, lap, 0, 2}));
            return unit;
        };
        auto present = [](const std::vector<sim::DeviceId>& unit, bool on) {
            for (sim::DeviceId id : unit) sim::SetPresent(id, on);
        };
        auto writes = [](const std::vector<sim::DeviceId>& unit) {
            size_t n = 0;
            for (sim::DeviceId id : unit)
                for (const auto& r : HidRequests(id)) n += r.first == HID_CMD_WRITE_BLOCK;
            return n;
        };
        const std::vector<sim::DeviceId> own = add(0x11), other = add(0x22);
        present(other, false);
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_EQ(RECOGNITION_OK, Recognize(dlg));
            // The record the restore page builds: the headset as read, with the archive's settings.
            CDeviceRecord restored = dlg.m_deviceRecord;
            restored.m_bIntercomVox = 1;
            restored.m_anSettingWord[0] = 0x1234;

            present(own, false);
            present(other, true);
            dlg.ShowRecognitionPage(FALSE, &restored, PAGE_FIRMWARE_RESTORE);
            EXPECT_EQ(0u, writes(other));
            EXPECT_EQ(CString(L"Failed to save device setting. Could not write to the device"), Status(dlg));
            EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
            EXPECT_EQ(0u, writes(other));
            EXPECT_EQ(CString(L"Device recognized successfully. Ready for FIRMWARE UPDATE"), Status(dlg));

            present(other, false);
            present(own, true);
            const size_t before = writes(own);
            EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
            EXPECT_GT(writes(own), before);
            EXPECT_EQ(CString(L"Device recognized successfully. Ready for FIRMWARE UPDATE"), Status(dlg));
            const size_t written = writes(own);
            EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
            EXPECT_EQ(written, writes(own));
        });
    }
}
