#include "app/main_window.h"

#include <atomic>

#include "app/app_texts.h"
#include "app/controls.h"
#include "text/texts.h"

namespace {

// Read by worker threads; cleared first thing when the window goes away, so
// that their requests stop reaching controls that no thread answers any more.
std::atomic<HWND> live_main_window{nullptr};

// UI-thread state.
void (*start_clicked)() = nullptr;
HWND focus_to_restore = nullptr;

constexpr DWORD main_style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const Text& initial_text(layout::Id id) {
  static const Text empty;
  switch (id) {
    case layout::id_link:
      return app_texts::link_caption;
    case layout::id_watch_option:
      return texts::watch_option;
    case layout::id_limit_box:
      return texts::initial_limit;
    case layout::id_limit_caption:
      return texts::limit_caption;
    case layout::id_directory_caption:
      return texts::directory_caption;
    case layout::id_report_label:
      return texts::report_initial;
    case layout::id_progress_label:
      return texts::progress_initial;
    case layout::id_start_button:
      return texts::start_button;
    case layout::id_directory_box:
      break;
  }
  return empty;
}

struct ClassAndStyle {
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

ClassAndStyle class_and_style(const layout::Control& control) {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (control.kind) {
    case layout::Kind::link:
      return {controls::link_class, child, 0};
    case layout::Kind::radio:
      return {"Button", child | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case layout::Kind::edit:
      return {"Edit", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case layout::Kind::button:
      return {"Button", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case layout::Kind::label:
      break;
  }
  return {controls::label_class, child | (control.wraps ? controls::label_wraps : 0), 0};
}

// Creates the controls top of the stacking order first, each placed below
// the one before it. False when one cannot be created.
bool create_controls(HWND window) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  HWND above = HWND_TOP;
  for (const layout::Control& control : layout::controls) {
    const ClassAndStyle kind = class_and_style(control);
    HWND child =
        CreateWindowExA(kind.ex_style, kind.window_class, initial_text(control.id).c_str(), kind.style,
                        control.left, control.top, control.width, control.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    if (!child) return false;
    SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = child;
    SendMessageA(child, WM_SETFONT, font, FALSE);
    if (control.kind == layout::Kind::radio) SendMessageA(child, BM_SETCHECK, BST_CHECKED, 0);
    if (control.kind == layout::Kind::edit) SendMessageA(child, EM_SETSEL, 0, 0);
  }
  return true;
}

LRESULT on_create(HWND window) { return create_controls(window) ? 0 : -1; }

void on_get_min_max_info(MINMAXINFO* info) {
  // Wine limits a new window to the screen's tracking size (652 wide on a
  // 640 x 480 screen); answering the limits ourselves keeps the fixed size.
  const POINT size = {layout::window_width, layout::window_height};
  info->ptMinTrackSize = size;
  info->ptMaxTrackSize = size;
}

void on_command(WPARAM wparam) {
  if (LOWORD(wparam) == layout::id_start_button && HIWORD(wparam) == BN_CLICKED && start_clicked) {
    start_clicked();
  }
}

// The focus leaves with the window and comes back where it was; the first
// time it goes to the directory box, the first thing a user fills in.
void on_activate(HWND window, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) focus_to_restore = focus;
    return;
  }
  if (HIWORD(wparam)) return;  // minimised: nothing to focus
  HWND target = focus_to_restore && IsWindow(focus_to_restore) ? focus_to_restore
                                                               : GetDlgItem(window, layout::id_directory_box);
  SetFocus(target);
}

void on_destroy() {
  live_main_window.store(nullptr, std::memory_order_release);
  PostQuitMessage(0);
}

LRESULT CALLBACK main_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return on_create(window);
    case WM_GETMINMAXINFO:
      on_get_min_max_info(reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_COMMAND:
      on_command(wparam);
      return 0;
    case WM_ACTIVATE:
      on_activate(window, wparam);
      return 0;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY:
      on_destroy();
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

bool register_main_class(HINSTANCE instance) {
  HICON icon =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                    GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  HICON small_icon =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = main_procedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hIconSm = small_icon;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = app_texts::window_class.c_str();
  return RegisterClassExA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int focus_index(HWND main_window) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(main_window, focus)) return -1;
  const int id = GetDlgCtrlID(focus);
  for (std::size_t i = 0; i < layout::focus_order.size(); ++i) {
    if (layout::focus_order[i] == id) return static_cast<int>(i);
  }
  return -1;
}

void move_focus(HWND main_window, bool backwards) {
  std::array<bool, layout::focus_order.size()> usable{};
  for (std::size_t i = 0; i < usable.size(); ++i) {
    HWND control = GetDlgItem(main_window, layout::focus_order[i]);
    usable[i] = control && IsWindowVisible(control) && IsWindowEnabled(control);
  }
  const int next = layout::next_focus(focus_index(main_window), backwards, usable);
  if (next < 0) return;
  // Keyboard use: let the buttons show their focus rectangle from now on.
  SendMessageA(main_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetFocus(GetDlgItem(main_window, layout::focus_order[static_cast<std::size_t>(next)]));
}

bool key_down(SHORT state) { return state < 0; }

}  // namespace

HWND create_main_window(HINSTANCE instance, void (*on_start)()) {
  start_clicked = on_start;
  if (!controls::register_classes(instance) || !register_main_class(instance)) return nullptr;
  const layout::Point origin =
      layout::centred_origin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  HWND window = CreateWindowExA(0, app_texts::window_class.c_str(), app_texts::caption.c_str(), main_style,
                                origin.x, origin.y, layout::window_width, layout::window_height, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return nullptr;
  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != layout::window_width || outer.bottom - outer.top != layout::window_height) {
    SetWindowPos(window, nullptr, 0, 0, layout::window_width, layout::window_height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const auto icon = static_cast<LPARAM>(GetClassLongPtrA(window, GCLP_HICON));
  const auto small_icon = static_cast<LPARAM>(GetClassLongPtrA(window, GCLP_HICONSM));
  SendMessageA(window, WM_SETICON, ICON_BIG, icon);
  SendMessageA(window, WM_SETICON, ICON_SMALL, small_icon);
  live_main_window.store(window, std::memory_order_release);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

bool handle_window_key(HWND main_window, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != main_window && !IsChild(main_window, message.hwnd)) return false;
  const bool control = key_down(GetKeyState(VK_CONTROL));
  const bool shift = key_down(GetKeyState(VK_SHIFT));
  if (control) return false;
  switch (message.wParam) {
    case VK_TAB:
      move_focus(main_window, shift);
      return true;
    case VK_ESCAPE:
      if (shift) return false;
      SendMessageA(main_window, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
    case VK_F1:
      return !shift;  // swallowed: no default button, no help
    default:
      return false;
  }
}

HWND worker_control(layout::Id id) {
  HWND window = live_main_window.load(std::memory_order_acquire);
  return window ? GetDlgItem(window, id) : nullptr;
}
