// Labels of the setting rows.
#include "texts/LabelTables.h"
#include "texts/TextSource.h"

using texts::Text13;

CString g_txtVoxPhone[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVoxIntercom[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVoicePrompt[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEdrLong[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtPlc[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtHighQualityA2dp[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtMicrophoneBoosting[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSidetone[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtQuietSphere[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtAutoGainControl[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRadioTransmitGain[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtAudioChannelTimeout[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtAudioBoost[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtMotionSensorSensitivity[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSoundWeave[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtOverlaySensitivity[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtNavigationAppSupport[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVoxSensitivity[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtHdIntercom[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEightWayIntercom[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtPhotoMode[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVideoMode[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVideoResolution[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtTimelapseInterval[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVideoTaggingInterval[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtLoopRecordingInterval[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVideoMicrophoneGain[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtDateCaption[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSpeakerSoundRecording[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRecordMusic[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRecordFmRadio[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRecordIntercom[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRecordPhone[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtAutoCameraSleep[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSmartVolumeControl[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtFmStationGuide[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtHdVoice[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtAudioSourcePriority[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSoundBlend[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtIntercomSoundWeave[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSmartNaviSystem[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtGuestMode[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtVoiceCommand[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSoundBlendVolumeManagement[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtUnitLanguage[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtChannelSelect[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEssStatus[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEssSensitivity[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtFmRadio[texts::kLanguageCount][1] TEXTS_INIT_EARLY;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.

constexpr Text13 kVoxPhone =
    {{"VOX Phone", "VOX téléphone", "VOX-Telefon", "VOX telefono", "VOX電話", "VOX 전화",
      "VOX teléfono", "VOX-telefoon", "VOX для телефона", "VOX 电话", "VOX-puhelin", "VOX telefon",
      "VOX telefon"}};
constexpr Text13 kVoxIntercom =
    {{"VOX Intercom", "VOX intercom", "VOX-Intercom", "VOX interfono", "VOXインターコム", "VOX 인터콤",
      "VOX intercomunicador", "VOX-intercom", "VOX для интеркома", "VOX 对讲", "VOX-intercom",
      "VOX interkom", "VOX interkom"}};
constexpr Text13 kVoicePrompt =
    {{"Voice Prompt", "Annonces vocales", "Sprachansagen", "Avvisi vocali", "音声ガイド", "음성 안내",
      "Avisos de voz", "Gesproken meldingen", "Голосовые подсказки", "语音提示", "Äänikehotteet",
      "Hlasová hlášení", "Komunikaty głosowe"}};
constexpr Text13 kEdrLong =
    {{"EDR (Enhanced Data Rate)", "EDR (débit de données amélioré)", "EDR (erhöhte Datenrate)",
      "EDR (velocità dati migliorata)", "EDR（拡張データレート）", "EDR(향상된 데이터 전송률)",
      "EDR (velocidad de datos mejorada)", "EDR (verhoogde datasnelheid)",
      "EDR (повышенная скорость передачи)", "EDR（增强数据速率）", "EDR (nopeutettu tiedonsiirto)",
      "EDR (zvýšená přenosová rychlost)", "EDR (zwiększona szybkość transmisji)"}};
constexpr Text13 kPlc =
    {{"PLC (Packet Loss Concealment)", "PLC (masquage des pertes de paquets)",
      "PLC (Paketverlustverdeckung)", "PLC (mascheramento perdita pacchetti)", "PLC（パケットロス補完）",
      "PLC(패킷 손실 은닉)", "PLC (ocultación de pérdida de paquetes)",
      "PLC (maskering van pakketverlies)", "PLC (маскировка потери пакетов)", "PLC（丢包补偿）",
      "PLC (pakettihäviön peitto)", "PLC (maskování ztráty paketů)",
      "PLC (maskowanie utraty pakietów)"}};
constexpr Text13 kHighQualityA2dp =
    {{"High Quality A2DP", "A2DP haute qualité", "Hochwertiges A2DP", "A2DP alta qualità",
      "高音質A2DP", "고음질 A2DP", "A2DP de alta calidad", "A2DP van hoge kwaliteit",
      "A2DP высокого качества", "高品质 A2DP", "Korkealaatuinen A2DP", "A2DP ve vysoké kvalitě",
      "A2DP wysokiej jakości"}};
constexpr Text13 kMicrophoneBoosting =
    {{"Microphone Boosting", "Amplification du micro", "Mikrofonverstärkung",
      "Amplificazione microfono", "マイクブースト", "마이크 증폭", "Amplificación del micrófono",
      "Microfoonversterking", "Усиление микрофона", "麦克风增强", "Mikrofonin vahvistus",
      "Zesílení mikrofonu", "Wzmocnienie mikrofonu"}};
constexpr Text13 kSidetone =
    {{"Sidetone", "Retour de la voix", "Mithörton", "Effetto locale", "サイドトーン", "사이드톤",
      "Retorno de voz", "Zijtoon", "Самопрослушивание", "侧音", "Sivuääni", "Příposlech", "Odsłuch"}};
constexpr Text13 kQuietSphere =
    {{"Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™",
      "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™",
      "Quiet Sphere™", "Quiet Sphere™", "Quiet Sphere™"}};
constexpr Text13 kAutoGainControl =
    {{"Auto Gain Control", "Contrôle automatique du gain", "Automatische Verstärkungsregelung",
      "Controllo automatico del guadagno", "オートゲインコントロール", "자동 게인 조절",
      "Control automático de ganancia", "Automatische versterkingsregeling",
      "Автоматическая регулировка усиления", "自动增益控制", "Automaattinen vahvistuksen säätö",
      "Automatické řízení zisku", "Automatyczna regulacja wzmocnienia"}};
constexpr Text13 kRadioTransmitGain =
    {{"Radio Transmit Gain", "Puissance d'émission radio", "Funk-Sendeleistung",
      "Potenza di trasmissione radio", "無線送信ゲイン", "무선 송신 게인", "Ganancia de transmisión de radio",
      "Zendvermogen radio", "Мощность радиопередатчика", "无线发射增益", "Radion lähetysteho",
      "Vysílací výkon rádia", "Moc nadawania radia"}};
constexpr Text13 kAudioChannelTimeout =
    {{"Audio Channel Timeout", "Délai de fermeture du canal audio", "Audiokanal-Zeitlimit",
      "Timeout canale audio", "オーディオチャンネルタイムアウト", "오디오 채널 시간 제한",
      "Tiempo de espera del canal de audio", "Time-out audiokanaal", "Тайм-аут аудиоканала",
      "音频通道超时", "Äänikanavan aikakatkaisu", "Časový limit audiokanálu", "Limit czasu kanału audio"}};
constexpr Text13 kAudioBoost =
    {{"Audio Boost", "Amplification audio", "Audio-Boost", "Potenziamento audio", "オーディオブースト",
      "오디오 부스트", "Refuerzo de audio", "Audioboost", "Усиление звука", "音频增强", "Äänenvahvistus",
      "Zesílení zvuku", "Wzmocnienie dźwięku"}};
constexpr Text13 kMotionSensorSensitivity =
    {{"Motion Sensor Sensitivity", "Sensibilité du capteur de mouvement",
      "Empfindlichkeit des Bewegungssensors", "Sensibilità sensore di movimento", "モーションセンサー感度",
      "모션 센서 감도", "Sensibilidad del sensor de movimiento", "Gevoeligheid bewegingssensor",
      "Чувствительность датчика движения", "运动传感器灵敏度", "Liiketunnistimen herkkyys",
      "Citlivost pohybového senzoru", "Czułość czujnika ruchu"}};
constexpr Text13 kSoundWeave =
    {{"Sound Weave™", "Sound Weave™", "Sound Weave™", "Sound Weave™", "Sound Weave™",
      "Sound Weave™", "Sound Weave™", "Sound Weave™", "Sound Weave™", "Sound Weave™",
      "Sound Weave™", "Sound Weave™", "Sound Weave™"}};
constexpr Text13 kOverlaySensitivity =
    {{"Intercom-sound Blend Sensitivity", "Sensibilité du mixage intercom",
      "Empfindlichkeit der Intercom-Überblendung", "Sensibilità miscelazione interfono",
      "インターコム音声ブレンド感度", "인터콤 사운드 블렌드 감도", "Sensibilidad de mezcla del intercomunicador",
      "Gevoeligheid intercommenging", "Чувствительность микширования интеркома", "对讲混音灵敏度",
      "Intercom-äänen sekoituksen herkkyys", "Citlivost prolínání interkomu",
      "Czułość miksowania interkomu"}};
constexpr Text13 kNavigationAppSupport =
    {{"Navigation App Support", "Prise en charge des applis de navigation",
      "Unterstützung für Navi-Apps", "Supporto app di navigazione", "ナビアプリ対応", "내비게이션 앱 지원",
      "Compatibilidad con apps de navegación", "Ondersteuning navigatie-apps",
      "Поддержка навигационных приложений", "导航应用支持", "Navigointisovellusten tuki",
      "Podpora navigačních aplikací", "Obsługa aplikacji nawigacyjnych"}};
constexpr Text13 kVoxSensitivity =
    {{"VOX Sensitivity", "Sensibilité VOX", "VOX-Empfindlichkeit", "Sensibilità VOX", "VOX感度",
      "VOX 감도", "Sensibilidad VOX", "VOX-gevoeligheid", "Чувствительность VOX", "VOX 灵敏度",
      "VOX-herkkyys", "Citlivost VOX", "Czułość VOX"}};
constexpr Text13 kHdIntercom =
    {{"HD Intercom", "Intercom HD", "HD-Intercom", "Interfono HD", "HDインターコム", "HD 인터콤",
      "Intercomunicador HD", "HD-intercom", "HD-интерком", "高清对讲", "HD-intercom", "HD interkom",
      "Interkom HD"}};
constexpr Text13 kEightWayIntercom =
    {{"Eight-way Intercom", "Intercom à huit", "8-Wege-Intercom", "Interfono a otto", "8ウェイインターコム",
      "8인 인터콤", "Intercomunicador de ocho vías", "8-weg-intercom", "Интерком на 8 человек", "八方对讲",
      "Kahdeksan hengen intercom", "Interkom pro osm", "Interkom dla ośmiu osób"}};
constexpr Text13 kPhotoMode =
    {{"Photo Mode", "Mode photo", "Fotomodus", "Modalità foto", "写真モード", "사진 모드", "Modo foto",
      "Fotomodus", "Режим фото", "拍照模式", "Valokuvatila", "Režim fotografie", "Tryb zdjęć"}};
constexpr Text13 kVideoMode =
    {{"Video Mode", "Mode vidéo", "Videomodus", "Modalità video", "ビデオモード", "비디오 모드", "Modo vídeo",
      "Videomodus", "Режим видео", "视频模式", "Videotila", "Režim videa", "Tryb wideo"}};
constexpr Text13 kVideoResolution =
    {{"Video Resolution", "Résolution vidéo", "Videoauflösung", "Risoluzione video", "ビデオ解像度",
      "비디오 해상도", "Resolución de vídeo", "Videoresolutie", "Разрешение видео", "视频分辨率",
      "Videon tarkkuus", "Rozlišení videa", "Rozdzielczość wideo"}};
constexpr Text13 kTimelapseInterval =
    {{"Timelapse Interval", "Intervalle timelapse", "Zeitraffer-Intervall", "Intervallo timelapse",
      "タイムラプス間隔", "타임랩스 간격", "Intervalo de timelapse", "Timelapse-interval", "Интервал таймлапса",
      "延时摄影间隔", "Aikavälikuvauksen väli", "Interval časosběru", "Interwał poklatkowy"}};
constexpr Text13 kVideoTaggingInterval =
    {{"Video Tagging Interval", "Intervalle de marquage vidéo", "Video-Markierungsintervall",
      "Intervallo tag video", "ビデオタグ間隔", "비디오 태그 간격", "Intervalo de marcado de vídeo",
      "Interval videomarkering", "Интервал видеометок", "视频标记间隔", "Videon merkintäväli",
      "Interval značkování videa", "Interwał znaczników wideo"}};
constexpr Text13 kLoopRecordingInterval =
    {{"Loop Recording Interval", "Intervalle d'enregistrement en boucle",
      "Schleifenaufnahme-Intervall", "Intervallo registrazione in loop", "ループ録画間隔", "루프 녹화 간격",
      "Intervalo de grabación en bucle", "Interval lusopname", "Интервал циклической записи",
      "循环录像间隔", "Silmukkatallennuksen väli", "Interval smyčkového záznamu",
      "Interwał nagrywania w pętli"}};
constexpr Text13 kVideoMicrophoneGain =
    {{"Video Microphone Gain", "Gain du micro vidéo", "Mikrofonpegel Video",
      "Guadagno microfono video", "ビデオマイクゲイン", "비디오 마이크 게인", "Ganancia del micrófono de vídeo",
      "Microfoonversterking video", "Усиление микрофона видео", "视频麦克风增益",
      "Videon mikrofonin vahvistus", "Zisk mikrofonu videa", "Wzmocnienie mikrofonu wideo"}};
constexpr Text13 kDateCaption =
    {{"Date Caption", "Date incrustée", "Datumseinblendung", "Data in sovrimpressione", "日付表示",
      "날짜 표시", "Fecha sobreimpresa", "Datumweergave", "Метка даты", "日期水印", "Päivämäärän näyttö",
      "Vložené datum", "Znacznik daty"}};
constexpr Text13 kSpeakerSoundRecording =
    {{"Speaker Sound Recording", "Enregistrement du son des haut-parleurs",
      "Lautsprecherton aufnehmen", "Registrazione audio altoparlanti", "スピーカー音声録音", "스피커 사운드 녹음",
      "Grabación del sonido del altavoz", "Luidsprekergeluid opnemen", "Запись звука динамиков",
      "扬声器声音录制", "Kaiutinäänen tallennus", "Záznam zvuku reproduktorů",
      "Nagrywanie dźwięku głośników"}};
constexpr Text13 kRecordMusic =
    {{"▶ Music", "▶ Musique", "▶ Musik", "▶ Musica", "▶ 音楽", "▶ 음악", "▶ Música", "▶ Muziek",
      "▶ Музыка", "▶ 音乐", "▶ Musiikki", "▶ Hudba", "▶ Muzyka"}};
constexpr Text13 kRecordFmRadio =
    {{"▶ FM Radio", "▶ Radio FM", "▶ FM-Radio", "▶ Radio FM", "▶ FMラジオ", "▶ FM 라디오", "▶ Radio FM",
      "▶ FM-radio", "▶ FM-радио", "▶ FM 收音机", "▶ FM-radio", "▶ FM rádio", "▶ Radio FM"}};
constexpr Text13 kRecordIntercom =
    {{"▶ Intercom", "▶ Intercom", "▶ Intercom", "▶ Interfono", "▶ インターコム", "▶ 인터콤",
      "▶ Intercomunicador", "▶ Intercom", "▶ Интерком", "▶ 对讲", "▶ Intercom", "▶ Interkom",
      "▶ Interkom"}};
constexpr Text13 kRecordPhone =
    {{"▶ Phone", "▶ Téléphone", "▶ Telefon", "▶ Telefono", "▶ 電話", "▶ 전화", "▶ Teléfono",
      "▶ Telefoon", "▶ Телефон", "▶ 电话", "▶ Puhelin", "▶ Telefon", "▶ Telefon"}};
constexpr Text13 kAutoCameraSleep =
    {{"Auto Camera Sleep", "Veille auto de la caméra", "Automatischer Kamera-Ruhemodus",
      "Standby automatico videocamera", "カメラ自動スリープ", "카메라 자동 절전", "Reposo automático de la cámara",
      "Automatische slaapstand camera", "Автоотключение камеры", "相机自动休眠",
      "Kameran automaattinen lepotila", "Automatický spánek kamery",
      "Automatyczne usypianie kamery"}};
constexpr Text13 kSmartVolumeControl =
    {{"Smart Volume Control", "Contrôle intelligent du volume", "Intelligente Lautstärkeregelung",
      "Controllo intelligente del volume", "スマート音量調整", "스마트 볼륨 조절",
      "Control inteligente del volumen", "Slimme volumeregeling", "Умная регулировка громкости",
      "智能音量控制", "Älykäs äänenvoimakkuuden säätö", "Chytré řízení hlasitosti",
      "Inteligentna regulacja głośności"}};
constexpr Text13 kFmStationGuide =
    {{"FM Station Guide", "Guide des stations FM", "FM-Senderansage", "Guida stazioni FM",
      "FM局ガイド", "FM 방송국 안내", "Guía de emisoras FM", "FM-zendergids", "Голосовой гид FM-станций",
      "FM 电台播报", "FM-asemaopas", "Průvodce stanicemi FM", "Przewodnik stacji FM"}};
constexpr Text13 kHdVoice =
    {{"HD Voice", "Voix HD", "HD-Voice", "Voce HD", "HDボイス", "HD 보이스", "Voz HD", "HD-spraak",
      "HD-голос", "高清语音", "HD-puhe", "HD hlas", "Głos HD"}};
constexpr Text13 kAudioSourcePriority =
    {{"Audio Source Priority", "Priorité des sources audio", "Priorität der Audioquellen",
      "Priorità sorgente audio", "オーディオソース優先", "오디오 소스 우선순위", "Prioridad de la fuente de audio",
      "Prioriteit audiobron", "Приоритет источника звука", "音源优先级", "Äänilähteen prioriteetti",
      "Priorita zdroje zvuku", "Priorytet źródła dźwięku"}};
constexpr Text13 kSoundBlend =
    {{"Sound Blend™", "Sound Blend™", "Sound Blend™", "Sound Blend™", "Sound Blend™",
      "Sound Blend™", "Sound Blend™", "Sound Blend™", "Sound Blend™", "Sound Blend™",
      "Sound Blend™", "Sound Blend™", "Sound Blend™"}};
constexpr Text13 kIntercomSoundWeave =
    {{"Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™", "Bluetooth Intercom Sound Weave™",
      "Bluetooth Intercom Sound Weave™"}};
constexpr Text13 kSmartNaviSystem =
    {{"Smart Navi System", "Navigation intelligente", "Intelligente Navigation",
      "Navigazione intelligente", "スマートナビシステム", "스마트 내비 시스템", "Navegación inteligente",
      "Slimme navigatie", "Умная навигация", "智能导航系统", "Älykäs navigointi", "Chytrá navigace",
      "Inteligentna nawigacja"}};
constexpr Text13 kGuestMode =
    {{"Guest Mode", "Mode invité", "Gastmodus", "Modalità ospite", "ゲストモード", "게스트 모드",
      "Modo invitado", "Gastmodus", "Гостевой режим", "访客模式", "Vierastila", "Režim hosta",
      "Tryb gościa"}};
constexpr Text13 kVoiceCommand =
    {{"Voice Command", "Commande vocale", "Sprachsteuerung", "Comando vocale", "音声コマンド", "음성 명령",
      "Comando de voz", "Spraakbesturing", "Голосовые команды", "语音命令", "Puhekomennot",
      "Hlasové příkazy", "Polecenia głosowe"}};
constexpr Text13 kSoundBlendVolumeManagement =
    {{"Sound Blend Volume Management", "Gestion du volume Sound Blend",
      "Sound Blend-Lautstärkeregelung", "Gestione volume Sound Blend", "Sound Blend音量管理",
      "Sound Blend 볼륨 관리", "Gestión de volumen de Sound Blend", "Volumebeheer Sound Blend",
      "Управление громкостью Sound Blend", "Sound Blend 音量管理",
      "Sound Blend -äänenvoimakkuuden hallinta", "Správa hlasitosti Sound Blend",
      "Zarządzanie głośnością Sound Blend"}};
constexpr Text13 kUnitLanguage =
    {{"Unit Language", "Langue de l'appareil", "Gerätesprache", "Lingua del dispositivo", "本体の言語",
      "기기 언어", "Idioma del dispositivo", "Taal van het apparaat", "Язык устройства", "设备语言",
      "Laitteen kieli", "Jazyk zařízení", "Język urządzenia"}};
constexpr Text13 kChannelSelect =
    {{"Channel Select", "Choix du canal", "Kanalwahl", "Selezione canale", "チャンネル選択", "채널 선택",
      "Selección de canal", "Kanaalkeuze", "Выбор канала", "频道选择", "Kanavan valinta",
      "Volba kanálu", "Wybór kanału"}};
constexpr Text13 kEssStatus =
    {{"ESS STATUS", "ÉTAT ESS", "ESS-STATUS", "STATO ESS", "ESSステータス", "ESS 상태", "ESTADO ESS",
      "ESS-STATUS", "СОСТОЯНИЕ ESS", "ESS 状态", "ESS-TILA", "STAV ESS", "STAN ESS"}};
constexpr Text13 kEssSensitivity =
    {{"ESS Sensitivity", "Sensibilité ESS", "ESS-Empfindlichkeit", "Sensibilità ESS", "ESS感度",
      "ESS 감도", "Sensibilidad ESS", "ESS-gevoeligheid", "Чувствительность ESS", "ESS 灵敏度",
      "ESS-herkkyys", "Citlivost ESS", "Czułość ESS"}};
constexpr Text13 kFmRadio =
    {{"FM Radio", "Radio FM", "FM-Radio", "Radio FM", "FMラジオ", "FM 라디오", "Radio FM", "FM-radio",
      "FM-радио", "FM 收音机", "FM-radio", "FM rádio", "Radio FM"}};

constexpr texts::TableBinding kBindings[] = {
    texts::Bind(g_txtVoxPhone, kVoxPhone),
    texts::Bind(g_txtVoxIntercom, kVoxIntercom),
    texts::Bind(g_txtVoicePrompt, kVoicePrompt),
    texts::Bind(g_txtEdrLong, kEdrLong),
    texts::Bind(g_txtPlc, kPlc),
    texts::Bind(g_txtHighQualityA2dp, kHighQualityA2dp),
    texts::Bind(g_txtMicrophoneBoosting, kMicrophoneBoosting),
    texts::Bind(g_txtSidetone, kSidetone),
    texts::Bind(g_txtQuietSphere, kQuietSphere),
    texts::Bind(g_txtAutoGainControl, kAutoGainControl),
    texts::Bind(g_txtRadioTransmitGain, kRadioTransmitGain),
    texts::Bind(g_txtAudioChannelTimeout, kAudioChannelTimeout),
    texts::Bind(g_txtAudioBoost, kAudioBoost),
    texts::Bind(g_txtMotionSensorSensitivity, kMotionSensorSensitivity),
    texts::Bind(g_txtSoundWeave, kSoundWeave),
    texts::Bind(g_txtOverlaySensitivity, kOverlaySensitivity),
    texts::Bind(g_txtNavigationAppSupport, kNavigationAppSupport),
    texts::Bind(g_txtVoxSensitivity, kVoxSensitivity),
    texts::Bind(g_txtHdIntercom, kHdIntercom),
    texts::Bind(g_txtEightWayIntercom, kEightWayIntercom),
    texts::Bind(g_txtPhotoMode, kPhotoMode),
    texts::Bind(g_txtVideoMode, kVideoMode),
    texts::Bind(g_txtVideoResolution, kVideoResolution),
    texts::Bind(g_txtTimelapseInterval, kTimelapseInterval),
    texts::Bind(g_txtVideoTaggingInterval, kVideoTaggingInterval),
    texts::Bind(g_txtLoopRecordingInterval, kLoopRecordingInterval),
    texts::Bind(g_txtVideoMicrophoneGain, kVideoMicrophoneGain),
    texts::Bind(g_txtDateCaption, kDateCaption),
    texts::Bind(g_txtSpeakerSoundRecording, kSpeakerSoundRecording),
    texts::Bind(g_txtRecordMusic, kRecordMusic),
    texts::Bind(g_txtRecordFmRadio, kRecordFmRadio),
    texts::Bind(g_txtRecordIntercom, kRecordIntercom),
    texts::Bind(g_txtRecordPhone, kRecordPhone),
    texts::Bind(g_txtAutoCameraSleep, kAutoCameraSleep),
    texts::Bind(g_txtSmartVolumeControl, kSmartVolumeControl),
    texts::Bind(g_txtFmStationGuide, kFmStationGuide),
    texts::Bind(g_txtHdVoice, kHdVoice),
    texts::Bind(g_txtAudioSourcePriority, kAudioSourcePriority),
    texts::Bind(g_txtSoundBlend, kSoundBlend),
    texts::Bind(g_txtIntercomSoundWeave, kIntercomSoundWeave),
    texts::Bind(g_txtSmartNaviSystem, kSmartNaviSystem),
    texts::Bind(g_txtGuestMode, kGuestMode),
    texts::Bind(g_txtVoiceCommand, kVoiceCommand),
    texts::Bind(g_txtSoundBlendVolumeManagement, kSoundBlendVolumeManagement),
    texts::Bind(g_txtUnitLanguage, kUnitLanguage),
    texts::Bind(g_txtChannelSelect, kChannelSelect),
    texts::Bind(g_txtEssStatus, kEssStatus),
    texts::Bind(g_txtEssSensitivity, kEssSensitivity),
    texts::Bind(g_txtFmRadio, kFmRadio),
};
static_assert(texts::AllValid(kBindings), "a label does not match its English placeholders");

const texts::TableFiller s_fill TEXTS_INIT_FILL(kBindings);

}  // namespace
