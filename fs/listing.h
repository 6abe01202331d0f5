// The parts of the listing that tests reach: the directory search seam that
// list_files runs over, the search prefix and the sort's comparison.
#pragma once

#include <cstdint>
#include <functional>

#include "text/text.h"

// 0 stands for "no search".
using SearchHandle = std::uintptr_t;

// What a listing uses of one directory entry: its long name (never the 8.3
// alias, no folder part) and its attributes.
struct DirectoryEntry {
  Text name;
  std::uint32_t attributes = 0;
};

// FILE_ATTRIBUTE_DIRECTORY, the only attribute a listing looks at.
inline constexpr std::uint32_t folder_attribute = 0x10;

// The system calls a listing makes, so that the same listing runs over the
// real FindFirstFileA family and over an in-memory folder tree.
struct DirectorySearch {
  // Opens a search and fills its first entry; 0 when the system finds nothing.
  std::function<SearchHandle(const Text& search_text, DirectoryEntry& entry)> find_first;
  // The next entry; false when there is none (or the search failed).
  std::function<bool(SearchHandle search, DirectoryEntry& entry)> find_next;
  std::function<void(SearchHandle search)> find_close;
  // Serves the calling thread's waiting window messages.
  std::function<void()> pump;
};

// list_files over `system`.
std::int32_t list_files_over(const DirectorySearch& system, const Text& folder, const Text& pattern,
                             TextList& file_names, bool with_path, bool sorted, bool recurse);

// The folder followed by one backslash, unless its last character already is
// one.
Text search_prefix(const Text& folder);

// Negative, zero or positive as `a` sorts before, with or after `b`: character
// by character, a double-byte character counting as lead * 256 + trail, so
// every double-byte character sorts after every single-byte one; a text that
// is the leading part of another comes first. With `exact_case` false, ASCII
// letters compare as their capitals.
int compare_texts(const Text& a, const Text& b, bool exact_case);

// The real search (Windows only).
const DirectorySearch& system_directory_search();
