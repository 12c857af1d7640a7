#include "main/ui/sound_player.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "main/status_bar_texts.h"
#include "records/session_records.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <exception>

namespace
{
SoundPlayer::Output &output()
{
    static SoundPlayer::Output out;
    return out;
}

void playOnDevice(const QString &file)
{
    if (file.isEmpty()) {
        QApplication::beep();
        return;
    }
    // One effect for the program: setting a new source stops what is playing.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    effect->stop();
    effect->setSource(QUrl(QStringLiteral("qrc") + file));
    effect->play();
}
} // namespace

SoundPlayer::Output SoundPlayer::SetOutput(Output out)
{
    Output previous = output();
    output() = std::move(out);
    return previous;
}

void proc_playsound(int iIdx)
{
    try {
        QCoreApplication::processEvents();
        if (!SoundMayPlay(G_USER_SET))
            return;
        const QString file = SoundFileOfSlot(iIdx);
        // Handed to the event loop the way the sound thread hands it over; the mute is checked
        // again when it plays.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [file] {
                if (!SoundMayPlay(G_USER_SET))
                    return;
                if (output())
                    output()(file);
                else
                    playOnDevice(file);
            },
            Qt::QueuedConnection);
    } catch (const std::exception &e) {
        WriteLogTo(QStringLiteral("main[proc_playsound:") + QString::fromUtf8(e.what()), G_LOG_FILE);
    }
}
