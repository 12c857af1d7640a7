#include "devices/ui/settings_screen.h"

#include "common/message_box.h"
#include "common/program_globals.h"
#include "devices/settings_screen_matching.h"
#include "devices/settings_screen_options.h"
#include "devices/ui/caller_id_settings_frame.h"
#include "devices/ui/printer_settings_frame.h"
#include "boards/order_board_columns.h"
#include "boards/ui/today_orders_screen.h"
#include "devices/receipt_print_job.h"
#include "devices/ui/printing_install.h"
#include "grid/combo_fill.h"
#include "grid/ui/grid_font.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "devices/caller_id_server_link.h"
#include "devices/caller_id_sources.h"
#include "devices/ui/caller_id_install.h"
#include "records/business_rules.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "reference/reference_state.h"
#include "records/session_records.h"
#include "settings/address_region.h"
#include "start/process_ops.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProcess>
#include <QPrinterInfo>
#include <QSerialPortInfo>
#include <QToolButton>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
QColor rgbColour(std::uint32_t rgb)
{
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

QIcon swatch(std::uint32_t rgb)
{
    QPixmap pm(16, 12);
    pm.fill(rgbColour(rgb));
    return QIcon(pm);
}

const char *const kColourNames[] = {"검정", "흰색", "빨강", "주황", "노랑", "연두", "초록",
                                    "하늘", "자홍", "보라", "남색", "연하늘", "파랑"};

// The regions a test-mode session cannot search (1-based).
bool regionOffInTestMode(int n)
{
    return (n >= 5 && n <= 7) || (n >= 9 && n <= 12) || (n >= 14 && n <= 16);
}
} // namespace

