#pragma once
// Message maps: a static table per class that names which member handles
// which message, searched in the class's table and then in its base's.
//
// Each entry calls its handler through a Cracker, which unpacks the message's
// parameters for that one message and states the handler's signature. The
// handler's address goes in as a template argument and is converted to the
// Cracker's handler type of the map's own class, so a handler with the wrong
// signature, or of a class the map's class does not derive from, does not
// compile. No member-function pointer is ever cast.

#include <windows.h>

class CCmdTarget;

using MessageCall = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;      // 0 ends the table
    UINT id;           // command identifier for WM_COMMAND entries, else 0
    MessageCall call;
};

struct MessageMap {
    const MessageMap* (*getBaseMap)();  // null for the root
    const MessageMapEntry* entries;
};

template <UINT Message> struct Cracker;  // one specialisation per message handled

template <> struct Cracker<WM_COMMAND> {  // void OnXxx()
    template <class T> using Handler = void (T::*)();
    template <class T, auto F> static LRESULT Call(CCmdTarget& target, WPARAM, LPARAM)
    {
        constexpr Handler<T> handler = F;
        (static_cast<T&>(target).*handler)();
        return 0;
    }
};

template <> struct Cracker<WM_PAINT> {  // void OnPaint()
    template <class T> using Handler = void (T::*)();
    template <class T, auto F> static LRESULT Call(CCmdTarget& target, WPARAM, LPARAM)
    {
        constexpr Handler<T> handler = F;
        (static_cast<T&>(target).*handler)();
        return 0;
    }
};

template <> struct Cracker<WM_SYSCOMMAND> {  // void OnSysCommand(UINT nID, LPARAM lParam)
    template <class T> using Handler = void (T::*)(UINT, LPARAM);
    template <class T, auto F> static LRESULT Call(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
    {
        constexpr Handler<T> handler = F;
        (static_cast<T&>(target).*handler)(static_cast<UINT>(wParam), lParam);
        return 0;
    }
};

template <> struct Cracker<WM_QUERYDRAGICON> {  // HCURSOR OnQueryDragIcon()
    template <class T> using Handler = HCURSOR (T::*)();
    template <class T, auto F> static LRESULT Call(CCmdTarget& target, WPARAM, LPARAM)
    {
        constexpr Handler<T> handler = F;
        return reinterpret_cast<LRESULT>((static_cast<T&>(target).*handler)());
    }
};

// In the class body.
#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const MessageMap* GetThisMessageMap();              \
    const MessageMap* GetMessageMap() const override;

// In the class's source file: BEGIN_MESSAGE_MAP, the entries, END_MESSAGE_MAP.
// Everything is a constant, so the tables need no run-time initialisation.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap()                              \
    {                                                                            \
        using ThisClass [[maybe_unused]] = theClass;                            \
        using TheBaseClass = baseClass;                                          \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                        \
            {0, 0, nullptr}};                                                    \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                             \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(id), &Cracker<WM_COMMAND>::Call<ThisClass, &memberFxn>},
#define ON_WM_PAINT() \
    {WM_PAINT, 0, &Cracker<WM_PAINT>::Call<ThisClass, &ThisClass::OnPaint>},
#define ON_WM_SYSCOMMAND() \
    {WM_SYSCOMMAND, 0, &Cracker<WM_SYSCOMMAND>::Call<ThisClass, &ThisClass::OnSysCommand>},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, &Cracker<WM_QUERYDRAGICON>::Call<ThisClass, &ThisClass::OnQueryDragIcon>},
