#pragma once
#include <iosfwd>
#include <string>

#include "fileops/in_place_change.h"

// What replace-icon and replace-bitmap do to a PE file once the new image has
// passed its checks, just before the change: say on `err` that a signed file
// (a non-empty security directory) loses its Authenticode signature, and with
// `updateChecksum` add the checksum of the changed file to the change when
// the file has a non-zero one (0 means that nobody checks it).
MorePatches PeChangeNotes(const std::string& path, bool updateChecksum, std::ostream& err);