TFRM_CONFIG::TFRM_CONFIG(Hooks hooks, QWidget *parent)
    : QWidget(parent)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("FRM_CONFIG"));
    setWindowTitle(QStringLiteral("설정하기"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    cxPageControl1 = new QTabWidget(this);
    cxPageControl1->setObjectName(QStringLiteral("cxPageControl1"));
    root->addWidget(cxPageControl1);

    cxTabSheet6 = buildGeneralTab();
    cxTabSheet7 = buildGeneral2Tab();
    cxTabSheet1 = buildPrinterTab();
    cxTabSheet2 = buildCidTab();
    cxTabSheet8 = buildMatchingTab();
    cxTabSheet3 = buildRegionTab();
    cxPageControl1->addTab(cxTabSheet6, QStringLiteral("기본설정"));
    cxPageControl1->addTab(cxTabSheet7, QStringLiteral("기본설정2"));
    cxPageControl1->addTab(cxTabSheet1, QStringLiteral("프린터기설정"));
    cxPageControl1->addTab(cxTabSheet2, QStringLiteral("CID설정"));
    cxPageControl1->addTab(cxTabSheet8, QStringLiteral("주문어플브랜드매칭"));
    cxPageControl1->addTab(cxTabSheet3, QStringLiteral("지역"));

    // Printers and caller ID are for managers of grade 3 and better.
    const bool manager = HasAuthGrade(3);
    cxPageControl1->setTabVisible(cxPageControl1->indexOf(cxTabSheet1), manager);
    cxPageControl1->setTabVisible(cxPageControl1->indexOf(cxTabSheet2), manager);
}

QWidget *TFRM_CONFIG::optionGroup(const QString &title, const QStringList &controls)
{
    auto *box = new QGroupBox(title);
    auto *lay = new QVBoxLayout(box);
    for (const QString &name : controls) {
        for (const SettingsOption &o : SettingsOptions()) {
            if (o.control != name)
                continue;
            QAbstractButton *b = o.radio ? static_cast<QAbstractButton *>(new QRadioButton(o.caption, box))
                                         : static_cast<QAbstractButton *>(new QCheckBox(o.caption, box));
            b->setObjectName(o.control);
            lay->addWidget(b);
            connect(b, &QAbstractButton::toggled, this, [this, name](bool on) {
                if (!m_loading)
                    SetSettingsOption(name, on);
            });
        }
    }
    return box;
}

QWidget *TFRM_CONFIG::buildGeneralTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    grid->addWidget(optionGroup(QStringLiteral("알림음 설정"),
                                {QStringLiteral("CCB_ALAM_LOGIN"), QStringLiteral("CCB_ALAM_1001"),
                                 QStringLiteral("CCB_ALAM_3001"), QStringLiteral("CCB_ALAM_3003"),
                                 QStringLiteral("CCB_ALAM_4001"), QStringLiteral("chkAlarmMessage")}),
                    0, 0);
    grid->addWidget(optionGroup(QStringLiteral("메세지박스"),
                                {QStringLiteral("CCB_AUTO_CLOSE"), QStringLiteral("CRB_MSG_TIME1"),
                                 QStringLiteral("CRB_MSG_TIME2"), QStringLiteral("CRB_MSG_TIME3"),
                                 QStringLiteral("CCB_AUTO_Alram")}),
                    1, 0);
    // The store-tree option is changed only through the settings file.
    QWidget *tree = optionGroup(QStringLiteral("가맹점 트리"), {QStringLiteral("chkTreeStoreExpand")});
    tree->setVisible(false);
    grid->addWidget(tree, 2, 0);
    grid->addWidget(optionGroup(QStringLiteral("공지 설정 알림"),
                                {QStringLiteral("cxRadioButton1"), QStringLiteral("cxRadioButton2")}),
                    3, 0);

    auto *trans = new QGroupBox(QStringLiteral("외부연동 프로그램"));
    gbTransApp = trans;
    auto *tl = new QVBoxLayout(trans);
    tl->addWidget(optionGroup(QString(), {QStringLiteral("chkTransAppAuto")}));
    btnTransAppExec = new QPushButton(QStringLiteral("프로그램 실행"), trans);
    btnTransAppExec->setObjectName(QStringLiteral("btnTransAppExec"));
    tl->addWidget(btnTransAppExec);
    connect(btnTransAppExec, &QPushButton::clicked, this, [this] { transAppExecClick(); });
    grid->addWidget(trans, 4, 0);

    // Hidden order-list columns.
    auto *cols = new QGroupBox(QStringLiteral("주문내역 컬럼 삭제"));
    auto *cl = new QVBoxLayout(cols);
    CHK_ORD_GRID = new QListWidget(cols);
    CHK_ORD_GRID->setObjectName(QStringLiteral("CHK_ORD_GRID"));
    CHK_ORD_GRID->installEventFilter(this);
    cl->addWidget(CHK_ORD_GRID);
    connect(CHK_ORD_GRID, &QListWidget::itemChanged, this, [this] {
        if (!m_filling)
            columnChecked();
    });
    grid->addWidget(cols, 0, 1, 5, 1);

    auto *orders = new QGroupBox(QStringLiteral("주문내역"));
    auto *ol = new QHBoxLayout(orders);
    ol->addWidget(new QLabel(QStringLiteral("글자크기"), orders));
    CCB_FONT_SIZE = new QComboBox(orders);
    CCB_FONT_SIZE->setObjectName(QStringLiteral("CCB_FONT_SIZE"));
    for (int s = 8; s <= 14; ++s)
        CCB_FONT_SIZE->addItem(QString::number(s));
    connect(CCB_FONT_SIZE, &QComboBox::activated, this, [this] { fontSizeClosed(); });
    ol->addWidget(CCB_FONT_SIZE);
    grid->addWidget(orders, 0, 2);

    auto *reception = new QGroupBox(QStringLiteral("접수창 설정"));
    auto *rl = new QVBoxLayout(reception);
    rl->addWidget(optionGroup(QStringLiteral("메뉴판 새창"), {QStringLiteral("chkMenuNewPop")}));
    rl->addWidget(optionGroup(QStringLiteral(" 첫번째 검색결과 자동선택 "),
                              {QStringLiteral("chkSearchAutoAddr"), QStringLiteral("chkSearchAutoDaum")}));
    rl->addWidget(optionGroup(QStringLiteral(" 주소 표시 "), {QStringLiteral("chkViewAddrDetail")}));
    grid->addWidget(reception, 1, 2, 2, 1);

    // Control screen and its layouts.
    auto *control = new QGroupBox(QStringLiteral("관제설정"));
    auto *ctl = new QVBoxLayout(control);
    auto *mainChoice = new QWidget(control);
    auto *ml = new QHBoxLayout(mainChoice);
    radOrdWkControl = new QRadioButton(QStringLiteral("주문관제"), mainChoice);
    radWorkWkControl = new QRadioButton(QStringLiteral("배송원관제"), mainChoice);
    radMapWkControl = new QRadioButton(QStringLiteral("지도관제"), mainChoice);
    for (QRadioButton *b : {radOrdWkControl, radWorkWkControl, radMapWkControl}) {
        ml->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_loading)
                controlScreenClicked();
        });
    }
    radOrdWkControl->setObjectName(QStringLiteral("radOrdWkControl"));
    radWorkWkControl->setObjectName(QStringLiteral("radWorkWkControl"));
    radMapWkControl->setObjectName(QStringLiteral("radMapWkControl"));
    ctl->addWidget(mainChoice);
    auto *courierLayout = new QGroupBox(QStringLiteral("배송원관제"), control);
    auto *cll = new QHBoxLayout(courierLayout);
    radWorkWkControl2001Up = new QRadioButton(QStringLiteral("위로표시"), courierLayout);
    radWorkWkControl2001Left = new QRadioButton(QStringLiteral("왼쪽표시"), courierLayout);
    cll->addWidget(radWorkWkControl2001Up);
    cll->addWidget(radWorkWkControl2001Left);
    auto *mapLayout = new QGroupBox(QStringLiteral("지도관제"), control);
    auto *mll = new QHBoxLayout(mapLayout);
    radMapWkRight = new QRadioButton(QStringLiteral("주문 + 배송원"), mapLayout);
    radMapWkLeft = new QRadioButton(QStringLiteral("배송원 + 주문"), mapLayout);
    mll->addWidget(radMapWkRight);
    mll->addWidget(radMapWkLeft);
    for (QRadioButton *b : {radWorkWkControl2001Up, radWorkWkControl2001Left, radMapWkRight, radMapWkLeft})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_loading)
                controlLayoutClicked();
        });
    ctl->addWidget(courierLayout);
    ctl->addWidget(mapLayout);
    grid->addWidget(control, 3, 2, 2, 1);

    auto *serial = new QGroupBox(QStringLiteral("시리얼 번호"));
    auto *sl = new QHBoxLayout(serial);
    CTE_SERIAL_NO = new QLineEdit(serial);
    CTE_SERIAL_NO->setObjectName(QStringLiteral("CTE_SERIAL_NO"));
    CTE_SERIAL_NO->setReadOnly(true);
    sl->addWidget(CTE_SERIAL_NO);
    grid->addWidget(serial, 0, 3);

    // List colours.
    auto *colours = new QGroupBox(QStringLiteral("주문리스트 색상"));
    auto *cg = new QGridLayout(colours);
    cg->addWidget(new QLabel(QStringLiteral("배경"), colours), 0, 1);
    cg->addWidget(new QLabel(QStringLiteral("글씨"), colours), 0, 2);
    auto makeColourBox = [this, colours](int index) {
        auto *box = new QComboBox(colours);
        box->setObjectName(SettingsColours().at(index).control);
        const QList<std::uint32_t> &palette = SettingsPalette();
        for (int i = 0; i < palette.size(); ++i)
            box->addItem(swatch(palette.at(i)), QString::fromUtf8(kColourNames[i]), QVariant::fromValue(palette.at(i)));
        connect(box, &QComboBox::activated, this, [this, index] { colourClosed(index); });
        colourBoxes << box;
        return box;
    };
    auto makePreview = [colours](const char *text, const char *name) {
        auto *l = new QLabel(QString::fromUtf8(text), colours);
        l->setObjectName(QString::fromLatin1(name));
        l->setAutoFillBackground(true);
        return l;
    };
    for (int i = 0; i < SettingsColours().size(); ++i)
        makeColourBox(i);
    lbNormalColor = makePreview("주문리스트 배경/글씨", "lbNormalColor");
    lbStOrdNoCheckColor = makePreview("주문리스트 배경/글씨", "lbStOrdNoCheckColor");
    lbOrdDvryNotAddrColor = makePreview("주문리스트 배경", "lbOrdDvryNotAddrColor");
    lbOrdCardCancelColor = makePreview("주문리스트 /글씨", "lbOrdCardCancelColor");
    cg->addWidget(new QLabel(QStringLiteral("일반"), colours), 1, 0);
    cg->addWidget(colourBoxes[0], 1, 1);
    cg->addWidget(colourBoxes[1], 1, 2);
    cg->addWidget(lbNormalColor, 1, 3);
    cg->addWidget(new QLabel(QStringLiteral("가맹점주문 미확인"), colours), 2, 0);
    cg->addWidget(colourBoxes[2], 2, 1);
    cg->addWidget(colourBoxes[3], 2, 2);
    cg->addWidget(lbStOrdNoCheckColor, 2, 3);
    cg->addWidget(new QLabel(QStringLiteral("배달주문 주소없을때"), colours), 3, 0);
    cg->addWidget(colourBoxes[4], 3, 1);
    cg->addWidget(lbOrdDvryNotAddrColor, 3, 3);
    cg->addWidget(new QLabel(QStringLiteral("카드/현금영수증 취소"), colours), 4, 0);
    cg->addWidget(colourBoxes[5], 4, 2);
    cg->addWidget(lbOrdCardCancelColor, 4, 3);
    grid->addWidget(colours, 1, 3, 2, 1);

    grid->addWidget(optionGroup(QStringLiteral("배달 주문 조회 설정"),
                                {QStringLiteral("chkNormal"), QStringLiteral("chkSameDay"),
                                 QStringLiteral("chkSameDayHub")}),
                    3, 3);
    cxButton2 = new QPushButton(QStringLiteral("아크로 에디트 설치"));
    cxButton2->setObjectName(QStringLiteral("cxButton2"));
    connect(cxButton2, &QPushButton::clicked, this, [] {
        const QString file = G_EXE_DIR + QStringLiteral("acroedit_setup.exe");
        if (QFile::exists(file))
            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    });
    grid->addWidget(cxButton2, 4, 3);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *TFRM_CONFIG::buildGeneral2Tab()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    lay->addWidget(optionGroup(QStringLiteral(" 배달&테이크 리스트 초점 "),
                               {QStringLiteral("radOrdFocusSelect"), QStringLiteral("radOrdFocusViewPos")}));
    lay->addWidget(optionGroup(QStringLiteral(" 주문리스트 조리시간 표시 설정 "),
                               {QStringLiteral("radCookDateView1"), QStringLiteral("radCookDateView2"),
                                QStringLiteral("radCookDateView3")}));
    auto *times = new QGroupBox(QStringLiteral(" 주문리스트 시간 표시 설정 "));
    auto *tl = new QHBoxLayout(times);
    const QStringList statuses{QStringLiteral("2001"), QStringLiteral("3001"), QStringLiteral("3003"),
                               QStringLiteral("4001")};
    const QStringList titles{QStringLiteral("요청으로 변경된 "), QStringLiteral("배차"), QStringLiteral("출발"),
                             QStringLiteral("완료")};
    const QStringList captions{QStringLiteral("처리시간(경과시간) ex)12:00(2분)"), QStringLiteral("처리시간 ex)12:00"),
                               QStringLiteral("경과시간 ex)2분")};
    for (int p = 0; p < 4; ++p) {
        auto *sub = new QGroupBox(titles[p], times);
        auto *sl = new QVBoxLayout(sub);
        for (int v = 0; v < 3; ++v) {
            auto *b = new QRadioButton(captions[v], sub);
            b->setObjectName(QStringLiteral("radOrdChgTime%1_%2").arg(statuses[p]).arg(v));
            sl->addWidget(b);
            connect(b, &QRadioButton::toggled, this, [this, p, v](bool on) {
                if (!on || m_loading)
                    return;
                if (SetOrderTimeFormat(p, QString::number(v)))
                    MsgBox(QString::fromUtf8(kOrderTimeFormatMsg), QStringLiteral("I"));
            });
        }
        tl->addWidget(sub);
    }
    lay->addWidget(times);
    lay->addWidget(optionGroup(QStringLiteral(" 전체경과시간 표시 설정 "),
                               {QStringLiteral("crBtnAddTime1001"), QStringLiteral("crBtnAddTime2001")}));
    lay->addWidget(optionGroup(QString(), {QStringLiteral("chkOrdConfirmMsg")}));
    cxButton10 = new QPushButton(QStringLiteral("로그인 유지시간 설정"), page);
    cxButton10->setObjectName(QStringLiteral("cxButton10"));
    connect(cxButton10, &QPushButton::clicked, this, [this] { cxButton10Click(); });
    lay->addWidget(cxButton10, 0, Qt::AlignLeft);
    lay->addStretch(1);
    return page;
}

