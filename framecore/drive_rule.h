#pragma once

// The drive types (GetDriveType results) that the programs refuse to run
// from, open from or save to: all but fixed disks (3) and RAM disks (6).
inline bool IsRefusedDriveType(unsigned driveType) { return driveType != 3 && driveType != 6; }
