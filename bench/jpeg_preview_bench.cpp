// How long a large JPEG photo takes to appear in the preview: LoadPicture
// followed by the first drawing into the 269 x 250 preview area, which
// decodes the whole picture. Run by bench/jpeg_preview.sh under Wine.
//
// jpeg_preview_bench FOLDER [RUNS]
// Writes FOLDER\bench.jpg (4000 x 3000, photo-like content), then loads and
// draws it RUNS times (default 7) and prints the medians in milliseconds.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/picture.h"
#include "tests/windows/picture_files.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr RECT kPreviewArea{0, 0, 269, 250};

// Smooth gradients with fine noise: compresses about as well as a photo.
pandor::testing::TestImage PhotoLikeImage() {
  pandor::testing::TestImage image{kWidth, kHeight, {}};
  image.pixels.reserve(static_cast<size_t>(kWidth) * kHeight);
  uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int jitter = static_cast<int>(noise >> 28) - 8;
      const auto channel = [&](int value) { return static_cast<BYTE>(std::clamp(value + jitter, 0, 255)); };
      image.pixels.push_back(RGB(channel(x * 255 / kWidth), channel(y * 255 / kHeight),
                                 channel(128 + ((x / 40 + y / 30) % 2 ? 60 : -60))));
    }
  }
  return image;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: jpeg_preview_bench FOLDER [RUNS]\n");
    return 2;
  }
  const std::string path = std::string(argv[1]) + "\\bench.jpg";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

  const std::string jpeg = pandor::testing::JpegFile(PhotoLikeImage(), {pandor::testing::JpegColours::kRgb, false, 90});
  std::ofstream(path, std::ios::binary) << jpeg;
  std::printf("file %s: %d x %d, %zu bytes\n", path.c_str(), kWidth, kHeight, jpeg.size());

  const pandor::MemoryDc dc(CreateCompatibleDC(nullptr));
  const BITMAPINFOHEADER header{sizeof header, kPreviewArea.right, -kPreviewArea.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const pandor::BitmapHandle target(
      CreateDIBSection(dc.get(), reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
  const HGDIOBJ old = SelectObject(dc.get(), target.get());

  std::vector<double> loads, firstDraws, laterDraws, totals;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start, loaded, drawn, redrawn;
    try {
      QueryPerformanceCounter(&start);
      auto picture = pandor::LoadPicture(path);
      QueryPerformanceCounter(&loaded);
      picture->Draw(dc.get(), kPreviewArea);
      GdiFlush();
      QueryPerformanceCounter(&drawn);
      picture->Draw(dc.get(), kPreviewArea);
      GdiFlush();
      QueryPerformanceCounter(&redrawn);
    } catch (const pandor::MenuError& error) {
      std::fprintf(stderr, "error: %s\n", error.what());
      return 1;
    }
    loads.push_back(Milliseconds(start, loaded));
    firstDraws.push_back(Milliseconds(loaded, drawn));
    laterDraws.push_back(Milliseconds(drawn, redrawn));
    totals.push_back(Milliseconds(start, drawn));
  }
  SelectObject(dc.get(), old);
  std::printf("runs %d\n", runs);
  std::printf("load_ms %.1f\n", Median(loads));
  std::printf("first_draw_ms %.1f (decoding and stretching)\n", Median(firstDraws));
  std::printf("later_draw_ms %.1f (stretching only)\n", Median(laterDraws));
  std::printf("total_ms %.1f (load and first draw)\n", Median(totals));
  return 0;
}
