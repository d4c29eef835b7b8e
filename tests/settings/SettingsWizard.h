// The real main wizard on a simulated world of its own, for the settings
// pages: headsets put on the bus, recognised as the user would have them
// recognised, a settings page entered, SAVE pressed, and the headset read
// back afterwards.
#pragma once
#include <initializer_list>
#include <vector>
#include "tests/app/WizardHarness.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "recognition/DfuRecognition.h"
#include "recognition/PsKeys.h"
#include "standins/simdevices/SimDevices.h"

namespace settingstest {

class SettingsWizardTest : public WizardTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A HID headset of the model (its product id) answering with version;
    // two-chip models get their second interface too (second chip's version
    // version2). Returns the first interface; *second gets the other.
    sim::DeviceId AddHidHeadset(int model, std::vector<BYTE> version, sim::DeviceId* second = nullptr,
                                std::vector<BYTE> version2 = {});
    // A headset of the chip vendor's family showing the model as its USB
    // product id, with the firmware version byte (major x 10 + minor).
    sim::DeviceId AddDfuHeadset(int model, BYTE version);

    // Recognises the headset on the bus as the model and shows the page.
    void EnterPage(CUpdaterDlg& dlg, int model, int page);
    // ACTION ("SAVE") as the user presses it; returns when the wizard is
    // idle again (the headset recognised again after a success).
    void Save(CUpdaterDlg& dlg);
    bool ActionEnabled(CUpdaterDlg& dlg) { return ::IsWindowEnabled(Item(dlg, IDC_ACTION)) != FALSE; }
    static CString Status(CUpdaterDlg& dlg);

    // The words a HID device keeps in a block (empty when never written).
    static std::vector<WORD> Block(sim::DeviceId id, BYTE block);
    // The first 8 bytes of each report the device took with this command.
    static std::vector<std::vector<BYTE>> Reports(sim::DeviceId id, BYTE command);
    // The bytes of the last write of a key to a device (empty when none).
    static std::vector<BYTE> Written(sim::DeviceId id, WORD key);
    static std::vector<WORD> WrittenKeys(sim::DeviceId id);
    static std::vector<BYTE> LittleEndian(std::initializer_list<WORD> words);

private:
    unsigned m_clockSpeed = 1;
};

}  // namespace settingstest
