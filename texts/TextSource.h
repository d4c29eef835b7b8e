// The form in which the translations are written: one text in the 13 UI
// languages as UTF-8 literals, converted once at start-up into wide text.
#pragma once
#include "framework/String.h"
#include "texts/FormatCheck.h"
#include "texts/Language.h"
#include <cstddef>
#include <vector>

// The wide tables are built while the program's globals are constructed,
// before any global of another part of the program that might read them.
#define TEXTS_INIT_EARLY __attribute__((init_priority(1000)))
#define TEXTS_INIT_FILL __attribute__((init_priority(1001)))

namespace texts {

// One text, UTF-8, in language order (see Language.h).
struct Text13 {
    const char* in[kLanguageCount];
};

constexpr bool IsValid(const Text13& t) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (!fmt::TranslationMatches(t.in[kEnglish], t.in[i])) return false;
    return true;
}

template <size_t N>
constexpr bool AllValid(const Text13 (&rows)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (!IsValid(rows[i])) return false;
    return true;
}

// Texts of getters, held as wide text: item i in the 13 languages.
class LocalTable {
public:
    template <size_t N>
    explicit LocalTable(const Text13 (&rows)[N]) { Build(rows, (int)N); }
    explicit LocalTable(const Text13& row) { Build(&row, 1); }

    int Count() const { return m_count; }
    // Item i in a language; an empty text for an item outside the table.
    const CString& At(int item, int language) const;
    void Get(CString& out, int item, int language) const { out = At(item, language); }

private:
    void Build(const Text13* rows, int count);

    int m_count = 0;
    std::vector<CString> m_text;  // [item][language]
};

// A global table [language][item] and the source of its items.
struct TableBinding {
    CString* first;
    int items;
    const Text13* rows;
};

template <int N>
constexpr TableBinding Bind(CString (&table)[kLanguageCount][N], const Text13 (&rows)[N]) {
    return TableBinding{&table[0][0], N, rows};
}
constexpr TableBinding Bind(CString (&table)[kLanguageCount][1], const Text13& row) {
    return TableBinding{&table[0][0], 1, &row};
}

template <size_t N>
constexpr bool AllValid(const TableBinding (&bindings)[N]) {
    for (size_t b = 0; b < N; ++b)
        for (int i = 0; i < bindings[b].items; ++i)
            if (!IsValid(bindings[b].rows[i])) return false;
    return true;
}

// Fills the bound tables when it is constructed.
class TableFiller {
public:
    template <size_t N>
    explicit TableFiller(const TableBinding (&bindings)[N]) { Fill(bindings, (int)N); }

private:
    static void Fill(const TableBinding* bindings, int count);
};

}  // namespace texts
