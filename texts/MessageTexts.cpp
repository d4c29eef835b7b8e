// Messages of recognition, update and restore.
#include "texts/MessageTexts.h"
#include "texts/TextSource.h"
#include "texts/WizardTexts.h"

#if __has_include("core/ModelCatalog.h")
#include "core/ModelCatalog.h"
#else
void GetModelName(CString& out, int modelId, BOOL internalName);
#endif

using texts::Text13;

namespace {

enum Message {
    kFirmwareManagementMode,
    kCannotOpenUsb,
    kCheckSdCard,
    kCannotConnectToServer,
    kPressButton,
    kAfterSelectingVoicePromptLanguage,
    kFailedToDownloadLatestFirmware,
    kAboutToDownloadLatestFirmware,
    kAboutToDownloadBackupFirmware,
    kCannotOpenFile,
    kCannotGetDevice,
    kRecognizedDeviceNotConnected,
    kCheckingFirmware,
    kCheckingBackupFirmware,
    kCannotGetStatus,
    kFirmwareCorrupted,
    kWithoutBackupFirmware,
    kAboutToMakeBackupFirmware,
    kUsbNotMatch,
    kCannotUpdateFirmware,
    kNotRecognizedDevice,
    kFirmwareNotFor,
    kFirmwareNotSupported,
    kTryAgain,
    kCameraFirmwareUpdateFailed,
    kNoBackupFirmware,
    kNoBackupFirmwareOnServer,
    kCouldNotWriteToDevice,
    kMessageCount
};

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
// The lower-case English fragments follow an activity sentence ("On
// updating firmware. about to ..."); the translations start them as a new
// sentence.
constexpr Text13 kMessages[kMessageCount] = {
    {{"Firmware management mode", "Mode de gestion du firmware", "Firmware-Verwaltungsmodus",
      "Modalità gestione firmware", "ファームウェア管理モード", "펌웨어 관리 모드",
      "Modo de gestión de firmware", "Firmwarebeheermodus", "Режим управления прошивкой",
      "固件管理模式", "Laiteohjelmiston hallintatila", "Režim správy firmwaru",
      "Tryb zarządzania firmware"}},
    {{"Cannot open USB", "Impossible d'ouvrir l'USB", "USB kann nicht geöffnet werden",
      "Impossibile aprire la porta USB", "USBを開けません", "USB를 열 수 없습니다",
      "No se puede abrir el USB", "Kan USB niet openen", "Не удается открыть USB", "无法打开 USB",
      "USB-yhteyttä ei voi avata", "Nelze otevřít USB", "Nie można otworzyć USB"}},
    {{"Check your SD Card.", "Vérifiez votre carte SD.", "Prüfen Sie Ihre SD-Karte.",
      "Controllare la scheda SD.", "SDカードを確認してください。", "SD 카드를 확인하십시오.",
      "Compruebe la tarjeta SD.", "Controleer uw SD-kaart.", "Проверьте SD-карту.", "请检查 SD 卡。",
      "Tarkista SD-kortti.", "Zkontrolujte SD kartu.", "Sprawdź kartę SD."}},
    {{"Cannot connect to the server", "Impossible de se connecter au serveur",
      "Keine Verbindung zum Server", "Impossibile connettersi al server", "サーバーに接続できません",
      "서버에 연결할 수 없습니다", "No se puede conectar con el servidor",
      "Kan geen verbinding maken met de server", "Не удается подключиться к серверу",
      "无法连接到服务器", "Palvelimeen ei saada yhteyttä", "Nelze se připojit k serveru",
      "Nie można połączyć się z serwerem"}},
    // %s: a button caption.
    {{"Press the [%s] button", "Appuyez sur le bouton [%s]", "Drücken Sie die Schaltfläche [%s]",
      "Premere il pulsante [%s]", "[%s]ボタンを押してください", "[%s] 버튼을 누르십시오",
      "Pulse el botón [%s]", "Druk op de knop [%s]", "Нажмите кнопку [%s]", "请按 [%s] 按钮",
      "Paina [%s]-painiketta", "Stiskněte tlačítko [%s]", "Naciśnij przycisk [%s]"}},
    // %s: the press-the-button text.
    {{"%s after selecting voice prompt language",
      "%s après avoir choisi la langue des annonces vocales",
      "%s, nachdem Sie die Sprache der Sprachansagen gewählt haben",
      "%s dopo aver scelto la lingua degli avvisi vocali", "音声ガイドの言語を選択した後、%s",
      "음성 안내 언어를 선택한 후 %s", "%s después de elegir el idioma de los avisos de voz",
      "%s nadat u de taal van de gesproken meldingen hebt gekozen",
      "%s после выбора языка голосовых подсказок", "选择语音提示语言后，%s",
      "%s, kun olet valinnut äänikehotteiden kielen", "%s po výběru jazyka hlasových hlášení",
      "%s po wybraniu języka komunikatów głosowych"}},
    {{"Failed to download latest firmware", "Échec du téléchargement du dernier firmware",
      "Neueste Firmware konnte nicht heruntergeladen werden",
      "Download dell'ultimo firmware non riuscito", "最新ファームウェアのダウンロードに失敗しました",
      "최신 펌웨어를 다운로드하지 못했습니다", "No se pudo descargar el firmware más reciente",
      "Downloaden van nieuwste firmware mislukt", "Не удалось загрузить последнюю прошивку",
      "最新固件下载失败", "Uusimman laiteohjelmiston lataus epäonnistui",
      "Nejnovější firmware se nepodařilo stáhnout", "Nie udało się pobrać najnowszego firmware"}},
    {{"about to download latest firmware", "Téléchargement du dernier firmware",
      "Neueste Firmware wird heruntergeladen", "Download dell'ultimo firmware",
      "最新ファームウェアをダウンロードします", "최신 펌웨어를 다운로드합니다",
      "Se descargará el firmware más reciente", "Nieuwste firmware wordt gedownload",
      "Сейчас будет загружена последняя прошивка", "即将下载最新固件",
      "Uusin laiteohjelmisto ladataan", "Bude stažen nejnovější firmware",
      "Pobieranie najnowszego firmware"}},
    {{"about to download backup firmware", "Téléchargement du firmware de sauvegarde",
      "Backup-Firmware wird heruntergeladen", "Download del firmware di backup",
      "バックアップファームウェアをダウンロードします", "백업 펌웨어를 다운로드합니다",
      "Se descargará el firmware de respaldo", "Back-upfirmware wordt gedownload",
      "Сейчас будет загружена резервная прошивка", "即将下载备份固件",
      "Laiteohjelmiston varmuuskopio ladataan", "Bude stažen záložní firmware",
      "Pobieranie zapasowego firmware"}},
    {{"Cannot open file", "Impossible d'ouvrir le fichier", "Datei kann nicht geöffnet werden",
      "Impossibile aprire il file", "ファイルを開けません", "파일을 열 수 없습니다",
      "No se puede abrir el archivo", "Kan bestand niet openen", "Не удается открыть файл",
      "无法打开文件", "Tiedostoa ei voi avata", "Soubor nelze otevřít", "Nie można otworzyć pliku"}},
    {{"Cannot get device", "Impossible d'accéder à l'appareil", "Kein Zugriff auf das Gerät",
      "Impossibile accedere al dispositivo", "デバイスにアクセスできません", "장치에 연결할 수 없습니다",
      "No se puede acceder al dispositivo", "Geen toegang tot het apparaat",
      "Нет доступа к устройству", "无法访问设备", "Laitteeseen ei saada yhteyttä",
      "Nelze získat přístup k zařízení", "Brak dostępu do urządzenia"}},
    {{"Recognized device is not connected or is not the same as the connected device.\n"
      "Select appropriate device.\n",
      "L'appareil reconnu n'est pas connecté ou ne correspond pas à l'appareil connecté.\n"
      "Sélectionnez l'appareil approprié.\n",
      "Das erkannte Gerät ist nicht angeschlossen oder nicht das angeschlossene Gerät.\n"
      "Wählen Sie das passende Gerät.\n",
      "Il dispositivo riconosciuto non è collegato o è diverso dal dispositivo collegato.\n"
      "Selezionare il dispositivo corretto.\n",
      "認識されたデバイスが接続されていないか、接続されているデバイスと異なります。\n"
      "正しいデバイスを選択してください。\n",
      "인식된 장치가 연결되어 있지 않거나 연결된 장치와 다릅니다.\n"
      "올바른 장치를 선택하십시오.\n",
      "El dispositivo reconocido no está conectado o no coincide con el dispositivo conectado.\n"
      "Seleccione el dispositivo adecuado.\n",
      "Het herkende apparaat is niet aangesloten of is niet hetzelfde als het aangesloten apparaat.\n"
      "Selecteer het juiste apparaat.\n",
      "Распознанное устройство не подключено или отличается от подключенного устройства.\n"
      "Выберите нужное устройство.\n",
      "已识别的设备未连接，或与所连接的设备不一致。\n"
      "请选择正确的设备。\n",
      "Tunnistettu laite ei ole liitettynä tai se ei ole sama kuin liitetty laite.\n"
      "Valitse oikea laite.\n",
      "Rozpoznané zařízení není připojeno nebo se liší od připojeného zařízení.\n"
      "Vyberte správné zařízení.\n",
      "Rozpoznane urządzenie nie jest podłączone lub różni się od podłączonego urządzenia.\n"
      "Wybierz właściwe urządzenie.\n"}},
    {{"Checking firmware", "Vérification du firmware", "Firmware wird geprüft", "Verifica del firmware",
      "ファームウェアを確認しています", "펌웨어 확인 중", "Comprobando el firmware",
      "Firmware wordt gecontroleerd", "Проверка прошивки", "正在检查固件",
      "Laiteohjelmistoa tarkistetaan", "Kontrola firmwaru", "Sprawdzanie firmware"}},
    {{"Checking backup firmware", "Vérification du firmware de sauvegarde",
      "Backup-Firmware wird geprüft", "Verifica del firmware di backup",
      "バックアップファームウェアを確認しています", "백업 펌웨어 확인 중",
      "Comprobando el firmware de respaldo", "Back-upfirmware wordt gecontroleerd",
      "Проверка резервной прошивки", "正在检查备份固件",
      "Laiteohjelmiston varmuuskopiota tarkistetaan", "Kontrola záložního firmwaru",
      "Sprawdzanie zapasowego firmware"}},
    {{"Cannot get status", "Impossible d'obtenir l'état", "Status nicht verfügbar",
      "Impossibile leggere lo stato", "状態を取得できません", "상태를 확인할 수 없습니다",
      "No se puede obtener el estado", "Kan status niet ophalen", "Не удается получить состояние",
      "无法获取状态", "Tilaa ei saada luettua", "Nelze zjistit stav", "Nie można odczytać stanu"}},
    {{"Firmware corrupted", "Firmware endommagé", "Firmware beschädigt", "Firmware danneggiato",
      "ファームウェアが破損しています", "펌웨어가 손상되었습니다", "Firmware dañado", "Firmware beschadigd",
      "Прошивка повреждена", "固件已损坏", "Laiteohjelmisto on vioittunut", "Firmware je poškozený",
      "Firmware jest uszkodzony"}},
    {{"without backup firmware", "Sans firmware de sauvegarde", "Ohne Backup-Firmware",
      "Senza firmware di backup", "バックアップファームウェアなし", "백업 펌웨어 없이",
      "Sin firmware de respaldo", "Zonder back-upfirmware", "Без резервной прошивки",
      "不使用备份固件", "Ilman laiteohjelmiston varmuuskopiota", "Bez záložního firmwaru",
      "Bez zapasowego firmware"}},
    {{"about to make backup firmware", "Création du firmware de sauvegarde",
      "Backup-Firmware wird erstellt", "Creazione del firmware di backup",
      "バックアップファームウェアを作成します", "백업 펌웨어를 만듭니다",
      "Se creará el firmware de respaldo", "Back-upfirmware wordt gemaakt",
      "Сейчас будет создана резервная прошивка", "即将创建备份固件",
      "Laiteohjelmistosta tehdään varmuuskopio", "Bude vytvořen záložní firmware",
      "Tworzenie zapasowego firmware"}},
    {{"USB not match", "USB non concordant", "USB stimmt nicht überein", "USB non corrispondente",
      "USBが一致しません", "USB가 일치하지 않습니다", "El USB no coincide", "USB komt niet overeen",
      "USB не совпадает", "USB 不匹配", "USB ei täsmää", "USB neodpovídá", "USB nie pasuje"}},
    {{"Cannot update firmware", "Impossible de mettre à jour le firmware",
      "Firmware kann nicht aktualisiert werden", "Impossibile aggiornare il firmware",
      "ファームウェアをアップデートできません", "펌웨어를 업데이트할 수 없습니다",
      "No se puede actualizar el firmware", "Kan firmware niet bijwerken",
      "Невозможно обновить прошивку", "无法更新固件", "Laiteohjelmistoa ei voi päivittää",
      "Firmware nelze aktualizovat", "Nie można zaktualizować firmware"}},
    {{"Not the recognized device", "Ce n'est pas l'appareil reconnu", "Nicht das erkannte Gerät",
      "Non è il dispositivo riconosciuto", "認識されたデバイスではありません", "인식된 장치가 아닙니다",
      "No es el dispositivo reconocido", "Niet het herkende apparaat",
      "Это не распознанное устройство", "不是已识别的设备", "Tämä ei ole tunnistettu laite",
      "Nejde o rozpoznané zařízení", "To nie jest rozpoznane urządzenie"}},
    // %s: the display name of a model.
    {{"Firmware not for %s", "Firmware non prévu pour %s", "Firmware nicht für %s",
      "Firmware non destinato a %s", "%s用のファームウェアではありません", "%s용 펌웨어가 아닙니다",
      "Firmware no válido para %s", "Firmware niet bedoeld voor %s", "Прошивка не для %s",
      "此固件不适用于 %s", "Laiteohjelmisto ei sovi laitteeseen %s", "Firmware není určen pro %s",
      "Firmware nie jest przeznaczony dla %s"}},
    {{"Firmware version is not supported by the 60T EVO. Update to the latest version of 60T EVO "
      "firmware.",
      "Cette version du firmware n'est pas prise en charge par le 60T EVO. Installez la dernière "
      "version du firmware du 60T EVO.",
      "Diese Firmware-Version wird vom 60T EVO nicht unterstützt. Aktualisieren Sie auf die neueste "
      "Firmware des 60T EVO.",
      "Versione firmware non supportata dal 60T EVO. Aggiornare all'ultima versione del firmware "
      "del 60T EVO.",
      "このファームウェアのバージョンは60T EVOでサポートされていません。60T EVOのファームウェアを"
      "最新バージョンにアップデートしてください。",
      "60T EVO에서 지원하지 않는 펌웨어 버전입니다. 60T EVO 펌웨어를 최신 버전으로 업데이트하십시오.",
      "El 60T EVO no admite esta versión de firmware. Actualice el 60T EVO a la versión de firmware "
      "más reciente.",
      "Deze firmwareversie wordt niet ondersteund door de 60T EVO. Werk de 60T EVO bij naar de "
      "nieuwste firmware.",
      "Эта версия прошивки не поддерживается 60T EVO. Обновите прошивку 60T EVO до последней "
      "версии.",
      "60T EVO 不支持此固件版本。请将 60T EVO 固件更新到最新版本。",
      "60T EVO ei tue tätä laiteohjelmistoversiota. Päivitä 60T EVO:n laiteohjelmisto uusimpaan "
      "versioon.",
      "Tato verze firmwaru není v 60T EVO podporována. Aktualizujte firmware 60T EVO na nejnovější "
      "verzi.",
      "Ta wersja firmware nie jest obsługiwana przez 60T EVO. Zaktualizuj firmware 60T EVO do "
      "najnowszej wersji."}},
    {{"Try again", "Réessayez", "Versuchen Sie es erneut", "Riprovare", "もう一度お試しください",
      "다시 시도하십시오", "Inténtelo de nuevo", "Probeer het opnieuw", "Повторите попытку", "请重试",
      "Yritä uudelleen", "Zkuste to znovu", "Spróbuj ponownie"}},
    {{"Camera firmware update failed", "Échec de la mise à jour du firmware de la caméra",
      "Kamera-Firmware-Update fehlgeschlagen",
      "Aggiornamento del firmware della videocamera non riuscito",
      "カメラのファームウェアアップデートに失敗しました", "카메라 펌웨어 업데이트에 실패했습니다",
      "No se pudo actualizar el firmware de la cámara", "Bijwerken van camerafirmware mislukt",
      "Не удалось обновить прошивку камеры", "相机固件更新失败",
      "Kameran laiteohjelmiston päivitys epäonnistui", "Aktualizace firmwaru kamery se nezdařila",
      "Aktualizacja firmware kamery nie powiodła się"}},
    {{"NO backup firmware", "AUCUN firmware de sauvegarde", "KEINE Backup-Firmware",
      "NESSUN firmware di backup", "バックアップファームウェアがありません", "백업 펌웨어 없음",
      "NO hay firmware de respaldo", "GEEN back-upfirmware", "НЕТ резервной прошивки",
      "没有备份固件", "EI laiteohjelmiston varmuuskopiota", "ŽÁDNÝ záložní firmware",
      "BRAK zapasowego firmware"}},
    {{"No backup firmware on the server", "Aucun firmware de sauvegarde sur le serveur",
      "Keine Backup-Firmware auf dem Server", "Nessun firmware di backup sul server",
      "サーバーにバックアップファームウェアがありません", "서버에 백업 펌웨어가 없습니다",
      "No hay firmware de respaldo en el servidor", "Geen back-upfirmware op de server",
      "На сервере нет резервной прошивки", "服务器上没有备份固件",
      "Palvelimella ei ole laiteohjelmiston varmuuskopiota", "Na serveru není žádný záložní firmware",
      "Brak zapasowego firmware na serwerze"}},
    {{"Could not write to the device", "Impossible d'écrire dans l'appareil", "Schreiben in das Gerät fehlgeschlagen",
      "Impossibile scrivere sul dispositivo", "デバイスに書き込めませんでした", "장치에 쓸 수 없습니다",
      "No se pudo escribir en el dispositivo", "Schrijven naar het apparaat mislukt",
      "Не удалось записать в устройство", "无法写入设备", "Laitteeseen kirjoittaminen epäonnistui",
      "Zápis do zařízení se nezdařil", "Nie udało się zapisać w urządzeniu"}},
};
static_assert(texts::AllValid(kMessages), "a message does not match its English placeholders");

const texts::LocalTable s_messages TEXTS_INIT_EARLY(kMessages);

void Get(CString& out, Message message, int language) { s_messages.Get(out, message, language); }

}  // namespace

