#include "GlyphProbe.h"

namespace texttest {

namespace {
const wchar_t kUnassigned = 0x0378;  // no font maps an unassigned code point
}

GlyphProbe::GlyphProbe(HFONT font) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = kWidth;
    bi.bmiHeader.biHeight = -kHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    m_dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_dc || !m_bitmap || !bits) return;
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    m_oldFont = SelectObject(m_dc, font);
    m_bits = static_cast<uint32_t*>(bits);
    m_box = Render(kUnassigned);
    m_question = Render(L'?');
    m_blank = Render(L' ');
}

GlyphProbe::~GlyphProbe() {
    if (m_dc) {
        if (m_oldFont) SelectObject(m_dc, m_oldFont);
        if (m_oldBitmap) SelectObject(m_dc, m_oldBitmap);
        DeleteDC(m_dc);
    }
    if (m_bitmap) DeleteObject(m_bitmap);
}

std::vector<uint32_t> GlyphProbe::Render(wchar_t c) {
    RECT all = {0, 0, kWidth, kHeight};
    FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, RGB(0, 0, 0));
    TextOutW(m_dc, 4, 4, &c, 1);
    GdiFlush();
    return std::vector<uint32_t>(m_bits, m_bits + kWidth * kHeight);
}

bool GlyphProbe::IsMissing(wchar_t c) {
    std::vector<uint32_t> pixels = Render(c);
    if (pixels == m_box || pixels == m_blank) return true;
    return c != L'?' && pixels == m_question;
}

}  // namespace texttest
