#include "fs/rename.h"

#include "fs/ansi_chars.h"
#include "fs/paths.h"

const TextList forbidden_name_chars = {"?", "/", "\\", "<", ">", "*", "|", ":", "\""};

Text path_find_file_name(const Text& path) {
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += ansi_char_length(path, pos)) {
    const char c = path[pos];
    const bool separator = c == '\\' || c == '/' || c == ':';
    if (separator && pos + 1 < path.size() && path[pos + 1] != '\\' && path[pos + 1] != '/') start = pos + 1;
  }
  return path.substr(start);
}

Text extension_of(const Text& name) {
  std::size_t dot = Text::npos;
  for (std::size_t pos = 0; pos < name.size(); pos += ansi_char_length(name, pos)) {
    const char c = name[pos];
    if (c == '\\' || c == ' ') {
      dot = Text::npos;
    } else if (c == '.') {
      dot = pos;
    }
  }
  return dot == Text::npos ? Text() : name.substr(dot);
}

Text file_name_of(const Text& path, bool with_extension) {
  const Text component = path_find_file_name(path);
  // The last byte, even when it is the second byte of a double-byte
  // character: such a name is refused rather than guessed at.
  if (!component.empty() && component.back() == '\\') return Text();
  if (with_extension) return component;
  return component.substr(0, component.size() - extension_of(component).size());
}

bool has_forbidden_char(const Text& name) {
  for (const Text& forbidden : forbidden_name_chars) {
    if (find_text(name, forbidden) != Text::npos) return true;
  }
  return false;
}

bool is_valid_file_path(const Text& path, bool allow_no_extension) {
  // The system reads a path up to its first zero byte; a path holding one
  // would be checked in full but renamed to its shorter head.
  if (path.find('\0') != Text::npos) return false;

  const Text first = upper_ascii(path.substr(0, 1));
  if (first.empty() || first[0] < 'A' || first[0] > 'Z') return false;

  if (find_text(path, ":\\") == Text::npos && find_text(path, ":/") == Text::npos) return false;

  const Text name = file_name_of(path, true);
  if (name.empty()) return false;

  if (has_forbidden_char(name)) return false;

  if (allow_no_extension) return true;
  // Its last dot neither the name's first nor its last byte.
  const std::size_t dot = find_last_text(name, ".");
  return dot != Text::npos && dot > 0 && dot + 1 < name.size();
}

bool rename_checked_with(const Text& old_path, const Text& new_path, const MoveFileFunction& move) {
  if (!is_valid_file_path(new_path)) return false;
  return move(old_path, new_path);
}
