// How the grid paints: the erase leaves the rows alone and the rows cover
// all of their own area, so nothing shows blank between the two; the cells
// share one font pair and one help bitmap, made once and freed with the
// last cell that uses them.
#include "GridHost.h"
#include "app/resource.h"
#include "grid/CellBitmaps.h"
#include "grid/CellFonts.h"
#include <climits>
#include <memory>
#include <string>

namespace {

const COLORREF kMarker = RGB(255, 0, 255);

// A picture of the grid's client area in memory, filled with the marker
// colour before the grid draws into it.
class ClientPicture {
public:
    explicit ClientPicture(CWnd& wnd) {
        wnd.GetClientRect(&m_rc);
        HDC screen = ::GetDC(nullptr);
        m_dc.CreateCompatibleDC(screen);
        m_bitmap.CreateCompatibleBitmap(screen, m_rc.Width(), m_rc.Height());
        ::ReleaseDC(nullptr, screen);
        m_selection = std::make_unique<CGdiSelection>(m_dc, m_bitmap);
        m_dc.FillSolidRect(&m_rc, kMarker);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(CPoint pt) const { return ::GetPixel(m_dc, pt.x, pt.y); }
    // Pixels still in the marker colour.
    int MarkerPixels() const {
        int n = 0;
        for (int y = 0; y < m_rc.Height(); ++y)
            for (int x = 0; x < m_rc.Width(); ++x) n += ::GetPixel(m_dc, x, y) == kMarker;
        return n;
    }
    const CRect& Rect() const { return m_rc; }
    // Where the marker colour is left (a bounding box), for failure messages.
    std::string MarkerBox() const {
        CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = 0; y < m_rc.Height(); ++y)
            for (int x = 0; x < m_rc.Width(); ++x)
                if (::GetPixel(m_dc, x, y) == kMarker) box.UnionRect(&box, CRect(x, y, x + 1, y + 1));
        return std::to_string(box.left) + "," + std::to_string(box.top) + " - " + std::to_string(box.right) + "," +
               std::to_string(box.bottom);
    }

private:
    CRect m_rc;
    CDC m_dc;
    CBitmap m_bitmap;
    std::unique_ptr<CGdiSelection> m_selection;
};

}  // namespace

TEST_F(GridTest, EraseLeavesTheRowsToTheirOwnPainting) {
    AddColumns();
    AddCheckRow(0, L"Voice", TRUE);
    AddComboRow(1, L"Level", {L"Low", L"Medium", L"High"}, 1);
    AddRow(2, L"Text only", nullptr, nullptr);
    List().SetItem(2, 2, LVIF_TEXT, L"value", 0, 0, 0, 0);
    Paint();

    ClientPicture picture(List());
    List().SendMessage(WM_ERASEBKGND, (WPARAM)picture.Dc(), 0);
    CRect rows;
    List().GetItemRect(2, &rows, LVIR_BOUNDS);
    const int below = rows.bottom;
    List().GetItemRect(0, &rows, LVIR_BOUNDS);
    rows.bottom = below;
    // Every part of a row, its corners and column 0's margin included, is left to the row.
    for (CPoint pt : {rows.TopLeft(), CPoint(rows.right - 1, rows.bottom - 1), CPoint(rows.left, rows.bottom - 1),
                      CellRect(1, 2).CenterPoint(), CellRect(2, 1).CenterPoint(), CellRect(0, 0).CenterPoint()}) {
        EXPECT_EQ(kMarker, picture.At(pt)) << "erased at " << pt.x << "," << pt.y;
    }
    // Below the last row the erase clears.
    EXPECT_NE(kMarker, picture.At(CPoint(rows.left + 5, below + 5)));
    EXPECT_NE(kMarker, picture.At(CPoint(picture.Rect().right - 1, picture.Rect().bottom - 1)));

    // The rows' own painting then covers what the erase left.
    List().SendMessage(WM_PRINTCLIENT, (WPARAM)picture.Dc(), PRF_CLIENT);
    EXPECT_EQ(0, picture.MarkerPixels()) << "left at " << picture.MarkerBox();
}

TEST_F(GridTest, AGridWithoutRowsIsErasedWhole) {
    AddColumns();
    ClientPicture picture(List());
    List().SendMessage(WM_ERASEBKGND, (WPARAM)picture.Dc(), 0);
    EXPECT_EQ(0, picture.MarkerPixels());
}

TEST_F(GridTest, AllCellsShareOneFontPairThatGoesWithTheLastCell) {
    const int before = cellfonts::References();
    AddColumns();
    CCellCheckBox* check = AddCheckRow(0, L"A", FALSE);
    CCellComboBox* combo = AddComboRow(1, L"B", {L"x", L"y"}, 0);
    auto* single = new CCellCheckBox();
    AddRow(2, L"C", single, L"1Music");
    // Three value cells and three help buttons.
    EXPECT_EQ(before + 6, cellfonts::References());
    HFONT normal = check->GetNormalFont(), active = check->GetActiveFont();
    ASSERT_NE(nullptr, normal);
    ASSERT_NE(nullptr, active);
    for (CCellCtrl* cell : {(CCellCtrl*)combo, (CCellCtrl*)single, List().GetCellCtrl(2, 0)}) {
        EXPECT_EQ(normal, cell->GetNormalFont());
        EXPECT_EQ(active, cell->GetActiveFont());
    }
    Paint();
    // A text written over a cell removes only that cell; the fonts stay for the others.
    List().SetItem(0, 2, LVIF_TEXT, L"plain", 0, 0, 0, 0);
    List().SetItem(0, 0, LVIF_TEXT, L"", 0, 0, 0, 0);
    EXPECT_EQ(before + 4, cellfonts::References());
    EXPECT_EQ(OBJ_FONT, (int)::GetObjectType(normal));
    Paint();
    List().DeleteAllItems();
    EXPECT_EQ(before, cellfonts::References());
    if (before == 0) {
        EXPECT_EQ(0, (int)::GetObjectType(normal));
        EXPECT_EQ(0, (int)::GetObjectType(active));
    }
    // A grid filled again gets a working pair.
    CCellCheckBox* again = AddCheckRow(0, L"A", TRUE);
    EXPECT_EQ(OBJ_FONT, (int)::GetObjectType(again->GetNormalFont()));
}

TEST_F(GridTest, TheHelpBitmapIsLoadedOnceForAllButtonsAndEveryPaint) {
    ASSERT_EQ(0, cellbitmaps::LoadedCount());
    const int loads = cellbitmaps::LoadCount();
    AddColumns();
    for (int r = 0; r < 8; ++r) AddCheckRow(r, L"Row", r & 1);
    for (int i = 0; i < 3; ++i) Paint();
    EXPECT_EQ(loads + 1, cellbitmaps::LoadCount());
    EXPECT_EQ(1, cellbitmaps::LoadedCount());
    // It shows: the "?" glyph leaves dark pixels in the help column.
    ClientPicture picture(List());
    List().SendMessage(WM_PRINTCLIENT, (WPARAM)picture.Dc(), PRF_CLIENT);
    CRect help = CellRect(3, 0);
    int dark = 0;
    for (int y = help.top; y < help.bottom; ++y)
        for (int x = help.left; x < help.right; ++x) dark += GetRValue(picture.At(CPoint(x, y))) < 128;
    EXPECT_GT(dark, 0);

    List().DeleteAllItems();
    EXPECT_EQ(0, cellbitmaps::LoadedCount());
    AddCheckRow(0, L"Again", FALSE);
    Paint();
    EXPECT_EQ(loads + 2, cellbitmaps::LoadCount());
}
