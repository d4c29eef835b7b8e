// Texts of the DEVICE RECOGNITION page and its outcome report.
#include "texts/RecognitionTexts.h"
#include "texts/TextSource.h"

using texts::Text13;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
constexpr Text13 kTexts[rectext::kCount] = {
    // kStepPowerOff
    {{"1. Power off your product and connect it to your PC using the supplied microUSB cable.\n\n\n",
      "1. Éteignez votre produit et connectez-le à votre PC avec le câble microUSB fourni.\n\n\n",
      "1. Schalten Sie Ihr Produkt aus und verbinden Sie es mit dem mitgelieferten microUSB-Kabel mit Ihrem PC.\n\n\n",
      "1. Spegnere il prodotto e collegarlo al PC con il cavo microUSB in dotazione.\n\n\n",
      "1. 製品の電源を切り、付属のmicroUSBケーブルでPCに接続します。\n\n\n",
      "1. 제품의 전원을 끄고 제공된 microUSB 케이블로 PC에 연결하십시오.\n\n\n",
      "1. Apague su producto y conéctelo a su PC con el cable microUSB suministrado.\n\n\n",
      "1. Schakel uw product uit en sluit het met de meegeleverde microUSB-kabel aan op uw pc.\n\n\n",
      "1. Выключите изделие и подключите его к компьютеру с помощью прилагаемого кабеля microUSB.\n\n\n",
      "1. 请关闭产品电源，并使用随附的 microUSB 数据线将其连接到电脑。\n\n\n",
      "1. Sammuta tuote ja liitä se tietokoneeseen mukana tulleella microUSB-kaapelilla.\n\n\n",
      "1. Vypněte výrobek a připojte jej k počítači pomocí dodaného kabelu microUSB.\n\n\n",
      "1. Wyłącz produkt i podłącz go do komputera za pomocą dołączonego kabla microUSB.\n\n\n"}},
    // kStepPowerOn
    {{"2. Power on your %s product.\n\n\n", "2. Allumez votre produit %s.\n\n\n",
      "2. Schalten Sie Ihr %s-Produkt ein.\n\n\n", "2. Accendere il prodotto %s.\n\n\n",
      "2. %s製品の電源を入れます。\n\n\n", "2. %s 제품의 전원을 켜십시오.\n\n\n",
      "2. Encienda su producto %s.\n\n\n", "2. Schakel uw %s-product in.\n\n\n",
      "2. Включите изделие %s.\n\n\n", "2. 请打开 %s 产品的电源。\n\n\n", "2. Käynnistä %s-tuote.\n\n\n",
      "2. Zapněte výrobek %s.\n\n\n", "2. Włącz produkt %s.\n\n\n"}},
    // kStepPressButton
    {{"%d. Press the [%s >] button.\r\n", "%d. Appuyez sur le bouton [%s >].\r\n",
      "%d. Klicken Sie auf die Schaltfläche [%s >].\r\n", "%d. Premere il pulsante [%s >].\r\n",
      "%d. [%s >] ボタンを押します。\r\n", "%d. [%s >] 버튼을 누르십시오.\r\n", "%d. Pulse el botón [%s >].\r\n",
      "%d. Klik op de knop [%s >].\r\n", "%d. Нажмите кнопку [%s >].\r\n", "%d. 请按 [%s >] 按钮。\r\n",
      "%d. Paina [%s >] -painiketta.\r\n", "%d. Stiskněte tlačítko [%s >].\r\n",
      "%d. Naciśnij przycisk [%s >].\r\n"}},
    // kSupportMail
    {{"Send email to Technical Support (%s) with diagnostic log which can be created by pressing the right "
      "mouse button and selecting [%s] menu.\n",
      "Envoyez un e-mail au support technique (%s) avec le journal de diagnostic, que vous pouvez créer en "
      "cliquant avec le bouton droit de la souris et en choisissant le menu [%s].\n",
      "Senden Sie eine E-Mail an den technischen Support (%s) mit dem Diagnoseprotokoll, das Sie mit der "
      "rechten Maustaste über das Menü [%s] erstellen können.\n",
      "Inviare un'e-mail all'assistenza tecnica (%s) con il registro diagnostico, che si crea facendo clic "
      "con il pulsante destro del mouse e selezionando il menu [%s].\n",
      "診断ログを添えてテクニカルサポート（%s）にメールでお問い合わせください。診断ログは、マウスの右ボタンを押して"
      "[%s]メニューを選択すると作成できます。\n",
      "진단 로그를 첨부하여 기술 지원(%s)으로 이메일을 보내십시오. 진단 로그는 마우스 오른쪽 버튼을 누르고 [%s] "
      "메뉴를 선택하여 만들 수 있습니다.\n",
      "Envíe un correo electrónico al servicio técnico (%s) con el registro de diagnóstico, que puede crear "
      "pulsando el botón derecho del ratón y seleccionando el menú [%s].\n",
      "Stuur een e-mail naar de technische ondersteuning (%s) met het diagnoselogboek, dat u maakt door op de "
      "rechtermuisknop te klikken en het menu [%s] te kiezen.\n",
      "Отправьте письмо в службу технической поддержки (%s), приложив диагностический журнал. Его можно "
      "создать, нажав правую кнопку мыши и выбрав пункт меню [%s].\n",
      "请将诊断日志通过电子邮件发送给技术支持（%s）。单击鼠标右键并选择 [%s] 菜单即可创建诊断日志。\n",
      "Lähetä sähköpostia tekniseen tukeen (%s) ja liitä mukaan diagnostiikkaloki. Lokin voi luoda "
      "painamalla hiiren oikeaa painiketta ja valitsemalla valikon [%s].\n",
      "Pošlete e-mail technické podpoře (%s) s diagnostickým protokolem, který vytvoříte stisknutím pravého "
      "tlačítka myši a výběrem nabídky [%s].\n",
      "Wyślij e-mail do pomocy technicznej (%s) z dziennikiem diagnostycznym, który utworzysz, klikając "
      "prawym przyciskiem myszy i wybierając menu [%s].\n"}},
    // kUsbCount: comparative, participle, support sentence (Russian and
    // Chinese: participle, comparative, support sentence)
    {{"USB interface(s) %s than expected is(are) %s.\n%s",
      "Il y a %s d'interfaces USB que prévu (interfaces %s).\n%s",
      "Es wurden %s USB-Schnittstellen als erwartet %s.\n%s",
      "Il numero di interfacce USB è %s al previsto (interfacce %s).\n%s",
      "USBインターフェイスが想定より%s%s。\n%s",
      "USB 인터페이스가 예상보다 %s %s.\n%s",
      "Hay %s interfaces USB de las esperadas (interfaces %s).\n%s",
      "Er zijn %s USB-interfaces dan verwacht %s.\n%s",
      "%s %s USB-интерфейсов, чем ожидалось.\n%s",
      "%s的 USB 接口%s于预期。\n%s",
      "USB-liitäntöjä on %s kuin odotettiin (%s).\n%s",
      "Rozhraní USB je %s, než se očekávalo (%s).\n%s",
      "Interfejsów USB jest %s, niż oczekiwano (%s).\n%s"}},
    // kLess
    {{"less", "moins", "weniger", "inferiore", "少なく", "적게", "menos", "minder", "меньше", "少", "vähemmän",
      "méně", "mniej"}},
    // kMore
    {{"more", "plus", "mehr", "superiore", "多く", "많이", "más", "meer", "больше", "多", "enemmän", "více",
      "więcej"}},
    // kObtained
    {{"obtained", "obtenues", "erhalten", "ottenute", "取得されました", "얻어졌습니다", "obtenidas", "verkregen",
      "Получено", "获取", "saatu", "získáno", "uzyskano"}},
    // kFound
    {{"found", "trouvées", "gefunden", "trovate", "検出されました", "발견되었습니다", "encontradas", "gevonden",
      "Найдено", "找到", "löydetty", "nalezeno", "znaleziono"}},
    // kUsbProblem
    {{"There is problem in the USB interface.\n%s", "Un problème est survenu sur l'interface USB.\n%s",
      "Es gibt ein Problem mit der USB-Schnittstelle.\n%s", "Si è verificato un problema nell'interfaccia USB.\n%s",
      "USBインターフェイスに問題があります。\n%s", "USB 인터페이스에 문제가 있습니다.\n%s",
      "Hay un problema en la interfaz USB.\n%s", "Er is een probleem met de USB-interface.\n%s",
      "Проблема с USB-интерфейсом.\n%s", "USB 接口存在问题。\n%s", "USB-liitännässä on ongelma.\n%s",
      "Došlo k potížím s rozhraním USB.\n%s", "Wystąpił problem z interfejsem USB.\n%s"}},
    // kOtherDevice
    {{"A device other than the %s is recognized. Select the appropriate device.\n",
      "Un appareil autre que le %s a été reconnu. Sélectionnez l'appareil approprié.\n",
      "Es wurde ein anderes Gerät als %s erkannt. Wählen Sie das passende Gerät aus.\n",
      "È stato riconosciuto un dispositivo diverso da %s. Selezionare il dispositivo corretto.\n",
      "%s以外のデバイスが認識されました。適切なデバイスを選択してください。\n",
      "%s 이외의 장치가 인식되었습니다. 올바른 장치를 선택하십시오.\n",
      "Se ha reconocido un dispositivo distinto de %s. Seleccione el dispositivo adecuado.\n",
      "Er is een ander apparaat dan de %s herkend. Selecteer het juiste apparaat.\n",
      "Распознано устройство, отличное от %s. Выберите подходящее устройство.\n",
      "识别到的设备不是 %s。请选择正确的设备。\n",
      "Tunnistettiin muu laite kuin %s. Valitse oikea laite.\n",
      "Bylo rozpoznáno jiné zařízení než %s. Vyberte správné zařízení.\n",
      "Rozpoznano urządzenie inne niż %s. Wybierz właściwe urządzenie.\n"}},
};

static_assert(texts::AllValid(kTexts), "a recognition text does not match its English placeholders");

const texts::LocalTable s_texts TEXTS_INIT_EARLY(kTexts);

}  // namespace

namespace rectext {

void Get(CString& out, Id id, int language) { s_texts.Get(out, id, language); }

CString Get(Id id, int language) { return s_texts.At(id, language); }

bool UsbCountParticipleFirst(int language) {
    return language == texts::kRussian || language == texts::kChinese;
}

}  // namespace rectext
