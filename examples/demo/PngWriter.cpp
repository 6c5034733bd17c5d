// PNG encoding through GDI+, which every Windows has: deflate-compressed files without a library of our own.
#include "PngWriter.h"

#include <gdiplus.h>
#include <string>
#include <vector>

namespace {

// GDI+ for the duration of one save.
class CGdiplusSession
{
public:
    CGdiplusSession() : m_token(0)
    {
        const Gdiplus::GdiplusStartupInput input;
        m_bStarted = Gdiplus::GdiplusStartup(&m_token, &input, NULL) == Gdiplus::Ok;
    }
    ~CGdiplusSession()
    {
        if (m_bStarted)
            Gdiplus::GdiplusShutdown(m_token);
    }
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    bool IsStarted() const { return m_bStarted; }

private:
    ULONG_PTR m_token;
    bool m_bStarted;
};

bool FindPngEncoder(CLSID& clsid)
{
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    Gdiplus::ImageCodecInfo* const codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
    {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0)
        {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// A 24-bit copy of the screen rectangle (the PNG then holds RGB without alpha); the caller deletes it.
HBITMAP CaptureScreen(const CRect& rect)
{
    HDC screen = ::GetDC(NULL);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = rect.Width();
    bi.bmiHeader.biHeight = rect.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bmp != NULL)
    {
        HGDIOBJ old = ::SelectObject(mem, bmp);
        ::BitBlt(mem, 0, 0, rect.Width(), rect.Height(), screen, rect.left, rect.top, SRCCOPY);
        ::SelectObject(mem, old);
    }
    ::DeleteDC(mem);
    ::ReleaseDC(NULL, screen);
    return bmp;
}

std::wstring WidePath(LPCTSTR pszPath)
{
#ifdef _UNICODE
    return pszPath;
#else
    const int n = ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, NULL, 0);
    std::wstring path(n > 0 ? n : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, &path[0], n);
    return path;
#endif
}

} // namespace

BOOL CPngWriter::SaveScreenRect(const CRect& rect, LPCTSTR pszPath)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;
    const CGdiplusSession gdiplus;
    CLSID png;
    if (!gdiplus.IsStarted() || !FindPngEncoder(png))
        return FALSE;
    HBITMAP bmp = CaptureScreen(rect);
    if (bmp == NULL)
        return FALSE;
    bool ok;
    {
        Gdiplus::Bitmap image(bmp, NULL);   // released here, before GDI+ shuts down
        ok = image.Save(WidePath(pszPath).c_str(), &png, NULL) == Gdiplus::Ok;
    }
    ::DeleteObject(bmp);
    return ok;
}
