// The platform-free path parts against the system's own PathFindFileNameA and
// PathFindExtensionA, under the GBK code page.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include "fs/paths.h"
#include "fs/rename.h"
#include "text/tests/bytes.h"

namespace {

TEST(PathParts, MatchShlwapi) {
  ASSERT_EQ(GetACP(), 936u) << "the tests need the GBK code page";
  const Text trail_backslash = "昞";  // 95 5C
  const Text trail_bar = "晐";        // 95 7C
  const TextList paths{
      "",
      "C:",
      "C:\\",
      "C:clip.mp4",
      "D:\\v\\",
      "D:\\v\\clip.final.mp4",
      "D:\\v.d\\clip",
      "d:/x/y.mp4",
      "d:\\x/y.mp4",
      "C:\\a\\\\b.mp4",
      "C:\\a//",
      "\\\\server\\share\\a.mp4",
      "D:\\v\\a:b.mp4",
      "D:\\v\\clip:",
      "D:\\v\\my clip.final cut",
      "D:\\v\\.mp4",
      "..a",
      "abc.",
      "a.b c",
      "a\\.b\\c",
      "D:\\视频\\长标题.mp4",
      "D:\\v\\x" + trail_backslash,
      "D:\\v\\" + trail_backslash + ".mp4",
      "D:\\v\\" + trail_backslash + "x\\y.mp4",
      "D:\\v\\" + trail_bar + "|x.mp4",
      "D:\\v\\x.长" + trail_backslash + "y",
      "D:\\v\\" + bytes({0x80}) + "\\x.mp4",
      "D:\\v\\" + bytes({0xFF}) + "\\x.mp4",
      "D:\\v\\x.mp4" + bytes({0xB1}),
      bytes({0xB1}) + "\\x" + bytes({0xB1, 0x2E}) + "y",
  };
  for (const Text& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_EQ(path_find_file_name(path), Text(PathFindFileNameA(path.c_str())));
    EXPECT_EQ(extension_of(path), Text(PathFindExtensionA(path.c_str())));
  }
}

}  // namespace
