// The run command's device file: each device family it holds, connected
// alone as its comment says, is recognised by the real wizard.
#include "RecognitionWizard.h"
#include "core/ModelCatalog.h"
#include "tests/standins/SimTestSupport.h"
#include <sstream>

using namespace rectest;

namespace {

// The file with "present = 1" in the sections named and "present = 0" in
// every other section that has a present line.
std::string Connecting(const std::string& file, const std::vector<std::string>& names) {
    std::istringstream in(file);
    std::ostringstream out;
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') {
            size_t space = line.find(' '), end = line.find(']');
            section = space != std::string::npos && end != std::string::npos ? line.substr(space + 1, end - space - 1) : "";
        }
        if (line.compare(0, 9, "present =") == 0) {
            bool on = std::find(names.begin(), names.end(), section) != names.end();
            line = on ? "present = 1" : "present = 0";
        }
        out << line << "\n";
    }
    return out.str();
}

class DeviceFileTest : public RecognitionWizardTest {};

}  // namespace

TEST_F(DeviceFileTest, EachFamilyOfTheRunCommandsFileIsRecognisedAlone) {
    std::wstring source = L"Z:" MORVEX_SOURCE_DIR_W L"\\standins\\SimulatedDevices.ini";
    for (auto& c : source)
        if (c == L'/') c = L'\\';
    std::string file;
    ASSERT_TRUE(simtest::ReadText(source, &file));
    struct Family {
        std::vector<std::string> sections;
        int model;
        const wchar_t* name;  // nullptr: the model's own name
    };
    const Family families[] = {
        {{"Vela Morn T"}, 0x2110, L"Vela Morn T"},
        {{"40N"}, 0x5520, L"40N"},
        {{"40Z"}, 0x5510, L"40Z"},
        {{"Module A", "Module B", "Module bridge"}, 0x5345, nullptr},
        {{"70J"}, 0x3110, L"70J"},
        {{"P3"}, 0x6010, L"P3"},
        {{"Corvane", "Corvane second chip"}, 0x4310, nullptr},
        {{"G304N"}, 0x6020, L"G304N"},
        {{"Duo40 first chip", "Duo40 second chip"}, 0x5310, L"Duo40"},
        {{"DRW40 batch"}, 0x5060, L"DRW40"},
        {{"DRW40"}, 0x5060, L"DRW40"},
    };
    simtest::TempFolder folder;
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Family& f : families) {
            SCOPED_TRACE(f.sections[0]);
            std::wstring path = folder.File(L"SimulatedDevices.ini");
            ASSERT_TRUE(simtest::WriteText(path, Connecting(file, f.sections)));
            std::wstring error;
            ASSERT_TRUE(sim::LoadFile(path.c_str(), &error)) << std::string(error.begin(), error.end());
            sim::SetSpeed(100);
            dlg.CloseDeviceHandles();
            EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
            EXPECT_EQ(f.model, dlg.m_deviceRecord.m_nModelId);
            CString name;
            if (f.name) name = f.name;
            else GetModelName(name, f.model, FALSE);
            EXPECT_EQ(name, dlg.m_deviceRecord.m_strDeviceName);
            EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        }
        dlg.CloseDeviceHandles();
    });
}
