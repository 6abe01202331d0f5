#include <windows.h>

#include "fs/paths.h"
#include "fs/rename.h"

bool rename_checked(const Text& old_path, const Text& new_path) {
  return rename_checked_with(old_path, new_path, [](const Text& from, const Text& to) {
    // MoveFileA fails, changing nothing, when `to` exists.
    return MoveFileA(from.c_str(), to.c_str()) != 0;
  });
}

bool path_exists(const Text& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
