#pragma once
// The stack guard of the programs' own stack protection (-fstack-protector-strong), provided here
// rather than by the toolchain's runtime, which seeds it through the crypto API and so loads DLLs
// by name while the process starts. The value comes from what the process already has: the
// clocks, the counters, its ids and where address-space layout randomisation put its stack, heap
// and image. Its lowest byte is zero, so that a string copied past a buffer's end cannot write the
// guard back as it was.

// Sets the guard for this process. Called at the entry point, before any protected function runs;
// a protected function that is running while the guard changes would report an overrun.
void SeedStackGuard();
