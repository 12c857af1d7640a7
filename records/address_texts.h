#pragma once

#include <QString>

// Address texts of the order rows and reception windows. Words are separated by single spaces;
// the first two words of a full address are its province and district.

// "<lot rest>[<road rest>]" of the two addresses without province and district; an earlier
// "[<road rest>]" inside the lot address is dropped first. With only one address given, its rest
// alone. An address of fewer than three words counts whole.
QString ShortAddrText(const QString &lotAddr, const QString &roadAddr);

// addr + "[" + roadAddr without province and district + "]"; either alone when the other is empty.
QString AddrRoadText(const QString &addr, const QString &roadAddr);

// The order's address line: the parts lose their province (and district); the road part goes in
// brackets. An app order never modified (modCount 0) shows the app's address; otherwise lot,
// typed and road parts. The building is appended unless the text already holds it (spaces
// ignored).
QString MakeAddrText(const QString &lotAddr, const QString &inputAddr, const QString &roadAddr,
                     const QString &appAddr, const QString &building, int modCount);
