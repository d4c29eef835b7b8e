// Tells whether a character really renders in a font, font links included:
// it draws the character alone and compares the pixels with what the font
// draws for a code point no font has (the missing-glyph box), for '?' and
// for nothing at all.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

namespace texttest {

class GlyphProbe {
public:
    explicit GlyphProbe(HFONT font);
    ~GlyphProbe();
    GlyphProbe(const GlyphProbe&) = delete;
    GlyphProbe& operator=(const GlyphProbe&) = delete;

    bool Ready() const { return m_bits != nullptr; }
    // True when c shows as the missing-glyph box, as '?' or as nothing.
    bool IsMissing(wchar_t c);

private:
    std::vector<uint32_t> Render(wchar_t c);

    static const int kWidth = 64;
    static const int kHeight = 48;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HGDIOBJ m_oldFont = nullptr;
    uint32_t* m_bits = nullptr;
    std::vector<uint32_t> m_box, m_question, m_blank;
};

}  // namespace texttest
