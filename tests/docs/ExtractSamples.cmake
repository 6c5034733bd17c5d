# Writes every ```cpp block of GUIDE, in order, into OUTPUT as one translation unit. Blocks labelled with a
# file name ("`hello/Hello.cpp`:" on the line above) form a project of their own, built by the package test.
file(READ ${GUIDE} text)
# Semicolons would split CMake list items: carry them through as a placeholder.
string(REPLACE ";" "<semicolon>" text "${text}")
string(REGEX REPLACE "\n`[^`\n]+`:\n```[a-z]*\n[^`]*```" "" text "${text}")
string(REGEX MATCHALL "```cpp\n[^`]*```" blocks "${text}")
set(out "// Generated from the guide's samples; do not edit.\n")
foreach(block IN LISTS blocks)
    string(REGEX REPLACE "^```cpp\n" "" block "${block}")
    string(REGEX REPLACE "```$" "" block "${block}")
    string(APPEND out "${block}\n")
endforeach()
string(REPLACE "<semicolon>" ";" out "${out}")
file(WRITE ${OUTPUT} "${out}")
