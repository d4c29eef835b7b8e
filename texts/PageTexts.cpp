// Titles, success, failure, activity and instruction texts of the wizard pages.
#include "texts/WizardTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.

// Page groups: the three setting pages share their texts.
enum Group { kWelcome, kRecognition, kUpdate, kRestore, kSetting, kGroupCount };

constexpr Text13 kTitles[kGroupCount] = {
    {{"WELCOME", "BIENVENUE", "WILLKOMMEN", "BENVENUTO", "ようこそ", "환영합니다", "BIENVENIDO",
      "WELKOM", "ДОБРО ПОЖАЛОВАТЬ", "欢迎", "TERVETULOA", "VÍTEJTE", "WITAMY"}},
    {{"DEVICE RECOGNITION", "RECONNAISSANCE DE L'APPAREIL", "GERÄTEERKENNUNG", "RICONOSCIMENTO DISPOSITIVO",
      "デバイス認識", "장치 인식", "RECONOCIMIENTO DEL DISPOSITIVO", "APPARAATHERKENNING",
      "РАСПОЗНАВАНИЕ УСТРОЙСТВА", "设备识别", "LAITTEEN TUNNISTUS", "ROZPOZNÁNÍ ZAŘÍZENÍ",
      "ROZPOZNAWANIE URZĄDZENIA"}},
    {{"FIRMWARE UPDATE", "MISE À JOUR DU FIRMWARE", "FIRMWARE-UPDATE", "AGGIORNAMENTO FIRMWARE",
      "ファームウェアアップデート", "펌웨어 업데이트", "ACTUALIZACIÓN DE FIRMWARE", "FIRMWARE BIJWERKEN",
      "ОБНОВЛЕНИЕ ПРОШИВКИ", "固件更新", "LAITEOHJELMISTON PÄIVITYS", "AKTUALIZACE FIRMWARU",
      "AKTUALIZACJA FIRMWARE"}},
    {{"FIRMWARE RESTORE", "RESTAURATION DU FIRMWARE", "FIRMWARE-WIEDERHERSTELLUNG",
      "RIPRISTINO FIRMWARE", "ファームウェア復元", "펌웨어 복원", "RESTAURACIÓN DE FIRMWARE",
      "FIRMWARE HERSTELLEN", "ВОССТАНОВЛЕНИЕ ПРОШИВКИ", "固件恢复", "LAITEOHJELMISTON PALAUTUS",
      "OBNOVENÍ FIRMWARU", "PRZYWRACANIE FIRMWARE"}},
    {{"DEVICE SETTING", "RÉGLAGES DE L'APPAREIL", "GERÄTEEINSTELLUNGEN", "IMPOSTAZIONI DISPOSITIVO",
      "デバイス設定", "장치 설정", "AJUSTES DEL DISPOSITIVO", "APPARAATINSTELLINGEN",
      "НАСТРОЙКИ УСТРОЙСТВА", "设备设置", "LAITTEEN ASETUKSET", "NASTAVENÍ ZAŘÍZENÍ",
      "USTAWIENIA URZĄDZENIA"}},
};

constexpr Text13 kSuccess[kGroupCount] = {
    {{"%s selected. %s", "%s sélectionné. %s", "%s ausgewählt. %s", "%s selezionato. %s",
      "%sを選択しました。%s", "%s 선택됨. %s", "%s seleccionado. %s", "%s geselecteerd. %s",
      "Выбрано: %s. %s", "已选择 %s。%s", "%s valittu. %s", "Vybráno: %s. %s", "Wybrano: %s. %s"}},
    {{"Device recognized successfully. %s", "Appareil reconnu. %s", "Gerät erfolgreich erkannt. %s",
      "Dispositivo riconosciuto. %s", "デバイスを認識しました。%s", "장치를 인식했습니다. %s",
      "Dispositivo reconocido. %s", "Apparaat herkend. %s", "Устройство распознано. %s",
      "设备识别成功。%s", "Laite tunnistettu. %s", "Zařízení bylo rozpoznáno. %s",
      "Urządzenie zostało rozpoznane. %s"}},
    {{"Firmware updated successfully", "Firmware mis à jour", "Firmware erfolgreich aktualisiert",
      "Firmware aggiornato", "ファームウェアをアップデートしました", "펌웨어를 업데이트했습니다",
      "Firmware actualizado", "Firmware bijgewerkt", "Прошивка обновлена", "固件更新成功",
      "Laiteohjelmisto päivitetty", "Firmware byl aktualizován", "Firmware został zaktualizowany"}},
    {{"Firmware restored successfully", "Firmware restauré", "Firmware erfolgreich wiederhergestellt",
      "Firmware ripristinato", "ファームウェアを復元しました", "펌웨어를 복원했습니다",
      "Firmware restaurado", "Firmware hersteld", "Прошивка восстановлена", "固件恢复成功",
      "Laiteohjelmisto palautettu", "Firmware byl obnoven", "Firmware został przywrócony"}},
    {{"Device setting saved successfully", "Réglages de l'appareil enregistrés",
      "Geräteeinstellungen gespeichert", "Impostazioni del dispositivo salvate",
      "デバイス設定を保存しました", "장치 설정을 저장했습니다", "Ajustes del dispositivo guardados",
      "Apparaatinstellingen opgeslagen", "Настройки устройства сохранены", "设备设置保存成功",
      "Laitteen asetukset tallennettu", "Nastavení zařízení bylo uloženo",
      "Ustawienia urządzenia zostały zapisane"}},
};

