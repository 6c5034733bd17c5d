// PNG encoding: signature, IHDR, IDAT with a zlib stream of stored blocks, IEND; CRC-32 and Adler-32.
#include "PngWriter.h"

#include <stdio.h>
#include <vector>

namespace {

unsigned long Crc32(const unsigned char* p, size_t n, unsigned long crc = 0xFFFFFFFFUL)
{
    static unsigned long table[256];
    static bool ready = false;
    if (!ready)
    {
        for (unsigned long i = 0; i < 256; ++i)
        {
            unsigned long c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

void PutBE32(std::vector<unsigned char>& out, unsigned long v)
{
    out.push_back(static_cast<unsigned char>(v >> 24));
    out.push_back(static_cast<unsigned char>(v >> 16));
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v));
}

void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    PutBE32(out, static_cast<unsigned long>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBE32(out, Crc32(&out[start], out.size() - start) ^ 0xFFFFFFFFUL);
}

std::vector<unsigned char> ZlibStored(const std::vector<unsigned char>& raw)
{
    std::vector<unsigned char> z = { 0x78, 0x01 };
    unsigned long a = 1, b = 0;
    for (unsigned char c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    size_t pos = 0;
    do
    {
        const size_t n = raw.size() - pos > 65535 ? 65535 : raw.size() - pos;
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n));
        z.push_back(static_cast<unsigned char>(~n >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    PutBE32(z, (b << 16) | a);
    return z;
}

} // namespace

BOOL CPngWriter::SaveScreenRect(const CRect& rect, LPCSTR pszPath)
{
    const int cx = rect.Width(), cy = rect.Height();
    if (cx <= 0 || cy <= 0)
        return FALSE;

    HDC screen = ::GetDC(NULL);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, cx, cy, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();

    // Each row: filter byte 0, then R, G, B.
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(cy) * (cx * 3 + 1));
    const unsigned char* p = static_cast<const unsigned char*>(bits);
    for (int y = 0; y < cy; ++y)
    {
        raw.push_back(0);
        for (int x = 0; x < cx; ++x, p += 4)
        {
            raw.push_back(p[2]);
            raw.push_back(p[1]);
            raw.push_back(p[0]);
        }
    }
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(NULL, screen);

    std::vector<unsigned char> png = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    std::vector<unsigned char> header;
    PutBE32(header, static_cast<unsigned long>(cx));
    PutBE32(header, static_cast<unsigned long>(cy));
    header.insert(header.end(), { 8, 2, 0, 0, 0 });
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(raw));
    PutChunk(png, "IEND", std::vector<unsigned char>());

    FILE* f = fopen(pszPath, "wb");
    if (f == NULL)
        return FALSE;
    const bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
    return fclose(f) == 0 && ok;
}
