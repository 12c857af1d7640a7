#pragma once

#include "settings/color_text.h"

#include <QColor>

#include <functional>
#include <optional>

class QWidget;
class TIniFile;

// Writes a status colour chosen by the user into the settings file: section "Status", key
// "CB_" + the label's Tag, as a colour text. Nothing is written (false) when the settings file
// does not exist.
bool StoreStatusColour(TIniFile *ini, int tag, TColor colour);

struct StatusColourHooks
{
    // The colour dialog, opened with the current colour; nothing when the user cancelled.
    // QColorDialog by default.
    std::function<std::optional<QColor>(const QColor &current, QWidget *parent)> pickColour;
    // Gives the label its new colour (by default its background).
    std::function<void(QWidget *label, const QColor &colour)> setLabelColour;
    // Re-applies every status colour from the settings file (procApplyStatusColor), which
    // repaints the boards.
    std::function<void()> applyStatusColours;
};

// A double click on a status count label (CLB_ORD_CNTDblClick): lets the user choose its colour,
// stores it, and re-applies all status colours whether the choice was confirmed or not.
void ChooseStatusColour(QWidget *label, int tag, const QColor &current, const StatusColourHooks &hooks);
