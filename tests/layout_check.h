#pragma once

// Walks every visible widget of a shown form and reports texts that do not fit their widget and
// sibling widgets that lie over each other.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace LayoutCheck
{
inline QString describe(const QWidget *w)
{
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

inline void checkText(const QWidget *w, QStringList &problems)
{
    const QFontMetrics fm(w->font());
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        // A picture is cut when the label's inside is smaller than it (unless it is scaled to fit).
        const QPixmap picture = label->pixmap();
        if (!picture.isNull() && !label->hasScaledContents()) {
            const QSize need = picture.deviceIndependentSize().toSize();
            const QRect inside = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                                 -label->margin());
            if (need.width() > inside.width() || need.height() > inside.height())
                problems << QStringLiteral("%1 picture %2x%3 has %4x%5")
                                .arg(describe(w)).arg(need.width()).arg(need.height()).arg(inside.width()).arg(inside.height());
            return;
        }
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return;
        int need = 0;
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            need = std::max(need, fm.horizontalAdvance(line));
        const int have = label->contentsRect().width() - 2 * label->margin() - label->indent();
        if (need > have + 1)
            problems << QStringLiteral("%1 text \"%2\" needs %3 px, has %4").arg(describe(w), label->text()).arg(need).arg(have);
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        QString text = button->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
        if (text.isEmpty())
            return;
        const int need = fm.horizontalAdvance(text);
        if (need > button->width() - 4)
            problems << QStringLiteral("%1 text \"%2\" needs %3 px, has %4").arg(describe(w), text).arg(need).arg(button->width());
    } else if (const auto *bar = qobject_cast<const QTabBar *>(w)) {
        // Tab captions whole, along the tab (across it for tabs on the left or right).
        const bool vertical = bar->shape() == QTabBar::RoundedWest || bar->shape() == QTabBar::RoundedEast
                              || bar->shape() == QTabBar::TriangularWest || bar->shape() == QTabBar::TriangularEast;
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i) || bar->tabText(i).isEmpty())
                continue;
            const QRect r = bar->tabRect(i);
            QString text = bar->tabText(i);
            text.remove(QLatin1Char('&'));
            const int need = fm.horizontalAdvance(text);
            const int along = vertical ? r.height() : r.width();
            const int across = vertical ? r.width() : r.height();
            if (need > along - 4 || fm.height() > across)
                problems << QStringLiteral("%1 tab \"%2\" needs %3x%4 px, has %5x%6")
                                .arg(describe(w), text).arg(need).arg(fm.height()).arg(along).arg(across);
            if (!bar->rect().contains(r))
                problems << QStringLiteral("%1 tab \"%2\" (%3x%4) lies outside the bar (%5x%6)")
                                .arg(describe(w), text).arg(r.width()).arg(r.height()).arg(bar->width()).arg(bar->height());
        }
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
        if (edit->placeholderText().isEmpty() || !edit->text().isEmpty())
            return;
        const int need = fm.horizontalAdvance(edit->placeholderText());
        const int have = edit->contentsRect().width() - 6;
        if (need > have)
            problems << QStringLiteral("%1 hint \"%2\" needs %3 px, has %4")
                            .arg(describe(w), edit->placeholderText()).arg(need).arg(have);
    }
}

inline void walk(const QWidget *parent, QStringList &problems)
{
    QList<const QWidget *> shown;
    for (const QObject *o : parent->children()) {
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!w || w->isWindow() || !w->isVisible())
            continue;
        shown << w;
        checkText(w, problems);
        walk(w, problems);
    }
    // Children that the widget lays over each other on purpose: only a panel marked as sliding
    // over its siblings (the main window's side panels over the board); scroll areas' own parts
    // never intersect.
    const auto slidesOver = [](const QWidget *w) { return w->property("slidesOver").toBool(); };
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (!slidesOver(shown.at(i)) && !slidesOver(shown.at(j))
                && shown.at(i)->geometry().intersects(shown.at(j)->geometry()))
                problems << QStringLiteral("%1 overlaps %2 in %3")
                                .arg(describe(shown.at(i)), describe(shown.at(j)), describe(parent));
}

// Every problem of the shown form, empty when it is clean.
inline QStringList Problems(QWidget *form)
{
    QApplication::processEvents();
    QStringList problems;
    checkText(form, problems);
    walk(form, problems);
    return problems;
}
} // namespace LayoutCheck
