// Pictures at other DPIs: their designed size, smooth pixels, and copies made
// once per picture and size, gone with the picture or the DPI.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "host_support.h"
#include "platform/win32/host/form_painter.h"
#include "platform/win32/host/scaled_pictures.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

using testing::Canvas;
using testing::WriteBmp;
using ui::Control;
using ui::ControlKind;

constexpr COLORREF kKey = RGB(182, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

Control PictureControl(const char* name, ui::Rect rect, ui::PictureId id, bool stretch) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kPicture;
  c.rect = rect;
  c.picture = id;
  c.stretch = stretch;
  return c;
}

ui::FormWindow Window() {
  ui::FormWindow w;
  w.rect = {0, 0, 1500, 1500};
  w.back = kKey;
  return w;
}

class PictureScalingTest : public ::testing::Test {
 protected:
  // 48 x 48: red left of column 24, blue from it.
  ui::PictureId Halves() {
    const platform::LoadedPicture loaded = pictures_.Load(
        WriteBmp("kelvara-halves.bmp", 48, 48, [](int x, int) { return x < 24 ? kRed : kBlue; }));
    EXPECT_NE(loaded.id, 0u) << loaded.error;
    return loaded.id;
  }
  void Paint(const ui::Form& form, int dpi) {
    painter_.Paint(canvas_.dc(), Scale(dpi), form, RECT{0, 0, 100, 100});
  }

  Canvas canvas_{100, 100};
  FontNames names_;
  GdiCache gdi_{names_};
  Win32Pictures pictures_;
  FormPainter painter_{gdi_, pictures_};
};

TEST_F(PictureScalingTest, A48PixelPictureFillsItsCellAtEachDpiCopiedOnlyWhenScaled) {
  struct Column {
    int x;
    COLORREF colour;
  };
  // A launcher cell: 1080 twips, 48 pixels at 96 dpi, 72 at 144.
  const struct {
    int dpi, cell;
    int blend_from, blue_from;  // red before the first, blue from the second
    std::vector<Column> columns;
    std::size_t copies;
  } rows[] = {
      {96, 48, 24, 24, {{0, kRed}, {23, kRed}, {24, kBlue}, {47, kBlue}}, 0},
      // Columns blend smoothly across the seam, each row alike.
      {144,
       72,
       35,
       37,
       {{0, kRed},
        {34, kRed},
        {35, RGB(212, 0, 43)},
        {36, RGB(43, 0, 212)},
        {37, kBlue},
        {71, kBlue}},
       1},
  };
  for (const auto& row : rows) {
    canvas_.Fill(kKey);
    painter_.DropScaled();
    ui::Form form("f", Window(), {PictureControl("icon", {0, 0, 1080, 1080}, Halves(), false)});
    Paint(form, row.dpi);
    EXPECT_EQ(canvas_.CountOther(kKey, RECT{0, 0, row.cell, row.cell}, false), 0) << row.dpi;
    for (const Column& column : row.columns) {
      for (const int y : {0, row.cell / 2 - 1, row.cell - 1}) {
        EXPECT_EQ(canvas_.At(column.x, y), column.colour)
            << row.dpi << ": " << column.x << ", " << y;
      }
    }
    for (int y = 0; y < row.cell; ++y) {
      for (int x = 0; x < row.cell; ++x) {
        if (x >= row.blend_from && x < row.blue_from) continue;
        ASSERT_EQ(canvas_.At(x, y), x < row.blend_from ? kRed : kBlue)
            << row.dpi << ": " << x << ", " << y;
      }
    }
    EXPECT_EQ(painter_.scaled_count(), row.copies) << row.dpi;
  }
}

TEST_F(PictureScalingTest, AStretchedPictureBlendsToo) {
  const platform::LoadedPicture two = pictures_.Load(
      WriteBmp("kelvara-two.bmp", 2, 1, [](int x, int) { return x == 0 ? kRed : kBlue; }));
  ASSERT_NE(two.id, 0u) << two.error;
  ui::Form form("f", Window(), {PictureControl("wide", {0, 0, 600, 150}, two.id, true)});
  Paint(form, 96);  // 40 x 10
  EXPECT_EQ(canvas_.At(0, 0), kRed);
  EXPECT_EQ(canvas_.At(19, 5), RGB(134, 0, 121));
  EXPECT_EQ(canvas_.At(20, 5), RGB(121, 0, 134));
  EXPECT_EQ(canvas_.At(39, 9), kBlue);
  EXPECT_EQ(canvas_.At(40, 5), kKey);
}

