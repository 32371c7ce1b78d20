#include "registry.h"

namespace registry {

namespace {

// A registry without keys: nothing opens, so no handle is ever given out.
class EmptyRegistry final : public Registry
{
public:
    LONG RegOpenKeyExA(HKEY, const char *, DWORD, DWORD, HKEY *result) override
    {
        if (result)
            *result = 0;
        return ERROR_FILE_NOT_FOUND;
    }
    LONG RegQueryValueExA(HKEY, const char *, DWORD *, DWORD *, unsigned char *, DWORD *) override
    {
        return ERROR_INVALID_HANDLE;
    }
    LONG RegCloseKey(HKEY) override { return ERROR_INVALID_HANDLE; }
};

} // namespace

Registry &systemRegistry()
{
    static EmptyRegistry registry;
    return registry;
}

} // namespace registry
