#pragma once

#include "common/message_box.h"
#include "main/ui/sound_player.h"

#include <QDateTime>
#include <QStringList>

#include <optional>

class QApplication;
class SingleInstanceMarker;
class TFRM_MAIN;

// What may stand in for the desktop when the program is put together: a message-box handler in
// place of the dialogs that wait for a click, a sound output in place of the speakers and a fixed
// clock. Where the server is comes from the deployment configuration, as it does for the
// program. Nothing else of the program can be replaced here.
struct AppSeams
{
    MsgBoxHandler messageBoxes;          // empty: the program's own message boxes
    SoundPlayer::Output soundOutput;     // empty: the desktop's audio
    std::optional<QDateTime> fixedClock; // empty: the system clock (with the server's offset)
};

// The whole program put together: the application's look, the instance marker, the edition, the
// start-up, the shell and the board screens with every binding they need, then the main window
// and its start forms. The program's entry and the end-to-end tests both go through it.
class AppAssembly
{
public:
    explicit AppAssembly(AppSeams seams = {});
    ~AppAssembly();
    AppAssembly(const AppAssembly &) = delete;
    AppAssembly &operator=(const AppAssembly &) = delete;

    // Everything that comes before the main window. Call once the application object exists.
    void prepare(QApplication &app);
    // The main window with its start forms, not shown yet; null when the program decided to end
    // before its message loop (the update check).
    TFRM_MAIN *createMainWindow();
    TFRM_MAIN *mainWindow() const { return m_window; }

    // The start-up self-check: a line per step the program has no binding for ("Start-up check :
    // step not bound : <name>", a fault) and per screen that a later part of the program will
    // fill ("Start-up check : placeholder : <screen>"). Answers the unbound steps; also run by
    // createMainWindow.
    QStringList selfCheck() const;

private:
    AppSeams m_seams;
    MsgBoxHandler m_previousBoxes;
    SoundPlayer::Output m_previousSound;
    SingleInstanceMarker *m_marker = nullptr;
    TFRM_MAIN *m_window = nullptr;
};
