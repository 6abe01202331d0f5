#include "fs/list_files.h"

#include <algorithm>
#include <utility>

#include "fs/ansi_chars.h"
#include "fs/listing.h"

namespace {

// The file search takes everything but folders; the folder search only
// folders, "." and ".." included (the descent passes over those two).
enum class Wanted { files, folders };

bool is_wanted(const DirectoryEntry& entry, Wanted wanted) {
  const bool folder = (entry.attributes & folder_attribute) != 0;
  return wanted == Wanted::folders ? folder : !folder;
}

// One call's search: at most one open system search at a time.
struct SearchState {
  const DirectorySearch& system;
  SearchHandle handle = 0;
};

void close_search(SearchState& state) {
  if (state.handle == 0) return;
  state.system.find_close(state.handle);
  state.handle = 0;
}

// Skips entries the filter does not take, starting with `entry`. A failed
// step ends the search for good.
bool take_next_wanted(SearchState& state, Wanted wanted, DirectoryEntry& entry, Text& name) {
  while (!is_wanted(entry, wanted)) {
    if (!state.system.find_next(state.handle, entry)) {
      close_search(state);
      return false;
    }
  }
  name = entry.name;
  return true;
}

bool start_search(SearchState& state, const Text& search_text, Wanted wanted, Text& name) {
  close_search(state);
  DirectoryEntry entry;
  state.handle = state.system.find_first(search_text, entry);
  if (state.handle == 0) return false;
  return take_next_wanted(state, wanted, entry, name);
}

bool next_name(SearchState& state, Wanted wanted, Text& name) {
  if (state.handle == 0) return false;
  DirectoryEntry entry;
  if (!state.system.find_next(state.handle, entry)) {
    close_search(state);
    return false;
  }
  return take_next_wanted(state, wanted, entry, name);
}

struct CharCode {
  unsigned value;
  std::size_t length;
};

CharCode char_code(const Text& text, std::size_t pos, bool exact_case) {
  const std::size_t length = ansi_char_length(text, pos);
  const unsigned first = static_cast<unsigned char>(text[pos]);
  if (length == 2) return {first * 256 + static_cast<unsigned char>(text[pos + 1]), 2};
  if (!exact_case && first >= 'a' && first <= 'z') return {first - 'a' + 'A', 1};
  return {first, 1};
}

}  // namespace

Text search_prefix(const Text& folder) {
  // Judge the last character, not the last byte: the second byte of a
  // double-byte character can be 0x5C, and taking it for a separator would
  // search the parent folder instead.
  std::size_t last = Text::npos;
  for (std::size_t pos = 0; pos < folder.size(); pos += ansi_char_length(folder, pos)) last = pos;
  const bool ends_in_backslash = last != Text::npos && folder.size() - last == 1 && folder[last] == '\\';
  return ends_in_backslash ? folder : folder + '\\';
}

std::int32_t list_files_over(const DirectorySearch& system, const Text& folder, const Text& pattern,
                             TextList& file_names, bool with_path, bool sorted, bool recurse) {
  if (!recurse) file_names.clear();
  const Text prefix = search_prefix(folder);
  SearchState state{system};

  Text name;
  for (bool found = start_search(state, prefix + pattern, Wanted::files, name); found;
       found = next_name(state, Wanted::files, name)) {
    file_names.push_back(with_path ? prefix + name : name);
    system.pump();
  }

  // The whole list, the caller's items included, so that with recurse every
  // level leaves it in order.
  if (sorted) sort_texts(file_names);

  if (recurse) {
    for (bool found = start_search(state, prefix + "*.*", Wanted::folders, name); found;
         found = next_name(state, Wanted::folders, name)) {
      if (name == "." || name == "..") continue;
      list_files_over(system, prefix + name, pattern, file_names, with_path, sorted, recurse);
      system.pump();
    }
  }

  close_search(state);
  return static_cast<std::int32_t>(file_names.size());
}

int compare_texts(const Text& a, const Text& b, bool exact_case) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const CharCode x = char_code(a, i, exact_case);
    const CharCode y = char_code(b, j, exact_case);
    if (x.value != y.value) return x.value < y.value ? -1 : 1;
    i += x.length;
    j += y.length;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

// With `exact_case` false every comparison folds ASCII letters to capitals, so
// the result is in case-insensitive order (double-byte characters untouched);
// texts that differ only in case count as equal and may come in either order.
void sort_texts(TextList& texts, bool descending, bool exact_case) {
  TextList source;
  source.swap(texts);
  texts.reserve(source.size());
  for (Text& x : source) {
    const std::size_t n = texts.size();
    if (n == 0 || compare_texts(x, texts[n - 1], exact_case) >= 0) {
      texts.push_back(std::move(x));
      continue;
    }
    if (compare_texts(x, texts[0], exact_case) <= 0) {
      texts.insert(texts.begin(), std::move(x));
      continue;
    }
    // Here texts[0] < x < texts[n - 1]. Bisect over 1-based positions: x lies
    // after item `low` and before item `high`; an equal item stops the search
    // and x goes in front of it.
    std::size_t low = 1;
    std::size_t high = n;
    std::size_t mid = (low + high) / 2;
    while (high - low >= 2) {
      const int order = compare_texts(x, texts[mid - 1], exact_case);
      if (order == 0) break;
      if (order < 0) {
        high = mid;
      } else {
        low = mid;
      }
      mid = (low + high) / 2;
    }
    const std::size_t position = compare_texts(x, texts[mid - 1], exact_case) > 0 ? mid + 1 : mid;
    texts.insert(texts.begin() + static_cast<std::ptrdiff_t>(position - 1), std::move(x));
  }
  if (descending) reverse_texts(texts);
}

void reverse_texts(TextList& texts) { std::reverse(texts.begin(), texts.end()); }
