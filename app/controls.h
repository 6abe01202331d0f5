// The self-painted controls of the main window: labels and the link.
#pragma once

#include <windows.h>

namespace controls {

inline constexpr const char* label_class = "MorvaneLabel";
inline constexpr const char* link_class = "MorvaneLink";

// Label style bit: the caption wraps over several lines. Without it the
// caption is one line, centred vertically.
inline constexpr DWORD label_wraps = 0x0001;

// Link colours by state; hover wins over visited.
inline constexpr COLORREF link_normal = RGB(0, 0, 255);
inline constexpr COLORREF link_visited = RGB(128, 0, 0);
inline constexpr COLORREF link_hover = RGB(51, 153, 255);

// Registers both classes; false when either cannot be registered.
bool register_classes(HINSTANCE instance);

// The same routines serve WM_PAINT and WM_PRINTCLIENT.
void paint_label(HWND label, HDC dc);
void paint_link(HWND link, HDC dc);

}  // namespace controls

// Opens the maker's web page in the default browser; true on success.
bool open_link();
