// What the main window looks like, as plain data, and the small decisions
// about it that do not need a window: where it opens and where Tab goes.
#pragma once

#include <array>

namespace layout {

// Outer size of the main window, frame and title bar included.
constexpr int window_width = 717;
constexpr int window_height = 260;

enum class Kind { link, radio, edit, label, button };

// Control identifiers; the tests find the controls by them.
enum Id : int {
  id_link = 1001,
  id_watch_option,
  id_limit_box,
  id_limit_caption,
  id_directory_caption,
  id_report_label,
  id_progress_label,
  id_directory_box,
  id_start_button,
};

struct Control {
  Id id;
  Kind kind;
  int left, top, width, height;  // client coordinates of the main window
  bool focusable;
  bool wraps;  // labels only: several lines, or one line centred vertically
};

// Top of the stacking order first.
inline constexpr std::array<Control, 9> controls = {{
    {id_link, Kind::link, 576, 88, 120, 32, false, false},
    {id_watch_option, Kind::radio, 176, 72, 128, 32, true, false},
    {id_limit_box, Kind::edit, 88, 64, 64, 40, true, false},
    {id_limit_caption, Kind::label, 16, 72, 64, 24, false, false},
    {id_directory_caption, Kind::label, 24, 16, 40, 40, false, false},
    {id_report_label, Kind::label, 368, 80, 200, 136, false, true},
    {id_progress_label, Kind::label, 8, 136, 344, 80, false, true},
    {id_directory_box, Kind::edit, 72, 24, 432, 40, true, false},
    {id_start_button, Kind::button, 512, 16, 104, 48, true, false},
}};

// Where Tab moves the focus, first to last.
inline constexpr std::array<Id, 4> focus_order = {id_start_button, id_directory_box, id_limit_box,
                                                  id_watch_option};

struct Point {
  int x, y;
};

// Top-left corner that centres the window on a screen of the given size.
// The halves truncate toward zero, so a screen narrower than the window
// puts the corner at minus half the overhang, rounded toward zero.
Point centred_origin(int screen_width, int screen_height);

// The next entry of focus_order after `current` (or before it when
// `backwards`), skipping entries for which `usable` is false and wrapping
// round. `current` may be -1 when the focus is elsewhere: forwards then
// starts at the first entry, backwards at the last. Returns -1 when no entry
// is usable.
int next_focus(int current, bool backwards, const std::array<bool, focus_order.size()>& usable);

}  // namespace layout