void GetTextFirmwareManagementMode(CString& out, int language) { Get(out, kFirmwareManagementMode, language); }
void GetTextMsgCannotOpenUsb(CString& out, int language) { Get(out, kCannotOpenUsb, language); }
void GetTextMsgCheckSdCard(CString& out, int language) { Get(out, kCheckSdCard, language); }
void GetTextMsgCannotConnectToServer(CString& out, int language) { Get(out, kCannotConnectToServer, language); }

void GetTextMsgPressUpdateButton(CString& out, int language) {
    CString caption;
    GetTextUpdate(caption, language);
    out.Format(s_messages.At(kPressButton, language), caption.GetString());
}

void GetTextMsgPressRestoreButton(CString& out, int language) {
    CString caption;
    GetTextRestore(caption, language);
    out.Format(s_messages.At(kPressButton, language), caption.GetString());
}

void GetTextMsgPressRestoreAfterVoicePromptLanguage(CString& out, int language) {
    CString press;
    GetTextMsgPressRestoreButton(press, language);
    out.Format(s_messages.At(kAfterSelectingVoicePromptLanguage, language), press.GetString());
}

void GetTextMsgFailedToDownloadLatestFirmware(CString& out, int language) { Get(out, kFailedToDownloadLatestFirmware, language); }
void GetTextMsgAboutToDownloadLatestFirmware(CString& out, int language) { Get(out, kAboutToDownloadLatestFirmware, language); }
void GetTextMsgAboutToDownloadBackupFirmware(CString& out, int language) { Get(out, kAboutToDownloadBackupFirmware, language); }
void GetTextMsgCannotOpenFile(CString& out, int language) { Get(out, kCannotOpenFile, language); }
void GetTextMsgCannotGetDevice(CString& out, int language) { Get(out, kCannotGetDevice, language); }
void GetTextMsgRecognizedDeviceNotConnected(CString& out, int language) { Get(out, kRecognizedDeviceNotConnected, language); }
void GetTextMsgCheckingFirmware(CString& out, int language) { Get(out, kCheckingFirmware, language); }
void GetTextMsgCheckingBackupFirmware(CString& out, int language) { Get(out, kCheckingBackupFirmware, language); }
void GetTextMsgCannotGetStatus(CString& out, int language) { Get(out, kCannotGetStatus, language); }
void GetTextMsgFirmwareCorrupted(CString& out, int language) { Get(out, kFirmwareCorrupted, language); }
void GetTextMsgWithoutBackupFirmware(CString& out, int language) { Get(out, kWithoutBackupFirmware, language); }
void GetTextMsgAboutToMakeBackupFirmware(CString& out, int language) { Get(out, kAboutToMakeBackupFirmware, language); }
void GetTextMsgUsbNotMatch(CString& out, int language) { Get(out, kUsbNotMatch, language); }
void GetTextMsgCannotUpdateFirmware(CString& out, int language) { Get(out, kCannotUpdateFirmware, language); }
void GetTextMsgNotRecognizedDevice(CString& out, int language) { Get(out, kNotRecognizedDevice, language); }

void GetTextMsgFirmwareNotFor(CString& out, int modelId, int language) {
    CString name;
    GetModelName(name, modelId, FALSE);
    out.Format(s_messages.At(kFirmwareNotFor, language), name.GetString());
}

void GetTextMsgFirmwareNotSupported(CString& out, int language) { Get(out, kFirmwareNotSupported, language); }
void GetTextMsgTryAgain(CString& out, int language) { Get(out, kTryAgain, language); }
void GetTextMsgCameraFirmwareUpdateFailed(CString& out, int language) { Get(out, kCameraFirmwareUpdateFailed, language); }
void GetTextMsgNoBackupFirmware(CString& out, int language) { Get(out, kNoBackupFirmware, language); }
void GetTextMsgNoBackupFirmwareOnServer(CString& out, int language) { Get(out, kNoBackupFirmwareOnServer, language); }
void GetTextMsgCouldNotWriteToDevice(CString& out, int language) { Get(out, kCouldNotWriteToDevice, language); }
