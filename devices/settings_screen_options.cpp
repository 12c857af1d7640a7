#include "devices/settings_screen_options.h"

#include "common/program_globals.h"
#include "records/session_records.h"
#include "settings/color_text.h"
#include "settings/settings_file.h"

#include <functional>

namespace
{
const QString kUserSection = QStringLiteral("User");

void writeKey(const QString &section, const QString &key, const QString &value)
{
    if (G_INI)
        G_INI->WriteString(section, key, value);
}

// One option: how the control reads the records, and what it stores when it changes.
struct OptionRow
{
    SettingsOption option;
    std::function<bool()> checked;
    std::function<QString(bool checked)> store;  // sets the field, gives the text to write
};

template <typename Field>
OptionRow flag(const char *control, const char *caption, const QString &section, const char *key, Field *field,
               bool yesNo)
{
    const QString on = yesNo ? QStringLiteral("Y") : QStringLiteral("1");
    const QString off = yesNo ? QStringLiteral("N") : QStringLiteral("0");
    return {{QString::fromLatin1(control), QString::fromUtf8(caption), section, QString::fromLatin1(key), false},
            [field, on] { return *field == on; },
            [field, on, off](bool c) {
                *field = c ? on : off;
                return c ? on : off;
            }};
}

OptionRow intFlag(const char *control, const char *caption, const char *key, int *field)
{
    return {{QString::fromLatin1(control), QString::fromUtf8(caption), kUserSection, QString::fromLatin1(key), false},
            [field] { return *field == 1; },
            [field](bool c) {
                *field = c ? 1 : 0;
                return QString::number(*field);
            }};
}

// A radio button of a group that stores value in a text field; checkedWhen decides its state
// on loading.
template <typename Field>
OptionRow choice(const char *control, const char *caption, const char *key, Field *field, const char *value,
                 std::function<bool(const QString &)> checkedWhen)
{
    const QString v = QString::fromLatin1(value);
    return {{QString::fromLatin1(control), QString::fromUtf8(caption), kUserSection, QString::fromLatin1(key), true},
            [field, checkedWhen] { return checkedWhen(*field); },
            [field, v](bool) {
                *field = v;
                return v;
            }};
}

std::function<bool(const QString &)> equals(const char *value)
{
    const QString v = QString::fromLatin1(value);
    return [v](const QString &s) { return s == v; };
}
std::function<bool(const QString &)> differs(const char *value)
{
    const QString v = QString::fromLatin1(value);
    return [v](const QString &s) { return s != v; };
}

OptionRow msgTime(const char *control, const char *caption, int ms)
{
    return {{QString::fromLatin1(control), QString::fromUtf8(caption), kUserSection, QStringLiteral("MsgTime"), true},
            [ms] { return G_USER_SET.MsgTime == ms; },
            [ms](bool) {
                G_USER_SET.MsgTime = ms;
                return QString::number(ms);
            }};
}

const QList<OptionRow> &optionRows()
{
    static const QList<OptionRow> rows = [] {
        TUSER_SET &s = G_USER_SET;
        const QString d = QStringLiteral("DELIVERY_SET");
        QList<OptionRow> r;
        r << flag("CCB_ALAM_LOGIN", "로그인", kUserSection, "Alam_Login", &s.Alam_Login, false)
          << flag("CCB_ALAM_1001", "신규접수", kUserSection, "Alam_1001", &s.Alam_1001, false)
          << flag("CCB_ALAM_3001", "배차", kUserSection, "Alam_3001", &s.Alam_3001, false)
          << flag("CCB_ALAM_3003", "출발", kUserSection, "Alam_3003", &s.Alam_3003, false)
          << flag("CCB_ALAM_4001", "완료", kUserSection, "Alam_4001", &s.Alam_4001, false)
          << flag("chkAlarmMessage", "메세지", kUserSection, "Alam_Message", &s.Alarm_Message, false)
          << intFlag("CCB_AUTO_CLOSE", "자동닫기", "MsgClose", &s.MsgClose)
          << msgTime("CRB_MSG_TIME1", "1초", 1000) << msgTime("CRB_MSG_TIME2", "1.5초", 1500)
          << msgTime("CRB_MSG_TIME3", "2초", 2000)
          << intFlag("CCB_AUTO_Alram", "메세지알림", "MsgAlram", &s.MsgAlramYN)
          << flag("chkTreeStoreExpand", "확장", kUserSection, "TreeExpand", &s.StoreTreeExpand, true)
          << choice("cxRadioButton1", "1번", "NOTICE_ALAM", &s.NOTICE_ALAM, "0", equals("0"))
          << choice("cxRadioButton2", "연속(확인시까지)", "NOTICE_ALAM", &s.NOTICE_ALAM, "1", differs("0"))
          << flag("chkTransAppAuto", "자동 실행", QStringLiteral("USER"), "TRS_APP_USE", &G_USER_INFO.TRS_APP_USE,
                  false)
          << flag("chkMenuNewPop", "새창으로 메뉴판", kUserSection, "MenuPopup", &s.MenuPopup, true)
          << flag("chkSearchAutoAddr", "자주쓰는 명칭", kUserSection, "SearchAutoAddr", &s.SearchAutoAddr, true)
          << flag("chkSearchAutoDaum", "Daum 검색", kUserSection, "SearchAutoDaum", &s.SearchAutoDaum, true)
          << flag("chkViewAddrDetail", "지번/도로명 표시", kUserSection, "ViewAddrDetail", &s.ViewAddrDetail, true)
          << flag("chkNormal", "일반배송", d, "DVRY_NORMAL", &s.SEARCHNORMAL, true)
          << flag("chkSameDay", "당일배송", d, "DVRY_SAMEDAY", &s.SEARCHSAMEDAY, true)
          << flag("chkSameDayHub", "물류배송", d, "DVRY_SAMEDAY_HUB", &s.SEARCHSAMEDAY_HUB, true)
          << choice("radOrdFocusSelect", "선택따라가기(기존)", "ORDER_FOCUS_VIEW", &s.ORDER_FOCUS_VIEW, "0",
                    equals("0"))
          << choice("radOrdFocusViewPos", "보는화면유지(스크롤위치)", "ORDER_FOCUS_VIEW", &s.ORDER_FOCUS_VIEW, "1",
                    differs("0"))
          << choice("radCookDateView1", "조리완료까지 남은시간(기존)", "COOK_VIEW_TYPE", &s.COOK_VIEW_TYPE, "1",
                    equals("1"))
          << choice("radCookDateView2", "조리 시간 표시", "COOK_VIEW_TYPE", &s.COOK_VIEW_TYPE, "2", equals("2"))
          << choice("radCookDateView3", "조리 소요 시간", "COOK_VIEW_TYPE", &s.COOK_VIEW_TYPE, "3", equals("3"))
          << choice("crBtnAddTime1001", "접수시간부터", "AddTimeViewType", &s.AddTimeViewType, "1", equals("1"))
          << choice("crBtnAddTime2001", "배달요청시간부터", "AddTimeViewType", &s.AddTimeViewType, "2",
                    differs("1"));
        r << OptionRow{{QStringLiteral("chkOrdConfirmMsg"), QStringLiteral("지정배차 확인시 메세지 사용"), kUserSection,
                        QStringLiteral("bOrdConfirmMsg"), false},
                       [] { return G_USER_SET.bOrdConfirmMsg; },
                       [](bool c) {
                           G_USER_SET.bOrdConfirmMsg = c;
                           return c ? QStringLiteral("1") : QStringLiteral("0");
                       }};
        return r;
    }();
    return rows;
}

const OptionRow *findRow(const QString &control)
{
    for (const OptionRow &row : optionRows())
        if (row.option.control == control)
            return &row;
    return nullptr;
}

std::uint32_t *colourField(int index)
{
    TUSER_SET &s = G_USER_SET;
    std::uint32_t *fields[] = {&s.ColorNormalB, &s.ColorNormalF, &s.ColorOrdStNoChkB,
                               &s.ColorOrdStNoChkF, &s.ColorOrdDvryNoAddrB, &s.ColorOrdCardCancelF};
    return index >= 0 && index < 6 ? fields[index] : nullptr;
}
} // namespace

