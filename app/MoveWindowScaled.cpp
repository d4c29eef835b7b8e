#include "app/MoveWindowScaled.h"

void MoveWindowScaled(const RECT* pageRect, float rows, int margin, float rowIndex, CWnd* control) {
    if (!pageRect || !control || !control->m_hWnd) return;
    const float rowCount = rows < 8.0f ? 8.0f : rows;
    const float rowHeight = (float)((pageRect->bottom - pageRect->top) - 2 * margin) / rowCount;
    RECT r;
    control->GetWindowRect(&r);
    const int height = r.bottom - r.top;
    float slack = rowHeight - (float)height;
    if (slack < 0.0f) slack = 0.0f;
    const int top = (int)((float)(pageRect->top + margin) + rowHeight * rowIndex + slack / 2.0f);
    // A control taller than the last row ends at the page's edge instead
    // of reaching past it.
    int shown = height;
    if (top + shown > pageRect->bottom && top < pageRect->bottom) shown = pageRect->bottom - top;
    control->MoveWindow(r.left - pageRect->left, top - pageRect->top, r.right - r.left, shown, TRUE);
}
