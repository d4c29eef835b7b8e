// Words of buttons and values.
#include "texts/WizardTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
constexpr Text13 kWords[] = {
    {{"NEXT", "SUIVANT", "WEITER", "AVANTI", "次へ", "다음", "SIGUIENTE", "VOLGENDE", "ДАЛЕЕ",
      "下一步", "SEURAAVA", "DALŠÍ", "DALEJ"}},
    {{"OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK"}},
    {{"SEND Email", "ENVOYER un e-mail", "E-Mail SENDEN", "INVIA e-mail", "メール送信", "이메일 보내기",
      "ENVIAR correo", "E-mail VERSTUREN", "ОТПРАВИТЬ e-mail", "发送邮件", "LÄHETÄ sähköposti",
      "ODESLAT e-mail", "WYŚLIJ e-mail"}},
    {{"UPDATE", "METTRE À JOUR", "AKTUALISIEREN", "AGGIORNA", "アップデート", "업데이트", "ACTUALIZAR",
      "BIJWERKEN", "ОБНОВИТЬ", "更新", "PÄIVITÄ", "AKTUALIZOVAT", "AKTUALIZUJ"}},
    {{"RESTORE", "RESTAURER", "WIEDERHERSTELLEN", "RIPRISTINA", "復元", "복원", "RESTAURAR",
      "HERSTELLEN", "ВОССТАНОВИТЬ", "恢复", "PALAUTA", "OBNOVIT", "PRZYWRÓĆ"}},
    {{"YES", "OUI", "JA", "SÌ", "はい", "예", "SÍ", "JA", "ДА", "是", "KYLLÄ", "ANO", "TAK"}},
    {{"NO", "NON", "NEIN", "NO", "いいえ", "아니요", "NO", "NEE", "НЕТ", "否", "EI", "NE", "NIE"}},
    {{"CANCEL", "ANNULER", "ABBRECHEN", "ANNULLA", "キャンセル", "취소", "CANCELAR", "ANNULEREN",
      "ОТМЕНА", "取消", "PERUUTA", "ZRUŠIT", "ANULUJ"}},
    {{"Enable", "Activer", "Aktivieren", "Attiva", "有効", "사용", "Activar", "Inschakelen",
      "Включить", "启用", "Käytössä", "Povolit", "Włącz"}},
    {{"Disable", "Désactiver", "Deaktivieren", "Disattiva", "無効", "사용 안 함", "Desactivar",
      "Uitschakelen", "Отключить", "禁用", "Ei käytössä", "Zakázat", "Wyłącz"}},
    {{"Enabled", "Activé", "Aktiviert", "Attivato", "有効", "사용", "Activado", "Ingeschakeld",
      "Включено", "已启用", "Käytössä", "Povoleno", "Włączone"}},
    {{"Disabled", "Désactivé", "Deaktiviert", "Disattivato", "無効", "사용 안 함", "Desactivado",
      "Uitgeschakeld", "Отключено", "已禁用", "Ei käytössä", "Zakázáno", "Wyłączone"}},
    {{"seconds", "secondes", "Sekunden", "secondi", "秒", "초", "segundos", "seconden", "секунд",
      "秒", "sekuntia", "sekund", "sekund"}},
    {{"Version", "Version", "Version", "Versione", "バージョン", "버전", "Versión", "Versie", "Версия",
      "版本", "Versio", "Verze", "Wersja"}},
    {{"DEFAULT", "PAR DÉFAUT", "STANDARD", "PREDEFINITO", "初期設定", "기본값", "PREDETERMINADO",
      "STANDAARD", "ПО УМОЛЧАНИЮ", "默认", "OLETUS", "VÝCHOZÍ", "DOMYŚLNE"}},
    {{"MORE SETTINGS", "PLUS DE RÉGLAGES", "WEITERE EINSTELLUNGEN", "ALTRE IMPOSTAZIONI",
      "その他の設定", "추가 설정", "MÁS AJUSTES", "MEER INSTELLINGEN", "ДОП. НАСТРОЙКИ", "更多设置",
      "LISÄASETUKSET", "DALŠÍ NASTAVENÍ", "WIĘCEJ USTAWIEŃ"}},
};
static_assert(texts::AllValid(kWords), "a translated word does not match its English placeholders");

enum Word { kNext, kOk, kSendEmail, kUpdate, kRestore, kYes, kNo, kCancel, kEnable, kDisable,
            kEnabled, kDisabled, kSeconds, kVersion, kDefault, kMoreSettings, kWordCount };
static_assert(sizeof(kWords) / sizeof(kWords[0]) == kWordCount, "one source text per word");

const texts::LocalTable s_words TEXTS_INIT_EARLY(kWords);

void Get(CString& out, Word word, int language) { s_words.Get(out, word, language); }

}  // namespace

void GetTextNext(CString& out, int language) { Get(out, kNext, language); }
void GetTextOk(CString& out, int language) { Get(out, kOk, language); }
void GetTextSendEmail(CString& out, int language) { Get(out, kSendEmail, language); }
void GetTextUpdate(CString& out, int language) { Get(out, kUpdate, language); }
void GetTextRestore(CString& out, int language) { Get(out, kRestore, language); }
void GetTextYes(CString& out, int language) { Get(out, kYes, language); }
void GetTextNo(CString& out, int language) { Get(out, kNo, language); }
void GetTextCancel(CString& out, int language) { Get(out, kCancel, language); }
void GetTextEnable(CString& out, int language) { Get(out, kEnable, language); }
void GetTextDisable(CString& out, int language) { Get(out, kDisable, language); }
void GetTextEnabled(CString& out, int language) { Get(out, kEnabled, language); }
void GetTextDisabled(CString& out, int language) { Get(out, kDisabled, language); }
void GetTextSeconds(CString& out, int language) { Get(out, kSeconds, language); }
void GetTextVersion(CString& out, int language) { Get(out, kVersion, language); }
void GetDefaultCaption(CString& out, int language) { Get(out, kDefault, language); }
void GetMoreSettingsCaption(CString& out, int language) { Get(out, kMoreSettings, language); }
