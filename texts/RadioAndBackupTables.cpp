// Labels of the FM radio and speed-dial pages and of the backup view.
#include "texts/LabelTables.h"
#include "texts/TextSource.h"

using texts::Text13;

CString g_txtRegion[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRadioRegion[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtFmRadioPresets[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtRdsAf[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtEmpty[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtSpeedDial[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtDate[texts::kLanguageCount][1] TEXTS_INIT_EARLY;
CString g_txtFmRegions[texts::kLanguageCount][6] TEXTS_INIT_EARLY;

namespace {

// Language order in every text: en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl.

constexpr Text13 kRegion =
    {{"Region", "Région", "Region", "Regione", "地域", "지역", "Región", "Regio", "Регион", "地区",
      "Alue", "Oblast", "Region"}};
constexpr Text13 kRadioRegion =
    {{"Radio Region", "Région radio", "Radioregion", "Regione radio", "ラジオ地域", "라디오 지역",
      "Región de radio", "Radioregio", "Регион радио", "收音机地区", "Radion alue", "Oblast rádia",
      "Region radia"}};
constexpr Text13 kFmRadioPresets =
    {{"FM Radio Presets", "Présélections radio FM", "FM-Radio-Speicherplätze",
      "Preselezioni radio FM", "FMラジオプリセット", "FM 라디오 프리셋", "Presintonías de radio FM",
      "FM-radiovoorkeuzes", "Предустановки FM-радио", "FM 收音机预设", "FM-radion pikavalinnat",
      "Předvolby FM rádia", "Zapisane stacje radia FM"}};
constexpr Text13 kRdsAf =
    {{"RDS AF (Alternative Frequencies)", "RDS AF (fréquences alternatives)",
      "RDS AF (Alternativfrequenzen)", "RDS AF (frequenze alternative)", "RDS AF（代替周波数）",
      "RDS AF(대체 주파수)", "RDS AF (frecuencias alternativas)", "RDS AF (alternatieve frequenties)",
      "RDS AF (альтернативные частоты)", "RDS AF（替代频率）", "RDS AF (vaihtoehtoiset taajuudet)",
      "RDS AF (alternativní frekvence)", "RDS AF (częstotliwości alternatywne)"}};
constexpr Text13 kEmpty =
    {{"Empty", "Vide", "Leer", "Vuoto", "空", "비어 있음", "Vacío", "Leeg", "Пусто", "空", "Tyhjä",
      "Prázdné", "Puste"}};
constexpr Text13 kSpeedDial =
    {{"Speed Dial", "Numérotation rapide", "Kurzwahl", "Chiamata rapida", "スピードダイヤル", "단축 다이얼",
      "Marcación rápida", "Snelkiezen", "Быстрый набор", "快速拨号", "Pikavalinta", "Rychlé vytáčení",
      "Szybkie wybieranie"}};
constexpr Text13 kDate =
    {{"Date", "Date", "Datum", "Data", "日付", "날짜", "Fecha", "Datum", "Дата", "日期", "Päivämäärä",
      "Datum", "Data"}};
constexpr Text13 kFmRegions[6] = {
    {{"Worldwide", "Monde", "Weltweit", "Mondo", "全世界", "전 세계", "Mundial", "Wereldwijd",
      "Весь мир", "全球", "Maailmanlaajuinen", "Celý svět", "Cały świat"}},
    {{"Americas", "Amériques", "Amerika", "Americhe", "南北アメリカ", "미주", "América", "Amerika",
      "Америка", "美洲", "Amerikka", "Amerika", "Ameryka"}},
    {{"Asia", "Asie", "Asien", "Asia", "アジア", "아시아", "Asia", "Azië", "Азия", "亚洲", "Aasia", "Asie",
      "Azja"}},
    {{"Australia", "Australie", "Australien", "Australia", "オーストラリア", "오스트레일리아", "Australia",
      "Australië", "Австралия", "澳大利亚", "Australia", "Austrálie", "Australia"}},
    {{"Europe", "Europe", "Europa", "Europa", "ヨーロッパ", "유럽", "Europa", "Europa", "Европа", "欧洲",
      "Eurooppa", "Evropa", "Europa"}},
    {{"Japan", "Japon", "Japan", "Giappone", "日本", "일본", "Japón", "Japan", "Япония", "日本",
      "Japani", "Japonsko", "Japonia"}},
};

constexpr texts::TableBinding kBindings[] = {
    texts::Bind(g_txtRegion, kRegion),
    texts::Bind(g_txtRadioRegion, kRadioRegion),
    texts::Bind(g_txtFmRadioPresets, kFmRadioPresets),
    texts::Bind(g_txtRdsAf, kRdsAf),
    texts::Bind(g_txtEmpty, kEmpty),
    texts::Bind(g_txtSpeedDial, kSpeedDial),
    texts::Bind(g_txtDate, kDate),
    texts::Bind(g_txtFmRegions, kFmRegions),
};
static_assert(texts::AllValid(kBindings), "a label does not match its English placeholders");

const texts::TableFiller s_fill TEXTS_INIT_FILL(kBindings);

}  // namespace