// WELCOME has no failure and no activity text: these start at the recognition page.
constexpr Text13 kFailure[kGroupCount - 1] = {
    {{"Failed to recognize device", "Échec de la reconnaissance de l'appareil",
      "Gerät wurde nicht erkannt", "Riconoscimento del dispositivo non riuscito",
      "デバイスを認識できませんでした", "장치를 인식하지 못했습니다", "No se pudo reconocer el dispositivo",
      "Apparaat niet herkend", "Не удалось распознать устройство", "设备识别失败",
      "Laitteen tunnistus epäonnistui", "Zařízení se nepodařilo rozpoznat",
      "Nie udało się rozpoznać urządzenia"}},
    {{"Failed to update firmware", "Échec de la mise à jour du firmware", "Firmware-Update fehlgeschlagen",
      "Aggiornamento del firmware non riuscito", "ファームウェアのアップデートに失敗しました",
      "펌웨어 업데이트에 실패했습니다", "No se pudo actualizar el firmware", "Bijwerken van firmware mislukt",
      "Не удалось обновить прошивку", "固件更新失败", "Laiteohjelmiston päivitys epäonnistui",
      "Aktualizace firmwaru se nezdařila", "Aktualizacja firmware nie powiodła się"}},
    {{"Failed to restore firmware", "Échec de la restauration du firmware",
      "Firmware-Wiederherstellung fehlgeschlagen", "Ripristino del firmware non riuscito",
      "ファームウェアの復元に失敗しました", "펌웨어 복원에 실패했습니다", "No se pudo restaurar el firmware",
      "Herstellen van firmware mislukt", "Не удалось восстановить прошивку", "固件恢复失败",
      "Laiteohjelmiston palautus epäonnistui", "Obnovení firmwaru se nezdařilo",
      "Przywracanie firmware nie powiodło się"}},
    {{"Failed to save device setting", "Échec de l'enregistrement des réglages",
      "Geräteeinstellungen nicht gespeichert", "Salvataggio delle impostazioni non riuscito",
      "デバイス設定を保存できませんでした", "장치 설정을 저장하지 못했습니다",
      "No se pudieron guardar los ajustes", "Opslaan van apparaatinstellingen mislukt",
      "Не удалось сохранить настройки устройства", "设备设置保存失败",
      "Laitteen asetusten tallennus epäonnistui", "Nastavení zařízení se nepodařilo uložit",
      "Nie udało się zapisać ustawień urządzenia"}},
};

constexpr Text13 kActivity[kGroupCount - 1] = {
    {{"On recognizing device.", "Reconnaissance de l'appareil en cours.", "Gerät wird erkannt.",
      "Riconoscimento del dispositivo in corso.", "デバイスを認識しています。", "장치를 인식하는 중입니다.",
      "Reconociendo el dispositivo.", "Apparaat wordt herkend.", "Распознавание устройства.",
      "正在识别设备。", "Laitetta tunnistetaan.", "Probíhá rozpoznávání zařízení.",
      "Trwa rozpoznawanie urządzenia."}},
    {{"On updating firmware.", "Mise à jour du firmware en cours.", "Firmware wird aktualisiert.",
      "Aggiornamento del firmware in corso.", "ファームウェアをアップデートしています。",
      "펌웨어를 업데이트하는 중입니다.", "Actualizando el firmware.", "Firmware wordt bijgewerkt.",
      "Обновление прошивки.", "正在更新固件。", "Laiteohjelmistoa päivitetään.",
      "Probíhá aktualizace firmwaru.", "Trwa aktualizacja firmware."}},
    {{"On restoring firmware.", "Restauration du firmware en cours.", "Firmware wird wiederhergestellt.",
      "Ripristino del firmware in corso.", "ファームウェアを復元しています。", "펌웨어를 복원하는 중입니다.",
      "Restaurando el firmware.", "Firmware wordt hersteld.", "Восстановление прошивки.",
      "正在恢复固件。", "Laiteohjelmistoa palautetaan.", "Probíhá obnovení firmwaru.",
      "Trwa przywracanie firmware."}},
    {{"On saving device setting.", "Enregistrement des réglages en cours.",
      "Geräteeinstellungen werden gespeichert.", "Salvataggio delle impostazioni in corso.",
      "デバイス設定を保存しています。", "장치 설정을 저장하는 중입니다.",
      "Guardando los ajustes del dispositivo.", "Apparaatinstellingen worden opgeslagen.",
      "Сохранение настроек устройства.", "正在保存设备设置。", "Laitteen asetuksia tallennetaan.",
      "Probíhá ukládání nastavení zařízení.", "Trwa zapisywanie ustawień urządzenia."}},
};

enum Instruction { kPressToProceed, kReadyFor, kReadyForWithNote, kNoBackupNote, kInstructionCount };

