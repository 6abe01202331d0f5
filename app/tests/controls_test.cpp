// What the self-painted labels and the link put on screen, rendered through
// WM_PRINTCLIENT into a bitmap and compared pixel by pixel.
#include "app/controls.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "text/text.h"

namespace {

using Pixels = std::vector<COLORREF>;

// A bitmap of `width` x `height` with a device context drawing into it.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC dc() const { return dc_; }

  Pixels pixels() const {
    GdiFlush();
    Pixels result;
    for (int i = 0; i < width_ * height_; ++i) {
      const std::uint32_t bgr = bits_[i];
      result.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    return result;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// A control of the given class, alone on a thread's desktop, not shown.
HWND make_control(const char* window_class, DWORD style, const Text& caption, int width, int height) {
  controls::register_classes(GetModuleHandleA(nullptr));
  HWND control = CreateWindowExA(0, window_class, caption.c_str(), WS_POPUP | style, 0, 0, width, height,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

Pixels render(HWND control, int width, int height) {
  Canvas canvas(width, height);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
  return canvas.pixels();
}

// `text` drawn as it should appear, ampersands and all.
Pixels reference(const Text& text, int width, int height, UINT format) {
  Canvas canvas(width, height);
  RECT area = {0, 0, width, height};
  FillRect(canvas.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  DrawTextA(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &area, format | DT_NOPREFIX);
  return canvas.pixels();
}

// Rows holding anything but the background, as [first, last] bands.
std::vector<std::pair<int, int>> ink_bands(const Pixels& pixels, int width, int height) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  std::vector<std::pair<int, int>> bands;
  for (int y = 0; y < height; ++y) {
    bool ink = false;
    for (int x = 0; x < width && !ink; ++x) ink = pixels[static_cast<std::size_t>(y * width + x)] != face;
    if (!ink) continue;
    if (!bands.empty() && bands.back().second == y - 1) {
      bands.back().second = y;
    } else {
      bands.push_back({y, y});
    }
  }
  return bands;
}

int count(const Pixels& pixels, COLORREF colour) {
  int n = 0;
  for (COLORREF pixel : pixels) n += pixel == colour;
  return n;
}

// Window tests run on a thread of their own, which owns their windows.
template <typename Body>
void on_own_thread(Body body) {
  std::thread(body).join();
}

TEST(Label, AmpersandsArePrefixes) {
  on_own_thread([] {
    struct Case {
      const char* caption;
      const char* shown;  // drawn without prefix processing
      bool same;
    };
    const Case cases[] = {
        {"a&&b", "a&b", true},
        {"3检测：x&&y.mp4", "3检测：x&y.mp4", true},
        {"a&b", "a&b", false},  // the ampersand is not drawn
        {"a&b", "ab", false},   // but b is underlined
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.caption);
      HWND label = make_control(controls::label_class, controls::label_wraps, c.caption, 344, 80);
      const Pixels drawn = render(label, 344, 80);
      EXPECT_EQ(drawn == reference(c.shown, 344, 80, DT_WORDBREAK | DT_LEFT), c.same);
      DestroyWindow(label);
    }
  });
}

TEST(Label, WrappingLabelStartsAtTheTopAndBreaksAtEveryLineEnd) {
  on_own_thread([] {
    struct Case {
      const char* name;
      Text caption;
      std::size_t lines;
      bool at_least;  // where the font decides how many lines a long one takes
    };
    const Case cases[] = {
        {"a three-line report", "已修改12   \r\n原内容：a long name.mp4\r\n修改后a long", 3, false},
        {"a line wider than the label wraps", "已修改1   \r\n原内容：" + Text(40, 'w') + " " + Text(40, 'w'),
         3, true},
        {"empty lines between", "first\r\n\r\nthird", 2, false},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      HWND label = make_control(controls::label_class, controls::label_wraps, c.caption, 200, 136);
      const auto bands = ink_bands(render(label, 200, 136), 200, 136);
      ASSERT_FALSE(bands.empty());
      if (c.at_least) {
        EXPECT_GE(bands.size(), c.lines);
      } else {
        EXPECT_EQ(bands.size(), c.lines);
      }
      EXPECT_LT(bands.front().first, 6);  // the first line at the top, not centred
      DestroyWindow(label);
    }
  });
}

TEST(Label, OneLineLabelIsCentredVertically) {
  on_own_thread([] {
    HWND label = make_control(controls::label_class, 0, "目录：", 40, 40);
    const auto bands = ink_bands(render(label, 40, 40), 40, 40);
    ASSERT_EQ(bands.size(), 1u);
    const int middle = (bands[0].first + bands[0].second) / 2;
    EXPECT_NEAR(middle, 20, 4);
    DestroyWindow(label);
  });
}

TEST(Link, DrawsInTheHoverColourWhileThePointerIsOverIt) {
  on_own_thread([] {
    HWND link = make_control(controls::link_class, 0, "morvane.example.org", 120, 32);
    struct Step {
      const char* name;
      UINT message;
      COLORREF shown, not_shown;
    };
    const Step steps[] = {
        {"at first", 0, controls::link_normal, controls::link_hover},
        {"pointer over it", WM_MOUSEMOVE, controls::link_hover, controls::link_normal},
        {"pointer moving on", WM_MOUSEMOVE, controls::link_hover, controls::link_normal},
        {"pointer gone", WM_MOUSELEAVE, controls::link_normal, controls::link_hover},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE(step.name);
      if (step.message) SendMessageA(link, step.message, 0, MAKELPARAM(10, 10));
      const Pixels drawn = render(link, 120, 32);
      EXPECT_GT(count(drawn, step.shown), 0);
      EXPECT_EQ(count(drawn, step.not_shown), 0);
      EXPECT_EQ(count(drawn, controls::link_visited), 0);
    }
    DestroyWindow(link);
  });
}

TEST(Link, DrawsItsAddressWhenItHasNoCaption) {
  on_own_thread([] {
    HWND link = make_control(controls::link_class, 0, "", 120, 32);
    EXPECT_GT(count(render(link, 120, 32), controls::link_normal), 0);
    DestroyWindow(link);
  });
}

}  // namespace
