// Texts of the FIRMWARE RESTORE page's own information block.
#include "texts/RestorePageTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

// Language order: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
constexpr Text13 kTitle = {{"Backup Firmware Information", "Info. micrologiciel de sauvegarde",
                            "Backup-Firmware-Infos", "Informazioni Backup Firmware", "バックアップファームウェア情報",
                            "백업 펌웨어 정보", "Inform. Firmware Respaldo", "Back-up-firmware-informatie",
                            "Сведения о Резервной Копии Прошивки", "备份固件信息",
                            "Laiteohjelmiston varmuuskopion tiedot", "Informace o záloze firmwaru",
                            "Informacje o kopii zapasowej oprogramowania układowego"}};
static_assert(texts::IsValid(kTitle), "placeholders differ between languages");

const texts::LocalTable& Title() {
    static const texts::LocalTable table(kTitle);
    return table;
}

}  // namespace

void GetTextBackupInformationTitle(CString& out, int language) {
    Title().Get(out, 0, texts::LanguageSlot(language));
}
