#pragma once
// The root of every class with a message map: the application and windows.

#include <windows.h>

#include "framework/message_map.h"

class CCmdTarget {
public:
    // Runs the ON_COMMAND handler for nID from this object's maps; FALSE
    // when none has one.
    BOOL OnCmdMsg(UINT nID);

protected:
    CCmdTarget() = default;
    ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // The first entry for (message, id) in this object's class map or its
    // bases' maps, nearest class first; null when there is none.
    const MessageMapEntry* FindMessageEntry(UINT message, UINT id) const;

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};
