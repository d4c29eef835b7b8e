// Options of the list rows of the settings.
#include "texts/LabelTables.h"
#include "texts/TextSource.h"

using texts::Text13;

CString g_txtSingleShot[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtBurstShot[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtTimelapseMode[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtLoopRecordingMode[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt1080p30[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt720p60[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt720p30[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt1Sec[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt10Secs[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt1Min[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt3Mins[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txt5Mins[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtMusic[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtIntercom[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEssOn[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtPositionLightEssOn[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtFogLightEssOn[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEssOff[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtLevels[texts::kLanguageCount][10] TEXTS_INIT_EARLY;
CString g_txtLowMediumHigh[texts::kLanguageCount][3] TEXTS_INIT_EARLY;
CString g_txtChannels[texts::kLanguageCount][6] TEXTS_INIT_EARLY;

CString (&g_txtTenSecs)[texts::kLanguageCount][1] = g_txt10Secs;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.

constexpr Text13 kSingleShot =
    {{"Single Shot", "Photo unique", "Einzelbild", "Scatto singolo", "シングルショット", "단일 촬영",
      "Disparo único", "Enkele foto", "Одиночный снимок", "单拍", "Yksittäiskuva", "Jeden snímek",
      "Pojedyncze zdjęcie"}};
constexpr Text13 kBurstShot =
    {{"Burst Shot", "Rafale", "Serienbild", "Scatto a raffica", "連写", "연속 촬영", "Ráfaga",
      "Serieopname", "Серийная съемка", "连拍", "Sarjakuvaus", "Sériové snímky", "Zdjęcia seryjne"}};
constexpr Text13 kTimelapseMode =
    {{"Timelapse Mode", "Mode timelapse", "Zeitraffermodus", "Modalità timelapse", "タイムラプスモード",
      "타임랩스 모드", "Modo timelapse", "Timelapsemodus", "Режим таймлапса", "延时摄影模式",
      "Aikavälikuvaustila", "Režim časosběru", "Tryb poklatkowy"}};
constexpr Text13 kLoopRecordingMode =
    {{"Loop Recording Mode", "Mode enregistrement en boucle", "Schleifenaufnahme",
      "Modalità registrazione in loop", "ループ録画モード", "루프 녹화 모드", "Modo de grabación en bucle",
      "Lusopnamemodus", "Режим циклической записи", "循环录像模式", "Silmukkatallennustila",
      "Režim smyčkového záznamu", "Tryb nagrywania w pętli"}};
constexpr Text13 k1080p30 =
    {{"1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps",
      "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps",
      "1080p/30fps"}};
constexpr Text13 k720p60 =
    {{"720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps",
      "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps",
      "720p/60fps"}};
constexpr Text13 k720p30 =
    {{"720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps",
      "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps",
      "720p/30fps"}};
constexpr Text13 k1Sec =
    {{"1 sec", "1 s", "1 Sek.", "1 sec", "1秒", "1초", "1 s", "1 sec", "1 с", "1 秒", "1 s", "1 s",
      "1 s"}};
constexpr Text13 k10Secs =
    {{"10 secs", "10 s", "10 Sek.", "10 sec", "10秒", "10초", "10 s", "10 sec", "10 с", "10 秒",
      "10 s", "10 s", "10 s"}};
constexpr Text13 k1Min =
    {{"1 min", "1 min", "1 Min.", "1 min", "1分", "1분", "1 min", "1 min", "1 мин", "1 分钟", "1 min",
      "1 min", "1 min"}};
constexpr Text13 k3Mins =
    {{"3 mins", "3 min", "3 Min.", "3 min", "3分", "3분", "3 min", "3 min", "3 мин", "3 分钟", "3 min",
      "3 min", "3 min"}};
constexpr Text13 k5Mins =
    {{"5 mins", "5 min", "5 Min.", "5 min", "5分", "5분", "5 min", "5 min", "5 мин", "5 分钟", "5 min",
      "5 min", "5 min"}};
constexpr Text13 kMusic =
    {{"Music", "Musique", "Musik", "Musica", "音楽", "음악", "Música", "Muziek", "Музыка", "音乐",
      "Musiikki", "Hudba", "Muzyka"}};
constexpr Text13 kIntercom =
    {{"Intercom", "Intercom", "Intercom", "Interfono", "インターコム", "인터콤", "Intercomunicador",
      "Intercom", "Интерком", "对讲", "Intercom", "Interkom", "Interkom"}};
constexpr Text13 kEssOn =
    {{"ESS ON", "ESS ACTIVÉ", "ESS EIN", "ESS ATTIVO", "ESSオン", "ESS 켜짐", "ESS ACTIVADO",
      "ESS AAN", "ESS ВКЛ", "ESS 开", "ESS PÄÄLLÄ", "ESS ZAP", "ESS WŁ"}};
constexpr Text13 kPositionLightEssOn =
    {{"Position Light + ESS ON", "Feu de position + ESS ACTIVÉ", "Positionslicht + ESS EIN",
      "Luce di posizione + ESS ATTIVO", "ポジションライト + ESSオン", "미등 + ESS 켜짐",
      "Luz de posición + ESS ACTIVADO", "Positielicht + ESS AAN", "Габаритный огонь + ESS ВКЛ",
      "位置灯 + ESS 开", "Seisontavalo + ESS PÄÄLLÄ", "Poziční světlo + ESS ZAP",
      "Światło pozycyjne + ESS WŁ"}};
constexpr Text13 kFogLightEssOn =
    {{"Fog Light + ESS ON", "Feu antibrouillard + ESS ACTIVÉ", "Nebellicht + ESS EIN",
      "Fendinebbia + ESS ATTIVO", "フォグライト + ESSオン", "안개등 + ESS 켜짐",
      "Luz antiniebla + ESS ACTIVADO", "Mistlicht + ESS AAN", "Противотуманный огонь + ESS ВКЛ",
      "雾灯 + ESS 开", "Sumuvalo + ESS PÄÄLLÄ", "Mlhové světlo + ESS ZAP",
      "Światło przeciwmgielne + ESS WŁ"}};
constexpr Text13 kEssOff =
    {{"ESS OFF", "ESS DÉSACTIVÉ", "ESS AUS", "ESS DISATTIVO", "ESSオフ", "ESS 꺼짐", "ESS DESACTIVADO",
      "ESS UIT", "ESS ВЫКЛ", "ESS 关", "ESS POIS", "ESS VYP", "ESS WYŁ"}};
constexpr Text13 kLevels[10] = {
    {{"Level 1", "Niveau 1", "Stufe 1", "Livello 1", "レベル1", "레벨 1", "Nivel 1", "Niveau 1",
      "Уровень 1", "1 级", "Taso 1", "Úroveň 1", "Poziom 1"}},
    {{"Level 2", "Niveau 2", "Stufe 2", "Livello 2", "レベル2", "레벨 2", "Nivel 2", "Niveau 2",
      "Уровень 2", "2 级", "Taso 2", "Úroveň 2", "Poziom 2"}},
    {{"Level 3", "Niveau 3", "Stufe 3", "Livello 3", "レベル3", "레벨 3", "Nivel 3", "Niveau 3",
      "Уровень 3", "3 级", "Taso 3", "Úroveň 3", "Poziom 3"}},
    {{"Level 4", "Niveau 4", "Stufe 4", "Livello 4", "レベル4", "레벨 4", "Nivel 4", "Niveau 4",
      "Уровень 4", "4 级", "Taso 4", "Úroveň 4", "Poziom 4"}},
    {{"Level 5", "Niveau 5", "Stufe 5", "Livello 5", "レベル5", "레벨 5", "Nivel 5", "Niveau 5",
      "Уровень 5", "5 级", "Taso 5", "Úroveň 5", "Poziom 5"}},
    {{"Level 6", "Niveau 6", "Stufe 6", "Livello 6", "レベル6", "레벨 6", "Nivel 6", "Niveau 6",
      "Уровень 6", "6 级", "Taso 6", "Úroveň 6", "Poziom 6"}},
    {{"Level 7", "Niveau 7", "Stufe 7", "Livello 7", "レベル7", "레벨 7", "Nivel 7", "Niveau 7",
      "Уровень 7", "7 级", "Taso 7", "Úroveň 7", "Poziom 7"}},
    {{"Level 8", "Niveau 8", "Stufe 8", "Livello 8", "レベル8", "레벨 8", "Nivel 8", "Niveau 8",
      "Уровень 8", "8 级", "Taso 8", "Úroveň 8", "Poziom 8"}},
    {{"Level 9", "Niveau 9", "Stufe 9", "Livello 9", "レベル9", "레벨 9", "Nivel 9", "Niveau 9",
      "Уровень 9", "9 级", "Taso 9", "Úroveň 9", "Poziom 9"}},
    {{"Level 10", "Niveau 10", "Stufe 10", "Livello 10", "レベル10", "레벨 10", "Nivel 10", "Niveau 10",
      "Уровень 10", "10 级", "Taso 10", "Úroveň 10", "Poziom 10"}},
};
constexpr Text13 kLowMediumHigh[3] = {
    {{"Low", "Faible", "Niedrig", "Bassa", "低", "낮음", "Baja", "Laag", "Низкая", "低", "Matala",
      "Nízká", "Niska"}},
    {{"Medium", "Moyenne", "Mittel", "Media", "中", "보통", "Media", "Gemiddeld", "Средняя", "中",
      "Keskitaso", "Střední", "Średnia"}},
    {{"High", "Élevée", "Hoch", "Alta", "高", "높음", "Alta", "Hoog", "Высокая", "高", "Korkea",
      "Vysoká", "Wysoka"}},
};
constexpr Text13 kChannels[6] = {
    {{"CH 0 (Common)", "CH 0 (commun)", "CH 0 (Allgemein)", "CH 0 (comune)", "CH 0 (共通)",
      "CH 0 (공용)", "CH 0 (común)", "CH 0 (algemeen)", "CH 0 (общий)", "CH 0 (公共)",
      "CH 0 (yhteinen)", "CH 0 (společný)", "CH 0 (wspólny)"}},
    {{"CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1", "CH 1",
      "CH 1", "CH 1"}},
    {{"CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2", "CH 2",
      "CH 2", "CH 2"}},
    {{"CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3", "CH 3",
      "CH 3", "CH 3"}},
    {{"CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4", "CH 4",
      "CH 4", "CH 4"}},
    {{"CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5", "CH 5",
      "CH 5", "CH 5"}},
};

constexpr texts::TableBinding kBindings[] = {
    texts::Bind(g_txtSingleShot, kSingleShot),
    texts::Bind(g_txtBurstShot, kBurstShot),
    texts::Bind(g_txtTimelapseMode, kTimelapseMode),
    texts::Bind(g_txtLoopRecordingMode, kLoopRecordingMode),
    texts::Bind(g_txt1080p30, k1080p30),
    texts::Bind(g_txt720p60, k720p60),
    texts::Bind(g_txt720p30, k720p30),
    texts::Bind(g_txt1Sec, k1Sec),
    texts::Bind(g_txt10Secs, k10Secs),
    texts::Bind(g_txt1Min, k1Min),
    texts::Bind(g_txt3Mins, k3Mins),
    texts::Bind(g_txt5Mins, k5Mins),
    texts::Bind(g_txtMusic, kMusic),
    texts::Bind(g_txtIntercom, kIntercom),
    texts::Bind(g_txtEssOn, kEssOn),
    texts::Bind(g_txtPositionLightEssOn, kPositionLightEssOn),
    texts::Bind(g_txtFogLightEssOn, kFogLightEssOn),
    texts::Bind(g_txtEssOff, kEssOff),
    texts::Bind(g_txtLevels, kLevels),
    texts::Bind(g_txtLowMediumHigh, kLowMediumHigh),
    texts::Bind(g_txtChannels, kChannels),
};
static_assert(texts::AllValid(kBindings), "a label does not match its English placeholders");

const texts::TableFiller s_fill TEXTS_INIT_FILL(kBindings);

}  // namespace
