#pragma once
// The processor's vector unit and the C library's AVX-512 copy routines.
//
// On processors with AVX-512, the C library's memcpy and memmove may leave
// the upper halves of the vector registers marked in use. Until something
// clears that state, every instruction of code built for the plain x86-64
// baseline (this program, the toolkit) pays for a false dependency on
// those halves: the wave engine's 62,000 cosines took 13 ms instead of 1 ms
// inside the desktop program, and the drawing slowed alike. The program
// clears the state before its heavy work.

namespace orvane {

// Executes VZEROUPPER where the processor has AVX; nothing elsewhere. Cheap
// (a few cycles): call it right before a burst of computation or drawing.
void ClearUpperVectorState();

}  // namespace orvane
