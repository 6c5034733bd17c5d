// Import patching: replaces a function that one module imports by name, in that module's import address
// table only, so that the module's own calls reach a stand-in (fault injection, recording, counting).
#pragma once

#include <windows.h>

#include <vector>

namespace qeltest {

// For its lifetime, every import slot of the function in the module holds the replacement; the
// destructor puts the original back. pszImportedFrom, when given, limits the patch to that DLL's imports.
class CImportPatch
{
public:
    CImportPatch(HMODULE hModule, const char* pszFunction, const void* pfnReplacement,
                 const char* pszImportedFrom = nullptr);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    // Number of import slots replaced; 0 when the module does not import the function.
    int Count() const { return static_cast<int>(m_slots.size()); }
    bool Installed() const { return !m_slots.empty(); }
    // The function the slots held before.
    void* Original() const { return m_pfnOriginal; }

private:
    std::vector<void**> m_slots;
    void*               m_pfnOriginal = nullptr;
};

} // namespace qeltest
