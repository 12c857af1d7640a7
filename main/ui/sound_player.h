#pragma once

#include <QString>

#include <functional>

class QSoundEffect;

// The program's alert sounds. One sound at a time: a newer one replaces the one still playing.
// Muted (G_USER_SET.MuteSound not "0") nothing plays.
class SoundPlayer
{
public:
    // What actually makes the sound (the file, or empty for the desktop's default sound); tests
    // install a recorder. Returns the previous one.
    using Output = std::function<void(const QString &file)>;
    static Output SetOutput(Output output);
};

// proc_playsound: plays sound slot iIdx unless muted. Errors go to the trace file.
void proc_playsound(int iIdx);
