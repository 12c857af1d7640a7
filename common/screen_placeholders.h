#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The screens that later parts of the program build (reception, quick reception, printing,
// caller ID, dispatch control, history, store, staff, settings). Until one is built, each of its
// steps stands in under the screen's name: the step writes one log line the first time it runs,
// and the start-up self-check lists every stand-in. Anything else the program needs is bound to
// the work itself, never to a stand-in.
namespace LaterScreen
{
inline constexpr char kReception[] = "reception";
inline constexpr char kQuickReception[] = "quick reception";
inline constexpr char kPrinting[] = "printing";
inline constexpr char kCallerId[] = "caller ID";
inline constexpr char kDispatchControl[] = "dispatch control";
inline constexpr char kHistory[] = "history";
inline constexpr char kStore[] = "store";
inline constexpr char kStaff[] = "staff";
inline constexpr char kSettings[] = "settings";
} // namespace LaterScreen

// Notes that `step` stands in for the screen and answers what the step does meanwhile.
std::function<void()> ScreenPlaceholder(const char *screen, const QString &step);
// Notes a stand-in that is a widget or window rather than a step.
void NoteScreenPlaceholder(const char *screen, const QString &what);
// "<screen> : <step>" for every stand-in noted, in the order noted, without repeats.
QStringList ScreenPlaceholders();
