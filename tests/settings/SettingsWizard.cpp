#include "SettingsWizard.h"
#include "app/resource.h"
#include "core/ModelGroups.h"

namespace settingstest {

void SettingsWizardTest::SetUp() {
    WizardTest::SetUp();
    sim::Reset();
    sim::SetSpeed(100);
    m_clockSpeed = fw::Clock::GetSpeed();
    fw::Clock::SetSpeed(100);
    hw::SetApi(&hw::SimulatedApi());
}

void SettingsWizardTest::TearDown() {
    SetDfuAcceptedProductIds(nullptr, 0);
    hw::SetApi(nullptr);
    fw::Clock::SetSpeed(m_clockSpeed);
    sim::Reset();
    WizardTest::TearDown();
}

sim::DeviceId SettingsWizardTest::AddHidHeadset(int model, std::vector<BYTE> version, sim::DeviceId* second,
                                                std::vector<BYTE> version2) {
    version.resize(5, 0);
    sim::DeviceId first = sim::AddHidInterface(L"headset", sim::kMakerVendorId, (WORD)model);
    sim::SetHidVersion(first, version.data());
    if (model_groups::IsHidTwoChipModel(model)) {
        if (version2.empty()) version2 = version;
        version2.resize(5, 0);
        sim::DeviceId other = sim::AddHidInterface(L"headset chip 2", sim::kMakerVendorId, (WORD)model);
        sim::SetHidVersion(other, version2.data());
        if (second) *second = other;
    }
    if (model_groups::IsHidUpdateModeChipModel(model)) {
        // The second chip shows as its own device once asked to.
        sim::DeviceId chip = sim::AddHidInterface(L"update chip", sim::kMakerVendorId, sim::kUpdateModeProductId);
        sim::SetHidVersion(chip, version.data());
        sim::SetPresent(chip, false);
        sim::LinkHidUpdateMode(first, chip);
        if (second) *second = chip;
    }
    return first;
}

sim::DeviceId SettingsWizardTest::AddDfuHeadset(int model, BYTE version) {
    sim::DeviceId id = sim::AddDfuHeadset(L"headset", sim::kMakerVendorId, (WORD)model, (WORD)(model | 0x8000));
    sim::SetPsKeyWords(id, PSKEY_PRODUCT_ID, {(WORD)model});
    const BYTE fw[4] = {version, 0, 0, 0};
    sim::SetPsKey(id, PSKEY_FW_VERSION, fw, 4);
    sim::SetPsKeyText(id, PSKEY_DEVICE_NAME, "Headset");
    const int accepted[] = {model, model | 0x8000};
    SetDfuAcceptedProductIds(accepted, 2);
    return id;
}

void SettingsWizardTest::EnterPage(CUpdaterDlg& dlg, int model, int page) {
    ASSERT_TRUE(WaitIdle(dlg));
    dlg.m_nTargetModel = model;
    dlg.ShowRecognitionPage(TRUE, nullptr, 0);
    ASSERT_EQ(RECOGNITION_OK, dlg.m_recognitionPage.RecognizeDevice(nullptr, TRUE));
    ASSERT_TRUE(WaitIdle(dlg));
    ASSERT_EQ(model, dlg.m_nTargetModel);
    dlg.GoToPage(page);
    ASSERT_TRUE(WaitIdle(dlg));
    ASSERT_EQ(page, dlg.m_nPage);
}

void SettingsWizardTest::Save(CUpdaterDlg& dlg) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
    WaitIdle(dlg);
    fw::test::PumpFor(50);
}

CString SettingsWizardTest::Status(CUpdaterDlg& dlg) {
    CString text;
    dlg.GetStatusText(&text);
    return text;
}

std::vector<WORD> SettingsWizardTest::Block(sim::DeviceId id, BYTE block) {
    std::vector<WORD> words;
    sim::GetHidBlock(id, block, &words);
    return words;
}

std::vector<std::vector<BYTE>> SettingsWizardTest::Reports(sim::DeviceId id, BYTE command) {
    std::vector<std::vector<BYTE>> out;
    for (const auto& r : sim::HidCommandLog(id))
        if (r[1] == command) out.push_back(r);
    return out;
}

std::vector<BYTE> SettingsWizardTest::Written(sim::DeviceId id, WORD key) {
    std::vector<BYTE> value;
    for (const sim::PsWrite& w : sim::PsWriteLog())
        if (w.device == id && w.key == key) value = w.value;
    return value;
}

std::vector<WORD> SettingsWizardTest::WrittenKeys(sim::DeviceId id) {
    std::vector<WORD> keys;
    for (const sim::PsWrite& w : sim::PsWriteLog())
        if (w.device == id) keys.push_back(w.key);
    return keys;
}

std::vector<BYTE> SettingsWizardTest::LittleEndian(std::initializer_list<WORD> words) {
    std::vector<BYTE> bytes;
    for (WORD w : words) {
        bytes.push_back((BYTE)w);
        bytes.push_back((BYTE)(w >> 8));
    }
    return bytes;
}

}  // namespace settingstest