QWidget *TFRM_CONFIG::buildPrinterTab()
{
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto *inner = new QWidget;
    auto *grid = new QGridLayout(inner);
    for (int slot = 0; slot < 4; ++slot) {
        TFRM_PRINT_SET::Hooks h;
        h.ini = G_INI;
        h.sender = m_hooks.sender;
        h.setPrintButtonEnabled = m_hooks.setPrintButtonEnabled;
        h.systemTestPage = m_hooks.systemTestPage;
        auto *frame = new TFRM_PRINT_SET(slot, h, inner);
        frame->setObjectName(QStringLiteral("FRM_PRINT_SET%1").arg(slot + 1));
        frame->setTitle(QStringLiteral("프린터기%1").arg(slot + 1));
        grid->addWidget(frame, slot / 2, slot % 2);
        printFrames << frame;
    }
    scroll->setWidget(inner);
    return scroll;
}

QWidget *TFRM_CONFIG::buildCidTab()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    cxPageControl2 = new QTabWidget(page);
    cxPageControl2->setObjectName(QStringLiteral("cxPageControl2"));
    cxTabSheet4 = buildKeyPhonePage();
    cxTabSheet5 = new QWidget;
    auto *frames = new QHBoxLayout(cxTabSheet5);
    for (int slot = 0; slot < 2; ++slot) {
        auto *frame = new TFRM_CID_SET(slot, cxTabSheet5);
        frame->setObjectName(QStringLiteral("FRM_CID_SET%1").arg(slot + 1));
        if (m_hooks.reopenCidPort)
            frame->reopenPort = m_hooks.reopenCidPort;
        frames->addWidget(frame);
        cidFrames << frame;
    }
    cidFrames[1]->CRB_SUNPO->setVisible(false);
    frames->addStretch(1);
    cxPageControl2->addTab(cxTabSheet4, QStringLiteral("키폰"));
    cxPageControl2->addTab(cxTabSheet5, QStringLiteral("CID장비"));
    lay->addWidget(cxPageControl2);
    return page;
}

