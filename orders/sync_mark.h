#pragma once

#include <QString>

#include <exception>

// A sync mark from a reply goes back as a field of the next request: a mark longer than any the
// server makes, or one holding the field separator, would break that request, so it is not kept.
bool IsUsableSyncMark(const QString &mark);

// The text of a caught exception for the log ("unknown exception" when it is not a std::exception).
QString ExceptionText(std::exception_ptr e);
