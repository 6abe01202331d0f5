#include "fs/tests/fake_disk.h"

#include "fs/ansi_chars.h"

namespace {

// Longer search texts fail, as MAX_PATH makes them fail on the system.
constexpr std::size_t max_path = 260;

bool is_separator(char c) { return c == '\\' || c == '/'; }

char fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool same_name(const Text& a, const Text& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = ansi_char_length(a, pos);
    if (length != ansi_char_length(b, pos)) return false;
    if (length == 1 ? fold(a[pos]) != fold(b[pos]) : a.compare(pos, 2, b, pos, 2) != 0) return false;
    pos += length;
  }
  return true;
}

bool match_from(const Text& pattern, std::size_t p, const Text& name, std::size_t n) {
  if (p == pattern.size()) return n == name.size();
  if (pattern[p] == '*') {
    for (std::size_t at = n;; at += ansi_char_length(name, at)) {
      if (match_from(pattern, p + 1, name, at)) return true;
      if (at >= name.size()) return false;
    }
  }
  if (n == name.size()) return false;
  const std::size_t p_length = ansi_char_length(pattern, p);
  const std::size_t n_length = ansi_char_length(name, n);
  if (pattern[p] != '?' && !same_name(pattern.substr(p, p_length), name.substr(n, n_length))) return false;
  return match_from(pattern, p + p_length, name, n + n_length);
}

TextList components_of(const Text& path) {
  TextList components;
  Text part;
  for (std::size_t pos = 0; pos < path.size();) {
    const std::size_t length = ansi_char_length(path, pos);
    if (length == 1 && is_separator(path[pos])) {
      if (!part.empty()) components.push_back(part);
      part.clear();
    } else {
      part.append(path, pos, length);
    }
    pos += length;
  }
  if (!part.empty()) components.push_back(part);
  return components;
}

// The folder at `path`, or null. A drive letter other than C fails; without
// one, and for "C:" with no separator, the path starts at the root.
FakeNode* find_folder(FakeDisk& disk, const Text& path, std::vector<FakeNode*>* trail = nullptr) {
  Text rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    if (fold(rest[0]) != 'C') return nullptr;
    rest = rest.substr(2);
  }
  std::vector<FakeNode*> folders{&disk.root};
  for (const Text& component : components_of(rest)) {
    if (component == ".") continue;
    if (component == "..") {
      if (folders.size() > 1) folders.pop_back();
      continue;
    }
    FakeNode* found = nullptr;
    for (FakeNode& child : folders.back()->children) {
      if (same_name(child.name, component)) found = &child;
    }
    if (found == nullptr || (found->attributes & folder_attribute) == 0) return nullptr;
    folders.push_back(found);
  }
  if (trail != nullptr) *trail = folders;
  return folders.back();
}

SearchHandle fake_find_first(FakeDisk& disk, const Text& search_text, DirectoryEntry& entry) {
  if (disk.search_texts.size() >= disk.search_budget) return 0;
  disk.search_texts.push_back(search_text);
  if (search_text.size() >= max_path) return 0;
  std::size_t split = Text::npos;
  for (std::size_t pos = 0; pos < search_text.size(); pos += ansi_char_length(search_text, pos)) {
    if (is_separator(search_text[pos])) split = pos;
  }
  Text folder_part;
  Text pattern = search_text;
  if (split != Text::npos) {
    folder_part = search_text.substr(0, split + 1);
    pattern = search_text.substr(split + 1);
  } else if (search_text.size() >= 2 && search_text[1] == ':') {
    folder_part = search_text.substr(0, 2);
    pattern = search_text.substr(2);
  }
  if (pattern.empty()) return 0;
  std::vector<FakeNode*> trail;
  FakeNode* folder = find_folder(disk, folder_part, &trail);
  if (folder == nullptr) return 0;

  FakeSearch search;
  if (trail.size() > 1) {
    for (const char* dots : {".", ".."}) {
      if (wildcard_match(pattern, dots)) search.entries.push_back({dots, folder_attribute});
    }
  }
  for (const FakeNode& child : folder->children) {
    if (wildcard_match(pattern, child.name)) search.entries.push_back({child.name, child.attributes});
  }
  if (search.entries.empty()) return 0;
  entry = search.entries[0];
  search.next = 1;
  disk.open_searches[++disk.last_handle] = search;
  return disk.last_handle;
}

bool fake_find_next(FakeDisk& disk, SearchHandle handle, DirectoryEntry& entry) {
  auto found = disk.open_searches.find(handle);
  if (found == disk.open_searches.end()) return false;
  FakeSearch& search = found->second;
  if (search.next == search.entries.size()) return false;
  entry = search.entries[search.next++];
  return true;
}

}  // namespace

bool wildcard_match(const Text& pattern, const Text& name) {
  if (match_from(pattern, 0, name, 0)) return true;
  const std::size_t size = pattern.size();
  return size >= 2 && pattern.compare(size - 2, 2, ".*") == 0 &&
         match_from(pattern.substr(0, size - 2), 0, name, 0);
}

bool fake_add(FakeDisk& disk, const Text& path, std::uint32_t attributes) {
  const TextList components = components_of(path);
  if (components.empty()) return false;
  const Text& name = components.back();
  FakeNode* parent = find_folder(disk, path.substr(0, path.size() - name.size()));
  if (parent == nullptr) return false;
  for (const FakeNode& child : parent->children) {
    if (same_name(child.name, name)) return false;
  }
  parent->children.push_back({name, attributes, {}});
  return true;
}

DirectorySearch fake_search(FakeDisk& disk) {
  return {
      [&disk](const Text& search_text, DirectoryEntry& entry) {
        return fake_find_first(disk, search_text, entry);
      },
      [&disk](SearchHandle handle, DirectoryEntry& entry) { return fake_find_next(disk, handle, entry); },
      [&disk](SearchHandle handle) { disk.open_searches.erase(handle); },
      [&disk] { ++disk.pumps; },
  };
}
