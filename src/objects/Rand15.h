#pragma once

#include <cstdlib>

// The scene's random formulas divide by 32767. glibc's rand() reaches
// 2147483647, so only its low 15 bits are used to keep every draw in 0..32767.
inline int rand15()
{
    return std::rand() & 0x7FFF;
}
