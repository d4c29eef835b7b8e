// Word, page and message getters in the 13 languages.
#include <gtest/gtest.h>
#include <vector>
#include "TextCatalog.h"
#include "core/ModelCatalog.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"

using texttest::ExpectGetter;
using texttest::Getter;
using texttest::Narrow;

using texttest::Named;

TEST(WordTextsTest, EveryWordHasItsEnglishTextAndTranslations) {
    for (const Named& w : texttest::AllWords()) ExpectGetter(w.get, w.english, w.name);

    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString ok;
        GetTextOk(ok, l);
        EXPECT_EQ(ok, L"OK");
    }
}

TEST(WordTextsTest, PointerFormsFillTheTextAndIgnoreNull) {
    CString out;
    GetTextCancel(&out, texts::kGerman);
    EXPECT_EQ(Narrow(out), "ABBRECHEN");
    GetTextCancel(static_cast<CString*>(nullptr), texts::kGerman);  // must not crash
    GetTextPageTitle(&out, 4, texts::kEnglish);
    EXPECT_EQ(out, L"FIRMWARE RESTORE");
    GetTextPageFailure(static_cast<CString*>(nullptr), 3, 0, 0);
}

namespace {

struct PageCase {
    int page;
    const wchar_t *title, *success, *failure, *activity;
};

const PageCase kPages[] = {
    {1, L"WELCOME", L"%s selected. %s", L"", L""},
    {2, L"DEVICE RECOGNITION", L"Device recognized successfully. %s", L"Failed to recognize device",
     L"On recognizing device."},
    {3, L"FIRMWARE UPDATE", L"Firmware updated successfully", L"Failed to update firmware",
     L"On updating firmware."},
    {4, L"FIRMWARE RESTORE", L"Firmware restored successfully", L"Failed to restore firmware",
     L"On restoring firmware."},
    {5, L"DEVICE SETTING", L"Device setting saved successfully", L"Failed to save device setting",
     L"On saving device setting."},
    {6, L"DEVICE SETTING", L"Device setting saved successfully", L"Failed to save device setting",
     L"On saving device setting."},
    {7, L"DEVICE SETTING", L"Device setting saved successfully", L"Failed to save device setting",
     L"On saving device setting."},
    {0, L"", L"", L"", L""},
    {8, L"", L"", L"", L""},
    {-1, L"", L"", L"", L""},
};

}  // namespace

TEST(PageTextsTest, EachPageHasItsTextsInEveryLanguage) {
    for (const PageCase& c : kPages) {
        const int page = c.page;
        SCOPED_TRACE("page " + std::to_string(page));
        const std::vector<Named> getters = {
            {"title", [page](CString& o, int l) { GetTextPageTitle(o, page, l); }, c.title},
            {"success", [page](CString& o, int l) { GetTextPageSuccess(o, page, l); }, c.success},
            {"success with USB status", [page](CString& o, int l) { GetTextPageSuccess(o, page, 0x8001, l); },
             c.success},
            {"failure", [page](CString& o, int l) { GetTextPageFailure(o, page, l); }, c.failure},
            {"failure with USB status", [page](CString& o, int l) { GetTextPageFailure(o, page, 0x8001, l); },
             c.failure},
            {"activity", [page](CString& o, int l) { GetTextPageActivity(o, page, l); }, c.activity},
            {"activity with USB status", [page](CString& o, int l) { GetTextPageActivity(o, page, 0x8001, l); },
             c.activity},
        };
        for (const Named& g : getters) {
            if (*g.english) {
                ExpectGetter(g.get, g.english, g.name);
                continue;
            }
            // A page without the text: empty in every language.
            for (int l = -1; l <= texts::kLanguageCount; ++l) {
                CString out(L"stale");
                g.get(out, l);
                EXPECT_TRUE(out.IsEmpty()) << g.name << ", language " << l;
            }
        }
    }
}