constexpr Text13 kInstructions[kInstructionCount] = {
    // %s: the NEXT caption.
    {{"Press %s to proceed.", "Appuyez sur %s pour continuer.", "Drücken Sie %s, um fortzufahren.",
      "Premere %s per continuare.", "%sを押して続行してください。", "%s 버튼을 눌러 계속하십시오.",
      "Pulse %s para continuar.", "Druk op %s om door te gaan.", "Нажмите %s, чтобы продолжить.",
      "请按“%s”继续。", "Jatka painamalla %s.", "Pokračujte stisknutím %s.",
      "Naciśnij %s, aby kontynuować."}},
    // %s: the page title.
    {{"Ready for %s", "Prêt pour %s", "Bereit für %s", "Pronto per %s", "%sの準備ができました",
      "%s 준비 완료", "Listo para %s", "Klaar voor %s", "Готово к этапу «%s»", "准备进行%s",
      "Valmis: %s", "Připraveno: %s", "Gotowe: %s"}},
    // %s: the page title, then the note below.
    {{"Ready for %s. %s", "Prêt pour %s. %s", "Bereit für %s. %s", "Pronto per %s. %s",
      "%sの準備ができました。%s", "%s 준비 완료. %s", "Listo para %s. %s", "Klaar voor %s. %s",
      "Готово к этапу «%s». %s", "准备进行%s。%s", "Valmis: %s. %s", "Připraveno: %s. %s",
      "Gotowe: %s. %s"}},
    {{"Cannot make backup firmware", "Impossible de créer le firmware de sauvegarde",
      "Backup-Firmware kann nicht erstellt werden", "Impossibile creare il firmware di backup",
      "バックアップファームウェアを作成できません", "백업 펌웨어를 만들 수 없습니다",
      "No se puede crear el firmware de respaldo", "Kan geen back-upfirmware maken",
      "Невозможно создать резервную прошивку", "无法创建备份固件",
      "Laiteohjelmiston varmuuskopiota ei voi tehdä", "Nelze vytvořit záložní firmware",
      "Nie można utworzyć zapasowego firmware"}},
};

static_assert(texts::AllValid(kTitles) && texts::AllValid(kSuccess) && texts::AllValid(kFailure) &&
                  texts::AllValid(kActivity) && texts::AllValid(kInstructions),
              "a page text does not match its English placeholders");

const texts::LocalTable s_titles TEXTS_INIT_EARLY(kTitles);
const texts::LocalTable s_success TEXTS_INIT_EARLY(kSuccess);
const texts::LocalTable s_failure TEXTS_INIT_EARLY(kFailure);
const texts::LocalTable s_activity TEXTS_INIT_EARLY(kActivity);
const texts::LocalTable s_instructions TEXTS_INIT_EARLY(kInstructions);

constexpr int kNoGroup = -1;

int GroupOf(int page) {
    switch (page) {
    case 1: return kWelcome;
    case 2: return kRecognition;
    case 3: return kUpdate;
    case 4: return kRestore;
    case 5:
    case 6:
    case 7: return kSetting;
    default: return kNoGroup;
    }
}

// A page text from a table that starts at the given group; an empty text
// for a page without one.
void GetPageText(const texts::LocalTable& table, CString& out, int page, int firstGroup, int language) {
    int group = GroupOf(page);
    if (group == kNoGroup || group < firstGroup) {
        out.Empty();
        return;
    }
    table.Get(out, group - firstGroup, language);
}

}  // namespace

void GetTextPageTitle(CString& out, int page, int language) {
    GetPageText(s_titles, out, page, kWelcome, language);
}

void GetTextPageSuccess(CString& out, int page, int language) {
    GetPageText(s_success, out, page, kWelcome, language);
}
void GetTextPageSuccess(CString& out, int page, int /*usbStatus*/, int language) {
    GetTextPageSuccess(out, page, language);
}

void GetTextPageFailure(CString& out, int page, int language) {
    GetPageText(s_failure, out, page, kRecognition, language);
}
void GetTextPageFailure(CString& out, int page, int /*usbStatus*/, int language) {
    GetTextPageFailure(out, page, language);
}

void GetTextPageActivity(CString& out, int page, int language) {
    GetPageText(s_activity, out, page, kRecognition, language);
}
void GetTextPageActivity(CString& out, int page, int /*usbStatus*/, int language) {
    GetTextPageActivity(out, page, language);
}

void GetTextPageInstruction(CString& out, int page, int mode, int language) {
    out.Empty();
    int group = GroupOf(page);
    if (group == kNoGroup) return;
    if (group == kWelcome) {
        CString next;
        GetTextNext(next, language);
        out.Format(s_instructions.At(kPressToProceed, language), next.GetString());
        return;
    }
    CString title;
    GetTextPageTitle(title, page, language);
    bool noBackup = (group == kUpdate || group == kRestore) && mode >= 0x8000;
    if (noBackup)
        out.Format(s_instructions.At(kReadyForWithNote, language), title.GetString(),
                   s_instructions.At(kNoBackupNote, language).GetString());
    else
        out.Format(s_instructions.At(kReadyFor, language), title.GetString());
}
