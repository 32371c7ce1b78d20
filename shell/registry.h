#pragma once

#include <cstdint>

// The system registry as the About window's launcher reaches it: keys below a
// few predefined roots, each holding named values of a type with raw bytes,
// read through the three operations of the Windows registry's ANSI interface.
namespace registry {

using HKEY = std::uint32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;

constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

// Results of the operations.
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_MORE_DATA = 234;

// Value types.
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_DWORD = 4;

// Access rights asked for when a key is opened.
constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr DWORD KEY_NOTIFY = 0x0010;
constexpr DWORD KEY_CREATE_LINK = 0x0020;
constexpr DWORD READ_CONTROL = 0x00020000;

// The three registry operations, with the Windows calls' arguments and results.
class Registry
{
public:
    virtual ~Registry() = default;

    // Opens `subKey` below `root` (the root itself when empty) with the access
    // `samDesired`; on success *result receives a handle for the other calls.
    // A key that does not grant that access is not opened (ERROR_ACCESS_DENIED).
    virtual LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD options, DWORD samDesired,
                               HKEY *result) = 0;
    // Reads the value `valueName` of an open key into `data`, which holds
    // *dataSize bytes. *type receives the value's type and *dataSize its size
    // in bytes; a value longer than the buffer fails with ERROR_MORE_DATA
    // (*dataSize then tells the size needed). `type` and `data` may be null.
    virtual LONG RegQueryValueExA(HKEY key, const char *valueName, DWORD *reserved, DWORD *type,
                                  unsigned char *data, DWORD *dataSize) = 0;
    virtual LONG RegCloseKey(HKEY key) = 0;
};

// The registry of this computer. The platform has none: no key is there, so
// every look-up finds nothing.
Registry &systemRegistry();

} // namespace registry
