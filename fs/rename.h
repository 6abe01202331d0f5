// The only way the program changes anything on disk: a rename that never
// overwrites, done only when the new path is a plausible absolute file path.
#pragma once

#include "text/text.h"

// The nine characters Windows does not allow in a file name.
extern const TextList forbidden_name_chars;

// True only when `new_path` passes is_valid_file_path and the system renamed
// the file. An existing file at `new_path` is never replaced.
bool rename_checked(const Text& old_path, const Text& new_path);

// A drive letter first, a colon followed by a backslash or slash somewhere,
// and a non-empty final name free of forbidden characters. With
// allow_no_extension false the name must also hold an inner dot.
bool is_valid_file_path(const Text& path, bool allow_no_extension = true);

// The final component of `path` (after the last backslash or slash), with or
// without its extension; empty when the path ends in a backslash.
Text file_name_of(const Text& path, bool with_extension = false);

// From the last dot of `name` to its end, or empty.
Text extension_of(const Text& name);

bool has_forbidden_char(const Text& name);

// True when a file or folder exists at `path`.
bool path_exists(const Text& path);
