// Help texts and notes of the audio and device settings.
#include "texts/HelpTexts.h"
#include "texts/HelpTextSupport.h"
#include "texts/LabelTables.h"

using texts::Text13;

namespace {

enum Help {
    kEdr,
    kPlc,
    kMicrophoneBoosting,
    kAutoGainControl,
    kRadioTransmitGain,
    kAudioChannelTimeout,
    kHighQualityA2dp,
    kSidetone,
    kQuietSphere,
    kMotionSensorSensitivity,
    kAudioBoost,
    kSmartVolumeControl,
    kHdVoice,
    kUnitLanguage,
    kVoicePrompt,
    kVoiceCommand,
    kNoteOnboardAudio,
    kNoteRestartToApply,
    kHelpCount
};

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
// Most bodies get their title from the setting's label; a body that starts with
// "[%s]\n" leaves its title, the feature name, to the caller.
constexpr Text13 kBodies[kHelpCount] = {
    // Edr
    {{"EDR speeds up the Bluetooth link to your phone. If the audio breaks up or pairing fails with an older phone, disable EDR. If the problem persists, send an email to our technical support.",
      "L'EDR accélère la liaison Bluetooth avec votre téléphone. Si le son est haché ou si le jumelage échoue avec un ancien téléphone, désactivez l'EDR. Si le problème persiste, envoyez un e-mail à notre support technique.",
      "EDR beschleunigt die Bluetooth-Verbindung zum Telefon. Wenn der Ton aussetzt oder die Kopplung mit einem älteren Telefon fehlschlägt, deaktivieren Sie EDR. Besteht das Problem weiter, senden Sie eine E-Mail an unseren technischen Support.",
      "L'EDR velocizza il collegamento Bluetooth con il telefono. Se l'audio si interrompe o l'abbinamento con un telefono meno recente non riesce, disattivare l'EDR. Se il problema persiste, inviare un'e-mail al nostro supporto tecnico.",
      "EDRは電話とのBluetooth接続を高速にします。音声が途切れる場合や、古い電話とペアリングできない場合は、EDRを無効にしてください。問題が解決しない場合は、テクニカルサポートにメールでお問い合わせください。",
      "EDR은 휴대폰과의 블루투스 연결 속도를 높입니다. 오디오가 끊기거나 오래된 휴대폰과 페어링되지 않으면 EDR을 사용 안 함으로 설정하십시오. 문제가 계속되면 기술 지원팀에 이메일을 보내십시오.",
      "EDR acelera la conexión Bluetooth con el teléfono. Si el audio se corta o el emparejamiento falla con un teléfono antiguo, desactive EDR. Si el problema continúa, envíe un correo a nuestro servicio técnico.",
      "EDR versnelt de Bluetooth-verbinding met uw telefoon. Valt het geluid weg of mislukt het koppelen met een oudere telefoon, schakel EDR dan uit. Blijft het probleem bestaan, stuur dan een e-mail naar onze technische ondersteuning.",
      "EDR ускоряет Bluetooth-соединение с телефоном. Если звук прерывается или старый телефон не сопрягается, отключите EDR. Если проблема не исчезнет, отправьте письмо в нашу службу технической поддержки.",
      "EDR 可提高与手机之间的蓝牙传输速率。如果音频断断续续，或无法与较旧的手机配对，请禁用 EDR。如果问题仍然存在，请发送邮件给我们的技术支持。",
      "EDR nopeuttaa Bluetooth-yhteyttä puhelimeen. Jos ääni katkeilee tai vanha puhelin ei muodosta pariliitosta, poista EDR käytöstä. Jos ongelma jatkuu, lähetä sähköpostia tekniseen tukeemme.",
      "EDR zrychluje připojení Bluetooth k telefonu. Pokud zvuk vypadává nebo se starší telefon nedaří spárovat, EDR zakažte. Pokud problém přetrvává, pošlete e-mail naší technické podpoře.",
      "EDR przyspiesza połączenie Bluetooth z telefonem. Jeśli dźwięk się przerywa lub parowanie ze starszym telefonem się nie udaje, wyłącz EDR. Jeśli problem nie ustąpi, wyślij e-mail do naszego wsparcia technicznego."}},
    // Plc
    {{"PLC fills the short gaps when intercom audio packets are lost, so speech stays smooth at the edge of the intercom range. Disable it only if voices sound distorted.",
      "Le PLC comble les courtes coupures lorsque des paquets audio de l'intercom sont perdus : la voix reste fluide en limite de portée. Ne le désactivez que si les voix sont déformées.",
      "PLC überbrückt kurze Lücken, wenn Audiopakete der Intercom-Verbindung verloren gehen, sodass die Sprache auch am Rand der Reichweite flüssig bleibt. Deaktivieren Sie PLC nur, wenn Stimmen verzerrt klingen.",
      "Il PLC colma le brevi interruzioni quando si perdono pacchetti audio dell'interfono, così il parlato resta fluido anche al limite della portata. Disattivarlo solo se le voci risultano distorte.",
      "PLCは、インターコムの音声パケットが失われたときの短い途切れを補い、通信範囲ぎりぎりでも会話をなめらかに保ちます。声がひずむ場合にのみ無効にしてください。",
      "PLC는 인터콤 오디오 패킷이 손실될 때 생기는 짧은 끊김을 메워, 통신 거리 끝에서도 음성이 부드럽게 들리도록 합니다. 음성이 왜곡될 때만 사용 안 함으로 설정하십시오.",
      "PLC rellena los breves cortes cuando se pierden paquetes de audio del intercomunicador, para que la voz siga fluida en el límite del alcance. Desactívelo solo si las voces suenan distorsionadas.",
      "PLC vult korte gaten op wanneer audiopakketten van de intercom verloren gaan, zodat spraak ook aan de rand van het bereik vloeiend blijft. Schakel het alleen uit als stemmen vervormd klinken.",
      "PLC заполняет короткие пропуски при потере аудиопакетов интеркома, поэтому речь остается плавной даже на границе дальности связи. Отключайте эту функцию, только если голоса звучат искаженно.",
      "PLC 可在对讲音频数据包丢失时填补短暂的中断，使通话在对讲范围边缘也保持流畅。仅当语音失真时才禁用此功能。",
      "PLC paikkaa lyhyet katkot, kun intercomin äänipaketteja katoaa, joten puhe pysyy sujuvana kantaman reunallakin. Poista se käytöstä vain, jos äänet kuulostavat säröisiltä.",
      "PLC vyplňuje krátké výpadky při ztrátě zvukových paketů interkomu, takže řeč zůstává plynulá i na hranici dosahu. Zakažte ji, jen pokud hlasy zní zkresleně.",
      "PLC wypełnia krótkie przerwy, gdy giną pakiety audio interkomu, dzięki czemu mowa pozostaje płynna nawet na granicy zasięgu. Wyłącz tę funkcję tylko wtedy, gdy głosy są zniekształcone."}},
    // MicrophoneBoosting
    {{"Raises the microphone level so that others hear you better at high speed or in a full-face helmet. Disable it if your voice sounds distorted.",
      "Augmente le niveau du micro pour que les autres vous entendent mieux à grande vitesse ou avec un casque intégral. Désactivez-la si votre voix est déformée.",
      "Erhöht den Mikrofonpegel, damit andere Sie bei hohem Tempo oder im Integralhelm besser hören. Deaktivieren Sie die Funktion, wenn Ihre Stimme verzerrt klingt.",
      "Aumenta il livello del microfono perché gli altri sentano meglio la voce ad alta velocità o con un casco integrale. Disattivarla se la voce risulta distorta.",
      "マイクの入力レベルを上げ、高速走行時やフルフェイスヘルメット使用時でも相手に声が届きやすくします。声がひずむ場合は無効にしてください。",
      "마이크 레벨을 높여 고속 주행 중이나 풀페이스 헬멧을 쓸 때에도 상대방이 더 잘 들을 수 있게 합니다. 목소리가 왜곡되면 사용 안 함으로 설정하십시오.",
      "Sube el nivel del micrófono para que los demás le oigan mejor a alta velocidad o con casco integral. Desactívelo si su voz suena distorsionada.",
      "Verhoogt het microfoonniveau, zodat anderen u beter horen bij hoge snelheid of in een integraalhelm. Schakel het uit als uw stem vervormd klinkt.",
      "Повышает уровень микрофона, чтобы вас было лучше слышно на высокой скорости или в шлеме-интеграле. Отключите, если голос звучит искаженно.",
      "提高麦克风音量，让对方在高速骑行或您佩戴全盔时也能听清您的声音。如果您的声音失真，请禁用此功能。",
      "Nostaa mikrofonin tasoa, jotta muut kuulevat sinut paremmin suurella nopeudella tai umpikypärässä. Poista se käytöstä, jos äänesi kuulostaa säröiseltä.",
      "Zvyšuje úroveň mikrofonu, aby vás ostatní lépe slyšeli při vysoké rychlosti nebo v integrální přilbě. Pokud váš hlas zní zkresleně, funkci zakažte.",
      "Podnosi poziom mikrofonu, aby inni lepiej Cię słyszeli przy dużej prędkości lub w kasku integralnym. Wyłącz, jeśli Twój głos jest zniekształcony."}},
    // AutoGainControl
    {{"Adjusts the microphone level to the surrounding noise, so your voice reaches others at an even volume. Disable it to keep a fixed microphone level.",
      "Adapte le niveau du micro au bruit ambiant pour que votre voix parvienne aux autres à un volume constant. Désactivez-le pour garder un niveau de micro fixe.",
      "Passt den Mikrofonpegel an die Umgebungsgeräusche an, sodass Ihre Stimme gleichmäßig laut ankommt. Deaktivieren Sie die Funktion für einen festen Mikrofonpegel.",
      "Adatta il livello del microfono al rumore circostante, così la voce arriva agli altri con un volume costante. Disattivarlo per mantenere un livello fisso del microfono.",
      "周囲の騒音に合わせてマイクのレベルを自動調整し、相手に一定の音量で声を届けます。マイクのレベルを固定したい場合は無効にしてください。",
      "주변 소음에 맞춰 마이크 레벨을 조절하여 상대방에게 일정한 음량으로 목소리를 전달합니다. 마이크 레벨을 고정하려면 사용 안 함으로 설정하십시오.",
      "Ajusta el nivel del micrófono al ruido ambiente para que su voz llegue a los demás con un volumen uniforme. Desactívelo para mantener fijo el nivel del micrófono.",
      "Past het microfoonniveau aan het omgevingsgeluid aan, zodat uw stem anderen op een gelijkmatig volume bereikt. Schakel het uit voor een vast microfoonniveau.",
      "Подстраивает уровень микрофона под окружающий шум, чтобы собеседники слышали вас с ровной громкостью. Отключите, чтобы уровень микрофона был постоянным.",
      "根据环境噪音自动调节麦克风音量，让对方听到的声音保持平稳。如需固定麦克风音量，请禁用此功能。",
      "Sovittaa mikrofonin tason ympäristön meluun, jotta äänesi kuuluu muille tasaisella voimakkuudella. Poista se käytöstä, jos haluat kiinteän mikrofonitason.",
      "Přizpůsobuje úroveň mikrofonu okolnímu hluku, aby váš hlas k ostatním docházel s vyrovnanou hlasitostí. Chcete-li pevnou úroveň mikrofonu, funkci zakažte.",
      "Dopasowuje poziom mikrofonu do hałasu otoczenia, aby Twój głos docierał do innych z równą głośnością. Wyłącz, aby zachować stały poziom mikrofonu."}},
    // RadioTransmitGain
    {{"Sets the transmit power of the %s. Choose High when riders are far apart and Low when they ride close together; Low also makes the battery of the %s last longer.",
      "Règle la puissance d'émission du %s. Choisissez Élevée lorsque les motards sont éloignés et Faible lorsqu'ils roulent groupés ; Faible prolonge aussi l'autonomie de la batterie du %s.",
      "Legt die Sendeleistung des %s fest. Wählen Sie Hoch, wenn die Fahrer weit auseinander sind, und Niedrig, wenn sie dicht beieinander fahren; Niedrig schont außerdem den Akku des %s.",
      "Imposta la potenza di trasmissione del %s. Scegliere Alta quando i motociclisti sono lontani e Bassa quando viaggiano vicini; Bassa allunga anche la durata della batteria del %s.",
      "%sの送信出力を設定します。ライダー同士が離れている場合は「高」、近くを走る場合は「低」を選んでください。「低」にすると%sのバッテリーも長持ちします。",
      "%s의 송신 출력을 설정합니다. 라이더 간 거리가 멀면 높음을, 가까이 주행하면 낮음을 선택하십시오. 낮음을 선택하면 %s의 배터리도 더 오래갑니다.",
      "Ajusta la potencia de transmisión del %s. Elija Alta si los motoristas van lejos unos de otros y Baja si ruedan juntos; Baja también alarga la batería del %s.",
      "Stelt het zendvermogen van de %s in. Kies Hoog als de rijders ver uit elkaar rijden en Laag als ze dicht bij elkaar rijden; Laag spaart ook de batterij van de %s.",
      "Задает мощность передатчика %s. Выберите «Высокая», если мотоциклисты едут далеко друг от друга, и «Низкая», если рядом; «Низкая» также продлевает работу батареи %s.",
      "设置 %s 的发射功率。骑手之间距离较远时选择“高”，近距离骑行时选择“低”；选择“低”还可延长 %s 的电池续航。",
      "Asettaa laitteen %s lähetystehon. Valitse Korkea, kun ajajat ovat kaukana toisistaan, ja Matala, kun he ajavat lähekkäin; Matala myös pidentää laitteen %s akun kestoa.",
      "Nastavuje vysílací výkon zařízení %s. Když jsou jezdci daleko od sebe, zvolte Vysoká, když jedou blízko sebe, zvolte Nízká; Nízká také prodlužuje výdrž baterie zařízení %s.",
      "Ustawia moc nadawania urządzenia %s. Wybierz Wysoka, gdy motocykliści są daleko od siebie, i Niska, gdy jadą blisko; Niska wydłuża też pracę baterii urządzenia %s."}},
    // AudioChannelTimeout
    {{"The %s closes the audio channel when nobody has spoken for the set time (3 to 60 seconds), and opens it again as soon as someone speaks into the %s.",
      "Le %s ferme le canal audio lorsque personne n'a parlé pendant la durée choisie (3 à 60 secondes) et le rouvre dès que quelqu'un parle dans le %s.",
      "Der %s schließt den Audiokanal, wenn für die eingestellte Zeit (3 bis 60 Sekunden) niemand gesprochen hat, und öffnet ihn wieder, sobald jemand in den %s spricht.",
      "Il %s chiude il canale audio quando nessuno parla per il tempo impostato (da 3 a 60 secondi) e lo riapre appena qualcuno parla nel %s.",
      "設定した時間（3～60秒）だれも話さないと、%sはオーディオチャンネルを閉じます。%sに向かってだれかが話すと、すぐに再び開きます。",
      "설정한 시간(3~60초) 동안 아무도 말하지 않으면 %s이(가) 오디오 채널을 닫고, 누군가 %s에 대고 말하면 바로 다시 엽니다.",
      "El %s cierra el canal de audio cuando nadie ha hablado durante el tiempo fijado (de 3 a 60 segundos) y lo vuelve a abrir en cuanto alguien habla por el %s.",
      "De %s sluit het audiokanaal als er gedurende de ingestelde tijd (3 tot 60 seconden) niemand heeft gesproken, en opent het weer zodra iemand in de %s spreekt.",
      "%s закрывает аудиоканал, если в течение заданного времени (от 3 до 60 секунд) никто не говорит, и снова открывает его, как только кто-то заговорит в %s.",
      "如果在设定时间（3 至 60 秒）内无人说话，%s 会关闭音频通道；一旦有人对着 %s 说话，通道会立即重新打开。",
      "%s sulkee äänikanavan, kun kukaan ei ole puhunut asetettuun aikaan (3–60 sekuntia), ja avaa sen heti, kun joku puhuu laitteeseen %s.",
      "%s zavře audiokanál, když po nastavenou dobu (3 až 60 sekund) nikdo nemluví, a znovu jej otevře, jakmile někdo promluví do zařízení %s.",
      "%s zamyka kanał audio, gdy przez ustawiony czas (od 3 do 60 sekund) nikt nie mówi, i otwiera go ponownie, gdy tylko ktoś zacznie mówić do urządzenia %s."}},
    // HighQualityA2dp
    {{"Plays music from your phone in higher audio quality. If the music often drops out, disable this option.",
      "Diffuse la musique de votre téléphone avec une meilleure qualité audio. Si la musique se coupe souvent, désactivez cette option.",
      "Gibt Musik vom Telefon in höherer Klangqualität wieder. Wenn die Musik häufig aussetzt, deaktivieren Sie diese Option.",
      "Riproduce la musica del telefono con una qualità audio superiore. Se la musica si interrompe spesso, disattivare questa opzione.",
      "電話の音楽をより高音質で再生します。音楽が頻繁に途切れる場合は、このオプションを無効にしてください。",
      "휴대폰의 음악을 더 높은 음질로 재생합니다. 음악이 자주 끊기면 이 옵션을 사용 안 함으로 설정하십시오.",
      "Reproduce la música del teléfono con mayor calidad de audio. Si la música se corta a menudo, desactive esta opción.",
      "Speelt muziek van uw telefoon af in hogere geluidskwaliteit. Valt de muziek vaak weg, schakel deze optie dan uit.",
      "Воспроизводит музыку с телефона в более высоком качестве. Если музыка часто прерывается, отключите эту функцию.",
      "以更高音质播放手机中的音乐。如果音乐经常中断，请禁用此选项。",
      "Toistaa puhelimen musiikin paremmalla äänenlaadulla. Jos musiikki katkeilee usein, poista tämä asetus käytöstä.",
      "Přehrává hudbu z telefonu ve vyšší kvalitě zvuku. Pokud hudba často vypadává, tuto možnost zakažte.",
      "Odtwarza muzykę z telefonu w wyższej jakości dźwięku. Jeśli muzyka często się przerywa, wyłącz tę opcję."}},
    // Sidetone
    {{"Lets you hear your own voice in the speakers while you talk, so you can tell how loud you are speaking.",
      "Vous entendez votre propre voix dans les haut-parleurs pendant que vous parlez, ce qui vous permet de juger de votre volume.",
      "Sie hören beim Sprechen Ihre eigene Stimme in den Lautsprechern und können so einschätzen, wie laut Sie sprechen.",
      "Permette di sentire la propria voce negli altoparlanti mentre si parla, per capire quanto forte si sta parlando.",
      "話している間、自分の声がスピーカーから聞こえるので、声の大きさを確かめられます。", "말하는 동안 자신의 목소리가 스피커로 들려 얼마나 크게 말하는지 알 수 있습니다.",
      "Le permite oír su propia voz en los altavoces mientras habla, para saber con qué volumen está hablando.",
      "U hoort uw eigen stem in de luidsprekers terwijl u praat, zodat u kunt inschatten hoe luid u spreekt.",
      "Во время разговора вы слышите свой голос в динамиках и можете оценить, насколько громко говорите.",
      "说话时可从扬声器中听到自己的声音，便于判断说话音量。",
      "Kuulet oman äänesi kaiuttimista puhuessasi, joten tiedät, kuinka kovaa puhut.",
      "Při hovoru slyšíte v reproduktorech vlastní hlas, takže poznáte, jak hlasitě mluvíte.",
      "Podczas rozmowy słyszysz własny głos w głośnikach, dzięki czemu wiesz, jak głośno mówisz."}},
    // QuietSphere
    {{"[%s]\nThe noise control reduces wind and engine noise picked up by the microphone, so others hear your voice more clearly.",
      "[%s]\nLa réduction de bruit atténue les bruits de vent et de moteur captés par le micro, pour que les autres entendent votre voix plus clairement.",
      "[%s]\nDie Geräuschunterdrückung verringert Wind- und Motorgeräusche, die das Mikrofon aufnimmt, sodass andere Ihre Stimme klarer hören.",
      "[%s]\nIl controllo del rumore riduce il rumore del vento e del motore captato dal microfono, così gli altri sentono la voce più chiaramente.",
      "[%s]\nマイクが拾う風切り音やエンジン音をノイズコントロールで低減し、相手にあなたの声をよりクリアに届けます。",
      "[%s]\n노이즈 컨트롤이 마이크로 들어오는 바람 소리와 엔진 소음을 줄여 상대방이 목소리를 더 또렷하게 들을 수 있습니다.",
      "[%s]\nEl control de ruido reduce el ruido del viento y del motor que capta el micrófono, para que los demás oigan su voz con más claridad.",
      "[%s]\nDe ruisonderdrukking vermindert wind- en motorgeluid dat de microfoon opvangt, zodat anderen uw stem duidelijker horen.",
      "[%s]\nШумоподавление снижает шум ветра и двигателя, улавливаемый микрофоном, и собеседники слышат ваш голос четче.",
      "[%s]\n降噪功能可减少麦克风拾取的风噪和发动机噪音，让对方更清楚地听到您的声音。",
      "[%s]\nMelunhallinta vaimentaa mikrofonin poimimaa tuulen ja moottorin ääntä, joten muut kuulevat äänesi selkeämmin.",
      "[%s]\nPotlačení hluku snižuje hluk větru a motoru zachycený mikrofonem, takže vás ostatní slyší zřetelněji.",
      "[%s]\nRedukcja hałasu tłumi szum wiatru i silnika wychwytywany przez mikrofon, dzięki czemu inni słyszą Twój głos wyraźniej."}},
    // MotionSensorSensitivity
    {{"Sets how firmly you must tap the %s twice to trigger its motion functions. Choose Disable to switch the motion sensor off.",
      "Règle la force avec laquelle vous devez taper deux fois sur le %s pour déclencher ses fonctions de mouvement. Choisissez Désactiver pour couper le capteur de mouvement.",
      "Legt fest, wie fest Sie zweimal auf den %s tippen müssen, um seine Bewegungsfunktionen auszulösen. Wählen Sie Deaktivieren, um den Bewegungssensor auszuschalten.",
      "Imposta con quanta forza occorre toccare due volte il %s per attivarne le funzioni di movimento. Scegliere Disattiva per spegnere il sensore di movimento.",
      "%sのモーション機能を動作させるために、2回タップする強さを設定します。モーションセンサーをオフにするには「無効」を選んでください。",
      "%s의 모션 기능을 실행하려면 얼마나 세게 두 번 두드려야 하는지 설정합니다. 모션 센서를 끄려면 사용 안 함을 선택하십시오.",
      "Ajusta la fuerza con la que debe tocar dos veces el %s para activar sus funciones de movimiento. Elija Desactivar para apagar el sensor de movimiento.",
      "Bepaalt hoe stevig u twee keer op de %s moet tikken om de bewegingsfuncties te starten. Kies Uitschakelen om de bewegingssensor uit te zetten.",
      "Задает, насколько сильно нужно дважды постучать по %s, чтобы сработали функции датчика движения. Выберите «Отключить», чтобы выключить датчик.",
      "设置需要以多大力度双击 %s 才能触发其动作功能。选择“禁用”可关闭运动传感器。",
      "Asettaa, kuinka lujaa laitetta %s on napautettava kahdesti, jotta liiketoiminnot käynnistyvät. Valitse Ei käytössä, jos haluat sammuttaa liiketunnistimen.",
      "Nastavuje, jak silně je třeba dvakrát klepnout na zařízení %s, aby se spustily jeho pohybové funkce. Pohybový senzor vypnete volbou Zakázat.",
      "Określa, jak mocno trzeba dwukrotnie stuknąć w urządzenie %s, aby uruchomić jego funkcje ruchu. Wybierz Wyłącz, aby wyłączyć czujnik ruchu."}},
    // AudioBoost
    {{"[%s]\nRaises the maximum speaker volume, which helps with loud engines or earplugs. The sound may be slightly less clear.",
      "[%s]\nAugmente le volume maximal des haut-parleurs, utile avec un moteur bruyant ou des bouchons d'oreilles. Le son peut être un peu moins net.",
      "[%s]\nErhöht die maximale Lautstärke der Lautsprecher – hilfreich bei lauten Motoren oder mit Ohrstöpseln. Der Klang kann etwas weniger klar sein.",
      "[%s]\nAumenta il volume massimo degli altoparlanti, utile con motori rumorosi o tappi per le orecchie. Il suono può risultare un po' meno nitido.",
      "[%s]\nスピーカーの最大音量を上げます。エンジン音が大きいときや耳栓を使うときに便利です。音質がやや低下することがあります。",
      "[%s]\n스피커의 최대 음량을 높여 엔진 소리가 크거나 귀마개를 쓸 때 유용합니다. 음질이 약간 떨어질 수 있습니다.",
      "[%s]\nSube el volumen máximo de los altavoces, útil con motores ruidosos o tapones para los oídos. El sonido puede ser algo menos nítido.",
      "[%s]\nVerhoogt het maximale luidsprekervolume, handig bij luide motoren of oordoppen. Het geluid kan iets minder helder zijn.",
      "[%s]\nПовышает максимальную громкость динамиков — полезно при шумном двигателе или с берушами. Звук может стать чуть менее чистым.",
      "[%s]\n提高扬声器的最大音量，适合发动机噪音大或佩戴耳塞时使用。音质可能会略有下降。",
      "[%s]\nNostaa kaiuttimien enimmäisäänenvoimakkuutta, mistä on apua äänekkään moottorin tai korvatulppien kanssa. Ääni voi olla hieman epäselvempi.",
      "[%s]\nZvyšuje maximální hlasitost reproduktorů, což pomáhá u hlučných motorů nebo se špunty do uší. Zvuk může být o něco méně čistý.",
      "[%s]\nZwiększa maksymalną głośność głośników, co pomaga przy głośnym silniku lub zatyczkach do uszu. Dźwięk może być nieco mniej czysty."}},
    // SmartVolumeControl
    {{"Raises the speaker volume automatically as the surrounding noise grows, for example at higher speed.",
      "Augmente automatiquement le volume des haut-parleurs lorsque le bruit ambiant s'accroît, par exemple à vitesse élevée.",
      "Erhöht die Lautstärke automatisch, wenn die Umgebungsgeräusche zunehmen, zum Beispiel bei höherem Tempo.",
      "Aumenta automaticamente il volume degli altoparlanti quando il rumore circostante cresce, ad esempio a velocità elevate.",
      "スピードが上がるなどして周囲の騒音が大きくなると、スピーカーの音量を自動的に上げます。", "속도가 높아지는 등 주변 소음이 커지면 스피커 음량을 자동으로 높입니다.",
      "Sube automáticamente el volumen de los altavoces cuando aumenta el ruido ambiente, por ejemplo a mayor velocidad.",
      "Verhoogt automatisch het luidsprekervolume als het omgevingsgeluid toeneemt, bijvoorbeeld bij hogere snelheid.",
      "Автоматически повышает громкость динамиков при росте окружающего шума, например на высокой скорости.",
      "当环境噪音增大时（例如高速骑行时）自动提高扬声器音量。",
      "Nostaa kaiuttimien äänenvoimakkuutta automaattisesti ympäristön melun kasvaessa, esimerkiksi suuremmassa nopeudessa.",
      "Automaticky zvyšuje hlasitost reproduktorů, když roste okolní hluk, například při vyšší rychlosti.",
      "Automatycznie zwiększa głośność głośników, gdy rośnie hałas otoczenia, na przykład przy większej prędkości."}},
    // HdVoice
    {{"Gives phone calls clearer, wide-band sound. Disable it if your phone has trouble with calls through the headset.",
      "Offre un son plus clair et en large bande pendant les appels. Désactivez-la si votre téléphone a des difficultés avec les appels via le kit.",
      "Sorgt für klareren Breitbandklang bei Telefonaten. Deaktivieren Sie die Funktion, wenn Ihr Telefon Probleme mit Anrufen über das Headset hat.",
      "Offre un audio più chiaro e a banda larga nelle telefonate. Disattivarla se il telefono ha problemi con le chiamate tramite la cuffia.",
      "通話をよりクリアな広帯域音声にします。ヘッドセットでの通話に電話が対応しない場合は無効にしてください。",
      "통화 음질을 더 선명한 광대역 음성으로 높입니다. 헤드셋으로 통화할 때 휴대폰에 문제가 생기면 사용 안 함으로 설정하십시오.",
      "Ofrece un sonido más claro y de banda ancha en las llamadas. Desactívela si su teléfono tiene problemas con las llamadas a través del auricular.",
      "Geeft telefoongesprekken helderder breedbandgeluid. Schakel het uit als uw telefoon problemen heeft met bellen via de headset.",
      "Делает звук телефонных разговоров четче и шире по полосе. Отключите, если у телефона возникают проблемы со звонками через гарнитуру.",
      "使电话通话音质更清晰（宽带音频）。如果手机通过耳机通话时出现问题，请禁用此功能。",
      "Tekee puheluiden äänestä selkeämmän laajakaistaäänen. Poista se käytöstä, jos puhelimellasi on ongelmia kuulokkeen kautta soitetuissa puheluissa.",
      "Zajišťuje při hovorech čistší širokopásmový zvuk. Pokud má telefon s hovory přes headset potíže, funkci zakažte.",
      "Zapewnia wyraźniejszy, szerokopasmowy dźwięk podczas rozmów telefonicznych. Wyłącz, jeśli telefon ma problemy z rozmowami przez zestaw słuchawkowy."}},
    // UnitLanguage
    {{"Selects the language of the headset's voice prompts. The headset uses the new language after it restarts.",
      "Choisit la langue des annonces vocales du kit. Le kit utilise la nouvelle langue après son redémarrage.",
      "Wählt die Sprache der Sprachansagen des Headsets. Das Headset verwendet die neue Sprache nach einem Neustart.",
      "Seleziona la lingua degli avvisi vocali della cuffia. La cuffia usa la nuova lingua dopo il riavvio.",
      "ヘッドセットの音声ガイドの言語を選択します。新しい言語はヘッドセットの再起動後に有効になります。",
      "헤드셋 음성 안내의 언어를 선택합니다. 헤드셋을 다시 시작하면 새 언어가 적용됩니다.",
      "Selecciona el idioma de los avisos de voz del auricular. El auricular usa el nuevo idioma después de reiniciarse.",
      "Kiest de taal van de gesproken meldingen van de headset. De headset gebruikt de nieuwe taal na een herstart.",
      "Выбирает язык голосовых подсказок гарнитуры. Новый язык начнет действовать после перезапуска гарнитуры.",
      "选择耳机语音提示的语言。耳机重新启动后使用新的语言。",
      "Valitsee kuulokkeen äänikehotteiden kielen. Kuuloke käyttää uutta kieltä uudelleenkäynnistyksen jälkeen.",
      "Volí jazyk hlasových hlášení headsetu. Headset použije nový jazyk po restartu.",
      "Wybiera język komunikatów głosowych zestawu słuchawkowego. Zestaw użyje nowego języka po ponownym uruchomieniu."}},
    // VoicePrompt
    {{"Switches the spoken voice prompts of the headset on or off.",
      "Active ou désactive les annonces vocales du kit.",
      "Schaltet die Sprachansagen des Headsets ein oder aus.",
      "Attiva o disattiva gli avvisi vocali della cuffia.", "ヘッドセットの音声ガイドをオンまたはオフにします。",
      "헤드셋의 음성 안내를 켜거나 끕니다.", "Activa o desactiva los avisos de voz del auricular.",
      "Zet de gesproken meldingen van de headset aan of uit.",
      "Включает или отключает голосовые подсказки гарнитуры.", "打开或关闭耳机的语音提示。",
      "Ottaa kuulokkeen äänikehotteet käyttöön tai poistaa ne käytöstä.",
      "Zapíná nebo vypíná hlasová hlášení headsetu.",
      "Włącza lub wyłącza komunikaty głosowe zestawu słuchawkowego."}},
    // VoiceCommand
    {{"Lets you control the headset by voice, for example to start an intercom conversation or answer a call, without pressing a button.",
      "Permet de commander le kit à la voix, par exemple pour lancer une conversation intercom ou répondre à un appel, sans appuyer sur un bouton.",
      "Damit steuern Sie das Headset per Sprache, etwa um ein Intercom-Gespräch zu beginnen oder einen Anruf anzunehmen, ohne eine Taste zu drücken.",
      "Permette di controllare la cuffia con la voce, ad esempio per avviare una conversazione via interfono o rispondere a una chiamata, senza premere pulsanti.",
      "ボタンを押さずに、音声でヘッドセットを操作できます。たとえば、インターコムの会話を始めたり、電話に出たりできます。",
      "버튼을 누르지 않고 음성으로 헤드셋을 조작할 수 있습니다. 예를 들어 인터콤 대화를 시작하거나 전화를 받을 수 있습니다.",
      "Le permite controlar el auricular con la voz, por ejemplo para iniciar una conversación por intercomunicador o contestar una llamada, sin pulsar ningún botón.",
      "Hiermee bedient u de headset met uw stem, bijvoorbeeld om een intercomgesprek te starten of een oproep te beantwoorden, zonder op een knop te drukken.",
      "Позволяет управлять гарнитурой голосом, например начать разговор по интеркому или ответить на звонок, не нажимая кнопок.",
      "无需按键即可用语音控制耳机，例如开始对讲通话或接听来电。",
      "Voit ohjata kuuloketta puheella, esimerkiksi aloittaa intercom-keskustelun tai vastata puheluun painamatta painiketta.",
      "Umožňuje ovládat headset hlasem, například zahájit hovor přes interkom nebo přijmout hovor, bez stisknutí tlačítka.",
      "Pozwala sterować zestawem słuchawkowym głosem, na przykład rozpocząć rozmowę przez interkom lub odebrać połączenie, bez naciskania przycisku."}},
    // NoteOnboardAudio
    {{"If you use BMW Bluetooth onboard audio system (e.g. BMW K1600GT/GTL), please disable this option.",
      "Si vous utilisez le système audio Bluetooth embarqué BMW (p. ex. BMW K1600GT/GTL), désactivez cette option.",
      "Wenn Sie das Bluetooth-Bordaudiosystem von BMW nutzen (z. B. BMW K1600GT/GTL), deaktivieren Sie bitte diese Option.",
      "Se si utilizza il sistema audio Bluetooth di bordo BMW (ad es. BMW K1600GT/GTL), disattivare questa opzione.",
      "BMWのBluetooth車載オーディオシステム（例：BMW K1600GT/GTL）をお使いの場合は、このオプションを無効にしてください。",
      "BMW 블루투스 차량 오디오 시스템(예: BMW K1600GT/GTL)을 사용하는 경우 이 옵션을 사용 안 함으로 설정하십시오.",
      "Si utiliza el sistema de audio Bluetooth de a bordo de BMW (p. ej., BMW K1600GT/GTL), desactive esta opción.",
      "Gebruikt u het Bluetooth-audiosysteem aan boord van BMW (bijv. BMW K1600GT/GTL), schakel deze optie dan uit.",
      "Если вы используете бортовую аудиосистему BMW с Bluetooth (например, BMW K1600GT/GTL), отключите эту функцию.",
      "如果您使用 BMW 蓝牙车载音响系统（例如 BMW K1600GT/GTL），请禁用此选项。",
      "Jos käytät BMW:n Bluetooth-ajoneuvoäänijärjestelmää (esim. BMW K1600GT/GTL), poista tämä asetus käytöstä.",
      "Pokud používáte palubní audiosystém BMW s Bluetooth (např. BMW K1600GT/GTL), tuto možnost zakažte.",
      "Jeśli korzystasz z pokładowego systemu audio BMW z Bluetooth (np. BMW K1600GT/GTL), wyłącz tę opcję."}},
    // NoteRestartToApply
    {{"NOTE: Changes will be applied after device restarts.",
      "REMARQUE : les modifications seront appliquées après le redémarrage de l'appareil.",
      "HINWEIS: Die Änderungen werden nach dem Neustart des Geräts wirksam.",
      "NOTA: le modifiche verranno applicate al riavvio del dispositivo.",
      "注意：変更はデバイスの再起動後に反映されます。", "참고: 변경 사항은 장치를 다시 시작한 후 적용됩니다.",
      "NOTA: los cambios se aplicarán cuando se reinicie el dispositivo.",
      "OPMERKING: de wijzigingen worden toegepast nadat het apparaat opnieuw is opgestart.",
      "ПРИМЕЧАНИЕ: изменения вступят в силу после перезапуска устройства.", "注意：更改将在设备重新启动后生效。",
      "HUOMAUTUS: muutokset tulevat voimaan, kun laite käynnistyy uudelleen.",
      "POZNÁMKA: Změny se projeví po restartu zařízení.",
      "UWAGA: zmiany zostaną zastosowane po ponownym uruchomieniu urządzenia."}},
};
static_assert(texts::AllValid(kBodies), "a help text does not match its English placeholders");

const texts::LocalTable s_bodies TEXTS_INIT_EARLY(kBodies);

}  // namespace

