#include "WizardHarness.h"
#include "LayoutCheck.h"
#include "app/AppPaths.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/resource.h"
#include "core/ServerAddress.h"
#include "framework/TestSeams.h"
#include "standins/simdevices/SimDevices.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

std::wstring OutFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

std::wstring NewTempFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    std::wstringstream name;
    name << temp << L"wizard_" << ::GetCurrentProcessId() << L"_" << ++counter << L"_" << ::GetTickCount() << L"\\";
    ::CreateDirectoryW(name.str().c_str(), nullptr);
    return name.str();
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((folder + L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((folder + fd.cFileName).c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

void WizardTest::SetUp() {
    // Nothing is connected unless the test puts it there.
    sim::Reset();
    m_folder = NewTempFolder();
    apppaths::SetImageFolderForTest(m_folder.c_str());
    // An empty tree: each test serves what it needs.
    std::wstring root = NewTempFolder();
    m_serverRunning = m_server.Start(root);
    ASSERT_TRUE(m_serverRunning);
    SetServerBaseUrl(CString(m_server.BaseUrl().c_str()));
    // Nothing is opened with the real shell in the tests.
    apptest::SetShellOpenHandler([](const CString&) { return TRUE; });
    // One handler for the whole test: it is never replaced while it runs.
    fw::test::SetModalShown([this](CDialog& d) {
        for (size_t i = 0; i < m_onShown.size(); ++i) {
            if (m_onShown[i].first != &d) continue;
            std::function<void(CDialog&)> run = m_onShown[i].second;
            m_onShown.erase(m_onShown.begin() + i);
            run(d);
            return;
        }
        if (m_onShownAny) {
            std::function<void(CDialog&)> any = m_onShownAny;
            any(d);
        }
    });
    fw::test::SetModalAnswer([this](CDialog& d) -> std::optional<INT_PTR> {
        if (d.GetTemplateId() == IDD_UPDATER_DIALOG) return std::nullopt;
        AskedBox asked;
        asked.templateId = d.GetTemplateId();
        if (auto* box = dynamic_cast<CDialogMessageBox*>(&d)) {
            asked.text = box->m_strText;
            asked.ok = box->m_strOk;
            asked.cancel = box->m_strCancel;
            asked.link = box->m_strLink;
            asked.iconKind = box->m_nIconKind;
            asked.size = box->m_size;
        }
        m_asked.push_back(asked);
        if (m_onAsked) m_onAsked(asked);
        INT_PTR answer = IDOK;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        return answer;
    });
}

void WizardTest::TearDown() {
    fw::test::SetModalAnswer(nullptr);
    fw::test::SetModalShown(nullptr);
    apptest::SetShellOpenHandler(nullptr);
    if (m_serverRunning) m_server.Stop();
    SetServerBaseUrl(L"");
    apppaths::SetImageFolderForTest(L"");
    RemoveFolder(m_folder);
}

void WizardTest::WhenShown(CDialog* dlg, std::function<void(CDialog&)> onShown) {
    m_onShown.emplace_back(dlg, std::move(onShown));
}

void WizardTest::RunWizard(const std::function<void(CUpdaterDlg&)>& body) {
    CUpdaterDlg dlg;
    bool ran = false;
    WhenShown(&dlg, [&](CDialog&) {
        ran = true;
        // The first tick of the start timer shows WELCOME; the body starts
        // from there (unless the wizard has already ended by itself).
        fw::test::PumpUntil([&] { return dlg.m_selectionPage.IsWindowVisible() || !dlg.IsInModalLoop(); }, 5000);
        body(dlg);
        if (dlg.m_hWnd && dlg.IsInModalLoop()) dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    m_onShown.clear();
    EXPECT_TRUE(ran) << "the wizard never came up";
}

bool WizardTest::WaitIdle(CUpdaterDlg& dlg, DWORD ms) {
    return fw::test::PumpUntil([&] { return !dlg.m_bBusy && dlg.m_hWnd; }, ms);
}

void WizardTest::RecogniseWithNext(CUpdaterDlg& dlg) {
    ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0);
    ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitIdle(dlg));
    ASSERT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
}

void WizardTest::Recognise(CUpdaterDlg& dlg, int model, int settingKinds) {
    dlg.m_nTargetModel = model;
    dlg.m_bRecognized = TRUE;
    dlg.m_deviceRecord.m_nModelId = model;
    dlg.m_deviceRecord.m_version.Set(1, 2, 0, 0, 0);
    dlg.m_nSettingPageCount = 0;
    for (int kind : {1, 3, 2}) {
        if (settingKinds & (1 << kind)) dlg.m_anSettingPageKind[dlg.m_nSettingPageCount++] = kind;
    }
    dlg.m_nSettingPageIndex = 0;
}

void WizardTest::Screenshot(HWND wnd, const wchar_t* name, BOOL controlTexts) {
    std::wstring folder = OutFolder() + L"screenshots\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    // Pictures at a scaled display carry its dpi in their names.
    const int dpi = layoutcheck::DisplayDpi();
    std::wstring path = folder + name + (dpi == 96 ? L"" : L"_" + std::to_wstring(dpi) + L"dpi") + L".bmp";
    bool saved = fw::test::SaveWindowImage(wnd, path.c_str());
    EXPECT_TRUE(saved) << "screenshot " << std::string(path.begin(), path.end());
    if (saved) EXPECT_TRUE(LooksDrawn(wnd, path, controlTexts)) << "screenshot " << std::string(path.begin(), path.end());
    EXPECT_TRUE(layoutcheck::NothingClippedNothingOverlaps(wnd)) << "screenshot " << std::string(path.begin(), path.end());
}

namespace {

// A 24-bit bottom-up BMP file as SaveWindowImage writes it.
struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> data;
    size_t stride = 0;

    bool Load(const std::wstring& path) {
        std::ifstream f(path.c_str(), std::ios::binary);
        std::vector<unsigned char> file((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
        BITMAPFILEHEADER fh;
        BITMAPINFOHEADER ih;
        memcpy(&fh, file.data(), sizeof fh);
        memcpy(&ih, file.data() + sizeof fh, sizeof ih);
        if (fh.bfType != 0x4D42 || ih.biBitCount != 24 || ih.biWidth <= 0 || ih.biHeight <= 0) return false;
        width = ih.biWidth;
        height = ih.biHeight;
        stride = ((size_t)width * 3 + 3) & ~(size_t)3;
        if (file.size() < fh.bfOffBits + stride * height) return false;
        data.assign(file.begin() + fh.bfOffBits, file.begin() + fh.bfOffBits + stride * height);
        return true;
    }
    // The colour at (x, y) counted from the top left.
    DWORD At(int x, int y) const {
        const unsigned char* p = &data[(size_t)(height - 1 - y) * stride + (size_t)x * 3];
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
    // Distinct colours in the rectangle, counted up to limit.
    size_t Colours(RECT r, size_t limit) const {
        std::set<DWORD> seen;
        for (int y = std::max(0L, r.top); y < std::min((LONG)height, r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min((LONG)width, r.right); ++x) {
                seen.insert(At(x, y));
                if (seen.size() >= limit) return seen.size();
            }
        return seen.size();
    }
};

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    ((std::vector<HWND>*)param)->push_back(child);
    return TRUE;
}

}  // namespace

::testing::AssertionResult WizardTest::LooksDrawn(HWND wnd, const std::wstring& bmpPath, BOOL controlTexts) {
    Picture picture;
    if (!picture.Load(bmpPath)) return ::testing::AssertionFailure() << "the picture cannot be read";
    RECT all = {0, 0, picture.width, picture.height};
    if (picture.Colours(all, 4) < 4) return ::testing::AssertionFailure() << "the window is blank";
    if (!controlTexts) return ::testing::AssertionSuccess();
    RECT window;
    ::GetWindowRect(wnd, &window);
    std::vector<HWND> children;
    ::EnumChildWindows(wnd, CollectChild, (LPARAM)&children);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    bool failed = false;
    for (HWND child : children) {
        if (!::IsWindowVisible(child) || ::GetWindowTextLengthW(child) == 0) continue;
        RECT r;
        ::GetWindowRect(child, &r);
        ::OffsetRect(&r, -window.left, -window.top);
        RECT shown;
        if (!::IntersectRect(&shown, &r, &all)) continue;
        if (picture.Colours(shown, 2) >= 2) continue;
        wchar_t text[64] = {};
        ::GetWindowTextW(child, text, 64);
        std::wstring t = text;
        if (!failed) result = ::testing::AssertionFailure();
        failed = true;
        result << "control " << ::GetDlgCtrlID(child) << " \"" << std::string(t.begin(), t.end())
               << "\" shows nothing; ";
    }
    return result;
}

std::wstring WizardTest::ReadImageFile(const wchar_t* name) {
    std::ifstream f((m_folder + name).c_str(), std::ios::binary);
    if (!f) return L"<missing>";
    std::stringstream ss;
    ss << f.rdbuf();
    return Utf8ToWide(ss.str().c_str()).GetString();
}

void WizardTest::WriteImageFile(const wchar_t* name, const std::string& content) {
    std::ofstream f((m_folder + name).c_str(), std::ios::binary);
    f << content;
}
