#include "memory_registry_support.h"

#include <algorithm>
#include <cstring>

using namespace registry;

namespace {

// The predefined roots, HKEY_CLASSES_ROOT to HKEY_DYN_DATA.
constexpr HKEY kFirstRoot = 0x80000000;
constexpr HKEY kLastRoot = 0x80000006;

bool isPredefinedRoot(HKEY key)
{
    return key >= kFirstRoot && key <= kLastRoot;
}

QByteArray folded(const char *text)
{
    return QByteArray(text ? text : "").toLower();
}

} // namespace

void MemoryRegistry::setValue(HKEY root, const QByteArray &keyPath, const QByteArray &valueName, DWORD type,
                              const QByteArray &data)
{
    m_keys[{root, keyPath.toLower()}].values[valueName.toLower()] = Value{type, data};
}

void MemoryRegistry::setKeyAccess(HKEY root, const QByteArray &keyPath, DWORD granted)
{
    m_keys[{root, keyPath.toLower()}].granted = granted;
}

bool MemoryRegistry::exists(const KeyId &id) const
{
    if (id.second.isEmpty())
        return true;
    const QByteArray below = id.second + '\\';
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const auto &entry) {
        const KeyId &stored = entry.first;
        return stored.first == id.first && (stored.second == id.second || stored.second.startsWith(below));
    });
}

DWORD MemoryRegistry::grantedAccess(const KeyId &id) const
{
    const auto found = m_keys.find(id);
    return found == m_keys.end() ? kEveryRight : found->second.granted;
}

LONG MemoryRegistry::RegOpenKeyExA(HKEY root, const char *subKey, DWORD, DWORD samDesired, HKEY *result)
{
    m_lastAccessAsked = samDesired;
    if (!result)
        return ERROR_INVALID_HANDLE;
    *result = 0;
    if (!isPredefinedRoot(root))
        return ERROR_INVALID_HANDLE;
    const KeyId id{root, folded(subKey)};
    if (!exists(id))
        return ERROR_FILE_NOT_FOUND;
    if ((samDesired & ~grantedAccess(id)) != 0)
        return ERROR_ACCESS_DENIED;
    *result = m_nextHandle++;
    m_open[*result] = OpenKey{id, samDesired};
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::RegQueryValueExA(HKEY key, const char *valueName, DWORD *, DWORD *type, unsigned char *data,
                                      DWORD *dataSize)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return ERROR_INVALID_HANDLE;
    if ((open->second.access & KEY_QUERY_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    const auto stored = m_keys.find(open->second.id);
    if (stored == m_keys.end())
        return ERROR_FILE_NOT_FOUND;
    const auto value = stored->second.values.find(folded(valueName));
    if (value == stored->second.values.end())
        return ERROR_FILE_NOT_FOUND;

    const QByteArray &bytes = value->second.data;
    const auto size = DWORD(bytes.size());
    if (type)
        *type = value->second.type;
    if (data && (!dataSize || *dataSize < size)) {
        if (dataSize)
            *dataSize = size;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, bytes.constData(), size);
    if (dataSize)
        *dataSize = size;
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::RegCloseKey(HKEY key)
{
    if (isPredefinedRoot(key))
        return ERROR_SUCCESS;
    return m_open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