void GetTextHelpEdr(CString& out, int language) {
    texts::ComposeHelp(out, g_txtEdrLong, s_bodies, kEdr, language);
}
void GetTextHelpPlc(CString& out, int language) {
    texts::ComposeHelp(out, g_txtPlc, s_bodies, kPlc, language);
}
void GetTextHelpMicrophoneBoosting(CString& out, int language) {
    texts::ComposeHelp(out, g_txtMicrophoneBoosting, s_bodies, kMicrophoneBoosting, language);
}
void GetTextHelpAutoGainControl(CString& out, int language) {
    texts::ComposeHelp(out, g_txtAutoGainControl, s_bodies, kAutoGainControl, language);
}
void GetTextHelpRadioTransmitGain(CString& out, int language) {
    texts::ComposeHelp(out, g_txtRadioTransmitGain, s_bodies, kRadioTransmitGain, language);
}
void GetTextHelpAudioChannelTimeout(CString& out, int language) {
    texts::ComposeHelp(out, g_txtAudioChannelTimeout, s_bodies, kAudioChannelTimeout, language);
}
void GetTextHelpHighQualityA2dp(CString& out, int language) {
    texts::ComposeHelp(out, g_txtHighQualityA2dp, s_bodies, kHighQualityA2dp, language);
}
void GetTextHelpSidetone(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSidetone, s_bodies, kSidetone, language);
}
void GetTextHelpQuietSphere(CString& out, int language) {
    s_bodies.Get(out, kQuietSphere, language);
}
void GetTextHelpMotionSensorSensitivity(CString& out, int language) {
    texts::ComposeHelp(out, g_txtMotionSensorSensitivity, s_bodies, kMotionSensorSensitivity, language);
}
void GetTextHelpAudioBoost(CString& out, int language) {
    s_bodies.Get(out, kAudioBoost, language);
}
void GetTextHelpSmartVolumeControl(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSmartVolumeControl, s_bodies, kSmartVolumeControl, language);
}
void GetTextHelpHdVoice(CString& out, int language) {
    texts::ComposeHelp(out, g_txtHdVoice, s_bodies, kHdVoice, language);
}
void GetTextHelpUnitLanguage(CString& out, int language) {
    texts::ComposeHelp(out, g_txtUnitLanguage, s_bodies, kUnitLanguage, language);
}
void GetTextHelpVoicePrompt(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoicePrompt, s_bodies, kVoicePrompt, language);
}
void GetTextHelpVoiceCommand(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoiceCommand, s_bodies, kVoiceCommand, language);
}

void GetTextNoteOnboardAudio(CString& out, int language) {
    s_bodies.Get(out, kNoteOnboardAudio, language);
}
void GetTextNoteRestartToApply(CString& out, int language) {
    s_bodies.Get(out, kNoteRestartToApply, language);
}