TEST_F(PictureScalingTest, OneCopyPerPictureAndSizeGoingWithThePictureOrTheDpi) {
  Paint(ui::Form("f", Window(), {}), 144);  // the background's brush, made once
  const testing::GdiState before = testing::Gdi();
  const ui::PictureId first = Halves(), second = Halves();
  ui::Form form("f", Window(),
                {PictureControl("a", {0, 0, 720, 720}, first, false),
                 PictureControl("b", {720, 0, 720, 720}, first, false),
                 PictureControl("c", {0, 720, 720, 720}, second, false)});
  for (int i = 0; i < 20; ++i) Paint(form, 144);
  EXPECT_EQ(painter_.scaled_count(), 2u);
  for (int i = 0; i < 5; ++i) Paint(form, 192);  // each picture at a second size too
  EXPECT_EQ(painter_.scaled_count(), 4u);

  pictures_.Release(first);
  EXPECT_EQ(painter_.scaled_count(), 2u);
  Paint(form, 144);  // the released picture's controls show nothing, and make nothing
  EXPECT_EQ(painter_.scaled_count(), 2u);
  EXPECT_EQ(canvas_.At(5, 5), kKey);
  EXPECT_EQ(canvas_.At(5, 80), kRed);

  painter_.DropScaled();
  EXPECT_EQ(painter_.scaled_count(), 0u);
  pictures_.Release(second);
  EXPECT_TRUE(testing::Gdi() == before);
}

// The copies a picture stretched over changing areas gets, straight from the cache.
TEST(ScaledPicturesTest, AResizingPictureIsScaledOnceForItsDesignedSize) {
  Win32Pictures pictures;
  const platform::LoadedPicture loaded = pictures.Load(
      WriteBmp("kelvara-bar.bmp", 20, 4, [](int x, int) { return x % 2 == 0 ? kRed : kBlue; }));
  ASSERT_NE(loaded.id, 0u) << loaded.error;
  HBITMAP source = pictures.Bitmap(loaded.id);
  ScaledPictures scaled(pictures);
  const PictureSize designed{30, 6};

  const SizedBitmap fixed = scaled.Stretched(source, {50, 6}, designed);
  EXPECT_NE(fixed.bitmap, source);
  EXPECT_EQ(fixed.size, (PictureSize{50, 6}));
  EXPECT_EQ(scaled.Stretched(source, {50, 6}, designed).bitmap, fixed.bitmap);
  EXPECT_EQ(scaled.size(), 1u);

  // Another area: from now on the designed copy, whatever the area.
  const SizedBitmap resizing = scaled.Stretched(source, {51, 6}, designed);
  EXPECT_EQ(resizing.size, designed);
  EXPECT_EQ(scaled.size(), 1u);  // the first area's copy went
  for (int width = 1; width < 60; ++width) {
    const SizedBitmap again = scaled.Stretched(source, {width, 6}, designed);
    ASSERT_EQ(again.bitmap, resizing.bitmap) << width;
    ASSERT_EQ(again.size, designed) << width;
  }
  EXPECT_EQ(scaled.size(), 1u);

  // Its own size needs no copy at all.
  scaled.DropAll();
  EXPECT_EQ(scaled.Stretched(source, {20, 4}, {20, 4}).bitmap, source);
  EXPECT_EQ(scaled.Stretched(source, {25, 4}, {20, 4}).bitmap, source);
  EXPECT_EQ(scaled.size(), 0u);
}

TEST(ScaledPicturesTest, WhatCannotBeCopiedIsDrawnFromItself) {
  Win32Pictures pictures;
  ScaledPictures scaled(pictures);
  // A device-dependent bitmap has no pixels to read.
  UniqueBitmap plain(CreateBitmap(4, 4, 1, 32, nullptr));
  ASSERT_TRUE(plain);
  const SizedBitmap drawn = scaled.At(plain.get(), {8, 8});
  EXPECT_EQ(drawn.bitmap, plain.get());
  EXPECT_EQ(drawn.size, (PictureSize{4, 4}));
  // Nor is a copy beyond any screen made.
  const platform::LoadedPicture loaded =
      pictures.Load(WriteBmp("kelvara-small.bmp", 2, 2, [](int, int) { return kRed; }));
  ASSERT_NE(loaded.id, 0u) << loaded.error;
  EXPECT_EQ(scaled.At(pictures.Bitmap(loaded.id), {20000, 2}).bitmap, pictures.Bitmap(loaded.id));
  EXPECT_EQ(scaled.At(nullptr, {8, 8}).bitmap, nullptr);
  EXPECT_EQ(scaled.size(), 0u);
}

}  // namespace
}  // namespace kelvara::win32::host
