#include <windows.h>

#include "fs/list_files.h"
#include "fs/listing.h"

namespace {

DirectoryEntry entry_of(const WIN32_FIND_DATAA& data) {
  // cFileName is the long name; cAlternateFileName (the 8.3 alias) is never used.
  return {data.cFileName, static_cast<std::uint32_t>(data.dwFileAttributes)};
}

SearchHandle find_first(const Text& search_text, DirectoryEntry& entry) {
  WIN32_FIND_DATAA data{};
  const HANDLE search = FindFirstFileA(search_text.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  entry = entry_of(data);
  return reinterpret_cast<SearchHandle>(search);
}

bool find_next(SearchHandle search, DirectoryEntry& entry) {
  WIN32_FIND_DATAA data{};
  if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &data)) return false;
  entry = entry_of(data);
  return true;
}

void find_close(SearchHandle search) { FindClose(reinterpret_cast<HANDLE>(search)); }

}  // namespace

const DirectorySearch& system_directory_search() {
  static const DirectorySearch search{find_first, find_next, find_close, pump_messages};
  return search;
}

std::int32_t list_files(const Text& folder, const Text& pattern, TextList& file_names, bool with_path,
                        bool sorted, bool recurse) {
  return list_files_over(system_directory_search(), folder, pattern, file_names, with_path, sorted, recurse);
}

// A quit message is dispatched like any other and does not stop the loop: the
// caller's own loop, not the listing, decides when a thread ends.
void pump_messages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
