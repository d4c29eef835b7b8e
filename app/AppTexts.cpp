// The shell's texts. Language order in every text:
// en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
#include "app/AppTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

constexpr Text13 kTexts[] = {
    // kBack
    {{"BACK", "RETOUR", "ZURÜCK", "INDIETRO", "戻る", "이전", "ATRÁS", "TERUG", "НАЗАД", "上一步",
      "TAKAISIN", "ZPĚT", "WSTECZ"}},
    // kSave
    {{"SAVE", "ENREGISTRER", "SPEICHERN", "SALVA", "保存", "저장", "GUARDAR", "OPSLAAN", "СОХРАНИТЬ",
      "保存", "TALLENNA", "ULOŽIT", "ZAPISZ"}},
    // kBasicGroup
    {{"Basic", "Général", "Allgemein", "Generali", "基本", "기본", "Básicos", "Basis", "Основные", "基本",
      "Perus", "Základní", "Podstawowe"}},
    // kMenuLanguage
    {{"Language...", "Langue...", "Sprache...", "Lingua...", "言語...", "언어...", "Idioma...", "Taal...",
      "Язык...", "语言...", "Kieli...", "Jazyk...", "Język..."}},
    // kMenuHelp
    {{"Online Help", "Aide en ligne", "Online-Hilfe", "Guida online", "オンラインヘルプ", "온라인 도움말",
      "Ayuda en línea", "Online-help", "Справка в Интернете", "在线帮助", "Verkko-ohje", "Nápověda online",
      "Pomoc online"}},
    // kDiagnosticLog
    {{"Diagnostic Log", "Journal de diagnostic", "Diagnoseprotokoll", "Registro diagnostico", "診断ログ",
      "진단 로그", "Registro de diagnóstico", "Diagnoselogboek", "Журнал диагностики", "诊断日志",
      "Diagnostiikkaloki", "Diagnostický protokol", "Dziennik diagnostyczny"}},
    // kMenuAbout
    {{"About...", "À propos...", "Über...", "Informazioni...", "バージョン情報...", "프로그램 정보...",
      "Acerca de...", "Over...", "О программе...", "关于...", "Tietoja...", "O programu...",
      "O programie..."}},
    // kMenuExit
    {{"Exit", "Quitter", "Beenden", "Esci", "終了", "종료", "Salir", "Afsluiten", "Выход", "退出", "Lopeta",
      "Ukončit", "Zakończ"}},
    // kLanguageTitle
    {{"Language", "Langue", "Sprache", "Lingua", "言語", "언어", "Idioma", "Taal", "Язык", "语言", "Kieli",
      "Jazyk", "Język"}},
    // kApplyToVoicePrompt
    {{"Use this language for the voice prompt too",
      "Utiliser aussi cette langue pour les annonces vocales",
      "Diese Sprache auch für die Sprachansagen verwenden",
      "Usa questa lingua anche per gli avvisi vocali",
      "音声ガイドにもこの言語を使用する",
      "음성 안내에도 이 언어 사용",
      "Usar también este idioma para los avisos de voz",
      "Deze taal ook voor de gesproken meldingen gebruiken",
      "Использовать этот язык и для голосовых подсказок",
      "语音提示也使用此语言",
      "Käytä tätä kieltä myös äänikehotteissa",
      "Použít tento jazyk i pro hlasová hlášení",
      "Używaj tego języka także dla komunikatów głosowych"}},
    // kVersionFormat
    {{"Version %d.%d", "Version %d.%d", "Version %d.%d", "Versione %d.%d", "バージョン %d.%d", "버전 %d.%d",
      "Versión %d.%d", "Versie %d.%d", "Версия %d.%d", "版本 %d.%d", "Versio %d.%d", "Verze %d.%d",
      "Wersja %d.%d"}},
    // kPressAndHold
    {{"Press and hold the %s until this message disappears.",
      "Maintenez le %s enfoncé jusqu'à ce que ce message disparaisse.",
      "Halten Sie die %s gedrückt, bis diese Meldung verschwindet.",
      "Tieni premuto il %s finché questo messaggio non scompare.",
      "このメッセージが消えるまで%sを長押ししてください。",
      "이 메시지가 사라질 때까지 %s을 길게 누르세요.",
      "Mantenga pulsado el %s hasta que desaparezca este mensaje.",
      "Houd de %s ingedrukt tot dit bericht verdwijnt.",
      "Нажмите и удерживайте %s, пока это сообщение не исчезнет.",
      "请按住%s，直到此消息消失。",
      "Pidä %s painettuna, kunnes tämä viesti katoaa.",
      "Stiskněte a podržte %s, dokud tato zpráva nezmizí.",
      "Naciśnij i przytrzymaj %s, aż ten komunikat zniknie."}},
    // kPressAndHoldTwoKeys
    {{"Press and hold the %s and %s until this message disappears.",
      "Maintenez le %s et le %s enfoncés jusqu'à ce que ce message disparaisse.",
      "Halten Sie die %s und die %s gedrückt, bis diese Meldung verschwindet.",
      "Tieni premuti il %s e il %s finché questo messaggio non scompare.",
      "このメッセージが消えるまで%sと%sを同時に長押ししてください。",
      "이 메시지가 사라질 때까지 %s과 %s을 함께 길게 누르세요.",
      "Mantenga pulsados el %s y el %s hasta que desaparezca este mensaje.",
      "Houd de %s en de %s ingedrukt tot dit bericht verdwijnt.",
      "Нажмите и удерживайте %s и %s, пока это сообщение не исчезнет.",
      "请同时按住%s和%s，直到此消息消失。",
      "Pidä %s ja %s painettuina, kunnes tämä viesti katoaa.",
      "Stiskněte a podržte %s a %s, dokud tato zpráva nezmizí.",
      "Naciśnij i przytrzymaj %s oraz %s, aż ten komunikat zniknie."}},
    // kBackupFailed
    {{"The settings of the %s could not be backed up before the firmware update.\n"
      "The update continues without a backup; check the device settings after the update.\n"
      "Press [OK] to continue.",
      "Les réglages du %s n'ont pas pu être sauvegardés avant la mise à jour du firmware.\n"
      "La mise à jour continue sans sauvegarde ; vérifiez les réglages de l'appareil ensuite.\n"
      "Appuyez sur [OK] pour continuer.",
      "Die Einstellungen des %s konnten vor dem Firmware-Update nicht gesichert werden.\n"
      "Das Update wird ohne Sicherung fortgesetzt; prüfen Sie danach die Geräteeinstellungen.\n"
      "Drücken Sie [OK], um fortzufahren.",
      "Non è stato possibile salvare le impostazioni del %s prima dell'aggiornamento del firmware.\n"
      "L'aggiornamento prosegue senza backup; controlla poi le impostazioni del dispositivo.\n"
      "Premi [OK] per continuare.",
      "ファームウェアアップデートの前に%sの設定をバックアップできませんでした。\n"
      "バックアップなしでアップデートを続行します。アップデート後にデバイスの設定を確認してください。\n"
      "[OK]を押して続行してください。",
      "펌웨어 업데이트 전에 %s의 설정을 백업하지 못했습니다.\n"
      "백업 없이 업데이트를 계속합니다. 업데이트 후 장치 설정을 확인하세요.\n"
      "계속하려면 [OK]를 누르세요.",
      "No se pudieron guardar los ajustes del %s antes de la actualización del firmware.\n"
      "La actualización continúa sin copia; compruebe después los ajustes del dispositivo.\n"
      "Pulse [OK] para continuar.",
      "De instellingen van de %s konden voor de firmware-update niet worden opgeslagen.\n"
      "De update gaat verder zonder back-up; controleer daarna de apparaatinstellingen.\n"
      "Druk op [OK] om door te gaan.",
      "Не удалось сохранить настройки %s перед обновлением прошивки.\n"
      "Обновление продолжится без резервной копии; после него проверьте настройки устройства.\n"
      "Нажмите [OK], чтобы продолжить.",
      "固件更新前无法备份%s的设置。\n"
      "更新将在没有备份的情况下继续；更新后请检查设备设置。\n"
      "按 [OK] 继续。",
      "Laitteen %s asetuksia ei voitu varmuuskopioida ennen laiteohjelmiston päivitystä.\n"
      "Päivitys jatkuu ilman varmuuskopiota; tarkista laitteen asetukset päivityksen jälkeen.\n"
      "Jatka painamalla [OK].",
      "Nastavení zařízení %s se před aktualizací firmwaru nepodařilo zálohovat.\n"
      "Aktualizace pokračuje bez zálohy; po aktualizaci zkontrolujte nastavení zařízení.\n"
      "Pokračujte stisknutím [OK].",
      "Nie udało się zapisać kopii ustawień urządzenia %s przed aktualizacją firmware.\n"
      "Aktualizacja będzie kontynuowana bez kopii; po niej sprawdź ustawienia urządzenia.\n"
      "Naciśnij [OK], aby kontynuować."}},
    // kSaveChangesPrompt
    {{"Would you like to save %s changes?",
      "Voulez-vous enregistrer les modifications de %s ?",
      "Möchten Sie die Änderungen unter %s speichern?",
      "Vuoi salvare le modifiche di %s?",
      "%sの変更を保存しますか？",
      "%s 변경 사항을 저장하시겠습니까?",
      "¿Desea guardar los cambios de %s?",
      "Wilt u de wijzigingen in %s opslaan?",
      "Сохранить изменения в разделе %s?",
      "是否保存%s的更改？",
      "Haluatko tallentaa kohdan %s muutokset?",
      "Chcete uložit změny v části %s?",
      "Czy zapisać zmiany w sekcji %s?"}},
    // kKeyPhone
    {{"Phone Button", "bouton Téléphone", "Telefontaste", "pulsante Telefono", "電話ボタン", "전화 버튼",
      "botón Teléfono", "telefoonknop", "кнопку телефона", "电话按钮", "puhelinpainiketta",
      "tlačítko telefonu", "przycisk telefonu"}},
    // kKeyCenter
    {{"Center Button", "bouton central", "Mitteltaste", "pulsante centrale", "センターボタン", "가운데 버튼",
      "botón central", "middelste knop", "центральную кнопку", "中央按钮", "keskipainiketta",
      "prostřední tlačítko", "środkowy przycisk"}},
    // kKeyPlus
    {{"(+) Button", "bouton (+)", "(+)-Taste", "pulsante (+)", "(+)ボタン", "(+) 버튼", "botón (+)",
      "(+)-knop", "кнопку (+)", "(+)按钮", "(+)-painiketta", "tlačítko (+)", "przycisk (+)"}},
    // kKeyPower
    {{"Power Button", "bouton Marche/Arrêt", "Ein/Aus-Taste", "pulsante di accensione", "電源ボタン",
      "전원 버튼", "botón de encendido", "aan/uit-knop", "кнопку питания", "电源按钮", "virtapainiketta",
      "tlačítko napájení", "przycisk zasilania"}},
    // kNewProgramAvailable
    {{"A new version of this program (v%d.%d) is available.\nWould you like to download and install it now?",
      "Une nouvelle version de ce programme (v%d.%d) est disponible.\n"
      "Voulez-vous la télécharger et l'installer maintenant ?",
      "Eine neue Version dieses Programms (v%d.%d) ist verfügbar.\n"
      "Möchten Sie sie jetzt herunterladen und installieren?",
      "È disponibile una nuova versione di questo programma (v%d.%d).\nVuoi scaricarla e installarla ora?",
      "このプログラムの新しいバージョン (v%d.%d) があります。\n今すぐダウンロードしてインストールしますか？",
      "이 프로그램의 새 버전(v%d.%d)이 있습니다.\n지금 다운로드하여 설치하시겠습니까?",
      "Hay una nueva versión de este programa (v%d.%d).\n¿Desea descargarla e instalarla ahora?",
      "Er is een nieuwe versie van dit programma (v%d.%d) beschikbaar.\nWilt u deze nu downloaden en installeren?",
      "Доступна новая версия этой программы (v%d.%d).\nЗагрузить и установить её сейчас?",
      "本程序有新版本 (v%d.%d) 可用。\n是否立即下载并安装？",
      "Tästä ohjelmasta on saatavilla uusi versio (v%d.%d).\nHaluatko ladata ja asentaa sen nyt?",
      "Je k dispozici nová verze tohoto programu (v%d.%d).\nChcete ji nyní stáhnout a nainstalovat?",
      "Dostępna jest nowa wersja tego programu (v%d.%d).\nCzy pobrać ją i zainstalować teraz?"}},
    // kDownloadingProgram
    {{"Downloading the new version of the program", "Téléchargement de la nouvelle version du programme",
      "Die neue Programmversion wird heruntergeladen", "Download della nuova versione del programma",
      "新しいバージョンのプログラムをダウンロードしています", "새 버전의 프로그램을 다운로드하는 중",
      "Descargando la nueva versión del programa", "De nieuwe versie van het programma wordt gedownload",
      "Загрузка новой версии программы", "正在下载新版本程序", "Ladataan ohjelman uutta versiota",
      "Stahuje se nová verze programu", "Pobieranie nowej wersji programu"}},
    // kProgramDownloadFailed
    {{"Failed to download the new version of the program",
      "Échec du téléchargement de la nouvelle version du programme",
      "Die neue Programmversion konnte nicht heruntergeladen werden",
      "Impossibile scaricare la nuova versione del programma",
      "新しいバージョンのプログラムをダウンロードできませんでした",
      "새 버전의 프로그램을 다운로드하지 못했습니다",
      "No se pudo descargar la nueva versión del programa",
      "Downloaden van de nieuwe versie van het programma mislukt",
      "Не удалось загрузить новую версию программы",
      "无法下载新版本程序",
      "Ohjelman uuden version lataus epäonnistui",
      "Novou verzi programu se nepodařilo stáhnout",
      "Nie udało się pobrać nowej wersji programu"}},
    // kInstallerStarts
    {{"The new version has been downloaded.\nIts installer starts now and this program closes.",
      "La nouvelle version a été téléchargée.\nSon programme d'installation démarre et ce programme se ferme.",
      "Die neue Version wurde heruntergeladen.\nDas Installationsprogramm startet jetzt, dieses Programm wird beendet.",
      "La nuova versione è stata scaricata.\nOra si avvia l'installazione e questo programma si chiude.",
      "新しいバージョンをダウンロードしました。\nインストーラーを起動し、このプログラムを終了します。",
      "새 버전을 다운로드했습니다.\n설치 프로그램을 시작하고 이 프로그램을 종료합니다.",
      "Se ha descargado la nueva versión.\nAhora se inicia el instalador y este programa se cierra.",
      "De nieuwe versie is gedownload.\nHet installatieprogramma start nu en dit programma wordt afgesloten.",
      "Новая версия загружена.\nСейчас запустится установщик, а эта программа закроется.",
      "新版本已下载。\n现在将启动安装程序并关闭本程序。",
      "Uusi versio on ladattu.\nSen asennusohjelma käynnistyy nyt ja tämä ohjelma sulkeutuu.",
      "Nová verze byla stažena.\nNyní se spustí její instalace a tento program se ukončí.",
      "Nowa wersja została pobrana.\nTeraz uruchomi się instalator, a ten program zostanie zamknięty."}},
    // kInstallerNotOpened
    {{"The installer could not be started.", "Impossible de démarrer le programme d'installation.",
      "Das Installationsprogramm konnte nicht gestartet werden.", "Impossibile avviare l'installazione.",
      "インストーラーを起動できませんでした。", "설치 프로그램을 시작할 수 없습니다.",
      "No se pudo iniciar el instalador.", "Het installatieprogramma kon niet worden gestart.",
      "Не удалось запустить установщик.", "无法启动安装程序。", "Asennusohjelmaa ei voitu käynnistää.",
      "Instalační program nelze spustit.", "Nie można uruchomić instalatora."}},
    // kReleaseNotes
    {{"Release Notes", "Notes de version", "Versionshinweise", "Note di rilascio", "リリースノート",
      "릴리스 정보", "Notas de la versión", "Releaseopmerkingen", "Примечания к выпуску", "发行说明",
      "Julkaisutiedot", "Poznámky k verzi", "Informacje o wersji"}},
    // kNewFirmwareFound
    {{"New firmware is available for the %s.", "Un nouveau firmware est disponible pour le %s.",
      "Für das %s ist eine neue Firmware verfügbar.", "È disponibile un nuovo firmware per il %s.",
      "%sの新しいファームウェアがあります。", "%s의 새 펌웨어가 있습니다.",
      "Hay un nuevo firmware disponible para el %s.", "Er is nieuwe firmware beschikbaar voor de %s.",
      "Для %s доступна новая прошивка.", "%s有新固件可用。",
      "Laitteelle %s on saatavilla uusi laiteohjelmisto.", "Pro zařízení %s je k dispozici nový firmware.",
      "Dla urządzenia %s dostępny jest nowy firmware."}},
    // kCurrentVersion
    {{"Current version: %s", "Version actuelle : %s", "Aktuelle Version: %s", "Versione attuale: %s",
      "現在のバージョン: %s", "현재 버전: %s", "Versión actual: %s", "Huidige versie: %s",
      "Текущая версия: %s", "当前版本：%s", "Nykyinen versio: %s", "Aktuální verze: %s",
      "Bieżąca wersja: %s"}},
    // kLatestVersion
    {{"Latest version: %s", "Dernière version : %s", "Neueste Version: %s", "Ultima versione: %s",
      "最新バージョン: %s", "최신 버전: %s", "Última versión: %s", "Nieuwste versie: %s",
      "Последняя версия: %s", "最新版本：%s", "Uusin versio: %s", "Nejnovější verze: %s",
      "Najnowsza wersja: %s"}},
    // kNewFirmwareQuestion
    {{"Would you like to download the new firmware and update your device now?",
      "Voulez-vous télécharger le nouveau firmware et mettre à jour votre appareil maintenant ?",
      "Möchten Sie die neue Firmware herunterladen und Ihr Gerät jetzt aktualisieren?",
      "Vuoi scaricare il nuovo firmware e aggiornare ora il dispositivo?",
      "新しいファームウェアをダウンロードして、今すぐデバイスをアップデートしますか？",
      "새 펌웨어를 다운로드하여 지금 장치를 업데이트하시겠습니까?",
      "¿Desea descargar el nuevo firmware y actualizar ahora su dispositivo?",
      "Wilt u de nieuwe firmware downloaden en uw apparaat nu bijwerken?",
      "Загрузить новую прошивку и обновить устройство сейчас?",
      "是否下载新固件并立即更新设备？",
      "Haluatko ladata uuden laiteohjelmiston ja päivittää laitteen nyt?",
      "Chcete stáhnout nový firmware a nyní aktualizovat zařízení?",
      "Czy pobrać nowy firmware i zaktualizować urządzenie teraz?"}},
    // kLogSaved; %s: the file's full path, on a line of its own.
    {{"The diagnostic log has been saved to:\n%s", "Le journal de diagnostic a été enregistré dans :\n%s",
      "Das Diagnoseprotokoll wurde gespeichert unter:\n%s", "Il registro diagnostico è stato salvato in:\n%s",
      "診断ログを次の場所に保存しました:\n%s", "진단 로그를 다음 위치에 저장했습니다:\n%s",
      "Se ha guardado el registro de diagnóstico en:\n%s", "Het diagnoselogboek is opgeslagen in:\n%s",
      "Журнал диагностики сохранён в файл:\n%s", "诊断日志已保存到：\n%s", "Diagnostiikkaloki on tallennettu:\n%s",
      "Diagnostický protokol byl uložen do:\n%s", "Dziennik diagnostyczny został zapisany w:\n%s"}},
    // kLogNotSaved
    {{"The diagnostic log could not be saved.", "Impossible d'enregistrer le journal de diagnostic.",
      "Das Diagnoseprotokoll konnte nicht gespeichert werden.", "Impossibile salvare il registro diagnostico.",
      "診断ログを保存できませんでした。", "진단 로그를 저장할 수 없습니다.",
      "No se pudo guardar el registro de diagnóstico.", "Het diagnoselogboek kon niet worden opgeslagen.",
      "Не удалось сохранить журнал диагностики.", "无法保存诊断日志。", "Diagnostiikkalokia ei voitu tallentaa.",
      "Diagnostický protokol nelze uložit.", "Nie można zapisać dziennika diagnostycznego."}},
    // kCopyright; %d: the year.
    {{"Copyright © %d Morvex. All rights reserved.", "Copyright © %d Morvex. Tous droits réservés.",
      "Copyright © %d Morvex. Alle Rechte vorbehalten.", "Copyright © %d Morvex. Tutti i diritti riservati.",
      "Copyright © %d Morvex. 無断転載を禁じます。", "Copyright © %d Morvex. 모든 권리 보유.",
      "Copyright © %d Morvex. Todos los derechos reservados.", "Copyright © %d Morvex. Alle rechten voorbehouden.",
      "© %d Morvex. Все права защищены.", "版权所有 © %d Morvex。保留所有权利。",
      "Copyright © %d Morvex. Kaikki oikeudet pidätetään.", "Copyright © %d Morvex. Všechna práva vyhrazena.",
      "Copyright © %d Morvex. Wszelkie prawa zastrzeżone."}},
    // kLogFileFilter: the file type in the save dialog.
    {{"Diagnostic log files (*.talvolog)", "Fichiers journaux de diagnostic (*.talvolog)",
      "Diagnoseprotokolldateien (*.talvolog)", "File del registro diagnostico (*.talvolog)",
      "診断ログ ファイル (*.talvolog)", "진단 로그 파일 (*.talvolog)",
      "Archivos de registro de diagnóstico (*.talvolog)", "Diagnoselogboekbestanden (*.talvolog)",
      "Файлы журнала диагностики (*.talvolog)", "诊断日志文件 (*.talvolog)", "Diagnostiikkalokitiedostot (*.talvolog)",
      "Soubory diagnostického protokolu (*.talvolog)", "Pliki dziennika diagnostycznego (*.talvolog)"}},
};
static_assert(texts::AllValid(kTexts), "a translated text does not match its English placeholders");
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == apptext::kTextCount, "one source text per id");

const texts::LocalTable s_texts(kTexts);

}  // namespace

namespace apptext {

void Get(CString& out, Id id, int language) { s_texts.Get(out, (int)id, language); }

CString Get(Id id, int language) {
    CString out;
    Get(out, id, language);
    return out;
}

}  // namespace apptext
