// Texts of the FIRMWARE UPDATE page.
#include "texts/UpdatePageTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

enum Item {
    kFirmwareToUpdate,
    kBrowse,
    kDownload,
    kLatestVersion,
    kVoicePromptInstruction,
    kFirmwareFileFilter,
    kPairAgainAdvice,
    kCameraReconnectSteps,
    kRestartHeadsetAdvice,
    kItemCount
};

// Language order: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
constexpr Text13 kItems[kItemCount] = {
    {{"Firmware To Update", "Firmware à mettre à jour", "Zu aktualisierende Firmware", "Firmware da aggiornare",
      "アップデートするファームウェア", "업데이트할 펌웨어", "Firmware para actualizar", "Bij te werken firmware",
      "Прошивка для обновления", "要更新的固件", "Päivitettävä laiteohjelmisto", "Firmware k aktualizaci",
      "Firmware do aktualizacji"}},
    {{"Browse...", "Parcourir...", "Durchsuchen...", "Sfoglia...", "参照...", "찾아보기...", "Examinar...",
      "Bladeren...", "Обзор...", "浏览...", "Selaa...", "Procházet...", "Przeglądaj..."}},
    {{"Download...", "Télécharger...", "Herunterladen...", "Scarica...", "ダウンロード...", "다운로드...",
      "Descargar...", "Downloaden...", "Загрузить...", "下载...", "Lataa...", "Stáhnout...", "Pobierz..."}},
    {{"Latest Version", "Dernière version", "Neueste Version", "Ultima versione", "最新バージョン", "최신 버전",
      "Última versión", "Nieuwste versie", "Последняя версия", "最新版本", "Uusin versio", "Nejnovější verze",
      "Najnowsza wersja"}},
    {{"1. To change the language of the voice prompt, click on the drop down\n    menu to select your desired voice prompt language.\n2. Press [DOWNLOAD] to download the firmware for your desired voice\n    prompt language to your computer.\n3. Press [UPDATE] to proceed with the firmware update.",
      "1. Pour changer la langue des annonces vocales, cliquez sur le menu\n    déroulant et choisissez la langue souhaitée.\n2. Appuyez sur [TÉLÉCHARGER] pour télécharger sur votre ordinateur le\n    firmware de la langue choisie.\n3. Appuyez sur [METTRE À JOUR] pour lancer la mise à jour du firmware.",
      "1. Um die Sprache der Sprachansagen zu ändern, klicken Sie auf das\n    Auswahlmenü und wählen Sie die gewünschte Sprache.\n2. Drücken Sie [HERUNTERLADEN], um die Firmware der gewählten Sprache\n    auf Ihren Computer herunterzuladen.\n3. Drücken Sie [AKTUALISIEREN], um die Firmware zu aktualisieren.",
      "1. Per cambiare la lingua degli avvisi vocali, fare clic sul menu a\n    discesa e scegliere la lingua desiderata.\n2. Premere [SCARICA] per scaricare sul computer il firmware della\n    lingua scelta.\n3. Premere [AGGIORNA] per procedere con l'aggiornamento del firmware.",
      "1. 音声ガイドの言語を変更するには、ドロップダウンメニューを\n    クリックして言語を選択してください。\n2. [ダウンロード]を押して、選択した言語のファームウェアを\n    コンピューターにダウンロードしてください。\n3. [アップデート]を押してファームウェアをアップデートしてください。",
      "1. 음성 안내 언어를 바꾸려면 드롭다운 메뉴를 클릭하여\n    원하는 언어를 선택하십시오.\n2. [다운로드]를 눌러 선택한 언어의 펌웨어를\n    컴퓨터로 다운로드하십시오.\n3. [업데이트]를 눌러 펌웨어 업데이트를 진행하십시오.",
      "1. Para cambiar el idioma de los avisos de voz, haga clic en el menú\n    desplegable y elija el idioma que desee.\n2. Pulse [DESCARGAR] para descargar en su ordenador el firmware del\n    idioma elegido.\n3. Pulse [ACTUALIZAR] para continuar con la actualización del firmware.",
      "1. Klik op het keuzemenu en kies de gewenste taal om de taal van de\n    gesproken meldingen te wijzigen.\n2. Druk op [DOWNLOADEN] om de firmware voor de gekozen taal naar uw\n    computer te downloaden.\n3. Druk op [BIJWERKEN] om de firmware bij te werken.",
      "1. Чтобы изменить язык голосовых подсказок, откройте раскрывающееся\n    меню и выберите нужный язык.\n2. Нажмите [ЗАГРУЗИТЬ], чтобы загрузить на компьютер прошивку\n    с выбранным языком.\n3. Нажмите [ОБНОВИТЬ], чтобы обновить прошивку.",
      "1. 要更改语音提示的语言，请点击下拉菜单\n    选择所需的语言。\n2. 按 [下载] 将所选语言的固件\n    下载到电脑。\n3. 按 [更新] 继续更新固件。",
      "1. Vaihda äänikehotteiden kieli valitsemalla haluamasi kieli\n    avattavasta valikosta.\n2. Lataa valitun kielen laiteohjelmisto tietokoneellesi\n    painamalla [LATAA].\n3. Päivitä laiteohjelmisto painamalla [PÄIVITÄ].",
      "1. Chcete-li změnit jazyk hlasových hlášení, klikněte na rozbalovací\n    nabídku a vyberte požadovaný jazyk.\n2. Stisknutím [STÁHNOUT] stáhnete do počítače firmware\n    vybraného jazyka.\n3. Stisknutím [AKTUALIZOVAT] spustíte aktualizaci firmwaru.",
      "1. Aby zmienić język komunikatów głosowych, kliknij menu rozwijane\n    i wybierz żądany język.\n2. Naciśnij [POBIERZ], aby pobrać na komputer firmware\n    w wybranym języku.\n3. Naciśnij [AKTUALIZUJ], aby zaktualizować firmware."}},
    {{"Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|",
      "Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|",
      "Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|", "Firmware Files(*.img)|",
      "Firmware Files(*.img)|"}},
    {{"It is strongly recommended to clear the existing pairing information from the phone and to perform a Bluetooth pairing again. You need to reconfigure the device setting again according to your original setting.",
      "Il est vivement recommandé d'effacer les informations d'appairage du téléphone et de refaire l'appairage Bluetooth. Vous devez de nouveau configurer les réglages de l'appareil selon vos réglages d'origine.",
      "Es wird dringend empfohlen, die vorhandenen Kopplungsdaten aus dem Telefon zu löschen und die Bluetooth-Kopplung erneut durchzuführen. Sie müssen die Geräteeinstellungen erneut nach Ihren ursprünglichen Einstellungen vornehmen.",
      "Si consiglia vivamente di cancellare dal telefono le informazioni di abbinamento esistenti e di ripetere l'abbinamento Bluetooth. È necessario riconfigurare le impostazioni dispositivo secondo le impostazioni originali.",
      "電話から既存のペアリング情報を削除し、Bluetoothペアリングをやり直すことを強くお勧めします。デバイス設定を元の設定どおりに再度行ってください。",
      "전화기에서 기존 페어링 정보를 삭제하고 Bluetooth 페어링을 다시 하실 것을 적극 권장합니다. 장치 설정을 원래 설정대로 다시 구성해야 합니다.",
      "Se recomienda encarecidamente borrar del teléfono la información de emparejamiento existente y volver a realizar el emparejamiento Bluetooth. Debe volver a configurar los ajustes del dispositivo según sus ajustes originales.",
      "Het wordt sterk aanbevolen de bestaande koppelingsgegevens van de telefoon te wissen en de Bluetooth-koppeling opnieuw uit te voeren. U moet de apparaatinstellingen opnieuw instellen volgens uw oorspronkelijke instellingen.",
      "Настоятельно рекомендуется удалить с телефона существующие данные сопряжения и заново выполнить сопряжение Bluetooth. Настройки устройства нужно заново задать в соответствии с вашими исходными настройками.",
      "强烈建议清除手机中现有的配对信息并重新进行蓝牙配对。您需要按照原来的设置重新配置设备设置。",
      "On erittäin suositeltavaa poistaa puhelimesta nykyiset pariliitostiedot ja muodostaa Bluetooth-pariliitos uudelleen. Laitteen asetukset on määritettävä uudelleen alkuperäisten asetustesi mukaisiksi.",
      "Důrazně doporučujeme vymazat z telefonu stávající informace o spárování a provést párování Bluetooth znovu. Nastavení zařízení je třeba znovu nastavit podle původního nastavení.",
      "Zdecydowanie zaleca się usunięcie z telefonu istniejących informacji o parowaniu i ponowne sparowanie Bluetooth. Musisz ponownie skonfigurować ustawienia urządzenia zgodnie z pierwotnymi ustawieniami."}},
    {{"1. Disconnect the USB cable from the KELTO.\n2. Wait until the KELTO completes update and powers off.\n3. Connect USB cable to the KELTO and then power on it.\n4. Press [OK] button.\n",
      "1. Débranchez le câble USB du KELTO.\n2. Attendez que le KELTO termine la mise à jour et s'éteigne.\n3. Rebranchez le câble USB au KELTO, puis allumez-le.\n4. Appuyez sur le bouton [OK].\n",
      "1. Trennen Sie das USB-Kabel vom KELTO.\n2. Warten Sie, bis der KELTO das Update abgeschlossen hat und sich ausschaltet.\n3. Schließen Sie das USB-Kabel an den KELTO an und schalten Sie ihn ein.\n4. Drücken Sie die Schaltfläche [OK].\n",
      "1. Scollegare il cavo USB dal KELTO.\n2. Attendere che il KELTO completi l'aggiornamento e si spenga.\n3. Collegare il cavo USB al KELTO e accenderlo.\n4. Premere il pulsante [OK].\n",
      "1. KELTOからUSBケーブルを外してください。\n2. KELTOがアップデートを完了して電源が切れるまでお待ちください。\n3. USBケーブルをKELTOに接続し、電源を入れてください。\n4. [OK]ボタンを押してください。\n",
      "1. KELTO에서 USB 케이블을 분리하십시오.\n2. KELTO가 업데이트를 마치고 전원이 꺼질 때까지 기다리십시오.\n3. USB 케이블을 KELTO에 연결한 다음 전원을 켜십시오.\n4. [OK] 버튼을 누르십시오.\n",
      "1. Desconecte el cable USB del KELTO.\n2. Espere a que el KELTO termine la actualización y se apague.\n3. Conecte el cable USB al KELTO y enciéndalo.\n4. Pulse el botón [OK].\n",
      "1. Koppel de USB-kabel los van de KELTO.\n2. Wacht tot de KELTO klaar is met bijwerken en uitschakelt.\n3. Sluit de USB-kabel aan op de KELTO en schakel hem in.\n4. Druk op de knop [OK].\n",
      "1. Отсоедините кабель USB от KELTO.\n2. Дождитесь, пока KELTO завершит обновление и выключится.\n3. Подключите кабель USB к KELTO и включите его.\n4. Нажмите кнопку [OK].\n",
      "1. 从 KELTO 上拔下 USB 线。\n2. 等待 KELTO 完成更新并关机。\n3. 将 USB 线连接到 KELTO，然后开机。\n4. 按 [OK] 按钮。\n",
      "1. Irrota USB-kaapeli KELTOsta.\n2. Odota, kunnes KELTO on päivitetty ja sammuu.\n3. Liitä USB-kaapeli KELTOon ja kytke siihen virta.\n4. Paina [OK]-painiketta.\n",
      "1. Odpojte kabel USB od zařízení KELTO.\n2. Počkejte, až KELTO dokončí aktualizaci a vypne se.\n3. Připojte kabel USB ke KELTO a zapněte jej.\n4. Stiskněte tlačítko [OK].\n",
      "1. Odłącz kabel USB od KELTO.\n2. Poczekaj, aż KELTO zakończy aktualizację i się wyłączy.\n3. Podłącz kabel USB do KELTO i włącz urządzenie.\n4. Naciśnij przycisk [OK].\n"}},
    {{"%s.\nPower off and power on PN40 to apply new firmware.",
      "%s.\nÉteignez puis rallumez le PN40 pour appliquer le nouveau firmware.",
      "%s.\nSchalten Sie den PN40 aus und wieder ein, um die neue Firmware zu übernehmen.",
      "%s.\nSpegnere e riaccendere il PN40 per applicare il nuovo firmware.",
      "%s.\n新しいファームウェアを適用するには、PN40の電源を切ってから入れ直してください。",
      "%s.\n새 펌웨어를 적용하려면 PN40의 전원을 껐다가 다시 켜십시오.",
      "%s.\nApague y vuelva a encender el PN40 para aplicar el nuevo firmware.",
      "%s.\nSchakel de PN40 uit en weer in om de nieuwe firmware toe te passen.",
      "%s.\nВыключите и снова включите PN40, чтобы применить новую прошивку.",
      "%s.\n请关闭 PN40 再重新开机以应用新固件。",
      "%s.\nOta uusi laiteohjelmisto käyttöön sammuttamalla PN40 ja käynnistämällä se uudelleen.",
      "%s.\nVypněte a znovu zapněte PN40, aby se nový firmware použil.",
      "%s.\nWyłącz i włącz ponownie PN40, aby zastosować nowy firmware."}},
};
static_assert(texts::AllValid(kItems), "an update page text does not match its English placeholders");

const texts::LocalTable s_items TEXTS_INIT_EARLY(kItems);

}  // namespace

void GetTextFirmwareToUpdate(CString& out, int language) { s_items.Get(out, kFirmwareToUpdate, language); }
void GetTextBrowseButton(CString& out, int language) { s_items.Get(out, kBrowse, language); }
void GetTextDownloadButton(CString& out, int language) { s_items.Get(out, kDownload, language); }
void GetTextLatestVersion(CString& out, int language) { s_items.Get(out, kLatestVersion, language); }
void GetTextVoicePromptInstruction(CString& out, int language) { s_items.Get(out, kVoicePromptInstruction, language); }
void GetTextFirmwareFileFilter(CString& out, int language) { s_items.Get(out, kFirmwareFileFilter, language); }
void GetTextMsgPairAgainAdvice(CString& out, int language) { s_items.Get(out, kPairAgainAdvice, language); }
void GetTextMsgCameraReconnectSteps(CString& out, int language) { s_items.Get(out, kCameraReconnectSteps, language); }
void GetTextMsgRestartHeadsetAdvice(CString& out, int language) { s_items.Get(out, kRestartHeadsetAdvice, language); }