const QList<SettingsOption> &SettingsOptions()
{
    static const QList<SettingsOption> options = [] {
        QList<SettingsOption> out;
        for (const OptionRow &row : optionRows())
            out << row.option;
        return out;
    }();
    return options;
}

bool SettingsOptionChecked(const QString &control)
{
    const OptionRow *row = findRow(control);
    return row && row->checked();
}

void SetSettingsOption(const QString &control, bool checked)
{
    const OptionRow *row = findRow(control);
    if (!row || (row->option.radio && !checked))
        return;
    writeKey(row->option.section, row->option.key, row->store(checked));
}

bool SetOrderTimeFormat(int position, const QString &value)
{
    if (position < 0 || position > 3)
        return false;
    auto &field = G_USER_SET.ORDER_TIME_VIEW[size_t(position)];
    const bool changed = field != value;
    field = value;
    writeKey(kUserSection, QStringLiteral("ORDER_TIME_FORMAT_%1").arg(position), value);
    return changed;
}

bool ChooseControlScreen(const QString &type, bool courierUp, bool mapOrderFirst)
{
    const bool changed = G_USER_SET.ViewWorkControlType != type;
    G_USER_SET.ViewWorkControlType = type;
    if (type == QLatin1String("2"))
        G_USER_SET.WorkWkControlView = courierUp ? 1 : 2;
    else if (type == QLatin1String("3"))
        G_USER_SET.WorkWkControlView = mapOrderFirst ? 3 : 4;
    writeKey(kUserSection, QStringLiteral("VIEW_WORK_CONTROL"), type);
    writeKey(kUserSection, QStringLiteral("WorkWkControlView"), QString::number(G_USER_SET.WorkWkControlView));
    return changed;
}

