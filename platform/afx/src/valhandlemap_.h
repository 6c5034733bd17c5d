// Per-thread handle maps of the GDI, DC, menu and image-list wrappers (internal to QELAfx.dll).
#pragma once

#include <afxwin.h>
#include <unordered_map>
#include <vector>

class CImageList;

// Maps handles to wrapper objects: permanent entries belong to objects that attached the handle; temporary
// entries are objects made by FromHandle for unknown handles, owned by the map until DeleteTemp().
template<class TObject, class THandle>
class CValueHandleMap
{
public:
    TObject* LookupPermanent(THandle h) const
    {
        typename Map::const_iterator it = m_permanent.find(h);
        return (it == m_permanent.end()) ? NULL : it->second;
    }

    TObject* LookupTemporary(THandle h) const
    {
        typename Map::const_iterator it = m_temporary.find(h);
        return (it == m_temporary.end()) ? NULL : it->second;
    }

    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }

    // Removes the entry only if it still belongs to pObject (the handle may have been attached anew since).
    void RemovePermanent(THandle h, const TObject* pObject)
    {
        typename Map::iterator it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    void SetTemporary(THandle h, TObject* pObject) { m_temporary[h] = pObject; }

    // Hands every temporary object to pfnRelease (which clears its handle and deletes it), then forgets them.
    // The map is emptied first so that a destructor that looks into the map sees a consistent state.
    void DeleteTemp(void (*pfnRelease)(TObject*))
    {
        std::vector<TObject*> objects;
        objects.reserve(m_temporary.size());
        for (typename Map::iterator it = m_temporary.begin(); it != m_temporary.end(); ++it)
            objects.push_back(it->second);
        m_temporary.clear();
        for (size_t i = 0; i < objects.size(); i++)
            pfnRelease(objects[i]);
    }

private:
    typedef std::unordered_map<THandle, TObject*> Map;
    Map m_permanent;
    Map m_temporary;
};

struct CValueThreadMaps
{
    CValueHandleMap<CGdiObject, HGDIOBJ> gdi;
    CValueHandleMap<CDC, HDC> dc;
    CValueHandleMap<CMenu, HMENU> menu;
    CValueHandleMap<CImageList, HIMAGELIST> imageList;
};

// The calling thread's maps, created on first use.
CValueThreadMaps& AfxGetValueThreadMaps();