QWidget *TFRM_CONFIG::buildMatchingTab()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *other = new QGroupBox(QStringLiteral("타사 프로그램 연동"), page);
    auto *ol = new QHBoxLayout(other);
    auto *first = new QGroupBox(QStringLiteral("   배달의 민족 연동 방식 :  "), other);
    auto *fl = new QHBoxLayout(first);
    CCB_OTHER_APP_USE = new QCheckBox(first);
    CCB_OTHER_APP_USE->setObjectName(QStringLiteral("CCB_OTHER_APP_USE"));
    CRB_DLVY_TYPE_PRT = new QRadioButton(QStringLiteral("프린터"), first);
    CRB_DLVY_TYPE_PRT->setObjectName(QStringLiteral("CRB_DLVY_TYPE_PRT"));
    CRB_DLVY_TYPE_AUTO = new QRadioButton(QStringLiteral("자동"), first);
    CRB_DLVY_TYPE_AUTO->setObjectName(QStringLiteral("CRB_DLVY_TYPE_AUTO"));
    cxLabel10 = new QLabel(QStringLiteral("PORT"), first);
    CCB_COM_PORT = new QComboBox(first);
    CCB_COM_PORT->setObjectName(QStringLiteral("CCB_COM_PORT"));
    CCB_COM_PORT->setMinimumWidth(100);
    CBT_CHECK = new QPushButton(QStringLiteral("체크"), first);
    CBT_CHECK->setObjectName(QStringLiteral("CBT_CHECK"));
    for (QWidget *w : std::initializer_list<QWidget *>{CCB_OTHER_APP_USE, CRB_DLVY_TYPE_PRT, CRB_DLVY_TYPE_AUTO,
                                                       cxLabel10, CCB_COM_PORT, CBT_CHECK})
        fl->addWidget(w);
    ol->addWidget(first);
    auto *third = new QGroupBox(QStringLiteral("   배달통 연동"), other);
    auto *tl = new QHBoxLayout(third);
    CKB_BT_USE = new QCheckBox(third);
    CKB_BT_USE->setObjectName(QStringLiteral("CKB_BT_USE"));
    auto *idLabel = new QLabel(QStringLiteral("아이디"), third);
    CTE_BT_ID = new QLineEdit(third);
    CTE_BT_ID->setObjectName(QStringLiteral("CTE_BT_ID"));
    CTE_BT_ID->setMaxLength(20);
    auto *pwLabel = new QLabel(QStringLiteral("비밀번호"), third);
    CTE_BT_PW = new QLineEdit(third);
    CTE_BT_PW->setObjectName(QStringLiteral("CTE_BT_PW"));
    CTE_BT_PW->setMaxLength(20);
    CTE_BT_PW->setEchoMode(QLineEdit::Password);
    cxButton5 = new QPushButton(QStringLiteral("저장"), third);
    cxButton5->setObjectName(QStringLiteral("cxButton5"));
    btLogin = {idLabel, CTE_BT_ID, pwLabel, CTE_BT_PW};
    for (QWidget *w : std::initializer_list<QWidget *>{CKB_BT_USE, idLabel, CTE_BT_ID, pwLabel, CTE_BT_PW, cxButton5})
        tl->addWidget(w);
    ol->addWidget(third);
    lay->addWidget(other);

    auto *matching = new QGroupBox(QStringLiteral("가맹점 매칭"), page);
    auto *ml = new QVBoxLayout(matching);
    cxButton4 = new QPushButton(QStringLiteral("저장"), matching);
    cxButton4->setObjectName(QStringLiteral("cxButton4"));
    ml->addWidget(cxButton4, 0, Qt::AlignRight);
    CTV_TRS_ST_NAME = new QTableWidget(0, 7, matching);
    CTV_TRS_ST_NAME->setObjectName(QStringLiteral("CTV_TRS_ST_NAME"));
    CTV_TRS_ST_NAME->setHorizontalHeaderLabels({QStringLiteral("가맹점명"), QStringLiteral("배달의 민족 가맹점명"),
                                                QStringLiteral("요기요 가맹점명"), QStringLiteral("배달통 가맹점명"),
                                                QStringLiteral("BM_NO"), QStringLiteral("YG_NO"), QStringLiteral("BT_NO")});
    for (int c = 4; c < 7; ++c)
        CTV_TRS_ST_NAME->setColumnHidden(c, true);
    CTV_TRS_ST_NAME->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    CTV_TRS_ST_NAME->verticalHeader()->setDefaultSectionSize(30);
    CTV_TRS_ST_NAME->setSortingEnabled(false);
    ml->addWidget(CTV_TRS_ST_NAME);
    lay->addWidget(matching, 1);

    const QString refusal = QStringLiteral("플래폼 기능을 사용해야 설정할수 있습니다.");
    // Loading runs these like a click: a stored "on" the account may not use is refused and
    // switched off.
    connect(CCB_OTHER_APP_USE, &QCheckBox::toggled, this, [this, refusal](bool on) {
        if (on && G_USER_INFO.CHARGE_POS_YN == QLatin1String("N")) {
            MsgBox(refusal, QStringLiteral("I"));
            CCB_OTHER_APP_USE->setChecked(false);  // runs this handler again for the unchecked state
            return;
        }
        G_DELIVERY_SET.Use_yn = on;
        G_DVRY_COM[2].Use_yn = on ? QStringLiteral("1") : QStringLiteral("0");
        if (G_INI)
            G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("USE_YN"),
                               on ? QStringLiteral("Y") : QStringLiteral("N"));
    });
    for (QRadioButton *b : {CRB_DLVY_TYPE_PRT, CRB_DLVY_TYPE_AUTO})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            const bool printer = CRB_DLVY_TYPE_PRT->isChecked();
            showPortControls(printer);
            if (m_loading)
                return;
            G_DELIVERY_SET.iType = printer ? 0 : 1;
            if (G_INI)
                G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("ITYPE"),
                                   QString::number(G_DELIVERY_SET.iType));
        });
    connect(CBT_CHECK, &QPushButton::clicked, this, [this] {
        if (G_DVRY_COM[2].Use_yn == QLatin1String("1") && G_DELIVERY_SET.iType == 0)
            copyPortCandidates();
    });
    connect(CKB_BT_USE, &QCheckBox::toggled, this, [this, refusal](bool on) {
        if (on && G_USER_INFO.CHARGE_POS_YN == QLatin1String("N")) {
            MsgBox(refusal, QStringLiteral("I"));
            CKB_BT_USE->setChecked(false);
            return;
        }
        G_USER_SET.BT_USE = on ? 1 : 0;
        for (QWidget *w : btLogin)
            w->setVisible(on);
        if (G_INI)
            G_INI->WriteString(QStringLiteral("User"), QStringLiteral("BT_USE"), QString::number(G_USER_SET.BT_USE));
    });
    connect(cxButton5, &QPushButton::clicked, this, [this] { cxButton5Click(); });
    connect(cxButton4, &QPushButton::clicked, this, [this] { cxButton4Click(); });
    return page;
}

void TFRM_CONFIG::showPortControls(bool printerMode)
{
    cxLabel10->setVisible(printerMode);
    CCB_COM_PORT->setVisible(printerMode);
    CBT_CHECK->setVisible(printerMode);
}

// The port candidates of the delivery-app slot, when something has listed them. Nothing waits:
// the list is either there or not, and the screen must not freeze while it is not.
void TFRM_CONFIG::copyPortCandidates()
{
    const QStringList candidates = G_DVRY_COM[2].slList;
    if (candidates.isEmpty())
        return;
    const QString current = CCB_COM_PORT->currentText();
    CCB_COM_PORT->clear();
    CCB_COM_PORT->addItems(candidates);
    CCB_COM_PORT->setCurrentText(current);
}

void TFRM_CONFIG::loadDeliveryApp()
{
    m_loading = true;
    CCB_OTHER_APP_USE->setChecked(G_DELIVERY_SET.Use_yn);
    (G_DELIVERY_SET.iType != 0 ? CRB_DLVY_TYPE_AUTO : CRB_DLVY_TYPE_PRT)->setChecked(true);
    showPortControls(G_DELIVERY_SET.iType == 0);
    CCB_COM_PORT->clear();
    if (!G_DVRY_COM[2].slList.isEmpty()) {
        CCB_COM_PORT->addItems(G_DVRY_COM[2].slList);
        CCB_COM_PORT->setCurrentText(G_DVRY_COM[2].COMNAME);
    }
    CKB_BT_USE->setChecked(G_USER_SET.BT_USE != 0);
    for (QWidget *w : btLogin)
        w->setVisible(G_USER_SET.BT_USE != 0);
    CTE_BT_ID->setText(G_USER_SET.BT_ID);
    CTE_BT_PW->setText(G_USER_SET.BT_PW);
    m_loading = false;
}

void TFRM_CONFIG::cxButton5Click()
{
    G_USER_SET.BT_ID = CTE_BT_ID->text().trimmed().left(20);
    G_USER_SET.BT_PW = CTE_BT_PW->text().trimmed().left(20);
    if (G_USER_SET.BT_ID.isEmpty() && G_USER_SET.BT_PW.isEmpty())
        G_USER_SET.BT_USE = 0;
    if (G_INI) {
        G_INI->WriteString(QStringLiteral("User"), QStringLiteral("BT_USE"), QString::number(G_USER_SET.BT_USE));
        G_INI->WriteString(QStringLiteral("User"), QStringLiteral("BT_ID"), G_USER_SET.BT_ID);
        // The password goes to the system keyring, never into the shared settings file.
        WriteSecretSetting(G_INI, QStringLiteral("User"), QStringLiteral("BT_PW"), G_USER_SET.BT_PW);
    }
    MsgBox(QStringLiteral("저장했습니다."), QStringLiteral("I"));
}