TEST(PageTextsTest, InstructionsAreFilledWithTitleAndCaption) {
    struct Case { int page, mode; const wchar_t* english; } cases[] = {
        {1, 0, L"Press NEXT to proceed."},
        {1, 0x8000, L"Press NEXT to proceed."},
        {2, 0, L"Ready for DEVICE RECOGNITION"},
        {2, 0x8000, L"Ready for DEVICE RECOGNITION"},
        {3, 0, L"Ready for FIRMWARE UPDATE"},
        {3, 0x7FFF, L"Ready for FIRMWARE UPDATE"},
        {3, 0x8000, L"Ready for FIRMWARE UPDATE. Cannot make backup firmware"},
        {4, 0x8001, L"Ready for FIRMWARE RESTORE. Cannot make backup firmware"},
        {5, 0x8000, L"Ready for DEVICE SETTING"},
        {7, 0, L"Ready for DEVICE SETTING"},
        {0, 0, L""},
        {8, 0x8000, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("page " + std::to_string(c.page) + " mode " + std::to_string(c.mode));
        for (int l = -1; l <= texts::kLanguageCount; ++l) {
            CString out(L"stale");
            GetTextPageInstruction(out, c.page, c.mode, l);
            if (l < 0 || l >= texts::kLanguageCount || l == texts::kEnglish) {
                EXPECT_EQ(Narrow(out), Narrow(CString(c.english)));
                continue;
            }
            if (!*c.english) {
                EXPECT_TRUE(out.IsEmpty());
                continue;
            }
            // Filled: no placeholder left, and the filler in that language inside.
            EXPECT_FALSE(texts::fmt::HasPercent(out.GetString())) << Narrow(out);
            CString filler;
            if (c.page == 1) GetTextNext(filler, l);
            else GetTextPageTitle(filler, c.page, l);
            EXPECT_GE(out.Find(filler), 0) << Narrow(out) << " lacks " << Narrow(filler);
        }
    }
}

TEST(MessageTextsTest, EveryMessageHasItsEnglishTextAndTranslations) {
    for (const Named& m : texttest::AllMessages()) ExpectGetter(m.get, m.english, m.name);
}

TEST(MessageTextsTest, ButtonHintsNameTheButtonOfTheirLanguage) {
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        SCOPED_TRACE("language " + std::to_string(l));
        CString update, restore, pressUpdate, pressRestore, afterLanguage;
        GetTextUpdate(update, l);
        GetTextRestore(restore, l);
        GetTextMsgPressUpdateButton(pressUpdate, l);
        GetTextMsgPressRestoreButton(pressRestore, l);
        GetTextMsgPressRestoreAfterVoicePromptLanguage(afterLanguage, l);
        EXPECT_GE(pressUpdate.Find(L"[" + update + L"]"), 0) << Narrow(pressUpdate);
        EXPECT_GE(pressRestore.Find(L"[" + restore + L"]"), 0) << Narrow(pressRestore);
        EXPECT_GE(afterLanguage.Find(pressRestore), 0) << Narrow(afterLanguage);
    }
}

TEST(MessageTextsTest, FirmwareNotForNamesTheModelInEveryLanguage) {
    const int models[] = {0x4210, 0x5510, 0x0000, 0x7777};
    for (int model : models) {
        CString name;
        GetModelName(name, model, FALSE);
        SCOPED_TRACE(Narrow(name));
        CString english;
        GetTextMsgFirmwareNotFor(english, model, texts::kEnglish);
        EXPECT_EQ(english, L"Firmware not for " + name);
        for (int l = -1; l <= texts::kLanguageCount; ++l) {
            CString out;
            GetTextMsgFirmwareNotFor(out, model, l);
            if (!name.IsEmpty()) {
                EXPECT_GE(out.Find(name), 0) << Narrow(out);
            }
            EXPECT_GT(out.GetLength(), name.GetLength());
        }
    }
}

// Model names written into the texts stay as they are.
TEST(MessageTextsTest, ModelNamesAreNotTranslated) {
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString out;
        GetTextMsgFirmwareNotSupported(out, l);
        EXPECT_GE(out.Find(L"60T EVO"), 0) << Narrow(out);
    }
}
