#pragma once

// How the process keeps the memory it frees.

#include <malloc.h>

// Freed memory stays with the process instead of going back to the kernel. The Oscillator's
// spectrum holds 800 KB of states; handed back each time a slider step replaces it, the next
// spectrum paid its page faults again, a fifth of its time. Blocks up to 32 MB come from the
// heap for the same reason. Called once, first thing, by every program that computes spectra.
inline void KeepFreedMemory() {
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
}
