// Import patching of a loaded module.
#include "QELTestImportPatch.h"

#include <string.h>

namespace qeltest {

namespace {

void WriteSlot(void** ppSlot, void* pValue)
{
    DWORD dwOld = 0;
    ::VirtualProtect(ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
    *ppSlot = pValue;
    ::VirtualProtect(ppSlot, sizeof(void*), dwOld, &dwOld);
}

} // namespace

CImportPatch::CImportPatch(HMODULE hModule, const char* pszFunction, const void* pfnReplacement,
                           const char* pszImportedFrom)
{
    if (hModule == NULL)
        return;
    BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
    const IMAGE_DOS_HEADER* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const IMAGE_NT_HEADERS* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return;

    for (const IMAGE_IMPORT_DESCRIPTOR* pDesc =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress);
         pDesc->Name != 0; ++pDesc)
    {
        if (pszImportedFrom != nullptr && lstrcmpiA(reinterpret_cast<const char*>(pBase + pDesc->Name), pszImportedFrom) != 0)
            continue;
        const DWORD nNames = pDesc->OriginalFirstThunk != 0 ? pDesc->OriginalFirstThunk : pDesc->FirstThunk;
        const IMAGE_THUNK_DATA* pName = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + nNames);
        IMAGE_THUNK_DATA* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->FirstThunk);
        for (; pName->u1.AddressOfData != 0; ++pName, ++pSlot)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* pByName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char*>(pByName->Name), pszFunction) != 0)
                continue;
            void** ppSlot = reinterpret_cast<void**>(&pSlot->u1.Function);
            m_pfnOriginal = *ppSlot;
            WriteSlot(ppSlot, const_cast<void*>(pfnReplacement));
            m_slots.push_back(ppSlot);
        }
    }
}

CImportPatch::~CImportPatch()
{
    for (void** ppSlot : m_slots)
        WriteSlot(ppSlot, m_pfnOriginal);
}

} // namespace qeltest
