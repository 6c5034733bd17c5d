// Resource counts of the process, taken before and after the soak.
#pragma once

#include <windows.h>

#include <string>

namespace soak {

// Wine's edit control keeps the word-break array it made for a move by words (Ctrl with an arrow key; a
// single-line edit takes Up and Down as Left and Right) when it is destroyed before its text changes again: one
// heap block of one byte per character.
const long   kWordBreakBlocksPerEdit = 1;
const size_t kWordBreakBytesPerChar = 1;

// Manages one reading of what the soak could leak: the windows of this thread (children included) and the
// blocks and bytes in use on the process's heaps.
class CSoakSnapshot
{
public:
    // Reads the counts now.
    void Take();

    long   Windows() const { return m_nWindows; }
    long   HeapBlocks() const { return m_nHeapBlocks; }
    size_t HeapBytes() const { return m_nHeapBytes; }

private:
    static BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam);

    long   m_nWindows = 0;
    long   m_nHeapBlocks = 0;
    size_t m_nHeapBytes = 0;
};

} // namespace soak
