#pragma once

// The peak resident size of this process since the last reset (Linux: VmHWM,
// reset through clear_refs), in KiB; -1 where it cannot be read.
void ResetPeak();
long PeakKiB();