void TFRM_CONFIG::proc_LoadBrandMatchingGrid()
{
    CTV_TRS_ST_NAME->setUpdatesEnabled(false);
    CTV_TRS_ST_NAME->setRowCount(0);
    const QList<BrandMatchingRow> rows = BrandMatchingRowsFromStores();
    CTV_TRS_ST_NAME->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const BrandMatchingRow &row = rows.at(r);
        const int st = int(G_SL_ST_CODE.indexOf(row.stCode));
        auto *store = new QTableWidgetItem(st >= 0 ? G_ST_LIST.at(st).ST_NAME : row.stCode);
        store->setData(Qt::UserRole, row.stCode);
        store->setFlags(store->flags() & ~Qt::ItemIsEditable);
        CTV_TRS_ST_NAME->setItem(r, 0, store);
        for (int a = 0; a < 3; ++a) {
            CTV_TRS_ST_NAME->setItem(r, 1 + a, new QTableWidgetItem(row.names[size_t(a)]));
            CTV_TRS_ST_NAME->setItem(r, 4 + a, new QTableWidgetItem(row.numbers[size_t(a)]));
        }
    }
    CTV_TRS_ST_NAME->setUpdatesEnabled(true);
}

void TFRM_CONFIG::cxButton4Click()
{
    G_DVRY_COM[2].COMNAME = CCB_COM_PORT->currentText().left(100);
    if (G_INI)
        G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("COMNAME"), G_DVRY_COM[2].COMNAME);
    if (G_DELIVERY_SET.Use_yn && G_DVRY_COM[2].Use_yn == QLatin1String("1") && G_DELIVERY_SET.iType == 0)
        copyPortCandidates();
    QList<BrandMatchingRow> rows;
    for (int r = 0; r < CTV_TRS_ST_NAME->rowCount(); ++r) {
        BrandMatchingRow row;
        auto text = [this, r](int c) {
            const QTableWidgetItem *item = CTV_TRS_ST_NAME->item(r, c);
            return item ? item->text() : QString();
        };
        const QTableWidgetItem *store = CTV_TRS_ST_NAME->item(r, 0);
        row.stCode = store ? store->data(Qt::UserRole).toString() : QString();
        for (int a = 0; a < 3; ++a) {
            row.names[size_t(a)] = text(1 + a);
            row.numbers[size_t(a)] = text(4 + a);
        }
        rows << row;
    }
    const bool complete = SaveBrandMatching(rows, m_hooks.matchingRequest,
                                            [](const QString &text) { MsgBox(text, QStringLiteral("I")); });
    if (complete)
        proc_LoadBrandMatchingGrid();
}

QWidget *TFRM_CONFIG::buildRegionTab()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *box = new QGroupBox(QStringLiteral(" 주소검색 지역  "), page);
    auto *grid = new QGridLayout(box);
    for (int n = 1; n <= kAddrAreaCount; ++n) {
        auto *c = new QCheckBox(G_ADDR_AREA_NAMES[size_t(n)], box);
        c->setObjectName(QStringLiteral("chkAddr%1").arg(n, 2, 10, QLatin1Char('0')));
        grid->addWidget(c, (n - 1) / 6, (n - 1) % 6);
        connect(c, &QCheckBox::toggled, this, [n](bool on) {
            G_ADDR_AREA[size_t(n)] = on ? QStringLiteral("Y") : QStringLiteral("N");
        });
        chkAddr << c;
    }
    lay->addWidget(box);
    lay->addWidget(new QLabel(QStringLiteral("※설정 변경 후 프로그램 다시 시작해야 적용됩니다"), page));
    btnAddrSave = new QPushButton(QStringLiteral("저장"), page);
    btnAddrSave->setObjectName(QStringLiteral("btnConfigAddrSave"));
    connect(btnAddrSave, &QPushButton::clicked, this, [this] { btnAddrSaveClick(); });
    lay->addWidget(btnAddrSave, 0, Qt::AlignLeft);
    lay->addStretch(1);
    return page;
}

void TFRM_CONFIG::proc_init()
{
    if (G_EDITION_IDX == 2)
        cxPageControl1->setTabVisible(cxPageControl1->indexOf(cxTabSheet2), false);
    loadSettingsToUI();
    loadPrinterFrames();
    loadCidFrames();
    // The companion program is a distributor's tool.
    const QString userClass = UserClass();
    const bool distributor = userClass == QLatin1String("5");
    gbTransApp->setEnabled(distributor);
    if (userClass >= QLatin1String("5"))
        cxPageControl1->setTabVisible(cxPageControl1->indexOf(cxTabSheet8), false);
    loadDeliveryApp();
    proc_LoadBrandMatchingGrid();
    proc_Addr_Init();
    cxPageControl1->setCurrentIndex(0);
    cxPageControl2->setCurrentIndex(0);
}

void TFRM_CONFIG::loadSettingsToUI()
{
    m_loading = true;
    CTE_SERIAL_NO->setText(G_USER_INFO.MC);
    for (const SettingsOption &o : SettingsOptions())
        if (auto *b = findChild<QAbstractButton *>(o.control)) {
            const bool on = SettingsOptionChecked(o.control);
            if (o.radio && !on)
                continue;  // a radio group with no matching value shows none checked
            b->setChecked(on);
        }
    // The layout buttons follow the stored layout; the main choice does not change it.
    const int view = G_USER_SET.WorkWkControlView;
    const QString type = G_USER_SET.ViewWorkControlType;
    if (type == QLatin1String("1")) {
        radOrdWkControl->setChecked(true);
    } else if (type == QLatin1String("2")) {
        radWorkWkControl->setChecked(true);
        (view == 1 ? radWorkWkControl2001Up : radWorkWkControl2001Left)->setChecked(true);
    } else if (type == QLatin1String("3")) {
        radMapWkControl->setChecked(true);
        (view == 3 ? radMapWkRight : radMapWkLeft)->setChecked(true);
    }
    const int fontIndex = CCB_FONT_SIZE->findText(QString::number(G_USER_SET.FONT_SIZE));
    CCB_FONT_SIZE->setCurrentIndex(fontIndex < 0 ? 0 : fontIndex);
    for (int p = 0; p < 4; ++p) {
        const QString v = G_USER_SET.ORDER_TIME_VIEW[size_t(p)];
        const int pick = v == QLatin1String("0") ? 0 : v == QLatin1String("1") ? 1 : 2;
        static const char *const st[] = {"2001", "3001", "3003", "4001"};
        if (auto *b = findChild<QRadioButton *>(QStringLiteral("radOrdChgTime%1_%2").arg(QLatin1String(st[p])).arg(pick)))
            b->setChecked(true);
    }
    m_loading = false;
    // The colour boxes take their values and rewrite their keys with them.
    for (int i = 0; i < colourBoxes.size(); ++i) {
        const int at = colourBoxes[i]->findData(QVariant::fromValue(SettingsColourValue(i)));
        colourBoxes[i]->setCurrentIndex(at);
        colourClosed(i);
    }
    proc_Ord_Grid_Load();
}

