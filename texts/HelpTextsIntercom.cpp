// Help texts of the intercom, audio-mixing and brake-light settings.
#include "texts/HelpTexts.h"
#include "texts/HelpTextSupport.h"
#include "texts/LabelTables.h"

using texts::Text13;

namespace {

enum Help {
    kNavigationAppSupport,
    kSoundWeave,
    kOverlaySensitivity,
    kOverlaySensitivity5Levels,
    kVoxSensitivityDefault3,
    kVoxSensitivityDefault2,
    kVoxSensitivityHighMediumLow,
    kVoxPhone,
    kHdIntercom,
    kEightWayIntercom,
    kVoxIntercom,
    kFmStationGuide,
    kAudioSourcePriority,
    kSoundWeaveNoInterruption,  // also the body of Sound Blend: one feature, two names
    kSoundBlendMusicGps,
    kIntercomSoundWeave,
    kSmartNaviSystem,
    kGuestMode,
    kSoundBlendVolumeManagement,
    kEssStatus,
    kEssSensitivity,
    kHelpCount
};

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
// Most bodies get their title from the setting's label; a body that starts with
// "[%s]\n" leaves its title, the feature name, to the caller.
constexpr Text13 kBodies[kHelpCount] = {
    // NavigationAppSupport
    {{"Plays the voice directions of a navigation app on your phone over the intercom with %s. When this option is disabled, %s treats the app's directions like music.",
      "Diffuse les indications vocales d'une appli de navigation de votre téléphone par-dessus l'intercom grâce à %s. Lorsque cette option est désactivée, %s traite les indications de l'appli comme de la musique.",
      "Gibt die Sprachanweisungen einer Navi-App auf Ihrem Telefon mit %s über dem Intercom wieder. Ist die Option deaktiviert, behandelt %s die Anweisungen der App wie Musik.",
      "Riproduce le indicazioni vocali di un'app di navigazione del telefono sopra l'interfono con %s. Con questa opzione disattivata, %s tratta le indicazioni dell'app come musica.",
      "%sにより、電話のナビアプリの音声案内をインターコムに重ねて再生します。このオプションを無効にすると、%sはアプリの案内を音楽と同じように扱います。",
      "%s 기능으로 휴대폰 내비게이션 앱의 음성 안내를 인터콤 위에 겹쳐 재생합니다. 이 옵션을 사용 안 함으로 설정하면 %s 기능이 앱의 안내를 음악처럼 처리합니다.",
      "Reproduce las indicaciones de voz de una app de navegación del teléfono sobre el intercomunicador con %s. Con esta opción desactivada, %s trata las indicaciones de la app como música.",
      "Speelt de gesproken aanwijzingen van een navigatie-app op uw telefoon via %s over de intercom af. Als deze optie is uitgeschakeld, behandelt %s de aanwijzingen van de app als muziek.",
      "Воспроизводит голосовые подсказки навигационного приложения телефона поверх интеркома с помощью %s. Если функция отключена, %s обрабатывает подсказки приложения как музыку.",
      "通过 %s 在对讲的同时播放手机导航应用的语音指引。禁用此选项后，%s 会将应用的指引当作音乐处理。",
      "Toistaa puhelimen navigointisovelluksen puheohjeet intercomin päällä %s-toiminnolla. Kun asetus ei ole käytössä, %s käsittelee sovelluksen ohjeita kuin musiikkia.",
      "Přehrává hlasové pokyny navigační aplikace v telefonu přes interkom pomocí funkce %s. Když je tato možnost zakázaná, funkce %s zachází s pokyny aplikace jako s hudbou.",
      "Odtwarza wskazówki głosowe aplikacji nawigacyjnej z telefonu na tle interkomu dzięki funkcji %s. Gdy ta opcja jest wyłączona, funkcja %s traktuje wskazówki aplikacji jak muzykę."}},
    // SoundWeave
    {{"[%s]\nKeeps music, %s or GPS directions playing in the background while you talk over the intercom, instead of pausing them. Disable it to hear only the intercom during a conversation.",
      "[%s]\nLa musique, la %s ou les indications GPS continuent en arrière-plan pendant que vous parlez par l'intercom, au lieu d'être interrompues. Désactivez la fonction pour n'entendre que l'intercom pendant une conversation.",
      "[%s]\nMusik, %s oder GPS-Anweisungen laufen im Hintergrund weiter, während Sie über das Intercom sprechen, statt angehalten zu werden. Deaktivieren Sie die Funktion, um während eines Gesprächs nur das Intercom zu hören.",
      "[%s]\nLa musica, la %s o le indicazioni GPS continuano in sottofondo mentre si parla via interfono, invece di fermarsi. Disattivare la funzione per sentire solo l'interfono durante una conversazione.",
      "[%s]\nインターコムで話している間も、音楽、%s、GPSの案内を止めずにバックグラウンドで再生し続けます。会話中にインターコムだけを聞くには無効にしてください。",
      "[%s]\n인터콤으로 대화하는 동안에도 음악, %s 또는 GPS 안내를 멈추지 않고 배경에서 계속 재생합니다. 대화 중에 인터콤만 들으려면 사용 안 함으로 설정하십시오.",
      "[%s]\nLa música, la %s o las indicaciones del GPS siguen sonando de fondo mientras habla por el intercomunicador, en lugar de detenerse. Desactive la función para oír solo el intercomunicador durante una conversación.",
      "[%s]\nMuziek, %s of gps-aanwijzingen blijven op de achtergrond spelen terwijl u via de intercom praat, in plaats van te pauzeren. Schakel de functie uit om tijdens een gesprek alleen de intercom te horen.",
      "[%s]\nМузыка, %s или подсказки GPS продолжают звучать фоном, пока вы говорите по интеркому, а не прерываются. Отключите функцию, чтобы во время разговора слышать только интерком.",
      "[%s]\n通过对讲通话时，音乐、%s或 GPS 指引会在后台继续播放，而不会暂停。如果通话时只想听对讲，请禁用此功能。",
      "[%s]\nMusiikki, %s tai GPS-ohjeet jatkuvat taustalla, kun puhut intercomissa, eivätkä keskeydy. Poista toiminto käytöstä, jos haluat kuulla keskustelun aikana vain intercomin.",
      "[%s]\nHudba, %s nebo pokyny GPS hrají dál v pozadí, zatímco mluvíte přes interkom, místo aby se přerušily. Chcete-li během hovoru slyšet jen interkom, funkci zakažte.",
      "[%s]\nMuzyka, %s lub wskazówki GPS grają dalej w tle, gdy rozmawiasz przez interkom, zamiast się zatrzymywać. Wyłącz funkcję, aby podczas rozmowy słyszeć tylko interkom."}},
    // OverlaySensitivity
    {{"Sets how readily intercom speech puts music into the background with %s, from Level 1 to Level 10. At Level 1 only loud speech does so; at Level 10 even quiet speech does. Raise the level if the start of words is lost; lower it if wind noise keeps lowering the music.",
      "Règle la facilité avec laquelle la voix de l'intercom fait passer la musique en arrière-plan avec %s, du Niveau 1 au Niveau 10. Au Niveau 1, seule une voix forte le fait ; au Niveau 10, même une voix faible. Augmentez le niveau si le début des mots est coupé ; baissez-le si le bruit du vent baisse la musique sans arrêt.",
      "Legt fest, wie leicht Intercom-Sprache die Musik mit %s in den Hintergrund rückt, von Stufe 1 bis Stufe 10. Bei Stufe 1 nur laute Sprache, bei Stufe 10 auch leise. Erhöhen Sie die Stufe, wenn Wortanfänge fehlen; senken Sie sie, wenn Windgeräusche die Musik ständig leiser machen.",
      "Imposta quanto facilmente il parlato dell'interfono porta la musica in sottofondo con %s, dal Livello 1 al Livello 10. Al Livello 1 solo una voce forte, al Livello 10 anche una voce bassa. Alzare il livello se l'inizio delle parole si perde; abbassarlo se il rumore del vento abbassa continuamente la musica.",
      "%sで、インターコムの音声が音楽をどれだけ敏感にバックグラウンドへ下げるかを、レベル1～レベル10で設定します。レベル1では大きな声のときだけ、レベル10では小さな声でも下がります。話し始めが聞こえない場合はレベルを上げ、風切り音で音楽が下がり続ける場合はレベルを下げてください。",
      "%s 기능에서 인터콤 음성이 음악을 얼마나 쉽게 배경으로 낮출지 레벨 1부터 레벨 10까지 설정합니다. 레벨 1은 큰 목소리에만, 레벨 10은 작은 목소리에도 반응합니다. 말의 첫머리가 잘리면 레벨을 높이고, 바람 소리 때문에 음악이 계속 작아지면 레벨을 낮추십시오.",
      "Ajusta la facilidad con la que la voz del intercomunicador pasa la música a segundo plano con %s, del Nivel 1 al Nivel 10. En el Nivel 1 solo lo hace una voz fuerte; en el Nivel 10, incluso una voz baja. Suba el nivel si se pierde el inicio de las palabras; bájelo si el ruido del viento baja la música continuamente.",
      "Bepaalt hoe snel intercomspraak de muziek met %s naar de achtergrond schuift, van Niveau 1 tot Niveau 10. Bij Niveau 1 doet alleen luide spraak dat, bij Niveau 10 ook zachte spraak. Verhoog het niveau als het begin van woorden wegvalt; verlaag het als windgeruis de muziek steeds zachter zet.",
      "Задает, насколько легко речь по интеркому уводит музыку на второй план с помощью %s: от «Уровень 1» до «Уровень 10». На уровне 1 это делает только громкая речь, на уровне 10 — даже тихая. Повысьте уровень, если теряется начало слов; понизьте, если шум ветра постоянно приглушает музыку.",
      "设置使用 %s 时对讲语音将音乐转入后台的灵敏度，从 1 级到 10 级。1 级时只有大声说话才会触发；10 级时小声说话也会触发。如果话语开头被漏掉，请调高级别；如果风噪不断压低音乐，请调低级别。",
      "Asettaa, kuinka herkästi intercom-puhe siirtää musiikin taustalle %s-toiminnolla, tasolta 1 tasolle 10. Tasolla 1 vain kova puhe tekee niin, tasolla 10 hiljainenkin. Nosta tasoa, jos sanojen alku katoaa; laske sitä, jos tuulen humina hiljentää musiikkia jatkuvasti.",
      "Nastavuje, jak snadno řeč z interkomu odsune hudbu pomocí funkce %s do pozadí, od Úrovně 1 po Úroveň 10. Na Úrovni 1 jen hlasitá řeč, na Úrovni 10 i tichá. Zvyšte úroveň, pokud se ztrácí začátky slov; snižte ji, pokud hluk větru neustále ztlumuje hudbu.",
      "Określa, jak łatwo mowa z interkomu przenosi muzykę w tło dzięki funkcji %s, od Poziomu 1 do Poziomu 10. Na Poziomie 1 robi to tylko głośna mowa, na Poziomie 10 nawet cicha. Zwiększ poziom, jeśli giną początki słów; zmniejsz go, jeśli szum wiatru ciągle ścisza muzykę."}},
    // OverlaySensitivity5Levels
    {{"Sets how readily intercom speech puts music, FM radio and GPS audio into the background, from Level 1 to Level 5. At Level 1 only loud speech does so; at Level 5 even quiet speech does.",
      "Règle la facilité avec laquelle la voix de l'intercom fait passer la musique, la radio FM et le son du GPS en arrière-plan, du Niveau 1 au Niveau 5. Au Niveau 1, seule une voix forte le fait ; au Niveau 5, même une voix faible.",
      "Legt fest, wie leicht Intercom-Sprache Musik, FM-Radio und GPS-Ton in den Hintergrund rückt, von Stufe 1 bis Stufe 5. Bei Stufe 1 nur laute Sprache, bei Stufe 5 auch leise.",
      "Imposta quanto facilmente il parlato dell'interfono porta in sottofondo musica, radio FM e audio del GPS, dal Livello 1 al Livello 5. Al Livello 1 solo una voce forte, al Livello 5 anche una voce bassa.",
      "インターコムの音声が音楽、FMラジオ、GPSの音声をどれだけ敏感にバックグラウンドへ下げるかを、レベル1～レベル5で設定します。レベル1では大きな声のときだけ、レベル5では小さな声でも下がります。",
      "인터콤 음성이 음악, FM 라디오, GPS 음성을 얼마나 쉽게 배경으로 낮출지 레벨 1부터 레벨 5까지 설정합니다. 레벨 1은 큰 목소리에만, 레벨 5는 작은 목소리에도 반응합니다.",
      "Ajusta la facilidad con la que la voz del intercomunicador pasa a segundo plano la música, la radio FM y el audio del GPS, del Nivel 1 al Nivel 5. En el Nivel 1 solo lo hace una voz fuerte; en el Nivel 5, incluso una voz baja.",
      "Bepaalt hoe snel intercomspraak muziek, FM-radio en gps-geluid naar de achtergrond schuift, van Niveau 1 tot Niveau 5. Bij Niveau 1 doet alleen luide spraak dat, bij Niveau 5 ook zachte spraak.",
      "Задает, насколько легко речь по интеркому уводит на второй план музыку, FM-радио и звук GPS: от «Уровень 1» до «Уровень 5». На уровне 1 это делает только громкая речь, на уровне 5 — даже тихая.",
      "设置对讲语音将音乐、FM 收音机和 GPS 音频转入后台的灵敏度，从 1 级到 5 级。1 级时只有大声说话才会触发；5 级时小声说话也会触发。",
      "Asettaa, kuinka herkästi intercom-puhe siirtää musiikin, FM-radion ja GPS-äänen taustalle, tasolta 1 tasolle 5. Tasolla 1 vain kova puhe tekee niin, tasolla 5 hiljainenkin.",
      "Nastavuje, jak snadno řeč z interkomu odsune hudbu, FM rádio a zvuk GPS do pozadí, od Úrovně 1 po Úroveň 5. Na Úrovni 1 jen hlasitá řeč, na Úrovni 5 i tichá.",
      "Określa, jak łatwo mowa z interkomu przenosi w tło muzykę, radio FM i dźwięk GPS, od Poziomu 1 do Poziomu 5. Na Poziomie 1 robi to tylko głośna mowa, na Poziomie 5 nawet cicha."}},
    // VoxSensitivityDefault3
    {{"Sets how loudly you must speak to start VOX. Level 5 reacts to quiet speech, Level 1 only to loud speech. Raise it if VOX does not react; lower it if wind noise starts VOX. Default: Level 3.",
      "Règle à quel volume vous devez parler pour déclencher le VOX. Le Niveau 5 réagit à une voix faible, le Niveau 1 seulement à une voix forte. Augmentez-le si le VOX ne réagit pas ; baissez-le si le bruit du vent le déclenche. Par défaut : Niveau 3.",
      "Legt fest, wie laut Sie sprechen müssen, um VOX auszulösen. Stufe 5 reagiert auf leise Sprache, Stufe 1 nur auf laute. Erhöhen Sie die Stufe, wenn VOX nicht reagiert; senken Sie sie, wenn Windgeräusche VOX auslösen. Standard: Stufe 3.",
      "Imposta quanto forte occorre parlare per attivare il VOX. Il Livello 5 reagisce a una voce bassa, il Livello 1 solo a una voce forte. Alzarlo se il VOX non reagisce; abbassarlo se il rumore del vento attiva il VOX. Predefinito: Livello 3.",
      "VOXを作動させるのに必要な声の大きさを設定します。レベル5は小さな声にも反応し、レベル1は大きな声にだけ反応します。VOXが反応しない場合は上げ、風切り音でVOXが作動する場合は下げてください。初期設定：レベル3",
      "VOX를 작동시키려면 얼마나 크게 말해야 하는지 설정합니다. 레벨 5는 작은 목소리에도, 레벨 1은 큰 목소리에만 반응합니다. VOX가 반응하지 않으면 높이고, 바람 소리에 VOX가 작동하면 낮추십시오. 기본값: 레벨 3",
      "Ajusta con qué volumen debe hablar para activar el VOX. El Nivel 5 reacciona a una voz baja; el Nivel 1, solo a una voz fuerte. Súbalo si el VOX no reacciona; bájelo si el ruido del viento activa el VOX. Predeterminado: Nivel 3.",
      "Bepaalt hoe luid u moet praten om VOX te starten. Niveau 5 reageert op zachte spraak, Niveau 1 alleen op luide spraak. Verhoog het als VOX niet reageert; verlaag het als windgeruis VOX start. Standaard: Niveau 3.",
      "Задает, насколько громко нужно говорить, чтобы сработал VOX. «Уровень 5» реагирует на тихую речь, «Уровень 1» — только на громкую. Повысьте, если VOX не срабатывает; понизьте, если его включает шум ветра. По умолчанию: «Уровень 3».",
      "设置需要多大声音才能启动 VOX。5 级对小声说话也有反应，1 级仅对大声说话有反应。如果 VOX 没有反应，请调高；如果风噪会启动 VOX，请调低。默认：3 级",
      "Asettaa, kuinka kovaa on puhuttava, jotta VOX käynnistyy. Taso 5 reagoi hiljaiseen puheeseen, taso 1 vain kovaan puheeseen. Nosta tasoa, jos VOX ei reagoi; laske sitä, jos tuulen humina käynnistää VOXin. Oletus: Taso 3.",
      "Nastavuje, jak hlasitě musíte mluvit, aby se VOX spustil. Úroveň 5 reaguje na tichou řeč, Úroveň 1 jen na hlasitou. Pokud VOX nereaguje, úroveň zvyšte; pokud jej spouští hluk větru, snižte ji. Výchozí: Úroveň 3.",
      "Określa, jak głośno trzeba mówić, aby uruchomić VOX. Poziom 5 reaguje na cichą mowę, Poziom 1 tylko na głośną. Zwiększ go, jeśli VOX nie reaguje; zmniejsz, jeśli VOX uruchamia szum wiatru. Domyślnie: Poziom 3."}},
    // VoxSensitivityDefault2
    {{"Sets how loudly you must speak to start VOX. Level 5 reacts to quiet speech, Level 1 only to loud speech. Raise it if VOX does not react; lower it if wind noise starts VOX. Default: Level 2.",
      "Règle à quel volume vous devez parler pour déclencher le VOX. Le Niveau 5 réagit à une voix faible, le Niveau 1 seulement à une voix forte. Augmentez-le si le VOX ne réagit pas ; baissez-le si le bruit du vent le déclenche. Par défaut : Niveau 2.",
      "Legt fest, wie laut Sie sprechen müssen, um VOX auszulösen. Stufe 5 reagiert auf leise Sprache, Stufe 1 nur auf laute. Erhöhen Sie die Stufe, wenn VOX nicht reagiert; senken Sie sie, wenn Windgeräusche VOX auslösen. Standard: Stufe 2.",
      "Imposta quanto forte occorre parlare per attivare il VOX. Il Livello 5 reagisce a una voce bassa, il Livello 1 solo a una voce forte. Alzarlo se il VOX non reagisce; abbassarlo se il rumore del vento attiva il VOX. Predefinito: Livello 2.",
      "VOXを作動させるのに必要な声の大きさを設定します。レベル5は小さな声にも反応し、レベル1は大きな声にだけ反応します。VOXが反応しない場合は上げ、風切り音でVOXが作動する場合は下げてください。初期設定：レベル2",
      "VOX를 작동시키려면 얼마나 크게 말해야 하는지 설정합니다. 레벨 5는 작은 목소리에도, 레벨 1은 큰 목소리에만 반응합니다. VOX가 반응하지 않으면 높이고, 바람 소리에 VOX가 작동하면 낮추십시오. 기본값: 레벨 2",
      "Ajusta con qué volumen debe hablar para activar el VOX. El Nivel 5 reacciona a una voz baja; el Nivel 1, solo a una voz fuerte. Súbalo si el VOX no reacciona; bájelo si el ruido del viento activa el VOX. Predeterminado: Nivel 2.",
      "Bepaalt hoe luid u moet praten om VOX te starten. Niveau 5 reageert op zachte spraak, Niveau 1 alleen op luide spraak. Verhoog het als VOX niet reageert; verlaag het als windgeruis VOX start. Standaard: Niveau 2.",
      "Задает, насколько громко нужно говорить, чтобы сработал VOX. «Уровень 5» реагирует на тихую речь, «Уровень 1» — только на громкую. Повысьте, если VOX не срабатывает; понизьте, если его включает шум ветра. По умолчанию: «Уровень 2».",
      "设置需要多大声音才能启动 VOX。5 级对小声说话也有反应，1 级仅对大声说话有反应。如果 VOX 没有反应，请调高；如果风噪会启动 VOX，请调低。默认：2 级",
      "Asettaa, kuinka kovaa on puhuttava, jotta VOX käynnistyy. Taso 5 reagoi hiljaiseen puheeseen, taso 1 vain kovaan puheeseen. Nosta tasoa, jos VOX ei reagoi; laske sitä, jos tuulen humina käynnistää VOXin. Oletus: Taso 2.",
      "Nastavuje, jak hlasitě musíte mluvit, aby se VOX spustil. Úroveň 5 reaguje na tichou řeč, Úroveň 1 jen na hlasitou. Pokud VOX nereaguje, úroveň zvyšte; pokud jej spouští hluk větru, snižte ji. Výchozí: Úroveň 2.",
      "Określa, jak głośno trzeba mówić, aby uruchomić VOX. Poziom 5 reaguje na cichą mowę, Poziom 1 tylko na głośną. Zwiększ go, jeśli VOX nie reaguje; zmniejsz, jeśli VOX uruchamia szum wiatru. Domyślnie: Poziom 2."}},
    // VoxSensitivityHighMediumLow
    {{"Sets how loudly you must speak to start VOX. High reacts to quiet speech, Low only to loud speech. Raise it if VOX does not react; lower it if wind noise starts VOX. Default: Medium.",
      "Règle à quel volume vous devez parler pour déclencher le VOX. Élevée réagit à une voix faible, Faible seulement à une voix forte. Augmentez-la si le VOX ne réagit pas ; baissez-la si le bruit du vent le déclenche. Par défaut : Moyenne.",
      "Legt fest, wie laut Sie sprechen müssen, um VOX auszulösen. Hoch reagiert auf leise Sprache, Niedrig nur auf laute. Erhöhen Sie die Empfindlichkeit, wenn VOX nicht reagiert; senken Sie sie, wenn Windgeräusche VOX auslösen. Standard: Mittel.",
      "Imposta quanto forte occorre parlare per attivare il VOX. Alta reagisce a una voce bassa, Bassa solo a una voce forte. Alzarla se il VOX non reagisce; abbassarla se il rumore del vento attiva il VOX. Predefinito: Media.",
      "VOXを作動させるのに必要な声の大きさを設定します。「高」は小さな声にも反応し、「低」は大きな声にだけ反応します。VOXが反応しない場合は上げ、風切り音でVOXが作動する場合は下げてください。初期設定：中",
      "VOX를 작동시키려면 얼마나 크게 말해야 하는지 설정합니다. 높음은 작은 목소리에도, 낮음은 큰 목소리에만 반응합니다. VOX가 반응하지 않으면 높이고, 바람 소리에 VOX가 작동하면 낮추십시오. 기본값: 보통",
      "Ajusta con qué volumen debe hablar para activar el VOX. Alta reacciona a una voz baja; Baja, solo a una voz fuerte. Súbala si el VOX no reacciona; bájela si el ruido del viento activa el VOX. Predeterminado: Media.",
      "Bepaalt hoe luid u moet praten om VOX te starten. Hoog reageert op zachte spraak, Laag alleen op luide spraak. Verhoog de gevoeligheid als VOX niet reageert; verlaag haar als windgeruis VOX start. Standaard: Gemiddeld.",
      "Задает, насколько громко нужно говорить, чтобы сработал VOX. «Высокая» реагирует на тихую речь, «Низкая» — только на громкую. Повысьте, если VOX не срабатывает; понизьте, если его включает шум ветра. По умолчанию: «Средняя».",
      "设置需要多大声音才能启动 VOX。“高”对小声说话也有反应，“低”仅对大声说话有反应。如果 VOX 没有反应，请调高；如果风噪会启动 VOX，请调低。默认：中",
      "Asettaa, kuinka kovaa on puhuttava, jotta VOX käynnistyy. Korkea reagoi hiljaiseen puheeseen, Matala vain kovaan puheeseen. Nosta herkkyyttä, jos VOX ei reagoi; laske sitä, jos tuulen humina käynnistää VOXin. Oletus: Keskitaso.",
      "Nastavuje, jak hlasitě musíte mluvit, aby se VOX spustil. Vysoká reaguje na tichou řeč, Nízká jen na hlasitou. Pokud VOX nereaguje, citlivost zvyšte; pokud jej spouští hluk větru, snižte ji. Výchozí: Střední.",
      "Określa, jak głośno trzeba mówić, aby uruchomić VOX. Wysoka reaguje na cichą mowę, Niska tylko na głośną. Zwiększ czułość, jeśli VOX nie reaguje; zmniejsz ją, jeśli VOX uruchamia szum wiatru. Domyślnie: Średnia."}},
    // VoxPhone
    {{"Answer an incoming call by saying any word loudly, without pressing a button.",
      "Répondez à un appel entrant en prononçant un mot à voix haute, sans appuyer sur un bouton.",
      "Nehmen Sie einen eingehenden Anruf an, indem Sie ein beliebiges Wort laut sagen, ohne eine Taste zu drücken.",
      "Rispondere a una chiamata in arrivo pronunciando ad alta voce una parola qualsiasi, senza premere pulsanti.",
      "ボタンを押さずに、何か言葉を大きな声で話すだけで着信に応答できます。", "버튼을 누르지 않고 아무 말이나 크게 하면 걸려 온 전화를 받을 수 있습니다.",
      "Conteste una llamada entrante diciendo cualquier palabra en voz alta, sin pulsar ningún botón.",
      "Beantwoord een inkomende oproep door luid een willekeurig woord te zeggen, zonder op een knop te drukken.",
      "Чтобы ответить на входящий звонок, громко произнесите любое слово — нажимать кнопку не нужно.",
      "无需按键，只需大声说出任意词语即可接听来电。",
      "Vastaa saapuvaan puheluun sanomalla mikä tahansa sana kovaa, painamatta painiketta.",
      "Příchozí hovor přijmete tak, že nahlas řeknete libovolné slovo, bez stisknutí tlačítka.",
      "Odbierz połączenie przychodzące, mówiąc głośno dowolne słowo, bez naciskania przycisku."}},
    // HdIntercom
    {{"[%s]\nGives two-way intercom conversations HD audio quality. The quality returns to normal when more riders join the conversation.",
      "[%s]\nOffre une qualité audio HD aux conversations intercom à deux. La qualité redevient normale lorsque d'autres motards rejoignent la conversation.",
      "[%s]\nBietet bei Intercom-Gesprächen zu zweit Audioqualität in HD. Die Qualität wird wieder normal, sobald weitere Fahrer dem Gespräch beitreten.",
      "[%s]\nOffre qualità audio HD nelle conversazioni via interfono tra due persone. La qualità torna normale quando altri motociclisti si uniscono alla conversazione.",
      "[%s]\n2人でのインターコム会話をHD音質にします。会話に参加するライダーが増えると、通常の音質に戻ります。",
      "[%s]\n2인 인터콤 대화를 HD 음질로 제공합니다. 대화에 참여하는 라이더가 늘어나면 일반 음질로 돌아갑니다.",
      "[%s]\nOfrece calidad de audio HD en las conversaciones por intercomunicador entre dos. La calidad vuelve a la normal cuando se unen más motoristas a la conversación.",
      "[%s]\nGeeft intercomgesprekken met z'n tweeën HD-geluidskwaliteit. De kwaliteit wordt weer normaal zodra meer rijders aan het gesprek deelnemen.",
      "[%s]\nОбеспечивает HD-качество звука при разговоре по интеркому вдвоем. Когда к разговору присоединяются другие мотоциклисты, качество становится обычным.",
      "[%s]\n为两人对讲通话提供高清音质。当有更多骑手加入通话时，音质将恢复为普通音质。",
      "[%s]\nAntaa kahden hengen intercom-keskusteluille HD-äänenlaadun. Laatu palaa normaaliksi, kun keskusteluun liittyy lisää ajajia.",
      "[%s]\nZajišťuje hovorům přes interkom ve dvou kvalitu zvuku HD. Když se k hovoru připojí další jezdci, kvalita se vrátí na běžnou.",
      "[%s]\nZapewnia jakość dźwięku HD w rozmowach przez interkom we dwoje. Gdy do rozmowy dołączą kolejni motocykliści, jakość wraca do zwykłej."}},
    // EightWayIntercom
    {{"[%s]\nConnects up to eight riders in one intercom conversation. When %s is disabled, a conversation holds up to four riders in better audio quality.",
      "[%s]\nRelie jusqu'à huit motards dans une même conversation intercom. Lorsque la fonction %s est désactivée, une conversation réunit jusqu'à quatre motards avec une meilleure qualité audio.",
      "[%s]\nVerbindet bis zu acht Fahrer in einem Intercom-Gespräch. Ist %s deaktiviert, fasst ein Gespräch bis zu vier Fahrer bei besserer Audioqualität.",
      "[%s]\nCollega fino a otto motociclisti in un'unica conversazione via interfono. Con la funzione %s disattivata, una conversazione accoglie fino a quattro motociclisti con una qualità audio migliore.",
      "[%s]\n最大8人のライダーを1つのインターコム会話でつなぎます。%sを無効にすると、1つの会話は最大4人となり、音質が向上します。",
      "[%s]\n최대 8명의 라이더를 하나의 인터콤 대화로 연결합니다. %s 기능을 사용 안 함으로 설정하면 한 대화에 최대 4명까지 참여하며 음질이 더 좋아집니다.",
      "[%s]\nConecta hasta ocho motoristas en una sola conversación por intercomunicador. Con la función %s desactivada, una conversación admite hasta cuatro motoristas con mejor calidad de audio.",
      "[%s]\nVerbindt tot acht rijders in één intercomgesprek. Als %s is uitgeschakeld, biedt een gesprek plaats aan maximaal vier rijders in betere geluidskwaliteit.",
      "[%s]\nОбъединяет до восьми мотоциклистов в одном разговоре по интеркому. Если функция «%s» отключена, в разговоре может участвовать до четырех человек, а качество звука выше.",
      "[%s]\n最多可将八位骑手连接到同一对讲通话中。禁用 %s 后，一次通话最多四位骑手，但音质更好。",
      "[%s]\nYhdistää jopa kahdeksan ajajaa samaan intercom-keskusteluun. Kun %s ei ole käytössä, keskusteluun mahtuu enintään neljä ajajaa paremmalla äänenlaadulla.",
      "[%s]\nSpojí až osm jezdců v jednom hovoru přes interkom. Když je funkce %s zakázaná, hovor pojme až čtyři jezdce v lepší kvalitě zvuku.",
      "[%s]\nŁączy do ośmiu motocyklistów w jednej rozmowie przez interkom. Gdy funkcja %s jest wyłączona, w rozmowie może brać udział do czterech osób, a jakość dźwięku jest lepsza."}},
    // VoxIntercom
    {{"[%s]\nWhen %s is enabled, speaking loudly starts an intercom conversation with the intercom friend you last talked to; a few seconds of silence end it.",
      "[%s]\nLorsque la fonction %s est activée, parler fort lance une conversation intercom avec le dernier ami intercom avec qui vous avez parlé ; quelques secondes de silence y mettent fin.",
      "[%s]\nIst %s aktiviert, startet lautes Sprechen ein Intercom-Gespräch mit dem zuletzt verbundenen Intercom-Freund; einige Sekunden Stille beenden es.",
      "[%s]\nCon la funzione %s attivata, parlando ad alta voce si avvia una conversazione via interfono con l'ultimo amico con cui si è parlato; alcuni secondi di silenzio la terminano.",
      "[%s]\n%sを有効にすると、大きな声で話すだけで最後に話したインターコム相手との会話が始まり、数秒間話さないと終了します。",
      "[%s]\n%s 기능을 사용하면 크게 말하기만 해도 마지막으로 대화한 인터콤 상대와 대화가 시작되고, 몇 초간 말이 없으면 종료됩니다.",
      "[%s]\nCon la función %s activada, al hablar en voz alta se inicia una conversación por intercomunicador con el último amigo con el que habló; unos segundos de silencio la terminan.",
      "[%s]\nAls %s is ingeschakeld, start luid praten een intercomgesprek met de intercomvriend die u het laatst sprak; enkele seconden stilte beëindigen het.",
      "[%s]\nЕсли функция «%s» включена, громкая речь начинает разговор по интеркому с последним собеседником, а несколько секунд тишины завершают его.",
      "[%s]\n启用 %s 后，只需大声说话即可与上次通话的对讲好友开始对讲，静默几秒后自动结束。",
      "[%s]\nKun %s on käytössä, kova puhe aloittaa intercom-keskustelun sen ystävän kanssa, jonka kanssa puhuit viimeksi; muutaman sekunnin hiljaisuus lopettaa sen.",
      "[%s]\nKdyž je funkce %s povolená, hlasitá řeč zahájí hovor přes interkom s přítelem, se kterým jste mluvili naposledy; několik sekund ticha jej ukončí.",
      "[%s]\nGdy funkcja %s jest włączona, głośne mówienie rozpoczyna rozmowę przez interkom z osobą, z którą rozmawiałeś ostatnio; kilka sekund ciszy ją kończy."}},
    // FmStationGuide
    {{"When you change FM stations, a voice prompt tells you the frequency of the station.",
      "Lorsque vous changez de station FM, une annonce vocale vous indique la fréquence de la station.",
      "Wenn Sie den FM-Sender wechseln, sagt eine Sprachansage die Frequenz des Senders an.",
      "Quando si cambia stazione FM, un avviso vocale comunica la frequenza della stazione.",
      "FM局を切り替えると、音声ガイドがその局の周波数を知らせます。", "FM 방송국을 바꾸면 음성 안내가 해당 방송국의 주파수를 알려 줍니다.",
      "Al cambiar de emisora FM, un aviso de voz le indica la frecuencia de la emisora.",
      "Wanneer u van FM-zender wisselt, meldt een gesproken melding de frequentie van de zender.",
      "При смене FM-станции голосовая подсказка сообщает ее частоту.", "切换 FM 电台时，语音提示会播报该电台的频率。",
      "Kun vaihdat FM-asemaa, äänikehote kertoo aseman taajuuden.",
      "Když přepnete stanici FM, hlasové hlášení oznámí její frekvenci.",
      "Po zmianie stacji FM komunikat głosowy podaje częstotliwość stacji."}},
    // AudioSourcePriority
    {{"Chooses which source comes first when both are active. Intercom: an intercom conversation interrupts music. Music: the intercom is interrupted while music plays.",
      "Choisit la source prioritaire lorsque les deux sont actives. Intercom : une conversation intercom interrompt la musique. Musique : l'intercom est interrompu pendant la lecture de musique.",
      "Legt fest, welche Quelle Vorrang hat, wenn beide aktiv sind. Intercom: Ein Intercom-Gespräch unterbricht die Musik. Musik: Das Intercom wird unterbrochen, solange Musik läuft.",
      "Sceglie quale sorgente ha la precedenza quando sono attive entrambe. Interfono: una conversazione via interfono interrompe la musica. Musica: l'interfono viene interrotto mentre la musica è in riproduzione.",
      "両方が有効なときに優先する音源を選びます。インターコム：インターコムの会話で音楽が中断されます。音楽：音楽の再生中はインターコムが中断されます。",
      "두 소스가 모두 켜져 있을 때 어느 쪽을 우선할지 선택합니다. 인터콤: 인터콤 대화가 음악을 중단합니다. 음악: 음악이 재생되는 동안 인터콤이 중단됩니다.",
      "Elige qué fuente tiene prioridad cuando ambas están activas. Intercomunicador: una conversación por intercomunicador interrumpe la música. Música: el intercomunicador se interrumpe mientras suena música.",
      "Kiest welke bron voorrang heeft als beide actief zijn. Intercom: een intercomgesprek onderbreekt de muziek. Muziek: de intercom wordt onderbroken zolang er muziek speelt.",
      "Определяет, какой источник важнее, когда активны оба. «Интерком»: разговор по интеркому прерывает музыку. «Музыка»: интерком прерывается, пока играет музыка.",
      "选择两者同时启用时优先的音源。对讲：对讲通话会中断音乐。音乐：播放音乐时对讲会被中断。",
      "Valitsee, kumpi lähde on etusijalla, kun molemmat ovat käytössä. Intercom: intercom-keskustelu keskeyttää musiikin. Musiikki: intercom keskeytyy musiikin soidessa.",
      "Určuje, který zdroj má přednost, když jsou aktivní oba. Interkom: hovor přes interkom přeruší hudbu. Hudba: interkom se přeruší, dokud hraje hudba.",
      "Wybiera, które źródło ma pierwszeństwo, gdy oba są aktywne. Interkom: rozmowa przez interkom przerywa muzykę. Muzyka: interkom jest przerywany, gdy gra muzyka."}},
    // SoundWeaveNoInterruption
    {{"Lets you hear the intercom, music, FM radio and GPS directions at the same time, without one interrupting another. During an intercom conversation the other sources play in the background.",
      "Vous entendez l'intercom, la musique, la radio FM et les indications GPS en même temps, sans que l'un interrompe l'autre. Pendant une conversation intercom, les autres sources continuent en arrière-plan.",
      "Sie hören Intercom, Musik, FM-Radio und GPS-Anweisungen gleichzeitig, ohne dass eine Quelle die andere unterbricht. Während eines Intercom-Gesprächs laufen die anderen Quellen im Hintergrund.",
      "Permette di ascoltare contemporaneamente interfono, musica, radio FM e indicazioni GPS, senza che una sorgente interrompa l'altra. Durante una conversazione via interfono le altre sorgenti restano in sottofondo.",
      "インターコム、音楽、FMラジオ、GPSの案内を、互いに中断させることなく同時に聞くことができます。インターコムでの会話中は、ほかの音源がバックグラウンドで再生されます。",
      "인터콤, 음악, FM 라디오, GPS 안내를 서로 끊지 않고 동시에 들을 수 있습니다. 인터콤 대화 중에는 다른 소스가 배경에서 재생됩니다.",
      "Le permite oír a la vez el intercomunicador, la música, la radio FM y las indicaciones del GPS, sin que una fuente interrumpa a otra. Durante una conversación por intercomunicador, las demás fuentes suenan de fondo.",
      "U hoort intercom, muziek, FM-radio en gps-aanwijzingen tegelijk, zonder dat de ene bron de andere onderbreekt. Tijdens een intercomgesprek spelen de andere bronnen op de achtergrond.",
      "Позволяет одновременно слышать интерком, музыку, FM-радио и подсказки GPS, не прерывая одно другим. Во время разговора по интеркому остальные источники звучат фоном.",
      "可同时收听对讲、音乐、FM 收音机和 GPS 指引，互不中断。对讲通话期间，其他音源在后台播放。",
      "Kuulet intercomin, musiikin, FM-radion ja GPS-ohjeet samanaikaisesti ilman, että yksi keskeyttää toisen. Intercom-keskustelun aikana muut lähteet soivat taustalla.",
      "Umožňuje slyšet současně interkom, hudbu, FM rádio a pokyny GPS, aniž by jeden zdroj přerušoval druhý. Během hovoru přes interkom hrají ostatní zdroje v pozadí.",
      "Pozwala słyszeć jednocześnie interkom, muzykę, radio FM i wskazówki GPS, bez przerywania jednego przez drugie. Podczas rozmowy przez interkom pozostałe źródła grają w tle."}},
    // SoundBlendMusicGps
    {{"Keeps music and GPS directions playing in the background during an intercom conversation, instead of interrupting them.",
      "La musique et les indications GPS continuent en arrière-plan pendant une conversation intercom, au lieu d'être interrompues.",
      "Musik und GPS-Anweisungen laufen während eines Intercom-Gesprächs im Hintergrund weiter, statt unterbrochen zu werden.",
      "Musica e indicazioni GPS continuano in sottofondo durante una conversazione via interfono, invece di interrompersi.",
      "インターコムでの会話中も、音楽とGPSの案内を中断せずにバックグラウンドで再生し続けます。",
      "인터콤 대화 중에도 음악과 GPS 안내를 끊지 않고 배경에서 계속 재생합니다.",
      "La música y las indicaciones del GPS siguen sonando de fondo durante una conversación por intercomunicador, en lugar de interrumpirse.",
      "Muziek en gps-aanwijzingen blijven tijdens een intercomgesprek op de achtergrond spelen, in plaats van te worden onderbroken.",
      "Музыка и подсказки GPS продолжают звучать фоном во время разговора по интеркому, а не прерываются.",
      "对讲通话期间，音乐和 GPS 指引会在后台继续播放，而不会被中断。",
      "Musiikki ja GPS-ohjeet jatkuvat taustalla intercom-keskustelun aikana eivätkä keskeydy.",
      "Hudba a pokyny GPS hrají během hovoru přes interkom dál v pozadí, místo aby se přerušily.",
      "Muzyka i wskazówki GPS grają dalej w tle podczas rozmowy przez interkom, zamiast się zatrzymywać."}},
    // IntercomSoundWeave
    {{"Keeps music, FM radio and GPS directions playing in the background during a Bluetooth intercom conversation, without one interrupting another.",
      "La musique, la radio FM et les indications GPS continuent en arrière-plan pendant une conversation intercom Bluetooth, sans s'interrompre.",
      "Musik, FM-Radio und GPS-Anweisungen laufen während eines Bluetooth-Intercom-Gesprächs im Hintergrund weiter, ohne sich gegenseitig zu unterbrechen.",
      "Musica, radio FM e indicazioni GPS continuano in sottofondo durante una conversazione via interfono Bluetooth, senza interrompersi a vicenda.",
      "Bluetoothインターコムでの会話中も、音楽、FMラジオ、GPSの案内を互いに中断させずにバックグラウンドで再生し続けます。",
      "블루투스 인터콤 대화 중에도 음악, FM 라디오, GPS 안내를 서로 끊지 않고 배경에서 계속 재생합니다.",
      "La música, la radio FM y las indicaciones del GPS siguen sonando de fondo durante una conversación por intercomunicador Bluetooth, sin interrumpirse entre sí.",
      "Muziek, FM-radio en gps-aanwijzingen blijven tijdens een Bluetooth-intercomgesprek op de achtergrond spelen, zonder elkaar te onderbreken.",
      "Музыка, FM-радио и подсказки GPS продолжают звучать фоном во время разговора по Bluetooth-интеркому, не прерывая друг друга.",
      "蓝牙对讲通话期间，音乐、FM 收音机和 GPS 指引在后台继续播放，互不中断。",
      "Musiikki, FM-radio ja GPS-ohjeet jatkuvat taustalla Bluetooth-intercom-keskustelun aikana keskeyttämättä toisiaan.",
      "Hudba, FM rádio a pokyny GPS hrají během hovoru přes Bluetooth interkom dál v pozadí, aniž by se navzájem přerušovaly.",
      "Muzyka, radio FM i wskazówki GPS grają dalej w tle podczas rozmowy przez interkom Bluetooth, nie przerywając się nawzajem."}},
    // SmartNaviSystem
    {{"Lets navigation directions interrupt an intercom conversation or the FM radio, so that you never miss a turn. When disabled, the intercom and FM radio are not interrupted.",
      "Les indications de navigation peuvent interrompre une conversation intercom ou la radio FM, pour ne jamais manquer une intersection. Désactivée, l'intercom et la radio FM ne sont pas interrompus.",
      "Navigationsanweisungen dürfen ein Intercom-Gespräch oder das FM-Radio unterbrechen, damit Sie keine Abzweigung verpassen. Deaktiviert werden Intercom und FM-Radio nicht unterbrochen.",
      "Le indicazioni di navigazione possono interrompere una conversazione via interfono o la radio FM, per non perdere mai una svolta. Se disattivata, interfono e radio FM non vengono interrotti.",
      "ナビゲーションの案内がインターコムの会話やFMラジオに割り込むため、曲がり角を聞き逃しません。無効にすると、インターコムとFMラジオは中断されません。",
      "내비게이션 안내가 인터콤 대화나 FM 라디오에 끼어들어 갈림길을 놓치지 않게 합니다. 사용 안 함으로 설정하면 인터콤과 FM 라디오가 중단되지 않습니다.",
      "Las indicaciones de navegación pueden interrumpir una conversación por intercomunicador o la radio FM, para que no se pierda ningún giro. Si se desactiva, el intercomunicador y la radio FM no se interrumpen.",
      "Navigatieaanwijzingen mogen een intercomgesprek of de FM-radio onderbreken, zodat u geen afslag mist. Uitgeschakeld worden intercom en FM-radio niet onderbroken.",
      "Навигационные подсказки могут прерывать разговор по интеркому или FM-радио, чтобы вы не пропустили поворот. Если функция отключена, интерком и FM-радио не прерываются.",
      "导航指引可中断对讲通话或 FM 收音机，确保您不会错过任何转弯。禁用后，对讲和 FM 收音机不会被中断。",
      "Navigointiohjeet saavat keskeyttää intercom-keskustelun tai FM-radion, joten et ohita yhtään risteystä. Kun toiminto ei ole käytössä, intercomia ja FM-radiota ei keskeytetä.",
      "Pokyny navigace mohou přerušit hovor přes interkom nebo FM rádio, abyste nezmeškali žádnou odbočku. Když je funkce zakázaná, interkom ani FM rádio se nepřerušují.",
      "Wskazówki nawigacji mogą przerwać rozmowę przez interkom lub radio FM, aby nie przegapić żadnego skrętu. Po wyłączeniu interkom i radio FM nie są przerywane."}},
    // GuestMode
    {{"Lets riders outside your closed intercom group join as guests and listen to the group's conversation. Guests can hear the group but cannot talk to it.",
      "Permet à des motards extérieurs à votre groupe intercom fermé de se joindre en tant qu'invités et d'écouter la conversation du groupe. Les invités entendent le groupe mais ne peuvent pas lui parler.",
      "Fahrer außerhalb Ihrer geschlossenen Intercom-Gruppe können als Gäste beitreten und das Gespräch der Gruppe mithören. Gäste hören die Gruppe, können aber nicht mit ihr sprechen.",
      "Permette ai motociclisti esterni al gruppo chiuso di interfono di unirsi come ospiti e ascoltare la conversazione del gruppo. Gli ospiti sentono il gruppo ma non possono parlare.",
      "クローズドのインターコムグループ外のライダーがゲストとして参加し、グループの会話を聞けるようにします。ゲストはグループの会話を聞けますが、話すことはできません。",
      "폐쇄형 인터콤 그룹 밖의 라이더가 게스트로 참여해 그룹 대화를 들을 수 있게 합니다. 게스트는 그룹 대화를 들을 수 있지만 말할 수는 없습니다.",
      "Permite que motoristas ajenos a su grupo cerrado de intercomunicador se unan como invitados y escuchen la conversación del grupo. Los invitados oyen al grupo, pero no pueden hablarle.",
      "Laat rijders buiten uw gesloten intercomgroep als gast meedoen en naar het groepsgesprek luisteren. Gasten horen de groep, maar kunnen niet terugpraten.",
      "Позволяет мотоциклистам вне вашей закрытой группы интеркома подключаться как гости и слушать разговор группы. Гости слышат группу, но не могут говорить.",
      "允许封闭对讲群组以外的骑手以访客身份加入并收听群组通话。访客可以听到群组通话，但不能发言。",
      "Suljetun intercom-ryhmäsi ulkopuoliset ajajat voivat liittyä vieraina ja kuunnella ryhmän keskustelua. Vieraat kuulevat ryhmän, mutta eivät voi puhua sille.",
      "Umožňuje jezdcům mimo vaši uzavřenou skupinu interkomu připojit se jako hosté a poslouchat hovor skupiny. Hosté skupinu slyší, ale nemohou do hovoru mluvit.",
      "Pozwala motocyklistom spoza Twojej zamkniętej grupy interkomu dołączyć jako goście i słuchać rozmowy grupy. Goście słyszą grupę, ale nie mogą się do niej odzywać."}},
    // SoundBlendVolumeManagement
    {{"When enabled, music, FM radio and GPS directions are lowered while someone speaks on the intercom and raised again afterwards. When disabled, they keep their volume.",
      "Activée, la musique, la radio FM et les indications GPS sont baissées pendant qu'une personne parle par l'intercom, puis remontées ensuite. Désactivée, elles gardent leur volume.",
      "Aktiviert werden Musik, FM-Radio und GPS-Anweisungen leiser, während jemand über das Intercom spricht, und danach wieder lauter. Deaktiviert behalten sie ihre Lautstärke.",
      "Se attivata, musica, radio FM e indicazioni GPS vengono abbassate mentre qualcuno parla via interfono e poi rialzate. Se disattivata, mantengono il loro volume.",
      "有効にすると、インターコムでだれかが話している間は音楽、FMラジオ、GPSの案内の音量を下げ、話し終わると元に戻します。無効にすると音量は変わりません。",
      "사용하면 누군가 인터콤으로 말하는 동안 음악, FM 라디오, GPS 안내의 음량을 낮추고 말이 끝나면 다시 높입니다. 사용 안 함으로 설정하면 음량이 그대로 유지됩니다.",
      "Si está activado, la música, la radio FM y las indicaciones del GPS bajan mientras alguien habla por el intercomunicador y vuelven a subir después. Si está desactivado, mantienen su volumen.",
      "Ingeschakeld worden muziek, FM-radio en gps-aanwijzingen zachter gezet terwijl iemand via de intercom praat, en daarna weer harder. Uitgeschakeld behouden ze hun volume.",
      "Когда функция включена, музыка, FM-радио и подсказки GPS становятся тише, пока кто-то говорит по интеркому, и затем снова громче. Когда отключена, их громкость не меняется.",
      "启用后，有人通过对讲说话时，音乐、FM 收音机和 GPS 指引的音量会降低，之后再恢复。禁用后，音量保持不变。",
      "Kun toiminto on käytössä, musiikkia, FM-radiota ja GPS-ohjeita hiljennetään, kun joku puhuu intercomissa, ja voimistetaan sen jälkeen. Kun se ei ole käytössä, äänenvoimakkuus pysyy ennallaan.",
      "Když je funkce povolená, hudba, FM rádio a pokyny GPS se ztiší, zatímco někdo mluví přes interkom, a potom se opět zesílí. Když je zakázaná, hlasitost se nemění.",
      "Po włączeniu muzyka, radio FM i wskazówki GPS są ściszane, gdy ktoś mówi przez interkom, a potem znów pogłaśniane. Po wyłączeniu ich głośność się nie zmienia."}},
    // EssStatus
    {{"The emergency stop signal flashes the brake light when you brake hard. Choose ESS ON alone or together with the position light or the fog light, or ESS OFF.",
      "Le signal de freinage d'urgence fait clignoter le feu stop lors d'un freinage brusque. Choisissez ESS ACTIVÉ seul ou avec le feu de position ou le feu antibrouillard, ou ESS DÉSACTIVÉ.",
      "Das Notbremssignal lässt das Bremslicht bei starkem Bremsen blinken. Wählen Sie ESS EIN allein oder zusammen mit Positionslicht oder Nebellicht, oder ESS AUS.",
      "Il segnale di frenata d'emergenza fa lampeggiare la luce di stop quando si frena bruscamente. Scegliere ESS ATTIVO da solo o insieme alla luce di posizione o al fendinebbia, oppure ESS DISATTIVO.",
      "急ブレーキをかけると、緊急停止信号がブレーキランプを点滅させます。「ESSオン」単独、ポジションライトまたはフォグライトとの組み合わせ、または「ESSオフ」を選んでください。",
      "급제동하면 긴급 정지 신호가 브레이크등을 깜박입니다. ESS 켜짐 단독, 미등 또는 안개등과 함께 사용, 또는 ESS 꺼짐 중에서 선택하십시오.",
      "La señal de frenada de emergencia hace parpadear la luz de freno al frenar bruscamente. Elija ESS ACTIVADO solo o junto con la luz de posición o la luz antiniebla, o ESS DESACTIVADO.",
      "Het noodstopsignaal laat het remlicht knipperen wanneer u hard remt. Kies ESS AAN alleen of samen met het positielicht of het mistlicht, of ESS UIT.",
      "Сигнал экстренного торможения заставляет стоп-сигнал мигать при резком торможении. Выберите «ESS ВКЛ» отдельно или вместе с габаритным или противотуманным огнем либо «ESS ВЫКЛ».",
      "紧急制动时，紧急停车信号会使刹车灯闪烁。可选择单独“ESS 开”、与位置灯或雾灯组合，或“ESS 关”。",
      "Hätäjarrutusvaroitus vilkuttaa jarruvaloa, kun jarrutat voimakkaasti. Valitse ESS PÄÄLLÄ yksin tai yhdessä seisontavalon tai sumuvalon kanssa, tai ESS POIS.",
      "Signál nouzového brzdění rozbliká brzdové světlo při prudkém brzdění. Zvolte ESS ZAP samostatně, nebo spolu s pozičním či mlhovým světlem, případně ESS VYP.",
      "Sygnał awaryjnego hamowania powoduje miganie światła stopu podczas gwałtownego hamowania. Wybierz ESS WŁ samodzielnie lub razem ze światłem pozycyjnym albo przeciwmgielnym, albo ESS WYŁ."}},
    // EssSensitivity
    {{"Sets how hard you must brake before the emergency stop signal flashes. Low reacts only to very hard braking; High reacts earlier.",
      "Règle la force de freinage nécessaire pour que le signal de freinage d'urgence clignote. Faible ne réagit qu'à un freinage très brusque ; Élevée réagit plus tôt.",
      "Legt fest, wie stark Sie bremsen müssen, bevor das Notbremssignal blinkt. Niedrig reagiert nur auf sehr starkes Bremsen, Hoch reagiert früher.",
      "Imposta quanto bruscamente occorre frenare perché il segnale di frenata d'emergenza lampeggi. Bassa reagisce solo a frenate molto brusche; Alta reagisce prima.",
      "緊急停止信号が点滅するまでに必要なブレーキの強さを設定します。「低」は非常に強いブレーキにだけ反応し、「高」はより早く反応します。",
      "긴급 정지 신호가 깜박이기까지 얼마나 세게 제동해야 하는지 설정합니다. 낮음은 매우 강한 제동에만 반응하고, 높음은 더 일찍 반응합니다.",
      "Ajusta con qué fuerza debe frenar para que parpadee la señal de frenada de emergencia. Baja solo reacciona a frenadas muy bruscas; Alta reacciona antes.",
      "Bepaalt hoe hard u moet remmen voordat het noodstopsignaal knippert. Laag reageert alleen op zeer hard remmen; Hoog reageert eerder.",
      "Задает, насколько резко нужно тормозить, чтобы замигал сигнал экстренного торможения. «Низкая» реагирует только на очень резкое торможение, «Высокая» — раньше.",
      "设置紧急停车信号闪烁所需的制动力度。“低”仅对非常猛烈的制动有反应；“高”反应更早。",
      "Asettaa, kuinka voimakkaasti on jarrutettava, ennen kuin hätäjarrutusvaroitus vilkkuu. Matala reagoi vain erittäin voimakkaaseen jarrutukseen, Korkea aiemmin.",
      "Nastavuje, jak prudce musíte brzdit, než se signál nouzového brzdění rozbliká. Nízká reaguje jen na velmi prudké brzdění, Vysoká dříve.",
      "Określa, jak mocno trzeba hamować, zanim zacznie migać sygnał awaryjnego hamowania. Niska reaguje tylko na bardzo gwałtowne hamowanie, Wysoka wcześniej."}},
};
static_assert(texts::AllValid(kBodies), "a help text does not match its English placeholders");

const texts::LocalTable s_bodies TEXTS_INIT_EARLY(kBodies);

}  // namespace

