#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>

// jpeglib.h wants FILE and size_t declared before it.
#include <jpeglib.h>

#include "platform/Clock.h"
#include "platform/Jpeg.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/Shell.h"

namespace {

TEST(Settings, ValuesRoundTripInTheUsersConfigFolder) {
  platform::Settings s("Vondrix");
  EXPECT_EQ(s.filePath(), std::string(std::getenv("XDG_CONFIG_HOME")) + "/Orsek/Vondrix.ini");
  EXPECT_FALSE(s.read("TV").has_value());
  ASSERT_TRUE(s.write("TV", "4"));
  EXPECT_EQ(platform::Settings("Vondrix").read("TV"), "4");
  EXPECT_FALSE(platform::Settings("Calyxon").read("TV").has_value());
}

std::vector<std::pair<std::string, std::string>> launched;
bool recordLaunch(const std::string& program, const std::string& argument) {
  launched.emplace_back(program, argument);
  return true;
}

TEST(Shell, StartsSiblingProgramsAndIgnoresMissingOnes) {
  platform::setShellLauncher(&recordLaunch);
  launched.clear();
  EXPECT_FALSE(platform::startProgram("no-such-program"));
  EXPECT_TRUE(launched.empty());
  QTemporaryDir tmp;
  std::string tool = tmp.path().toStdString() + "/tool";
  std::ofstream(tool) << "#!/bin/sh\n";
  std::system(("chmod +x " + tool).c_str());
  EXPECT_TRUE(platform::startProgram(tool));
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0].first, tool);
  EXPECT_FALSE(platform::openDocument(tmp.path().toStdString() + "/missing.html"));
  platform::setShellLauncher(nullptr);
}

TEST(Clock, AVirtualClockReplacesTheRealOneForItsScope) {
  platform::VirtualClock v(5000);
  {
    platform::ScopedClock scope(v);
    platform::clock().sleep(300);
    EXPECT_EQ(platform::clock().tickCount(), 5300u);
  }
  EXPECT_NE(&platform::clock(), &v);
}

void writeJpeg(const std::string& path, int w, int h, unsigned char r, unsigned char g,
               unsigned char b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  FILE* f = std::fopen(path.c_str(), "wb");
  jpeg_stdio_dest(&info, f);
  info.image_width = w;
  info.image_height = h;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(w * 3);
  for (int x = 0; x < w; ++x) row[x * 3] = r, row[x * 3 + 1] = g, row[x * 3 + 2] = b;
  while (info.next_scanline < info.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(f);
}

TEST(Jpeg, DecodesAPictureAndRejectsOtherFiles) {
  QTemporaryDir tmp;
  std::string good = tmp.path().toStdString() + "/splash.jpg";
  writeJpeg(good, 568, 390, 0, 255, 255);
  QImage img = platform::decodeJpegFile(good);
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(568, 390));
  QColor c = img.pixelColor(100, 100);
  EXPECT_LE(c.red(), 8);
  EXPECT_GE(c.green(), 247);
  EXPECT_GE(c.blue(), 247);

  std::string bad = tmp.path().toStdString() + "/bad.jpg";
  std::ofstream(bad) << "not a picture";
  std::string why;
  EXPECT_TRUE(platform::decodeJpegFile(bad, &why).isNull());
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(platform::decodeJpegFile(tmp.path().toStdString() + "/none.jpg", &why).isNull());
}

}  // namespace
