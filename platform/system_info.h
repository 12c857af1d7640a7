#pragma once

#include <QString>

// Facts about the running system that the login and start-up report or depend on.

// The major version number of the operating system's kernel as decimal text ("6").
QString GetWinMajorVersion();
// True on a 64-bit system.
bool IsWin64();

// Waits at least ms milliseconds while the program keeps handling its events in 1 ms steps, so
// the windows stay responsive; it may run again from an event handled meanwhile.
void WaitMs(int ms);
