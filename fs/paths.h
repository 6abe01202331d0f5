// Path parts as the system's shell routines find them, and the guarded rename
// over a replaceable move, for tests.
#pragma once

#include <functional>

#include "text/text.h"

// The final component of `path`, as PathFindFileNameA finds it: after the last
// backslash, slash or colon that is followed by something other than a
// backslash or slash. So "C:\v\" gives "v\" and "C:\" gives the whole path.
Text path_find_file_name(const Text& path);

// Renames `old_path` to `new_path`; false when it cannot. Never overwrites.
using MoveFileFunction = std::function<bool(const Text& old_path, const Text& new_path)>;

// rename_checked with `move` in place of the system's MoveFileA.
bool rename_checked_with(const Text& old_path, const Text& new_path, const MoveFileFunction& move);
