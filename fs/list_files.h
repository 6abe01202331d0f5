// Listing the names in a folder that match a wildcard pattern.
#pragma once

#include <cstdint>

#include "text/text.h"

// Fills `file_names` with the names of the non-folder entries of `folder` that
// match `pattern` (the system's wildcard rules), in the order the system's
// search yields them, and returns how many items the list holds. A missing or
// unreadable folder yields no names. Between two names it serves the calling
// thread's window messages (pump_messages).
// The folder gets one backslash after it unless its last character is one (a
// trailing slash is no separator); an empty folder means the root of the
// current drive. The pattern is handed to the system as it is.
//   with_path: each name starts with the folder and one backslash;
//   sorted:    the list is put in ascending order (sort_texts);
//   recurse:   the list is not emptied first, and subfolders are listed too,
//              depth first, after the folder's own names.
std::int32_t list_files(const Text& folder, const Text& pattern, TextList& file_names, bool with_path = false,
                        bool sorted = false, bool recurse = false);

// Dispatches every message waiting in the calling thread's queue.
void pump_messages();

// Ascending insertion by bisection; equal texts need not keep their order.
// Texts compare by character codes, a double-byte character as lead * 256 +
// trail, so capitals come before small letters. With exact_case false every
// comparison folds ASCII letters to capitals: case-insensitive order.
void sort_texts(TextList& texts, bool descending = false, bool exact_case = true);
void reverse_texts(TextList& texts);