void TFRM_CONFIG::loadPrinterFrames()
{
    // Port names may arrive with a trailing NUL from the system.
    QStringList ports = m_hooks.serialPorts ? m_hooks.serialPorts() : QStringList();
    for (QString &p : ports) {
        const qsizetype nul = p.indexOf(QChar(0));
        if (nul >= 0)
            p.truncate(nul);
    }
    m_ports = ports;
    const QStringList printers = m_hooks.printerNames ? m_hooks.printerNames() : QStringList();
    for (TFRM_PRINT_SET *frame : printFrames) {
        frame->setPorts(ports);
        QList<QPair<QString, QString>> groups;
        const ComboFill fill = GoodsGroupComboFill(QString());
        for (const ComboItem &item : fill.items)
            if (item.value != QLatin1String("0"))
                groups.append({item.value, item.text});
        frame->setGoodsGroups(groups);
        frame->setPrinters(printers);
        frame->load();
    }
}

QWidget *TFRM_CONFIG::buildKeyPhonePage()
{
    auto *page = new QWidget;
    auto *lay = new QVBoxLayout(page);
    auto *cid = new QGroupBox(QStringLiteral("키폰 연결"), page);
    auto *cg = new QGridLayout(cid);
    CCB_CID_USE = new QCheckBox(QStringLiteral("사용"), cid);
    CCB_CID_USE->setObjectName(QStringLiteral("CCB_CID_USE"));
    CCB_IGUBUN = new QCheckBox(QStringLiteral("신규 CID 사용"), cid);
    CCB_IGUBUN->setObjectName(QStringLiteral("CCB_IGUBUN"));
    CCB_IGUBUN->setVisible(false);
    CCB_CID_IP = new QComboBox(cid);
    CCB_CID_IP->setObjectName(QStringLiteral("CCB_CID_IP"));
    CTE_CID_IP = new QLineEdit(cid);
    CTE_CID_IP->setObjectName(QStringLiteral("CTE_CID_IP"));
    CTE_CID_IP->setMaxLength(15);
    CCE_CID_PORT = new QSpinBox(cid);
    CCE_CID_PORT->setObjectName(QStringLiteral("CCE_CID_PORT"));
    CCE_CID_PORT->setRange(0, 65535);
    CTE_CID_STATION = new QLineEdit(cid);
    CTE_CID_STATION->setObjectName(QStringLiteral("CTE_CID_STATION"));
    CTE_CID_STATION->setMaxLength(30);
    CBT_CU_TEL = new QPushButton(QStringLiteral("저장"), cid);
    CBT_CU_TEL->setObjectName(QStringLiteral("CBT_CU_TEL"));
    cg->addWidget(CCB_CID_USE, 0, 0);
    cg->addWidget(CCB_IGUBUN, 0, 1);
    cg->addWidget(new QLabel(QStringLiteral("서버명"), cid), 1, 0);
    cg->addWidget(CCB_CID_IP, 1, 1);
    cg->addWidget(new QLabel(QStringLiteral("IP"), cid), 2, 0);
    cg->addWidget(CTE_CID_IP, 2, 1);
    cg->addWidget(new QLabel(QStringLiteral("Port"), cid), 3, 0);
    cg->addWidget(CCE_CID_PORT, 3, 1);
    cg->addWidget(new QLabel(QStringLiteral("내선"), cid), 4, 0);
    cg->addWidget(CTE_CID_STATION, 4, 1);
    cg->addWidget(CBT_CU_TEL, 5, 1, Qt::AlignRight);
    lay->addWidget(cid);

    auto *kt = new QGroupBox(QStringLiteral("KT PC PHONE"), page);
    auto *kg = new QGridLayout(kt);
    CCB_KT_USE = new QCheckBox(QStringLiteral("사용"), kt);
    CCB_KT_USE->setObjectName(QStringLiteral("CCB_KT_USE"));
    CTE_KT_ID = new QLineEdit(kt);
    CTE_KT_ID->setObjectName(QStringLiteral("CTE_KT_ID"));
    CTE_KT_PW = new QLineEdit(kt);
    CTE_KT_PW->setObjectName(QStringLiteral("CTE_KT_PW"));
    CTE_KT_PW->setEchoMode(QLineEdit::Password);
    cxButton1 = new QPushButton(QStringLiteral("저장"), kt);
    cxButton1->setObjectName(QStringLiteral("cxButton1"));
    kg->addWidget(CCB_KT_USE, 0, 0);
    kg->addWidget(new QLabel(QStringLiteral("아이디"), kt), 1, 0);
    kg->addWidget(CTE_KT_ID, 1, 1);
    kg->addWidget(new QLabel(QStringLiteral("비밀번호"), kt), 2, 0);
    kg->addWidget(CTE_KT_PW, 2, 1);
    kg->addWidget(cxButton1, 3, 1, Qt::AlignRight);
    lay->addWidget(kt);
    lay->addStretch(1);

    // The check boxes take effect when the link or the login next reads the record.
    connect(CCB_CID_USE, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        G_CID_INFO.Use_yn = on ? QStringLiteral("1") : QStringLiteral("0");
        if (G_INI)
            G_INI->WriteString(QStringLiteral("CID"), QStringLiteral("USE"), G_CID_INFO.Use_yn);
    });
    connect(CCB_IGUBUN, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        G_CID_INFO.IGubun = on ? 1 : 0;
        if (G_INI)
            G_INI->WriteString(QStringLiteral("CID"), QStringLiteral("IGUBUN"), QString::number(G_CID_INFO.IGubun));
    });
    connect(CCB_KT_USE, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        G_CID_KT_INFO.Use_yn = on ? QStringLiteral("1") : QStringLiteral("0");
        if (G_INI)
            G_INI->WriteString(QStringLiteral("KTCID"), QStringLiteral("USE"), G_CID_KT_INFO.Use_yn);
    });
    connect(CCB_CID_IP, &QComboBox::currentIndexChanged, this, [this] { CCB_CID_IPClick(); });
    connect(CBT_CU_TEL, &QPushButton::clicked, this, [this] { CBT_CU_TELClick(); });
    connect(cxButton1, &QPushButton::clicked, this, [this] { cxButton1Click(); });
    return page;
}

void TFRM_CONFIG::loadKeyPhone()
{
    m_loading = true;
    CCB_CID_USE->setChecked(G_CID_INFO.Use_yn == QLatin1String("1"));
    CCB_IGUBUN->setChecked(G_CID_INFO.IGubun != 0);
    CTE_CID_IP->setText(G_CID_INFO.SERVER_IP);
    m_serverPosition = 0;
    m_serverListSetting = true;
    CCB_CID_IP->clear();
    CCB_CID_IP->addItem(QStringLiteral("직접입력"));
    const QString name = G_CID_INFO.SVR_NAME.trimmed();
    for (int k = 0; k < CCB_CID.count(); ++k) {
        const CodeNameItem &server = CCB_CID.at(k);
        CCB_CID_IP->addItem(server.description);
        // A stored name picks its server; with only an address stored, the address does and the
        // server's name is taken over.
        if (!name.isEmpty() || G_CID_INFO.SERVER_IP.isEmpty()) {
            if (server.description == name) {
                CTE_CID_IP->setText(server.value);
                m_serverPosition = k + 1;
            }
        } else if (server.value == G_CID_INFO.SERVER_IP) {
            G_CID_INFO.SVR_NAME = server.description;
            CTE_CID_IP->setText(server.value);
            m_serverPosition = k + 1;
        }
    }
    CCB_CID_IP->setCurrentIndex(m_serverPosition);
    m_serverListSetting = false;
    CTE_CID_STATION->setText(G_CID_INFO.NaeSun);
    CCE_CID_PORT->setValue(G_CID_INFO.PORT);
    CCB_KT_USE->setChecked(G_CID_KT_INFO.Use_yn == QLatin1String("1"));
    CTE_KT_ID->setText(G_CID_KT_INFO.ID);
    CTE_KT_PW->setText(G_CID_KT_INFO.PW);
    m_loading = false;
}

