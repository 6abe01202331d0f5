// Passes over real folders: the listing, the renames and the path check as
// the program runs them.
#include "monitor/tests/real_folder.h"

namespace {

TEST_F(RealFolder, OnePassShortensTitlesWithTheirPictures) {
  make("长长长长长长长长.mp4");  // eight Chinese characters
  make("长长长长长长长长.jpg");
  make("A long English title.MP4");  // no picture
  make("clash one.mp4");
  make("clash one.jpg");
  make("clash.mp4");  // takes the name clash one.mp4 would get
  make("short.mp4");
  make("short.jpg");
  const std::int32_t count = rename_count.load();
  pass("5");

  EXPECT_EQ(listing(), (TextList{"A lon.MP4", "clash one.jpg", "clash one.mp4", "clash.mp4", "short.jpg",
                                 "short.mp4", "长长长长长.jpg", "长长长长长.mp4"}));
  EXPECT_EQ(content("长长长长长.mp4"), "长长长长长长长长.mp4");
  EXPECT_EQ(content("长长长长长.jpg"), "长长长长长长长长.jpg");
  EXPECT_EQ(content("clash.mp4"), "clash.mp4");
  EXPECT_EQ(rename_count.load(), count + 2);
  ASSERT_EQ(reports_.size(), 3u);
  EXPECT_EQ(reports_[1], texts::rename_failed + texts::old_name + "clash one.mp4" + texts::new_name + "clash");
}

TEST_F(RealFolder, RelativeFolderRenamesNothing) {
  make("a very long title.mp4");
  // The listing finds the folder; the new paths are not absolute, so the check refuses them.
  const std::size_t cut = folder_.rfind('\\');
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.substr(0, cut).c_str()));
  directory_text_ = folder_.substr(cut + 1);
  pass("3");
  EXPECT_EQ(listing(), (TextList{"a very long title.mp4"}));
  EXPECT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(last_report_starts_with(texts::rename_failed));
}

}  // namespace
