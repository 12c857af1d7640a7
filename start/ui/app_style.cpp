#include "start/ui/app_style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace
{
// Colours of the program.
const QColor kWindow(0xFF, 0xFF, 0xFF);
const QColor kText(0x22, 0x22, 0x22);
const QColor kAccent(0x1F, 0x5F, 0xAF);
const QColor kBar(0xF2, 0xF4, 0xF7);

QString preferredFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const char *name : {"NanumGothic", "Nanum Gothic", "NanumBarunGothic", "Noto Sans CJK KR"})
        if (families.contains(QString::fromLatin1(name)))
            return QString::fromLatin1(name);
    return QString();
}
// Sets the box's minimum width from its hint whenever the font that draws it may have changed.
class HintWidth : public QObject
{
public:
    explicit HintWidth(QLineEdit *edit)
        : QObject(edit)
    {
        apply(edit);
    }

    static void apply(QLineEdit *edit)
    {
        const QString hint = edit->placeholderText();
        if (hint.isEmpty())
            return;
        // Frame and text margins of the box on both sides, with room to spare.
        const int need = edit->fontMetrics().horizontalAdvance(hint) + 18;
        if (edit->minimumWidth() != need)
            edit->setMinimumWidth(need);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto t = event->type();
        if (t == QEvent::Polish || t == QEvent::FontChange || t == QEvent::StyleChange || t == QEvent::Show)
            apply(static_cast<QLineEdit *>(watched));
        return false;
    }
};
} // namespace

void FitPlaceholder(QLineEdit *edit)
{
    if (edit)
        edit->installEventFilter(new HintWidth(edit));
}

int Scaled(int px)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const qreal factor = dpi > 0 ? dpi / 96.0 : 1.0;
    return qRound(px * factor);
}

void ApplyAppStyle(QApplication &app)
{
    const QString family = preferredFamily();
    QFont font = app.font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(9);
    app.setFont(font);

    QPalette p = app.palette();
    p.setColor(QPalette::Window, kWindow);
    p.setColor(QPalette::Base, kWindow);
    p.setColor(QPalette::WindowText, kText);
    p.setColor(QPalette::Text, kText);
    p.setColor(QPalette::ButtonText, kText);
    p.setColor(QPalette::Button, kBar);
    p.setColor(QPalette::Highlight, kAccent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    app.setPalette(p);

    app.setStyleSheet(QStringLiteral(
        // Typed passwords show one "*" per character everywhere.
        "QLineEdit { lineedit-password-character: 42; }"
        "QFrame#cxGroupBox1 { background: #F2F4F7; border-bottom: 1px solid #C8CDD5; }"
        "QToolButton[topButton=\"true\"] { border: 1px solid transparent; border-radius: 4px; padding: 4px 10px; }"
        "QToolButton[topButton=\"true\"]:hover { border-color: #9DB5D8; background: #E4ECF7; }"
        "QToolButton[topButton=\"true\"]:checked { background: #1F5FAF; color: white; }"
        "QToolButton[topButton=\"true\"]:disabled { color: #A0A0A0; }"
        "QStatusBar { background: #F2F4F7; border-top: 1px solid #C8CDD5; }"
        "QStatusBar QLabel { padding: 0 4px; }"
        // The refresh picture and the panel holding it are exactly as wide as the picture.
        "QStatusBar QLabel#statusPanel2, QStatusBar QLabel#imgRefresh { padding: 0; }"
        "QLabel[placeholderScreen=\"true\"] { color: #606060; font-size: 14pt; }"
        // The left panel strip: each caption whole, read from bottom to top, 35 px across.
        "QTabBar#ATP_MAIN::tab { padding: 10px 8px; margin: 0 0 3px 0; border: 1px solid #C8CDD5; border-radius: 3px;"
        " background: #F2F4F7; color: #222222; }"
        "QTabBar#ATP_MAIN[panelOpen=\"true\"]::tab:selected { background: #1F5FAF; color: white; border-color: #1F5FAF; }"));
}