void GetTextHelpNavigationAppSupport(CString& out, int language) {
    texts::ComposeHelp(out, g_txtNavigationAppSupport, s_bodies, kNavigationAppSupport, language);
}
void GetTextHelpSoundWeave(CString& out, int language) {
    s_bodies.Get(out, kSoundWeave, language);
}
void GetTextHelpOverlaySensitivity(CString& out, int language) {
    texts::ComposeHelp(out, g_txtOverlaySensitivity, s_bodies, kOverlaySensitivity, language);
}
void GetTextHelpOverlaySensitivity5Levels(CString& out, int language) {
    texts::ComposeHelp(out, g_txtOverlaySensitivity, s_bodies, kOverlaySensitivity5Levels, language);
}
void GetTextHelpVoxSensitivityDefault3(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoxSensitivity, s_bodies, kVoxSensitivityDefault3, language);
}
void GetTextHelpVoxSensitivityDefault2(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoxSensitivity, s_bodies, kVoxSensitivityDefault2, language);
}
void GetTextHelpVoxSensitivityHighMediumLow(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoxSensitivity, s_bodies, kVoxSensitivityHighMediumLow, language);
}
void GetTextHelpVoxPhone(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVoxPhone, s_bodies, kVoxPhone, language);
}
void GetTextHelpHdIntercom(CString& out, int language) {
    s_bodies.Get(out, kHdIntercom, language);
}
void GetTextHelpEightWayIntercom(CString& out, int language) {
    s_bodies.Get(out, kEightWayIntercom, language);
}
void GetTextHelpVoxIntercom(CString& out, int language) {
    s_bodies.Get(out, kVoxIntercom, language);
}
void GetTextHelpFmStationGuide(CString& out, int language) {
    texts::ComposeHelp(out, g_txtFmStationGuide, s_bodies, kFmStationGuide, language);
}
void GetTextHelpAudioSourcePriority(CString& out, int language) {
    texts::ComposeHelp(out, g_txtAudioSourcePriority, s_bodies, kAudioSourcePriority, language);
}
void GetTextHelpSoundWeaveNoInterruption(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSoundWeave, s_bodies, kSoundWeaveNoInterruption, language);
}
void GetTextHelpSoundBlend(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSoundBlend, s_bodies, kSoundWeaveNoInterruption, language);
}
void GetTextHelpSoundBlendMusicGps(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSoundBlend, s_bodies, kSoundBlendMusicGps, language);
}
void GetTextHelpIntercomSoundWeave(CString& out, int language) {
    texts::ComposeHelp(out, g_txtIntercomSoundWeave, s_bodies, kIntercomSoundWeave, language);
}
void GetTextHelpSmartNaviSystem(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSmartNaviSystem, s_bodies, kSmartNaviSystem, language);
}
void GetTextHelpGuestMode(CString& out, int language) {
    texts::ComposeHelp(out, g_txtGuestMode, s_bodies, kGuestMode, language);
}
void GetTextHelpSoundBlendVolumeManagement(CString& out, int language) {
    texts::ComposeHelp(out, g_txtSoundBlendVolumeManagement, s_bodies, kSoundBlendVolumeManagement, language);
}
void GetTextHelpEssStatus(CString& out, int language) {
    texts::ComposeHelp(out, g_txtEssStatus, s_bodies, kEssStatus, language);
}
void GetTextHelpEssSensitivity(CString& out, int language) {
    texts::ComposeHelp(out, g_txtEssSensitivity, s_bodies, kEssSensitivity, language);
}
