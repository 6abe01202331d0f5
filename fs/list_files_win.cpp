#include <windows.h>

#include "fs/list_files.h"
#include "fs/listing.h"

namespace {

// Serving the thread's messages costs a trip to the window system even when
// the queue is empty, which under Wine is several times the cost of reading
// one directory entry. So a listing serves them for its first name and then
// whenever 10 ms have passed: windows of the listing thread still answer
// promptly, and a long listing is not slowed down by a pump per name.
constexpr DWORD kPumpEveryMs = 10;
thread_local bool t_pump_due = true;
thread_local DWORD t_last_pump = 0;

void pump_while_listing() {
  const DWORD now = GetTickCount();
  if (!t_pump_due && now - t_last_pump < kPumpEveryMs) return;
  t_pump_due = false;
  t_last_pump = now;
  pump_messages();
}

DirectoryEntry entry_of(const WIN32_FIND_DATAA& data) {
  // cFileName is the long name; cAlternateFileName (the 8.3 alias) is never used.
  return {data.cFileName, static_cast<std::uint32_t>(data.dwFileAttributes)};
}

SearchHandle find_first(const Text& search_text, DirectoryEntry& entry) {
  WIN32_FIND_DATAA data{};
  t_pump_due = true;
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
  static const DirectorySearch search{find_first, find_next, find_close, pump_while_listing};
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
