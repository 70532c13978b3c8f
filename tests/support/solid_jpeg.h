// Small JPEG files made in memory for tests of pictures in descriptions.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace telvana::testsupport {

// A baseline JPEG of one colour (0xRRGGBB).
inline std::vector<std::uint8_t> SolidJpeg(int width, int height, std::uint32_t rgb) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = [](j_common_ptr) {
    std::fputs("test JPEG encoder failed\n", stderr);
    std::abort();
  };
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    row[3 * x] = static_cast<JSAMPLE>(rgb >> 16);
    row[3 * x + 1] = static_cast<JSAMPLE>(rgb >> 8);
    row[3 * x + 2] = static_cast<JSAMPLE>(rgb);
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace telvana::testsupport
