#include "boards/ui/status_colour_choice.h"

#include "settings/settings_file.h"

#include <QColorDialog>
#include <QWidget>

bool StoreStatusColour(TIniFile *ini, int tag, TColor colour)
{
    if (!ini || !ini->FileExists())
        return false;
    return WriteIniColor(*ini, QStringLiteral("Status"), QStringLiteral("CB_%1").arg(tag), colour);
}

void ChooseStatusColour(QWidget *label, int tag, const QColor &current, const StatusColourHooks &hooks)
{
    std::optional<QColor> chosen;
    if (hooks.pickColour) {
        chosen = hooks.pickColour(current, label);
    } else {
        const QColor c = QColorDialog::getColor(current, label);
        if (c.isValid())
            chosen = c;
    }
    if (chosen && chosen->isValid()) {
        if (hooks.setLabelColour) {
            hooks.setLabelColour(label, *chosen);
        } else if (label) {
            QPalette p = label->palette();
            p.setColor(QPalette::Window, *chosen);
            label->setPalette(p);
            label->setAutoFillBackground(true);
        }
        StoreStatusColour(G_INI, tag, ColorFromRgb(chosen->red(), chosen->green(), chosen->blue()));
    }
    if (hooks.applyStatusColours)
        hooks.applyStatusColours();
}
