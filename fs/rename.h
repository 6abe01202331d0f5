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
// allow_no_extension false the name must also hold an inner dot. A path that
// holds a zero byte is refused: the system would rename to its shorter head.
bool is_valid_file_path(const Text& path, bool allow_no_extension = true);

// The final component of `path` as PathFindFileNameA finds it (after the last
// backslash, slash or colon that something other than a separator follows),
// with or without its extension; empty when the component's last byte is a
// backslash, so a path ending in one has no file name.
Text file_name_of(const Text& path, bool with_extension = false);

// From the last dot of `name` to its end, or empty (PathFindExtensionA: a
// space or backslash after the dot means no extension).
Text extension_of(const Text& name);

bool has_forbidden_char(const Text& name);

// True when a file or folder exists at `path`.
bool path_exists(const Text& path);
