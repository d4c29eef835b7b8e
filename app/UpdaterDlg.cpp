// The main wizard dialog: construction, start-up, the configuration file,
// painting, the busy cursor, message pre-translation and the end.
#include "app/UpdaterDlg.h"
#include "app/AppPaths.h"
#include "app/AppVersion.h"
#include "app/DialogKeys.h"
#include "app/DpiScale.h"
#include "app/ProgramBox.h"
#include "app/Theme.h"
#include "app/resource.h"
#include <clocale>

CUpdaterDlg* g_pMainDialog = nullptr;

CUpdaterDlg* GetMainDialog(CWnd* page) {
    if (page) {
        if (CWnd* frame = page->GetParent()) {
            if (CWnd* main = CWnd::FromHandlePermanent(::GetParent(frame->m_hWnd)))
                if (CUpdaterDlg* dlg = dynamic_cast<CUpdaterDlg*>(main)) return dlg;
        }
    }
    return g_pMainDialog;
}

BEGIN_MESSAGE_MAP(CUpdaterDlg, CDialog)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
    ON_WM_CONTEXTMENU()
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(IDC_STEP_WELCOME, &CUpdaterDlg::OnStepWelcome)
    ON_BN_CLICKED(IDC_STEP_RECOGNITION, &CUpdaterDlg::OnStepRecognition)
    ON_BN_CLICKED(IDC_STEP_UPDATE, &CUpdaterDlg::OnStepUpdate)
    ON_BN_CLICKED(IDC_STEP_RESTORE, &CUpdaterDlg::OnStepRestore)
    ON_BN_CLICKED(IDC_STEP_SETTING, &CUpdaterDlg::OnStepSetting)
    ON_BN_CLICKED(IDC_GROUP_BASIC, &CUpdaterDlg::OnBnClickedBasicGroup)
    ON_BN_CLICKED(IDC_GROUP_LIST, &CUpdaterDlg::OnBnClickedGroupList)
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, &CUpdaterDlg::OnLbnSelchangeGroupList)
    ON_CONTROL(LBN_KILLFOCUS, IDC_PAGE_LIST, &CUpdaterDlg::OnLbnKillfocusGroupList)
    ON_BN_CLICKED(IDC_BACK, &CUpdaterDlg::OnBnClickedBack)
    ON_BN_CLICKED(IDC_ACTION, &CUpdaterDlg::OnBnClickedAction)
    ON_BN_CLICKED(IDC_NEXT, &CUpdaterDlg::OnBnClickedNext)
    ON_COMMAND(ID_MENU_LANGUAGE, &CUpdaterDlg::OnMenuLanguage)
    ON_COMMAND(ID_MENU_HELP, &CUpdaterDlg::OnMenuHelp)
    ON_COMMAND(ID_MENU_DIAGNOSTIC_LOG, &CUpdaterDlg::OnMenuDiagnosticLog)
    ON_COMMAND(ID_MENU_ABOUT, &CUpdaterDlg::OnMenuAbout)
    ON_COMMAND(ID_MENU_EXIT, &CUpdaterDlg::OnMenuExit)
END_MESSAGE_MAP()

CUpdaterDlg::CUpdaterDlg(CWnd* parent)
    : CDialog(IDD_UPDATER_DIALOG, parent),
      m_selectionPage(&m_pageFrame),
      m_recognitionPage(&m_pageFrame),
      m_updatePage(&m_pageFrame),
      m_restorePage(&m_pageFrame),
      m_settingPage(&m_pageFrame),
      m_settingSecondPage(&m_pageFrame),
      m_speedDialPage(&m_pageFrame) {
    m_brushBackground.CreateSolidBrush(theme::kBackground);
    m_btnGroupBasic.m_nKind = CWizardButton::kGroup;
    m_btnGroupList.m_nKind = CWizardButton::kGroup;
    m_btnBack.m_nKind = CWizardButton::kNavigation;
    m_btnAction.m_nKind = CWizardButton::kPrimary;
    m_btnNext.m_nKind = CWizardButton::kNavigation;
}

CUpdaterDlg::~CUpdaterDlg() {
    if (g_pMainDialog == this) g_pMainDialog = nullptr;
}

void CUpdaterDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STEP_WELCOME, m_btnStep[0]);
    DDX_Control(pDX, IDC_STEP_RECOGNITION, m_btnStep[1]);
    DDX_Control(pDX, IDC_STEP_UPDATE, m_btnStep[2]);
    DDX_Control(pDX, IDC_STEP_RESTORE, m_btnStep[3]);
    DDX_Control(pDX, IDC_STEP_SETTING, m_btnStep[4]);
    DDX_Control(pDX, IDC_GROUP_BASIC, m_btnGroupBasic);
    DDX_Control(pDX, IDC_GROUP_LIST, m_btnGroupList);
    DDX_Control(pDX, IDC_PAGE_LIST, m_listGroups);
    DDX_Control(pDX, IDC_BACK, m_btnBack);
    DDX_Control(pDX, IDC_ACTION, m_btnAction);
    DDX_Control(pDX, IDC_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_STATUS_TEXT, m_staticStatus);
    DDX_Control(pDX, IDC_PAGE_TITLE, m_staticTitle);
    DDX_Control(pDX, IDC_DEVICE_PICTURE, m_staticDevice);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
}

BOOL CUpdaterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    g_pMainDialog = this;
    // The settings archive's 8-bit text follows the system's locale.
    setlocale(LC_ALL, "");

    m_hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (m_hIcon) {
        SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
        SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    }
    m_bmpBanner.LoadBitmap(IDB_BANNER);
    LOGFONTW lf{};
    ::GetObjectW(GetFont(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);

    m_staticStatus.SetTextColor(theme::kStatusText);
    m_staticStatus.SetBold(TRUE);
    m_staticTitle.SetTextColor(theme::kTitleText);
    m_staticTitle.SetBold(TRUE);
    m_staticTitle.SetLargeFont(120);
    m_listGroups.SetFont(&m_fontBold);
    m_progress.SetRange(0, 100);

    CreatePages();
    FitPageColumnToPicture();
    // NEXT is the button that Enter presses when the focus is on no button.
    SendMessage(DM_SETDEFID, IDC_NEXT);
    LoadConfig();
    UpdateControls();
    // The first tick shows the WELCOME page.
    SetTimer(kTimerStart, 100);
    return TRUE;
}