void TFRM_CONFIG::CCB_CID_IPClick()
{
    if (m_serverListSetting)
        return;
    const int p = CCB_CID_IP->currentIndex();
    CTE_CID_IP->setText(p > 0 && p - 1 < CCB_CID.count() ? CCB_CID.at(p - 1).value : QString());
    G_CID_INFO.SERVER_IP = CTE_CID_IP->text();
    G_CID_INFO.SVR_NAME = CCB_CID_IP->currentText();
    if (G_INI) {
        G_INI->WriteString(QStringLiteral("CID"), QStringLiteral("SVR_NAME"), G_CID_INFO.SVR_NAME);
        G_INI->WriteString(QStringLiteral("CID"), QStringLiteral("SERVER_IP"), G_CID_INFO.SERVER_IP);
    }
}

void TFRM_CONFIG::CBT_CU_TELClick()
{
    G_CID_INFO.Use_yn = CCB_CID_USE->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    G_CID_INFO.NaeSun = CTE_CID_STATION->text();
    G_CID_INFO.SERVER_IP = CTE_CID_IP->text();
    G_CID_INFO.SVR_NAME = CCB_CID_IP->currentText();
    G_CID_INFO.PORT = CCE_CID_PORT->value();
    G_CID_INFO.IGubun = CCB_IGUBUN->isChecked() ? 1 : 0;
    if (G_INI) {
        const QString cid = QStringLiteral("CID");
        G_INI->WriteString(cid, QStringLiteral("USE"), G_CID_INFO.Use_yn);
        G_INI->WriteString(cid, QStringLiteral("SVR_NAME"), G_CID_INFO.SVR_NAME);
        G_INI->WriteString(cid, QStringLiteral("SERVER_IP"), G_CID_INFO.SERVER_IP);
        G_INI->WriteString(cid, QStringLiteral("Port"), QString::number(G_CID_INFO.PORT));
        G_INI->WriteString(cid, QStringLiteral("NaeSun"), G_CID_INFO.NaeSun);
        G_INI->WriteString(cid, QStringLiteral("IGUBUN"), QString::number(G_CID_INFO.IGubun));
    }
    if (G_CID_INFO.Use_yn == QLatin1String("1") && m_hooks.reconnectCidServer)
        m_hooks.reconnectCidServer();
    MsgBox(QStringLiteral("저장했습니다."), QStringLiteral("I"));
}

void TFRM_CONFIG::cxButton1Click()
{
    G_CID_KT_INFO.Use_yn = CCB_KT_USE->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    G_CID_KT_INFO.ID = CTE_KT_ID->text();
    G_CID_KT_INFO.PW = CTE_KT_PW->text();
    if (G_INI) {
        G_INI->WriteString(QStringLiteral("KTCID"), QStringLiteral("USE"), G_CID_KT_INFO.Use_yn);
        G_INI->WriteString(QStringLiteral("KTCID"), QStringLiteral("ID"), G_CID_KT_INFO.ID);
        // The password goes to the system keyring, never into the shared settings file.
        WriteSecretSetting(G_INI, QStringLiteral("KTCID"), QStringLiteral("PW"), G_CID_KT_INFO.PW);
    }
    if (G_CID_KT_INFO.Use_yn == QLatin1String("1") && G_CID_KT_INFO.LOGIN != QLatin1String("1")
        && m_hooks.ktLogin)
        m_hooks.ktLogin();
    MsgBox(QStringLiteral("저장했습니다."), QStringLiteral("I"));
}

void TFRM_CONFIG::loadCidFrames()
{
    loadKeyPhone();
    for (TFRM_CID_SET *frame : cidFrames) {
        frame->setPortNames(m_ports);
        frame->fillFromRecords();
    }
}

void TFRM_CONFIG::controlScreenClicked()
{
    QString type;
    if (radOrdWkControl->isChecked())
        type = QStringLiteral("1");
    else if (radWorkWkControl->isChecked())
        type = QStringLiteral("2");
    else if (radMapWkControl->isChecked())
        type = QStringLiteral("3");
    else
        return;
    if (ChooseControlScreen(type, radWorkWkControl2001Up->isChecked(), radMapWkRight->isChecked()))
        MsgBox(QString::fromUtf8(kRestartMsg), QStringLiteral("I"));
}

void TFRM_CONFIG::controlLayoutClicked()
{
    if (ChooseControlLayout(radWorkWkControl2001Left->isChecked(), radMapWkRight->isChecked()))
        MsgBox(QString::fromUtf8(kRestartMsg), QStringLiteral("I"));
}

void TFRM_CONFIG::fontSizeClosed()
{
    SetOrderFontSize(CCB_FONT_SIZE->currentText());
    if (m_hooks.orderViews)
        for (QTableView *view : m_hooks.orderViews())
            if (view)
                ApplyGridFontSize(view);
}

void TFRM_CONFIG::colourClosed(int index)
{
    QComboBox *box = colourBoxes.value(index);
    if (!box || box->currentIndex() < 0)
        return;
    SetSettingsColour(index, box->currentData().value<std::uint32_t>());
    paintPreviews();
}

void TFRM_CONFIG::paintPreviews()
{
    // A style sheet, so that the program's own style sheet does not paint over the preview.
    auto paint = [](QLabel *label, std::uint32_t back, std::uint32_t fore) {
        label->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                                 .arg(rgbColour(back).name(), rgbColour(fore).name()));
    };
    const TUSER_SET &s = G_USER_SET;
    paint(lbNormalColor, s.ColorNormalB, s.ColorNormalF);
    paint(lbStOrdNoCheckColor, s.ColorOrdStNoChkB, s.ColorOrdStNoChkF);
    paint(lbOrdDvryNotAddrColor, s.ColorOrdDvryNoAddrB, s.ColorNormalF);
    paint(lbOrdCardCancelColor, s.ColorNormalB, s.ColorOrdCardCancelF);
}