bool ChooseControlLayout(bool courierLeft, bool mapOrderFirst)
{
    int view = G_USER_SET.WorkWkControlView;
    if (G_USER_SET.ViewWorkControlType == QLatin1String("2"))
        view = courierLeft ? 2 : 1;
    else if (G_USER_SET.ViewWorkControlType == QLatin1String("3"))
        view = mapOrderFirst ? 3 : 4;
    const bool changed = view != G_USER_SET.WorkWkControlView;
    G_USER_SET.WorkWkControlView = view;
    writeKey(kUserSection, QStringLiteral("WorkWkControlView"), QString::number(view));
    return changed;
}

int SetOrderFontSize(const QString &text)
{
    bool ok = false;
    int size = text.trimmed().toInt(&ok);
    if (!ok)
        size = 10;
    G_USER_SET.FONT_SIZE = size;
    writeKey(kUserSection, QStringLiteral("FONT_SIZE"), QString::number(size));
    return size;
}

const QList<SettingsColour> &SettingsColours()
{
    static const QList<SettingsColour> colours = {
        {QStringLiteral("ccbNormalBColor"), QStringLiteral("ColorNormalB")},
        {QStringLiteral("ccbNormalFColor"), QStringLiteral("ColorNormalF")},
        {QStringLiteral("ccbStOrdNoCheckBColor"), QStringLiteral("ColorOrdStNoChkB")},
        {QStringLiteral("ccbStOrdNoCheckFColor"), QStringLiteral("ColorOrdStNoChkF")},
        {QStringLiteral("ccbOrdDvryNotAddrBColor"), QStringLiteral("ColorOrdDvryNoAddrB")},
        {QStringLiteral("ccbOrdCardCancelFColor"), QStringLiteral("ColorOrdCardCancelF")},
    };
    return colours;
}

std::uint32_t SettingsColourValue(int index)
{
    const std::uint32_t *f = colourField(index);
    return f ? *f : 0;
}

void SetSettingsColour(int index, std::uint32_t rgb)
{
    std::uint32_t *f = colourField(index);
    if (!f)
        return;
    *f = rgb & 0xFFFFFF;
    const TColor c = ColorFromRgb(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
    writeKey(kUserSection, SettingsColours().at(index).key, ColorToString(c));
}

const QList<std::uint32_t> &SettingsPalette()
{
    static const QList<std::uint32_t> palette = {0x000000, 0xFFFFFF, 0xFF0000, 0xFF8000, 0xFFFF00,
                                                 0x00FF00, 0x008000, 0x00FFFF, 0xFF00FF, 0x800080,
                                                 0x000080, 0xA6CAF0, 0x0000FF};
    return palette;
}

QStringList HiddenColumns(const QStringList &captions)
{
    QStringList hidden;
    if (!G_INI)
        return hidden;
    const QString section = QStringLiteral("ORD_COLUMN");
    for (const QString &key : G_INI->ReadSection(section)) {
        QString line = key + QLatin1Char('=') + G_INI->ReadString(section, key, QString());
        line.remove(QStringLiteral("=0"));
        if (captions.contains(line) && !hidden.contains(line))
            hidden << line;
    }
    return hidden;
}

void WriteHiddenColumns(const QList<QPair<QString, bool>> &items)
{
    if (!G_INI)
        return;
    const QString section = QStringLiteral("ORD_COLUMN");
    G_INI->EraseSection(section);
    for (const auto &item : items)
        if (!item.first.isEmpty())
            G_INI->WriteString(section, item.first, item.second ? QStringLiteral("0") : QStringLiteral("1"));
}

void SaveSessionSeconds(const QString &seconds)
{
    G_SESSION_SEC = seconds;
    writeKey(QStringLiteral("SESSION"), G_USER_INFO.ID, seconds);
}

QList<QPair<QString, int>> SessionTimeChoices()
{
    QList<QPair<QString, int>> out{{QStringLiteral("30분"), 1800}};
    for (int h = 1; h <= 10; ++h)
        out.append({QStringLiteral("%1시간").arg(h), h * 3600});
    return out;
}
