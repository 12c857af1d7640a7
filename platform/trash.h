#pragma once

#include <QString>

// Moves a file or folder to the user's trash (recycle bin) instead of deleting it, so that the
// user can still get it back. False with error set when it could not be moved.
bool MoveToTrash(const QString &path, QString *error = nullptr);
