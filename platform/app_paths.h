#pragma once

#include <QString>

// Where the program keeps its files on Linux: beside the program file when that folder is
// writable, otherwise in the user's XDG folders. COURIER_DESK_HOME overrides both, which the sandbox run and tests use to
// keep each run in a folder of its own.
namespace AppPaths
{
// Folder of the running program (applicationDirPath, or the current folder without an app).
QString programDir();
// Base folder for the program's own files ("LOG", "CID", "DOC", settings files); ends with '/'.
QString dataDir();
// Daily logs; ends with '/'.
QString logDir();
// Caller-ID logs and stored messages; ends with '/'.
QString cidDir();
// Region address files; ends with '/'.
QString docDir();
// Request trace folder: tracing is on only when this folder exists at start; ends with '/'.
QString traceDir();
// Creates the folder (and parents) when missing; true when it exists afterwards.
bool ensureDir(const QString &path);
// For tests: forget the cached base folder so that COURIER_DESK_HOME is read again.
void resetForTests();
}