void TFRM_CONFIG::proc_Ord_Grid_Load()
{
    m_filling = true;
    CHK_ORD_GRID->clear();
    const QStringList captions = m_hooks.boardColumns ? m_hooks.boardColumns() : QStringList();
    const QStringList hidden = HiddenColumns(captions);
    for (const QString &caption : captions) {
        auto *item = new QListWidgetItem(caption, CHK_ORD_GRID);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(hidden.contains(caption) ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
}

void TFRM_CONFIG::columnChecked()
{
    QList<QPair<QString, bool>> items;
    for (int i = 0; i < CHK_ORD_GRID->count(); ++i) {
        const QListWidgetItem *item = CHK_ORD_GRID->item(i);
        items.append({item->text(), item->checkState() == Qt::Checked});
    }
    WriteHiddenColumns(items);
    const QList<QTableView *> views = m_hooks.orderViews ? m_hooks.orderViews() : QList<QTableView *>();
    for (const auto &item : items) {
        if (item.first.isEmpty())
            continue;
        for (QTableView *view : views) {
            if (!view || !view->model())
                continue;
            // Only the first column of a caption follows the list.
            for (int c = 0; c < view->model()->columnCount(); ++c)
                if (view->model()->headerData(c, Qt::Horizontal).toString() == item.first) {
                    view->setColumnHidden(c, item.second);
                    break;
                }
        }
    }
}

void TFRM_CONFIG::columnListLeft()
{
    if (m_hooks.reloadBoardLayouts)
        m_hooks.reloadBoardLayouts();
}

bool TFRM_CONFIG::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CHK_ORD_GRID && event->type() == QEvent::FocusOut)
        columnListLeft();
    return QWidget::eventFilter(watched, event);
}

void TFRM_CONFIG::transAppExecClick()
{
    const QString name = QStringLiteral("TRANS_APP.exe");
    if (Func_Process(SystemProcessTable(), name)) {
        MsgBox(QStringLiteral("이미 실행중입니다."), QStringLiteral("I"));
        return;
    }
    const QString file = G_EXE_DIR + name;
    if (!QFile::exists(file))
        return;
    // The companion program talks to the test server when the session does.
    QStringList args;
    if (G_USER_INFO.GUBUN == QLatin1String("T"))
        args << QStringLiteral("/t");
    QProcess::startDetached(file, args, G_EXE_DIR);
}

void TFRM_CONFIG::proc_Addr_Init()
{
    const bool testMode = G_USER_INFO.GUBUN == QLatin1String("T");
    for (int n = 1; n <= kAddrAreaCount; ++n) {
        QCheckBox *c = chkAddr[n - 1];
        if (testMode && regionOffInTestMode(n)) {
            c->setChecked(false);
            c->setEnabled(false);
            G_ADDR_AREA[size_t(n)] = QStringLiteral("N");
        } else {
            c->setChecked(G_ADDR_AREA[size_t(n)] == QLatin1String("Y"));
        }
    }
}

void TFRM_CONFIG::btnAddrSaveClick()
{
    SaveAddrAreaAndTell(G_USER_INFO.GUBUN);
}

void TFRM_CONFIG::cxButton10Click()
{
    auto *dialog = qobject_cast<TfrmSessionTimeSet *>(frmSessionTimeSet);
    if (!dialog) {
        dialog = new TfrmSessionTimeSet(this);
        frmSessionTimeSet = dialog;
    }
    dialog->setValue(G_SESSION_SEC);
    dialog->exec();
    dialog->close();
}

TfrmSessionTimeSet::TfrmSessionTimeSet(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSessionTimeSet"));
    setModal(true);
    auto *lay = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("로그인 유지시간 설정"), this);
    title->setObjectName(QStringLiteral("lbTitle"));
    lay->addWidget(title);
    auto *text = new QLabel(QStringLiteral("개인정보보호강화를 위한 자율규제 시행에 따라\n"
                                           "배달대행플랫폼의 개인정보 보호를 위해\n"
                                           "로그인 유지시간을 설정 후 이용하실 수 있습니다.\n"
                                           "설정값은 기본설정 화면에서 변경할 수 있습니다."),
                            this);
    text->setAlignment(Qt::AlignCenter);
    lay->addWidget(text);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("로그인 유지시간"), this));
    ccbSessiontime = new QComboBox(this);
    ccbSessiontime->setObjectName(QStringLiteral("ccbSessiontime"));
    for (const auto &choice : SessionTimeChoices())
        ccbSessiontime->addItem(choice.first, QString::number(choice.second));
    row->addWidget(ccbSessiontime);
    btnSave = new QPushButton(QStringLiteral("저장"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    row->addWidget(btnSave);
    lay->addLayout(row);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    setValue(QStringLiteral("1800"));
}

void TfrmSessionTimeSet::setValue(const QString &seconds)
{
    const int at = ccbSessiontime->findData(seconds);
    ccbSessiontime->setCurrentIndex(at);
}

void TfrmSessionTimeSet::btnSaveClick()
{
    if (ccbSessiontime->currentIndex() < 0)
        return;
    SaveSessionSeconds(ccbSessiontime->currentData().toString());
    accept();
}

void TfrmSessionTimeSet::showEvent(QShowEvent *event)
{
    // Centred on the main window when there is one.
    if (QWidget *main = FRM_MAIN ? static_cast<QWidget *>(FRM_MAIN) : parentWidget())
        move(main->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

TFRM_CONFIG::Hooks ProgramSettingsScreenHooks(TFRM_MAIN *main)
{
    TFRM_CONFIG::Hooks h;
    h.setPrintButtonEnabled = [main](bool on) {
        if (QToolButton *b = main->topButtons.value(TopButton::Print))
            b->setEnabled(on);
    };
    h.printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    h.serialPorts = [] {
        QStringList names;
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
            names << info.portName();
        return names;
    };
    h.sender = &ProgramReceiptPrinter().sender();
    h.reconnectCidServer = [] {
        if (CidServerLink *link = InstalledCidServerLink())
            link->fnc_cid_conf();
    };
    h.matchingRequest = [](const QString &payload) {
        QString reply;
        RequestOne(G_TCP_CLIENT, QString::fromLatin1(kBrandMatchingCode), QStringLiteral("ADM1"), payload, QString(),
                   QString(), 30000, reply);
        return reply;
    };
    h.ktLogin = [] { func_Kt_Login([](const QString &text) { MsgBox(text, QStringLiteral("I")); }); };
    h.orderViews = [] {
        QList<QTableView *> views;
        if (auto *today = qobject_cast<TFRM_ORD *>(FRM_ORD))
            views << today->CTV_MAIN << today->CTV_MAIN_COMP;
        return views;
    };
    h.boardColumns = [] {
        QStringList captions;
        auto *today = qobject_cast<TFRM_ORD *>(FRM_ORD);
        if (!today || !today->CTV_MAIN || !today->CTV_MAIN->model())
            return captions;
        const QHeaderView *header = today->CTV_MAIN->horizontalHeader();
        // The user's columns, in the order the list shows them.
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (BoardColumnTag(OrderBoard::Live, logical) == 0)
                captions << today->CTV_MAIN->model()->headerData(logical, Qt::Horizontal).toString();
        }
        return captions;
    };
    return h;
}

void InstallSettingsScreen(std::function<TFRM_CONFIG::Hooks(TFRM_MAIN *)> hooks)
{
    SetStartFormMaker(StartForm::TfrmSessionTimeSet, [](TFRM_MAIN *main) -> QWidget * {
        return new TfrmSessionTimeSet(main);
    });
    SetBoardScreenMaker(QStringLiteral("FRM_CONFIG"), [hooks](TFRM_MAIN *main) -> QWidget * {
        // The shell docks the screen in its board panel.
        auto *screen = new TFRM_CONFIG(hooks ? hooks(main) : TFRM_CONFIG::Hooks(), main);
        screen->proc_init();
        return screen;
    });
}
