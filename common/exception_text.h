#pragma once

#include <QString>

#include <exception>

// The text of a caught exception for the log ("unknown exception" when it is not a std::exception).
QString ExceptionText(std::exception_ptr e);
