#include <gtest/gtest.h>
#include <utility>
#include "framework/Framework.h"

namespace {
bool IsLiveObject(HGDIOBJ h) { return ::GetObjectType(h) != 0; }
}

TEST(GdiTest, OwnedObjectsMoveAndDeleteExactlyOnce) {
    CBrush a(RGB(1, 2, 3));
    HBRUSH h = a;
    ASSERT_TRUE(IsLiveObject(h));
    CBrush b(std::move(a));
    EXPECT_EQ(a.m_hObject, nullptr);
    EXPECT_EQ((HBRUSH)b, h);
    {
        CBrush c;
        c = std::move(b);
        EXPECT_EQ((HBRUSH)c, h);
        EXPECT_TRUE(IsLiveObject(h));
    }
    EXPECT_FALSE(IsLiveObject(h));  // gone with its last owner
}

TEST(GdiTest, MoveAssignmentReleasesTheOldObject) {
    CPen first(PS_SOLID, 1, RGB(0, 0, 0));
    CPen second(PS_SOLID, 2, RGB(255, 0, 0));
    HPEN old = first, kept = second;
    first = std::move(second);
    EXPECT_FALSE(IsLiveObject(old));
    EXPECT_TRUE(IsLiveObject(kept));
    EXPECT_EQ((HPEN)first, kept);
}

TEST(GdiTest, SelectionReturnsABorrowedHandleThatIsNeverDeleted) {
    CClientDC screen(nullptr);
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(screen, 8, 8));
    CGdiHandle previous = mem.SelectObject(&bmp);
    mem.FillSolidRect(0, 0, 8, 8, RGB(10, 20, 30));
    EXPECT_EQ(mem.GetPixel(3, 3), RGB(10, 20, 30));
    mem.SelectObject(previous);
    EXPECT_TRUE(IsLiveObject(previous));
    EXPECT_EQ(bmp.GetSize(), CSize(8, 8));
}

TEST(GdiTest, BorrowedDcWrapperDoesNotDeleteTheDc) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    {
        CDC* borrowed = CDC::FromHandle(dc);
        EXPECT_EQ(borrowed->m_hDC, dc);
        EXPECT_EQ(CDC::FromHandle(dc), borrowed);
    }
    EXPECT_NE(::SaveDC(dc), 0);  // still a valid DC
    ::DeleteDC(dc);
}

TEST(GdiTest, RectGeometry) {
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    r.DeflateRect(5, 5);
    EXPECT_EQ(r, CRect(15, 25, 105, 65));
    EXPECT_TRUE(r.PtInRect(CPoint(15, 25)));
    EXPECT_FALSE(r.PtInRect(CPoint(105, 30)));
    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
    CPoint p(MAKELPARAM((WORD)-5, 7));
    EXPECT_EQ(p, CPoint(-5, 7));  // mouse coordinates are signed
}

TEST(GdiTest, SelectionGuardRestoresWhatTheDcHadInReverseOrder) {
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC((HDC)nullptr));
    HGDIOBJ brushBefore = ::GetCurrentObject(mem, OBJ_BRUSH), penBefore = ::GetCurrentObject(mem, OBJ_PEN);
    HBRUSH first = nullptr, second = nullptr;
    {
        CBrush a(RGB(1, 1, 1));
        CPen pen(PS_SOLID, 1, RGB(2, 2, 2));
        first = a;
        CGdiSelection selectA(mem, a), selectPen(mem, pen);
        EXPECT_TRUE(selectA.IsSelected());
        EXPECT_EQ(::GetCurrentObject(mem, OBJ_BRUSH), (HGDIOBJ)first);
        EXPECT_EQ(::GetCurrentObject(mem, OBJ_PEN), (HGDIOBJ)(HPEN)pen);
        {
            CBrush b(RGB(3, 3, 3));
            second = b;
            CGdiSelection selectB(mem, b);
            EXPECT_EQ(::GetCurrentObject(mem, OBJ_BRUSH), (HGDIOBJ)second);
        }
        // The inner object is out of the DC before it was deleted.
        EXPECT_EQ(::GetCurrentObject(mem, OBJ_BRUSH), (HGDIOBJ)first);
        EXPECT_FALSE(IsLiveObject(second));
    }
    EXPECT_EQ(::GetCurrentObject(mem, OBJ_BRUSH), brushBefore);
    EXPECT_EQ(::GetCurrentObject(mem, OBJ_PEN), penBefore);
    EXPECT_FALSE(IsLiveObject(first));

    // Nothing to select: nothing is changed or restored.
    CGdiSelection none(mem, nullptr), noDc(nullptr, ::GetStockObject(BLACK_BRUSH));
    EXPECT_FALSE(none.IsSelected());
    EXPECT_FALSE(noDc.IsSelected());
    EXPECT_EQ(::GetCurrentObject(mem, OBJ_BRUSH), brushBefore);
}
