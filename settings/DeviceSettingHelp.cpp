// The help boxes of the DEVICE SETTING page's classic rows and its note box.
#include "settings/DialogDeviceSetting.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelCatalog.h"
#include "recognition/DialogDeviceRecognition.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

// What fills a help text's placeholders.
enum HelpArgument { kNothing, kModelName, kQuietSphereName, kSoundWeaveName, kFmRadioName, kAudioBoostName };

struct HelpBox {
    int id;
    void (*getter)(CString&, int);
    HelpArgument first, second;
    int width, height;
    int japaneseWidth, japaneseHeight;  // 0: the same as the others
};

const HelpBox kHelpBoxes[] = {
    {IDC_DS_EDR_HELP, &GetTextHelpEdr, kNothing, kNothing, 510, 200, 0, 0},
    {IDC_DS_PLC_HELP, &GetTextHelpPlc, kNothing, kNothing, 510, 260, 0, 0},
    {IDC_DS_A2DP_HELP, &GetTextHelpHighQualityA2dp, kNothing, kNothing, 520, 160, 0, 0},
    {IDC_DS_MIC_HELP, &GetTextHelpMicrophoneBoosting, kNothing, kNothing, 510, 210, 550, 250},
    {IDC_DS_SIDETONE_HELP, &GetTextHelpSidetone, kNothing, kNothing, 520, 160, 0, 0},
    {IDC_DS_QUIET_HELP, &GetTextHelpQuietSphere, kQuietSphereName, kNothing, 520, 160, 0, 0},
    {IDC_DS_AGC_HELP, &GetTextHelpAutoGainControl, kNothing, kNothing, 510, 260, 0, 0},
    {IDC_DS_MOTION_HELP, &GetTextHelpMotionSensorSensitivity, kModelName, kNothing, 520, 170, 0, 0},
    {IDC_DS_WEAVE_HELP, &GetTextHelpSoundWeave, kSoundWeaveName, kFmRadioName, 520, 260, 0, 0},
    {IDC_DS_OVERLAY_HELP, &GetTextHelpOverlaySensitivity, kSoundWeaveName, kNothing, 520, 240, 0, 0},
    {IDC_DS_NAVI_HELP, &GetTextHelpNavigationAppSupport, kSoundWeaveName, kSoundWeaveName, 520, 190, 0, 0},
    {IDC_DS_GAIN_HELP, &GetTextHelpRadioTransmitGain, kModelName, kModelName, 510, 220, 0, 0},
    {IDC_DS_TIMEOUT_HELP, &GetTextHelpAudioChannelTimeout, kModelName, kModelName, 510, 220, 0, 0},
    {IDC_DS_BOOST_HELP, &GetTextHelpAudioBoost, kAudioBoostName, kNothing, 520, 150, 0, 0},
};

CString Argument(HelpArgument kind, int model, int language) {
    int slot = texts::LanguageSlot(language);
    switch (kind) {
    case kModelName: {
        CString name;
        GetModelName(name, model, FALSE);
        return name;
    }
    case kQuietSphereName: return g_txtQuietSphere[slot][0];
    case kSoundWeaveName: return g_txtSoundWeave[slot][0];
    case kFmRadioName: return g_txtFmRadio[slot][0];
    case kAudioBoostName: return g_txtAudioBoost[slot][0];
    default: return CString();
    }
}

}  // namespace

void CDialogDeviceSetting::OnHelpClicked(UINT id) {
    CUpdaterDlg* main = MainDialog();
    for (const HelpBox& help : kHelpBoxes) {
        if (help.id != (int)id) continue;
        int language = main->m_nLanguage;
        CString format, text, ok;
        help.getter(format, language);
        CString a = Argument(help.first, main->m_nTargetModel, language);
        CString b = Argument(help.second, main->m_nTargetModel, language);
        text.Format(format, (const wchar_t*)a, (const wchar_t*)b);
        GetTextOk(ok, language);
        bool japanese = language == texts::kJapanese && help.japaneseWidth;
        CSize size(japanese ? help.japaneseWidth : help.width, japanese ? help.japaneseHeight : help.height);
        CDialogMessageBox box(main);
        if (id == IDC_DS_EDR_HELP) {
            // The mail button is a button of its own: Esc or closing the box
            // never writes a mail.
            CString mail;
            GetTextSendEmail(mail, language);
            box.SetupEx(text, 0, mail, nullptr, ok, &size, FALSE);
            box.SetLinkTarget(CString(L"mailto:") + kSupportMailAddress);
        } else {
            box.Setup(text, 0, nullptr, ok, &size);
        }
        box.DoModal();
        return;
    }
}

void CDialogDeviceSetting::OnBnClickedNote() {
    if (Locked()) return;
    CUpdaterDlg* main = MainDialog();
    CString title, note, text, ok;
    GetTextPageTitle(title, main->m_nPage, main->m_nLanguage);
    GetDlgItemText(IDC_DS_RESTART_NOTE, note);
    text.Format(L"[%s]\n%s", (const wchar_t*)title, (const wchar_t*)note);
    GetTextOk(ok, main->m_nLanguage);
    CSize size(510, 160);
    CDialogMessageBox box(main);
    box.Setup(text, 0, nullptr, ok, &size);
    box.DoModal();
}
