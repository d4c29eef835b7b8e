#include "texts/TextSource.h"

namespace texts {

void LocalTable::Build(const Text13* rows, int count) {
    m_count = count;
    m_text.resize((size_t)count * kLanguageCount);
    for (int item = 0; item < count; ++item)
        for (int language = 0; language < kLanguageCount; ++language)
            m_text[(size_t)item * kLanguageCount + language] = Utf8ToWide(rows[item].in[language]);
}

const CString& LocalTable::At(int item, int language) const {
    static const CString kNone;
    if (item < 0 || item >= m_count) return kNone;
    return m_text[(size_t)item * kLanguageCount + LanguageSlot(language)];
}

void TableFiller::Fill(const TableBinding* bindings, int count) {
    for (int b = 0; b < count; ++b) {
        const TableBinding& t = bindings[b];
        for (int language = 0; language < kLanguageCount; ++language)
            for (int item = 0; item < t.items; ++item)
                t.first[language * t.items + item] = Utf8ToWide(t.rows[item].in[language]);
    }
}

}  // namespace texts
