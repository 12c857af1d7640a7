#pragma once

#include <QtGlobal>

// Money figures of a user, head office, branch or store as whole numbers. The short text fields
// beside them cannot hold every amount the server may send; these always hold the full value.
struct TCashFigures
{
    qint64 cash = 0;         // balance
    qint64 deposit = 0;      // deposit
    qint64 outstanding = 0;  // amount not yet deducted
};
