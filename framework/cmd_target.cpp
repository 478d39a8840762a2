#include "framework/cmd_target.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map;
         map = map->getBaseMap ? map->getBaseMap() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->message; ++entry)
            if (entry->message == message && entry->id == id) return entry;
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID)
{
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, nID);
    if (!entry) return FALSE;
    entry->call(*this, 0, 0);
    return TRUE;
}
