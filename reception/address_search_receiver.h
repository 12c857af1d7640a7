#pragma once

#include "records/message_records.h"

// A window that takes the address the search chose: the reception window, a quick-reception
// window. The search keeps a guarded pointer to the object and checks it before handing over.
class AddressSearchReceiver
{
public:
    virtual ~AddressSearchReceiver() = default;
    // Applies the chosen record (an empty record empties the receiver's address).
    virtual void receiveAddress(const TMSG_ADDR &addr) = 0;
};

#include <QObject>
#include <QPointer>

// The stored hand-over of a search: the object that opened it, never a tab position, so any
// window implementing AddressSearchReceiver can use the search. A receiver closed meanwhile gets
// nothing.
class AddressSearchHandOver
{
public:
    void setReceiver(QObject *receiver) { m_target = receiver; }
    AddressSearchReceiver *receiver() const { return dynamic_cast<AddressSearchReceiver *>(m_target.data()); }
    // Hands the record over; false when there is no receiver (any more).
    bool deliver(const TMSG_ADDR &addr) const
    {
        AddressSearchReceiver *r = receiver();
        if (!r)
            return false;
        r->receiveAddress(addr);
        return true;
    }

private:
    QPointer<QObject> m_target;
};
