#include "settings/SettingsTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
constexpr Text13 kTexts[settingstext::kCount] = {
    // kFmPresetRange
    {{"FM Radio preset should be between %0.1f MHz and %0.1f MHz. Enter valid value again.",
      "Le pré-réglage Radio FM doit être entre %0.1f MHz et %0.1f MHz. Saisissez à nouveau une valeur valide.",
      "FM-Radio-Voreinstell. muss zw. %0.1f MHz u. %0.1f MHz liegen. Gültigen Wert eingeben.",
      "La memorizzazione delle stazioni radio FM deve essere tra %0.1f MHz e %0.1f MHz. Reinserire un valore valido.",
      "FMラジオプリセットは%0.1fMHz～%0.1fMHzです。有効な値を入力し直してください。",
      "FM 라디오 자동 선국은 %0.1f MHz - %0.1f MHz 사이여야 합니다.",
      "El preset radio FM debe estar entre %0.1f MHz y %0.1f MHz. Indique un valor válido.",
      "FM-radio zou voorgeprogrammeerd moeten zijn tussen %0.1f MHz en %0.1f MHz. Voer opnieuw een geldige waarde in.",
      "Диапазон радиочастот должен находится между %0.1f МГц и %0.1f МГц. Введите корректное значение повторно.",
      "FM 广播预设值应在 %0.1f MHz 和 %0.1f MHz 之间。再次输入有效值。",
      "Radiotaajuuden esiasetus pitää olla välillä %0.1f MHz ja %0.1f MHz. Yritä uudelleen.",
      "Předvolba FM rádia musí být mezi %0.1f MHz a %0.1f MHz. Zadejte znovu platnou hodnotu.",
      "Ustawienie wstępne częstotliwości radia FM powinno zawierać się pomiędzy %0.1f MHz a %0.1f MHz. Wprowadź "
      "ponownie prawidłową wartość."}},
    // kFmPresetInvalid
    {{"FM Radio preset is not valid. Enter valid value again.",
      "Le pré-réglage Radio FM n'est pas valide. Saisissez à nouveau une valeur valide.",
      "FM-Radio Voreinstel. ungültig. Gültigen Wert eingeben.",
      "Memorizzazione stazione radio non valida. Reinserire un valore valido.",
      "FMラジオプリセットが有効ではありません。有効な値を入力し直してください。",
      "FM 라디오 자동 선국이 잘못되었습니다. 올바른 값을 다시 입력하십시오.",
      "Presets radio FM inválida. Indique un valor válido.",
      "De preset van FM-radio is niet geldig. Voer opnieuw een geldige waarde in.",
      "Установленная радиочастота некорректна. Введите корректное значение повторно.",
      "FM 广播预设值无效。再次输入有效值。",
      "Radion muistipaikka ei ole käytössä. Valitse toinen.",
      "Předvolba FM rádia není platná. Zadejte znovu platnou hodnotu.",
      "Ustawienie wstępne radia FM jest nieprawidłowe. Wprowadź ponownie prawidłową wartość."}},
    // kHelpRdsAf
    {{"[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) "
      "enables the headset to re-tune to an alternative frequency for the same radio station if the primary frequency "
      "loses signal strength. Please check that your local radio stations support the RDS AF feature.",
      "[RDS (Radio Data System) AF (Fréquences alternatives)]\nLa fonction RDS AF permet au casque de se régler sur une "
      "autre fréquence de la même station lorsque le signal de la fréquence principale faiblit. Vérifiez que vos "
      "stations locales prennent en charge la fonction RDS AF.",
      "[RDS (Radio Data System) AF (Alternativfrequenzen)]\nMit RDS AF stellt sich das Headset auf eine andere "
      "Frequenz desselben Senders ein, wenn das Signal der Hauptfrequenz schwächer wird. Prüfen Sie, ob Ihre "
      "örtlichen Sender RDS AF unterstützen.",
      "[RDS (Radio Data System) AF (Frequenze alternative)]\nLa funzione RDS AF consente all'auricolare di "
      "sintonizzarsi su una frequenza alternativa della stessa stazione quando il segnale della frequenza principale "
      "si indebolisce. Verificare che le stazioni locali supportino la funzione RDS AF.",
      "[RDS（ラジオデータシステム）AF（代替周波数）]\nRDS AF を使用すると、受信中の周波数の電波が弱くなったときに、"
      "ヘッドセットが同じ放送局の別の周波数に自動的に切り替わります。お住まいの地域の放送局が RDS AF "
      "に対応しているかご確認ください。",
      "[RDS(라디오 데이터 시스템) AF(대체 주파수)]\nRDS AF를 사용하면 주 주파수의 신호가 약해질 때 헤드셋이 같은 "
      "방송국의 다른 주파수로 다시 맞춰집니다. 지역 방송국이 RDS AF 기능을 지원하는지 확인하십시오.",
      "[RDS (Radio Data System) AF (Frecuencias alternativas)]\nRDS AF permite que el auricular sintonice una "
      "frecuencia alternativa de la misma emisora cuando la señal de la frecuencia principal se debilita. Compruebe "
      "que sus emisoras locales admiten la función RDS AF.",
      "[RDS (Radio Data System) AF (alternatieve frequenties)]\nMet RDS AF stemt de headset af op een andere "
      "frequentie van dezelfde zender wanneer het signaal van de hoofdfrequentie zwakker wordt. Controleer of uw "
      "lokale zenders RDS AF ondersteunen.",
      "[RDS (Radio Data System) AF (альтернативные частоты)]\nФункция RDS AF позволяет гарнитуре перестроиться на "
      "другую частоту той же радиостанции, если сигнал основной частоты ослабевает. Убедитесь, что местные "
      "радиостанции поддерживают функцию RDS AF.",
      "[RDS（无线电数据系统）AF（替代频率）]\n当主频率信号减弱时，RDS AF 可使耳机重新调谐到同一电台的替代频率。"
      "请确认您当地的电台支持 RDS AF 功能。",
      "[RDS (Radio Data System) AF (vaihtoehtoiset taajuudet)]\nRDS AF -toiminnon avulla kuuloke virittyy saman "
      "aseman toiselle taajuudelle, kun päätaajuuden signaali heikkenee. Tarkista, tukevatko paikalliset "
      "radioasemat RDS AF -toimintoa.",
      "[[RDS (Radio Data System) AF (alternativní frekvence)]]\nFunkce RDS AF umožňuje náhlavní soupravě přeladit "
      "na alternativní frekvenci téže stanice, když signál hlavní frekvence zeslábne. Ověřte, zda místní stanice "
      "funkci RDS AF podporují.",
      "[[RDS (Radio Data System) AF (częstotliwości alternatywne)]]\nFunkcja RDS AF pozwala zestawowi przestroić "
      "się na alternatywną częstotliwość tej samej stacji, gdy sygnał głównej częstotliwości słabnie. Sprawdź, czy "
      "lokalne stacje radiowe obsługują funkcję RDS AF."}},
    // kWriteFailedBox
    {{"The settings could not be written to the device.\nYour changes are kept. Check the connection and save again.",
      "Les réglages n'ont pas pu être écrits dans l'appareil.\nVos modifications sont conservées. Vérifiez la "
      "connexion et enregistrez à nouveau.",
      "Die Einstellungen konnten nicht in das Gerät geschrieben werden.\nIhre Änderungen bleiben erhalten. Prüfen Sie "
      "die Verbindung und speichern Sie erneut.",
      "Non è stato possibile scrivere le impostazioni sul dispositivo.\nLe modifiche sono state mantenute. "
      "Controllare il collegamento e salvare di nuovo.",
      "設定をデバイスに書き込めませんでした。\n変更内容は保持されています。接続を確認して、もう一度保存してください。",
      "설정을 장치에 쓸 수 없습니다.\n변경 내용은 유지됩니다. 연결을 확인한 후 다시 저장하십시오.",
      "No se pudieron escribir los ajustes en el dispositivo.\nSus cambios se conservan. Compruebe la conexión y "
      "vuelva a guardar.",
      "De instellingen konden niet naar het apparaat worden geschreven.\nUw wijzigingen blijven bewaard. Controleer "
      "de verbinding en sla opnieuw op.",
      "Не удалось записать настройки в устройство.\nВаши изменения сохранены. Проверьте подключение и сохраните ещё "
      "раз.",
      "无法将设置写入设备。\n您的更改已保留。请检查连接后再次保存。",
      "Asetuksia ei voitu kirjoittaa laitteeseen.\nMuutoksesi on säilytetty. Tarkista yhteys ja tallenna uudelleen.",
      "Nastavení se nepodařilo zapsat do zařízení.\nVaše změny zůstaly zachovány. Zkontrolujte připojení a uložte "
      "znovu.",
      "Nie udało się zapisać ustawień w urządzeniu.\nTwoje zmiany zostały zachowane. Sprawdź połączenie i zapisz "
      "ponownie."}},
};

static_assert(texts::AllValid(kTexts), "a translation does not match its English placeholders");

const texts::LocalTable s_texts TEXTS_INIT_EARLY(kTexts);

}  // namespace

namespace settingstext {

void Get(CString& out, Id id, int language) { s_texts.Get(out, id, language); }

CString Get(Id id, int language) {
    CString out;
    Get(out, id, language);
    return out;
}

}  // namespace settingstext

void GetTextMsgFmPresetRange(CString* out, int language) {
    if (out) settingstext::Get(*out, settingstext::kFmPresetRange, language);
}
void GetTextMsgFmPresetInvalid(CString* out, int language) {
    if (out) settingstext::Get(*out, settingstext::kFmPresetInvalid, language);
}
void GetTextHelpRdsAf(CString* out, int language) {
    if (out) settingstext::Get(*out, settingstext::kHelpRdsAf, language);
}
