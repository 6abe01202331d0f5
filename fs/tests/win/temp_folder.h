// Real temporary folders for the Windows tests.
#pragma once

#include <cstdint>

#include "fs/tests/disk.h"

// A fresh, empty folder under the system's temporary folder: its path without
// a separator at the end.
Text make_temp_folder();

// Removes the folder and everything in it, read-only files included.
void remove_tree(const Text& folder);

bool write_file(const Text& path, const Text& content);
// The file's content; false when it cannot be read.
bool read_file(const Text& path, Text& content);

// A Disk on a fresh temporary folder, over the system's own directory search.
Disk make_real_disk();