void CUpdaterDlg::CreatePages() {
    CWnd* placeholder = GetDlgItem(IDC_PAGE_FRAME);
    RECT r = {0, 0, 0, 0};
    if (placeholder) {
        placeholder->GetWindowRect(&r);
        ScreenToClient(&r);
    }
    m_pageFrame.Create(this, r, IDC_PAGE_FRAME + 1000);
    // In Tab order where the placeholder stands: after the step and group
    // buttons, before the status line and BACK / ACTION / NEXT.
    if (placeholder) m_pageFrame.SetWindowPos(placeholder->m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_selectionPage.Create(IDD_DEVICE_SELECTION, &m_pageFrame);
    m_recognitionPage.Create(IDD_DEVICE_RECOGNITION, &m_pageFrame);
    m_updatePage.Create(IDD_FIRMWARE_UPDATE, &m_pageFrame);
    m_restorePage.Create(IDD_FIRMWARE_RESTORE, &m_pageFrame);
    m_settingPage.Create(IDD_DEVICE_SETTING, &m_pageFrame);
    m_settingSecondPage.Create(IDD_DEVICE_SETTING_SECOND, &m_pageFrame);
    m_speedDialPage.Create(IDD_DEVICE_SETTING_SPEEDDIAL, &m_pageFrame);
    for (int page = PAGE_WELCOME; page <= PAGE_SPEED_DIAL; ++page)
        if (CDialog* d = PageWindow(page)) d->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    // The group list opens above everything else.
    m_listGroups.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CUpdaterDlg::FitPageColumnToPicture() {
    CWnd* picture = m_selectionPage.GetDlgItem(IDC_SELECTION_PICTURE);
    if (!picture) return;
    RECT pic, next, frame;
    picture->GetWindowRect(&pic);
    m_btnNext.GetWindowRect(&next);
    m_pageFrame.GetWindowRect(&frame);
    int dx = pic.right - next.right;
    int dy = pic.bottom - frame.bottom;
    if (dy < 0) dy = 0;
    if (dx == 0 && dy == 0) {
        FitPagesToFrame();
        return;
    }
    auto place = [&](CWnd* w, int moveX, int moveY, int growX, int growY) {
        if (!w || !w->m_hWnd) return;
        RECT r;
        w->GetWindowRect(&r);
        ScreenToClient(&r);
        w->SetWindowPos(nullptr, r.left + moveX, r.top + moveY, r.right - r.left + growX, r.bottom - r.top + growY,
                        SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(&m_staticTitle, 0, 0, dx, 0);
    place(&m_pageFrame, 0, 0, dx, dy);
    place(GetDlgItem(IDC_PAGE_FRAME), 0, 0, dx, dy);
    place(&m_staticStatus, 0, dy, dx, 0);
    place(&m_progress, 0, dy, dx, 0);
    place(GetDlgItem(IDC_PROGRESS_TEXT), dx, dy, 0, 0);
    place(&m_btnBack, dx, dy, 0, 0);
    place(&m_btnAction, dx, dy, 0, 0);
    place(&m_btnNext, dx, dy, 0, 0);
    RECT window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
    FitPagesToFrame();
}

void CUpdaterDlg::FitPagesToFrame() {
    RECT frame;
    m_pageFrame.GetClientRect(&frame);
    for (int page = PAGE_WELCOME; page <= PAGE_SPEED_DIAL; ++page)
        if (CDialog* d = PageWindow(page))
            d->SetWindowPos(nullptr, 0, 0, frame.right, frame.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUpdaterDlg::KeepFocusBeforeBusy() {
    if (!m_bBusy || m_hFocusBeforeBusy) return;
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_hWnd, focus)) m_hFocusBeforeBusy = focus;
}

void CUpdaterDlg::RescueFocus() {
    if (m_bBusy) return;
    HWND before = m_hFocusBeforeBusy;
    m_hFocusBeforeBusy = nullptr;
    if (::GetActiveWindow() != m_hWnd || !IsWindowEnabled()) return;
    if (m_bPopupOpen || m_settingPage.m_bCellPopupOpen) return;
    if (before && ::IsWindow(before) && ::IsWindowVisible(before) && ::IsWindowEnabled(before) &&
        ::GetFocus() != before) {
        ::SetFocus(before);
        return;
    }
    if (!dialogkeys::IsFocusLost(m_hWnd)) return;
    // NEXT when it can take it; otherwise the page, whose controls come
    // before BACK in Tab order, and only then the first step button.
    if (m_btnNext.IsWindowVisible() && m_btnNext.IsWindowEnabled()) m_btnNext.SetFocus();
    else if (!FocusShownPage()) dialogkeys::FocusDefault(m_hWnd, IDC_NEXT);
}

void CUpdaterDlg::LoadConfig() {
    m_config = CAppConfig();
    m_config.Read(apppaths::ConfigFilePath());
    m_nLanguage = m_config.m_nLanguage;
    m_bApplyToFirmwareLanguage = m_config.m_bApplyToFirmwareLanguage;
    m_nTargetModel = m_config.m_nDeviceTarget;
    m_strFirmwareLanguage = m_config.m_strFirmwareLanguage;
    m_strCurrentPath = m_config.m_strCurrentPath;
}

void CUpdaterDlg::SaveConfig() {
    m_config.m_nLanguage = m_nLanguage;
    m_config.m_bApplyToFirmwareLanguage = m_bApplyToFirmwareLanguage;
    m_config.m_nDeviceTarget = m_nTargetModel;
    m_config.m_strFirmwareLanguage = m_strFirmwareLanguage;
    m_config.m_strCurrentPath = m_strCurrentPath;
    m_config.Write(apppaths::ConfigFilePath());
}

void CUpdaterDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerStart) {
        KillTimer(kTimerStart);
        ShowWelcomePage();
        return;
    }
    Default();
}

BOOL CUpdaterDlg::CloseWizard() {
    // Refused like the busy rule refuses it while a box of the program is
    // open above the wizard: the box first.
    if (CProgramBox::OpenCount() > 0 || !IsWindowEnabled()) return FALSE;
    // Busy only with the program's own version check or download: closing
    // cancels it. Any other busy state refuses.
    if (m_bBusy && !m_selectionPage.m_updateCheck.CancelForClose()) return FALSE;
    if (StaysOpenForUnsavedChanges()) return FALSE;
    SaveConfig();
    EndDialog(IDCANCEL);
    return TRUE;
}

void CUpdaterDlg::OnClose() { CloseWizard(); }

void CUpdaterDlg::OnMenuExit() { CloseWizard(); }

void CUpdaterDlg::OnDestroy() {
    KillTimer(kTimerStart);
    CloseDeviceHandles();
    Default();
}

void CUpdaterDlg::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    RECT title;
    m_staticTitle.GetWindowRect(&title);
    ScreenToClient(&title);
    // The banner across the top, above the page title.
    RECT banner = {client.left, client.top, client.right, title.top - dpiscale::Y(4)};
    BITMAP bm{};
    if (m_bmpBanner.m_hObject && m_bmpBanner.GetBitmap(&bm)) {
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CGdiSelection picture(mem, m_bmpBanner);
        dc.StretchBlt(banner.left, banner.top, banner.right - banner.left, banner.bottom - banner.top, &mem, 0, 0,
                      bm.bmWidth, bm.bmHeight, SRCCOPY);
    } else {
        dc.FillSolidRect(&banner, theme::kBannerTop);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(theme::kBannerText);
    {
        CGdiSelection font(dc, m_fontBold);
        RECT text = banner;
        text.left += (banner.bottom - banner.top) + dpiscale::X(16);
        dc.DrawText(MANAGER_DISPLAY_NAME, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }

    // A line between the steps and the page.
    RECT step;
    m_btnStep[0].GetWindowRect(&step);
    ScreenToClient(&step);
    const int lineLeft = step.right + dpiscale::X(2);
    const int lineWidth = dpiscale::X(1) > 1 ? dpiscale::X(1) : 1;
    RECT line = {lineLeft, banner.bottom + dpiscale::Y(8), lineLeft + lineWidth, client.bottom - dpiscale::Y(8)};
    dc.FillSolidRect(&line, theme::kButtonBorder);
}

HBRUSH CUpdaterDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return m_brushBackground;
    }
    return brush;
}

BOOL CUpdaterDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_bBusy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CUpdaterDlg::PreTranslateMessage(MSG* pMsg) {
    // A press anywhere while a cell of the settings grid has its popup open
    // only closes that popup. The second press of a quick pair comes as a
    // double click: it is a press all the same (a second click on the cell
    // closes its list, however soon it follows the first).
    const bool press = pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_NCLBUTTONDOWN;
    const bool secondPress = pMsg->message == WM_LBUTTONDBLCLK || pMsg->message == WM_NCLBUTTONDBLCLK;
    if ((press || secondPress) && m_settingPage.m_bCellPopupOpen && !m_settingPage.IsCellPopupWindow(pMsg->hwnd)) {
        m_settingPage.HideActiveCellPublic();
        return TRUE;
    }
    if (press) {
        // A press outside the group list closes it; the press goes on.
        if (m_bPopupOpen && pMsg->hwnd != m_listGroups.m_hWnd && !::IsChild(m_listGroups.m_hWnd, pMsg->hwnd) &&
            pMsg->hwnd != m_btnGroupList.m_hWnd)
            CloseGroupList();
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_bPopupOpen) {
        CloseGroupList();
        return TRUE;
    }
    if (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) {
        switch (dialogkeys::ContextMenuKey(pMsg, &m_bMenuF10Pending)) {
        case dialogkeys::kOpen: OpenPopupMenu(CPoint(-1, -1)); return TRUE;
        case dialogkeys::kSwallow: return TRUE;
        default: break;
        }
        // Enter presses the focused button, else NEXT; Escape does nothing.
        if (!m_bPopupOpen && !m_settingPage.m_bCellPopupOpen && dialogkeys::HandleEnter(m_hWnd, pMsg, IDC_NEXT))
            return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}
