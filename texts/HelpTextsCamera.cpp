// Help texts of the camera settings.
#include "texts/HelpTexts.h"
#include "texts/HelpTextSupport.h"
#include "texts/LabelTables.h"

using texts::Text13;

namespace {

enum Help {
    kPhotoMode,
    kVideoModeShort,
    kVideoModeLong,
    kVideoResolution,
    kTimelapseInterval,
    kVideoTaggingInterval,
    kLoopRecordingInterval,
    kVideoMicrophoneGain,
    kDateCaption,
    kSpeakerSoundRecording,
    kAutoCameraSleep,
    kHelpCount
};

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.
// Most bodies get their title from the setting's label; a body that starts with
// "[%s]\n" leaves its title, the feature name, to the caller.
constexpr Text13 kBodies[kHelpCount] = {
    // PhotoMode
    {{"Single Shot takes one photo each time you press the camera button; Burst Shot takes a quick series of photos.",
      "Photo unique prend une photo à chaque pression sur le bouton de la caméra ; Rafale prend une série rapide de photos.",
      "Einzelbild nimmt bei jedem Druck auf die Kamerataste ein Foto auf, Serienbild eine schnelle Folge von Fotos.",
      "Scatto singolo scatta una foto a ogni pressione del pulsante della videocamera; Scatto a raffica scatta una rapida serie di foto.",
      "シングルショットはカメラボタンを押すたびに1枚撮影し、連写は短い間隔で連続撮影します。",
      "단일 촬영은 카메라 버튼을 누를 때마다 사진을 한 장 찍고, 연속 촬영은 사진을 빠르게 여러 장 찍습니다.",
      "Disparo único toma una foto cada vez que pulsa el botón de la cámara; Ráfaga toma una serie rápida de fotos.",
      "Enkele foto maakt bij elke druk op de cameraknop één foto; Serieopname maakt een snelle reeks foto's.",
      "«Одиночный снимок» делает один снимок при каждом нажатии кнопки камеры, «Серийная съемка» — быструю серию снимков.",
      "单拍：每按一次相机按钮拍摄一张照片；连拍：快速连续拍摄多张照片。",
      "Yksittäiskuva ottaa yhden kuvan aina, kun painat kameran painiketta; Sarjakuvaus ottaa nopean kuvasarjan.",
      "Jeden snímek pořídí při každém stisknutí tlačítka kamery jednu fotografii, Sériové snímky pořídí rychlou sérii fotografií.",
      "Pojedyncze zdjęcie wykonuje jedno zdjęcie przy każdym naciśnięciu przycisku kamery; Zdjęcia seryjne to szybka seria zdjęć."}},
    // VideoModeShort
    {{"Video Mode records continuously until you stop it. Timelapse Mode takes a photo at each timelapse interval and joins the photos into a video.",
      "Mode vidéo enregistre en continu jusqu'à ce que vous l'arrêtiez. Mode timelapse prend une photo à chaque intervalle timelapse et assemble les photos en une vidéo.",
      "Videomodus nimmt fortlaufend auf, bis Sie stoppen. Zeitraffermodus nimmt in jedem Zeitraffer-Intervall ein Foto auf und fügt die Fotos zu einem Video zusammen.",
      "Modalità video registra in continuo finché non la si interrompe. Modalità timelapse scatta una foto a ogni intervallo timelapse e unisce le foto in un video.",
      "ビデオモードは停止するまで連続で録画します。タイムラプスモードはタイムラプス間隔ごとに写真を撮影し、それらをつなげて動画にします。",
      "비디오 모드는 중지할 때까지 계속 녹화합니다. 타임랩스 모드는 타임랩스 간격마다 사진을 찍어 하나의 동영상으로 만듭니다.",
      "Modo vídeo graba de forma continua hasta que lo detenga. Modo timelapse toma una foto en cada intervalo de timelapse y une las fotos en un vídeo.",
      "Videomodus neemt doorlopend op tot u stopt. Timelapsemodus maakt bij elk timelapse-interval een foto en voegt de foto's samen tot een video.",
      "«Режим видео» ведет непрерывную запись, пока вы ее не остановите. «Режим таймлапса» делает снимок через каждый интервал таймлапса и собирает снимки в видео.",
      "视频模式：连续录像，直到您停止。延时摄影模式：按延时摄影间隔拍摄照片，并将照片合成为视频。",
      "Videotila tallentaa jatkuvasti, kunnes lopetat. Aikavälikuvaustila ottaa kuvan jokaisella aikavälillä ja yhdistää kuvat videoksi.",
      "Režim videa nahrává nepřetržitě, dokud záznam nezastavíte. Režim časosběru pořídí snímek v každém intervalu časosběru a spojí snímky do videa.",
      "Tryb wideo nagrywa bez przerwy, dopóki go nie zatrzymasz. Tryb poklatkowy robi zdjęcie co interwał poklatkowy i łączy zdjęcia w film."}},
    // VideoModeLong
    {{"Video Mode records continuously until you stop it. Timelapse Mode takes a photo at each timelapse interval and joins the photos into a video. Loop Recording Mode records clips of the loop recording interval and overwrites the oldest clip when the memory card is full.",
      "Mode vidéo enregistre en continu jusqu'à ce que vous l'arrêtiez. Mode timelapse prend une photo à chaque intervalle timelapse et assemble les photos en une vidéo. Mode enregistrement en boucle enregistre des séquences de la durée de l'intervalle choisi et remplace la plus ancienne lorsque la carte mémoire est pleine.",
      "Videomodus nimmt fortlaufend auf, bis Sie stoppen. Zeitraffermodus nimmt in jedem Zeitraffer-Intervall ein Foto auf und fügt die Fotos zu einem Video zusammen. Schleifenaufnahme zeichnet Clips in der Länge des Schleifenaufnahme-Intervalls auf und überschreibt den ältesten Clip, wenn die Speicherkarte voll ist.",
      "Modalità video registra in continuo finché non la si interrompe. Modalità timelapse scatta una foto a ogni intervallo timelapse e unisce le foto in un video. Modalità registrazione in loop registra clip della durata dell'intervallo impostato e sovrascrive la clip più vecchia quando la scheda di memoria è piena.",
      "ビデオモードは停止するまで連続で録画します。タイムラプスモードはタイムラプス間隔ごとに写真を撮影し、それらをつなげて動画にします。ループ録画モードはループ録画間隔の長さのクリップを録画し、メモリーカードがいっぱいになると最も古いクリップを上書きします。",
      "비디오 모드는 중지할 때까지 계속 녹화합니다. 타임랩스 모드는 타임랩스 간격마다 사진을 찍어 하나의 동영상으로 만듭니다. 루프 녹화 모드는 루프 녹화 간격 길이의 클립을 녹화하고, 메모리 카드가 가득 차면 가장 오래된 클립을 덮어씁니다.",
      "Modo vídeo graba de forma continua hasta que lo detenga. Modo timelapse toma una foto en cada intervalo de timelapse y une las fotos en un vídeo. Modo de grabación en bucle graba clips de la duración del intervalo de grabación en bucle y sobrescribe el más antiguo cuando la tarjeta de memoria está llena.",
      "Videomodus neemt doorlopend op tot u stopt. Timelapsemodus maakt bij elk timelapse-interval een foto en voegt de foto's samen tot een video. Lusopnamemodus neemt clips op met de lengte van het lusopname-interval en overschrijft de oudste clip als de geheugenkaart vol is.",
      "«Режим видео» ведет непрерывную запись, пока вы ее не остановите. «Режим таймлапса» делает снимок через каждый интервал таймлапса и собирает снимки в видео. «Режим циклической записи» записывает фрагменты длиной в интервал циклической записи и, когда карта памяти заполнена, перезаписывает самый старый.",
      "视频模式：连续录像，直到您停止。延时摄影模式：按延时摄影间隔拍摄照片，并将照片合成为视频。循环录像模式：按循环录像间隔录制片段，存储卡已满时覆盖最早的片段。",
      "Videotila tallentaa jatkuvasti, kunnes lopetat. Aikavälikuvaustila ottaa kuvan jokaisella aikavälillä ja yhdistää kuvat videoksi. Silmukkatallennustila tallentaa silmukkatallennuksen välin mittaisia leikkeitä ja korvaa vanhimman leikkeen, kun muistikortti on täynnä.",
      "Režim videa nahrává nepřetržitě, dokud záznam nezastavíte. Režim časosběru pořídí snímek v každém intervalu časosběru a spojí snímky do videa. Režim smyčkového záznamu nahrává klipy v délce intervalu smyčkového záznamu a po zaplnění paměťové karty přepisuje nejstarší klip.",
      "Tryb wideo nagrywa bez przerwy, dopóki go nie zatrzymasz. Tryb poklatkowy robi zdjęcie co interwał poklatkowy i łączy zdjęcia w film. Tryb nagrywania w pętli nagrywa klipy o długości interwału nagrywania w pętli i po zapełnieniu karty pamięci nadpisuje najstarszy klip."}},
    // VideoResolution
    {{"1080p/30fps gives the sharpest picture, 720p/60fps the smoothest motion, and 720p/30fps uses the least memory.",
      "1080p/30fps offre l'image la plus nette, 720p/60fps les mouvements les plus fluides, et 720p/30fps occupe le moins de mémoire.",
      "1080p/30fps liefert das schärfste Bild, 720p/60fps die flüssigsten Bewegungen, und 720p/30fps belegt am wenigsten Speicher.",
      "1080p/30fps offre l'immagine più nitida, 720p/60fps i movimenti più fluidi e 720p/30fps occupa meno memoria.",
      "1080p/30fpsは最も鮮明な画像、720p/60fpsは最もなめらかな動き、720p/30fpsは最も少ないメモリー使用量です。",
      "1080p/30fps는 가장 선명한 화질, 720p/60fps는 가장 부드러운 움직임을 제공하며, 720p/30fps는 메모리를 가장 적게 사용합니다.",
      "1080p/30fps ofrece la imagen más nítida; 720p/60fps, el movimiento más fluido, y 720p/30fps ocupa menos memoria.",
      "1080p/30fps geeft het scherpste beeld, 720p/60fps de vloeiendste beweging en 720p/30fps gebruikt het minste geheugen.",
      "1080p/30fps дает самое четкое изображение, 720p/60fps — самое плавное движение, а 720p/30fps занимает меньше всего памяти.",
      "1080p/30fps 画面最清晰，720p/60fps 动作最流畅，720p/30fps 占用存储空间最少。",
      "1080p/30fps antaa terävimmän kuvan, 720p/60fps sujuvimman liikkeen ja 720p/30fps vie vähiten muistia.",
      "1080p/30fps poskytuje nejostřejší obraz, 720p/60fps nejplynulejší pohyb a 720p/30fps zabírá nejméně paměti.",
      "1080p/30fps daje najostrzejszy obraz, 720p/60fps najpłynniejszy ruch, a 720p/30fps zajmuje najmniej pamięci."}},
    // TimelapseInterval
    {{"Sets the time between two photos in Timelapse Mode.",
      "Règle le temps entre deux photos en mode timelapse.",
      "Legt die Zeit zwischen zwei Fotos im Zeitraffermodus fest.",
      "Imposta il tempo tra due foto in modalità timelapse.", "タイムラプスモードで写真を撮影する間隔を設定します。",
      "타임랩스 모드에서 사진 사이의 시간 간격을 설정합니다.", "Ajusta el tiempo entre dos fotos en el modo timelapse.",
      "Stelt de tijd tussen twee foto's in timelapsemodus in.",
      "Задает время между двумя снимками в режиме таймлапса.", "设置延时摄影模式下两张照片之间的间隔时间。",
      "Asettaa kahden kuvan välisen ajan aikavälikuvaustilassa.",
      "Nastavuje dobu mezi dvěma snímky v režimu časosběru.",
      "Ustawia czas między dwoma zdjęciami w trybie poklatkowym."}},
    // VideoTaggingInterval
    {{"Sets the length of the clip that is kept when you tag a moment while recording.",
      "Règle la durée de la séquence conservée lorsque vous marquez un moment pendant l'enregistrement.",
      "Legt die Länge des Clips fest, der gespeichert wird, wenn Sie während der Aufnahme einen Moment markieren.",
      "Imposta la durata della clip conservata quando si contrassegna un momento durante la registrazione.",
      "録画中に場面にタグを付けたときに保存されるクリップの長さを設定します。", "녹화 중에 장면에 태그를 달 때 보관되는 클립의 길이를 설정합니다.",
      "Ajusta la duración del clip que se guarda al marcar un momento durante la grabación.",
      "Stelt de lengte in van de clip die bewaard blijft wanneer u tijdens het opnemen een moment markeert.",
      "Задает длину фрагмента, который сохраняется, когда вы отмечаете момент во время записи.",
      "设置录像过程中标记某一时刻时所保留片段的长度。",
      "Asettaa sen leikkeen pituuden, joka säilytetään, kun merkitset hetken tallennuksen aikana.",
      "Nastavuje délku klipu, který se uloží, když během nahrávání označíte okamžik.",
      "Ustawia długość klipu zachowywanego, gdy podczas nagrywania oznaczysz moment."}},
    // LoopRecordingInterval
    {{"Sets the length of each clip in Loop Recording Mode. When the memory card is full, the oldest clip is overwritten.",
      "Règle la durée de chaque séquence en mode enregistrement en boucle. Lorsque la carte mémoire est pleine, la séquence la plus ancienne est remplacée.",
      "Legt die Länge jedes Clips bei der Schleifenaufnahme fest. Ist die Speicherkarte voll, wird der älteste Clip überschrieben.",
      "Imposta la durata di ogni clip in modalità registrazione in loop. Quando la scheda di memoria è piena, la clip più vecchia viene sovrascritta.",
      "ループ録画モードでの各クリップの長さを設定します。メモリーカードがいっぱいになると、最も古いクリップが上書きされます。",
      "루프 녹화 모드에서 각 클립의 길이를 설정합니다. 메모리 카드가 가득 차면 가장 오래된 클립을 덮어씁니다.",
      "Ajusta la duración de cada clip en el modo de grabación en bucle. Cuando la tarjeta de memoria está llena, se sobrescribe el clip más antiguo.",
      "Stelt de lengte van elke clip in lusopnamemodus in. Als de geheugenkaart vol is, wordt de oudste clip overschreven.",
      "Задает длину каждого фрагмента в режиме циклической записи. Когда карта памяти заполнена, самый старый фрагмент перезаписывается.",
      "设置循环录像模式下每个片段的长度。存储卡已满时，最早的片段将被覆盖。",
      "Asettaa kunkin leikkeen pituuden silmukkatallennustilassa. Kun muistikortti on täynnä, vanhin leike korvataan.",
      "Nastavuje délku každého klipu v režimu smyčkového záznamu. Po zaplnění paměťové karty se přepíše nejstarší klip.",
      "Ustawia długość każdego klipu w trybie nagrywania w pętli. Gdy karta pamięci jest pełna, najstarszy klip zostaje nadpisany."}},
    // VideoMicrophoneGain
    {{"Sets the level of the microphone sound recorded with the video. Lower it if wind noise is too loud in your videos.",
      "Règle le niveau du son du micro enregistré avec la vidéo. Baissez-le si le bruit du vent est trop fort dans vos vidéos.",
      "Legt den Pegel des Mikrofontons fest, der mit dem Video aufgenommen wird. Senken Sie ihn, wenn Windgeräusche in Ihren Videos zu laut sind.",
      "Imposta il livello dell'audio del microfono registrato con il video. Abbassarlo se il rumore del vento è troppo forte nei video.",
      "動画と一緒に録音するマイク音声のレベルを設定します。動画の風切り音が大きすぎる場合は下げてください。",
      "동영상과 함께 녹음되는 마이크 소리의 레벨을 설정합니다. 동영상에서 바람 소리가 너무 크면 낮추십시오.",
      "Ajusta el nivel del sonido del micrófono que se graba con el vídeo. Bájelo si el ruido del viento suena demasiado fuerte en sus vídeos.",
      "Stelt het niveau in van het microfoongeluid dat met de video wordt opgenomen. Verlaag het als windgeruis te luid is in uw video's.",
      "Задает уровень звука микрофона, записываемого вместе с видео. Понизьте его, если на видео слишком громко слышен ветер.",
      "设置随视频录制的麦克风声音的音量。如果视频中风噪太大，请调低。",
      "Asettaa videon mukana tallennettavan mikrofoniäänen tason. Laske sitä, jos tuulen humina on videoissa liian kova.",
      "Nastavuje úroveň zvuku mikrofonu nahrávaného s videem. Pokud je ve videích příliš slyšet vítr, úroveň snižte.",
      "Ustawia poziom dźwięku z mikrofonu nagrywanego z filmem. Zmniejsz go, jeśli szum wiatru jest w filmach zbyt głośny."}},
    // DateCaption
    {{"Shows the recording date and time in the corner of the video.",
      "Affiche la date et l'heure d'enregistrement dans un coin de la vidéo.",
      "Blendet Aufnahmedatum und -uhrzeit in einer Ecke des Videos ein.",
      "Mostra la data e l'ora di registrazione in un angolo del video.", "録画日時を動画の隅に表示します。",
      "녹화 날짜와 시간을 동영상 모서리에 표시합니다.",
      "Muestra la fecha y la hora de grabación en una esquina del vídeo.",
      "Toont de opnamedatum en -tijd in een hoek van de video.",
      "Показывает дату и время записи в углу кадра.", "在视频角落显示录制日期和时间。",
      "Näyttää tallennuksen päivämäärän ja kellonajan videon kulmassa.",
      "Zobrazuje datum a čas záznamu v rohu videa.",
      "Wyświetla datę i godzinę nagrania w rogu filmu."}},
    // SpeakerSoundRecording
    {{"[%s]\nRecords what you hear in the headset, such as music, FM radio, intercom and phone calls, together with the video. Choose in the rows below which sounds %s includes.",
      "[%s]\nEnregistre avec la vidéo ce que vous entendez dans le kit : musique, radio FM, intercom et appels téléphoniques. Choisissez dans les lignes ci-dessous les sons que la fonction %s inclut.",
      "[%s]\nNimmt zusammen mit dem Video auf, was Sie im Headset hören, etwa Musik, FM-Radio, Intercom und Telefonate. Wählen Sie in den Zeilen darunter, welche Töne %s einschließt.",
      "[%s]\nRegistra insieme al video ciò che si sente nella cuffia, come musica, radio FM, interfono e telefonate. Scegliere nelle righe sottostanti quali suoni include la funzione %s.",
      "[%s]\n音楽、FMラジオ、インターコム、通話など、ヘッドセットで聞こえる音を動画と一緒に録音します。%sに含める音は下の行で選んでください。",
      "[%s]\n음악, FM 라디오, 인터콤, 통화 등 헤드셋에서 들리는 소리를 동영상과 함께 녹음합니다. %s 기능에 포함할 소리는 아래 행에서 선택하십시오.",
      "[%s]\nGraba junto con el vídeo lo que oye en el auricular, como música, radio FM, intercomunicador y llamadas. Elija en las filas de abajo qué sonidos incluye la función %s.",
      "[%s]\nNeemt samen met de video op wat u in de headset hoort, zoals muziek, FM-radio, intercom en telefoongesprekken. Kies in de rijen hieronder welke geluiden %s opneemt.",
      "[%s]\nЗаписывает вместе с видео то, что вы слышите в гарнитуре: музыку, FM-радио, интерком и телефонные разговоры. В строках ниже выберите, какие звуки включает «%s».",
      "[%s]\n将耳机中听到的声音（例如音乐、FM 收音机、对讲和电话通话）与视频一起录制。请在下方各行中选择 %s 包含哪些声音。",
      "[%s]\nTallentaa videon mukana sen, mitä kuulet kuulokkeesta, kuten musiikin, FM-radion, intercomin ja puhelut. Valitse alla olevilta riveiltä, mitkä äänet %s sisältää.",
      "[%s]\nNahrává spolu s videem to, co slyšíte v headsetu, například hudbu, FM rádio, interkom a telefonní hovory. V řádcích níže zvolte, které zvuky funkce %s zahrnuje.",
      "[%s]\nNagrywa razem z filmem to, co słyszysz w zestawie słuchawkowym, np. muzykę, radio FM, interkom i rozmowy telefoniczne. W wierszach poniżej wybierz, jakie dźwięki obejmuje funkcja %s."}},
    // AutoCameraSleep
    {{"[%s]\nTurns the camera off when it has not recorded for five minutes, to save the battery. With %s disabled, the camera stays on until you turn it off.",
      "[%s]\nÉteint la caméra lorsqu'elle n'a pas enregistré depuis cinq minutes, pour économiser la batterie. Lorsque la fonction %s est désactivée, la caméra reste allumée jusqu'à ce que vous l'éteigniez.",
      "[%s]\nSchaltet die Kamera aus, wenn sie fünf Minuten lang nicht aufgenommen hat, um den Akku zu schonen. Ist %s deaktiviert, bleibt die Kamera an, bis Sie sie ausschalten.",
      "[%s]\nSpegne la videocamera quando non registra da cinque minuti, per risparmiare la batteria. Con la funzione %s disattivata, la videocamera resta accesa finché non la si spegne.",
      "[%s]\n5分間録画しないとカメラの電源を切り、バッテリーを節約します。%sを無効にすると、カメラは電源を切るまでオンのままです。",
      "[%s]\n5분 동안 녹화하지 않으면 카메라를 꺼서 배터리를 절약합니다. %s 기능을 사용 안 함으로 설정하면 직접 끌 때까지 카메라가 켜져 있습니다.",
      "[%s]\nApaga la cámara cuando lleva cinco minutos sin grabar, para ahorrar batería. Con la función %s desactivada, la cámara sigue encendida hasta que usted la apague.",
      "[%s]\nZet de camera uit als deze vijf minuten niet heeft opgenomen, om de batterij te sparen. Als %s is uitgeschakeld, blijft de camera aan tot u hem uitzet.",
      "[%s]\nВыключает камеру, если она не ведет запись пять минут, чтобы сберечь батарею. Если функция «%s» отключена, камера работает, пока вы ее не выключите.",
      "[%s]\n相机五分钟未录像时自动关闭，以节省电量。禁用 %s 后，相机将保持开启，直到您手动关闭。",
      "[%s]\nSammuttaa kameran, kun se ei ole tallentanut viiteen minuuttiin, akun säästämiseksi. Kun %s ei ole käytössä, kamera pysyy päällä, kunnes sammutat sen.",
      "[%s]\nVypne kameru, když pět minut nenahrává, aby šetřila baterii. Když je funkce %s zakázaná, kamera zůstane zapnutá, dokud ji nevypnete.",
      "[%s]\nWyłącza kamerę, gdy przez pięć minut nie nagrywa, aby oszczędzać baterię. Gdy funkcja %s jest wyłączona, kamera pozostaje włączona, dopóki jej nie wyłączysz."}},
};
static_assert(texts::AllValid(kBodies), "a help text does not match its English placeholders");

const texts::LocalTable s_bodies TEXTS_INIT_EARLY(kBodies);

}  // namespace

