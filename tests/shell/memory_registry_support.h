#pragma once

#include "registry.h"

#include <QByteArray>

#include <map>
#include <utility>

// A registry held in memory, for driving the launcher's look-ups through
// every answer the Windows registry gives. Key paths and value names compare
// without regard to case. A key exists once a value or an access rule has
// been set on it or on a key below it; keys grant every right unless limited.
class MemoryRegistry : public registry::Registry
{
public:
    using HKEY = registry::HKEY;
    using DWORD = registry::DWORD;
    using LONG = registry::LONG;

    void setValue(HKEY root, const QByteArray &keyPath, const QByteArray &valueName, DWORD type,
                  const QByteArray &data);
    // The rights that opening `keyPath` may ask for; more is refused.
    void setKeyAccess(HKEY root, const QByteArray &keyPath, DWORD granted);
    // Handles opened and not yet closed.
    int openKeyCount() const { return int(m_open.size()); }
    // The rights asked for by the last opening, granted or not; 0 before any.
    DWORD lastAccessAsked() const { return m_lastAccessAsked; }

    LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD options, DWORD samDesired,
                       HKEY *result) override;
    LONG RegQueryValueExA(HKEY key, const char *valueName, DWORD *reserved, DWORD *type,
                          unsigned char *data, DWORD *dataSize) override;
    LONG RegCloseKey(HKEY key) override;

private:
    struct Value
    {
        DWORD type;
        QByteArray data;
    };
    static constexpr DWORD kEveryRight = ~DWORD(0);
    struct Key
    {
        std::map<QByteArray, Value> values;   // by lower-case name
        DWORD granted = kEveryRight;
    };
    using KeyId = std::pair<HKEY, QByteArray>;   // root, lower-case path
    struct OpenKey
    {
        KeyId id;
        DWORD access;
    };

    bool exists(const KeyId &id) const;
    DWORD grantedAccess(const KeyId &id) const;

    std::map<KeyId, Key> m_keys;
    std::map<HKEY, OpenKey> m_open;
    HKEY m_nextHandle = 0x100;   // below the predefined roots, like a handle of the system
    DWORD m_lastAccessAsked = 0;
};