void GetTextHelpPhotoMode(CString& out, int language) {
    texts::ComposeHelp(out, g_txtPhotoMode, s_bodies, kPhotoMode, language);
}
void GetTextHelpVideoResolution(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVideoResolution, s_bodies, kVideoResolution, language);
}
void GetTextHelpTimelapseInterval(CString& out, int language) {
    texts::ComposeHelp(out, g_txtTimelapseInterval, s_bodies, kTimelapseInterval, language);
}
void GetTextHelpVideoTaggingInterval(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVideoTaggingInterval, s_bodies, kVideoTaggingInterval, language);
}
void GetTextHelpLoopRecordingInterval(CString& out, int language) {
    texts::ComposeHelp(out, g_txtLoopRecordingInterval, s_bodies, kLoopRecordingInterval, language);
}
void GetTextHelpVideoMicrophoneGain(CString& out, int language) {
    texts::ComposeHelp(out, g_txtVideoMicrophoneGain, s_bodies, kVideoMicrophoneGain, language);
}
void GetTextHelpDateCaption(CString& out, int language) {
    texts::ComposeHelp(out, g_txtDateCaption, s_bodies, kDateCaption, language);
}
void GetTextHelpSpeakerSoundRecording(CString& out, int language) {
    s_bodies.Get(out, kSpeakerSoundRecording, language);
}
void GetTextHelpAutoCameraSleep(CString& out, int language) {
    s_bodies.Get(out, kAutoCameraSleep, language);
}

void GetTextHelpVideoMode(CString& out, int language, bool withLoopRecording) {
    texts::ComposeHelp(out, g_txtVideoMode, s_bodies, withLoopRecording ? kVideoModeLong : kVideoModeShort,
                       language);
}
