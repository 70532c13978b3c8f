#include "ui/jpeg_decode.h"

#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE and size_t without declaring them
#include <exception>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/startup_times.h"

#include <jerror.h>
#include <jpeglib.h>

#if JPEG_LIB_VERSION < 80 && !defined(MEM_SRCDST_SUPPORTED)
#error "a libjpeg with jpeg_mem_src is needed (libjpeg-turbo, or IJG libjpeg 8 and later)"
#endif

namespace telvana {
namespace {

// A progressive file may carry any number of scans, and every scan makes libjpeg walk the
// whole coefficient buffer again: a few kilobytes of hostile scans could keep us busy for
// minutes. Real encoders write about ten.
constexpr int kMaxScans = 256;

// kBgra: libjpeg-turbo writes our pixels themselves (B, G, R and an opaque A in memory, which
// on a little-endian machine is 0xAARRGGBB), straight into the picture: the colour conversion
// is its own SIMD code, and there is no row to convert after it. Other libjpegs give RGB rows.
enum class RowFormat { kGray, kRgb, kBgra, kCmyk, kInvertedCmyk };

#ifdef JCS_ALPHA_EXTENSIONS
constexpr bool kDecodesToPixels = std::endian::native == std::endian::little;
#else
constexpr bool kDecodesToPixels = false;
#endif

constexpr int ComponentsOf(RowFormat format) {
  switch (format) {
    case RowFormat::kGray:
      return 1;
    case RowFormat::kRgb:
      return 3;
    case RowFormat::kBgra:
    case RowFormat::kCmyk:
    case RowFormat::kInvertedCmyk:
      return 4;
  }
  return 0;
}

// What the decoder builds: the picture so far and the row libjpeg writes into.
struct Output {
  PixelImage image;
  std::vector<JSAMPLE> row;
};

struct ErrorManager {
  jpeg_error_mgr pub;  // first member: libjpeg hands us back a pointer to it
  std::jmp_buf jump;
};

// Everything the libjpeg part touches lives here, in the caller's frame, and none of it has a
// destructor: the longjmp out of libjpeg must skip no destructor, and nothing local to the
// function that calls setjmp may change before the jump (such values are lost by it).
struct Decoder {
  jpeg_decompress_struct info;
  ErrorManager errors;
  jpeg_progress_mgr progress;
  Output* output;
  const JpegLimits* limits;
};
static_assert(std::is_trivially_destructible_v<Decoder>);

[[noreturn]] void Fail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

[[noreturn]] void Fail(j_decompress_ptr info) {
  Fail(reinterpret_cast<j_common_ptr>(info));
}

// libjpeg reports corrupt data (bad Huffman codes, a premature end, stray bytes) as warnings
// and goes on with grey or smeared blocks; we would rather show no picture than a damaged one.
// Two warnings only say that a header field is newer than the library knows: those are fine.
// Trace messages (level 0 and up) are dropped.
void EmitMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  const int code = info->err->msg_code;
  if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) return;
  Fail(info);
}

// The default prints to stderr, which a Windows program without a console does not have.
void OutputMessage(j_common_ptr) {}

void CheckProgress(j_common_ptr info) {
  if (info->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
    Fail(info);
  }
}

// Memory for the whole picture is reserved, not filled: a damaged file that claims a large size
// usually fails within its first rows, and untouched pages cost nothing.
bool Prepare(Output& out, JDIMENSION width, JDIMENSION height, RowFormat format) noexcept {
  try {
    out.image.width = static_cast<int>(width);
    out.image.height = static_cast<int>(height);
    out.image.pixels.clear();
    out.image.pixels.reserve(static_cast<std::size_t>(width) * height);
    if (format != RowFormat::kBgra) {
      out.row.assign(static_cast<std::size_t>(width) * ComponentsOf(format), 0);
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

constexpr std::uint8_t Scale(unsigned a, unsigned b) {
  return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// Where libjpeg writes the next row: the picture itself for kBgra, grown by that row, else the
// row buffer. The capacity was reserved by Prepare, so growing the vector never allocates.
JSAMPROW NextRow(Output& out, RowFormat format) noexcept {
  if (format != RowFormat::kBgra) return out.row.data();
  auto& pixels = out.image.pixels;
  const std::size_t start = pixels.size();
  pixels.resize(start + static_cast<std::size_t>(out.image.width));
  return reinterpret_cast<JSAMPROW>(pixels.data() + start);
}

// Converts the row libjpeg has just written into the row buffer and appends it to the picture.
void AppendRow(Output& out, RowFormat format) noexcept {
  if (format == RowFormat::kBgra) return;  // written in place
  auto& pixels = out.image.pixels;
  const std::size_t start = pixels.size();
  const std::size_t width = static_cast<std::size_t>(out.image.width);
  pixels.resize(start + width);
  std::uint32_t* dst = pixels.data() + start;
  const JSAMPLE* src = out.row.data();
  switch (format) {
    case RowFormat::kBgra:
      break;
    case RowFormat::kGray:
      for (std::size_t x = 0; x < width; ++x, src += 1) dst[x] = Argb(0xFF, src[0], src[0], src[0]);
      break;
    case RowFormat::kRgb:
      for (std::size_t x = 0; x < width; ++x, src += 3) dst[x] = Argb(0xFF, src[0], src[1], src[2]);
      break;
    case RowFormat::kCmyk:  // ink amounts: 255 is full ink
      for (std::size_t x = 0; x < width; ++x, src += 4) {
        const unsigned white = 255u - src[3];
        dst[x] = Argb(0xFF, Scale(255u - src[0], white), Scale(255u - src[1], white),
                      Scale(255u - src[2], white));
      }
      break;
    case RowFormat::kInvertedCmyk:  // Adobe's files store 255 minus the ink: 255 is no ink
      for (std::size_t x = 0; x < width; ++x, src += 4) {
        dst[x] = Argb(0xFF, Scale(src[0], src[3]), Scale(src[1], src[3]), Scale(src[2], src[3]));
      }
      break;
  }
}

// The libjpeg part, in C style: see Decoder for what it may and may not hold.
bool RunDecoder(Decoder& d, const unsigned char* data, unsigned long size) {
  j_decompress_ptr const info = &d.info;
  info->err = jpeg_std_error(&d.errors.pub);
  d.errors.pub.error_exit = Fail;
  d.errors.pub.emit_message = EmitMessage;
  d.errors.pub.output_message = OutputMessage;
  if (setjmp(d.errors.jump) != 0) {
    jpeg_destroy_decompress(info);  // safe at any stage: it checks what was set up
    return false;
  }
  jpeg_create_decompress(info);
  // We build libjpeg without a backing store, so going over this is an error, not a
  // temporary file.
  info->mem->max_memory_to_use = d.limits->max_memory;
  d.progress.progress_monitor = CheckProgress;
  info->progress = &d.progress;
  jpeg_mem_src(info, data, size);
  jpeg_read_header(info, TRUE);  // errors out on a file with tables only
  if (!JpegSizeAllowed(info->image_width, info->image_height, *d.limits)) Fail(info);

  // Every colour space goes through plain RGB, grey or CMYK output, which any libjpeg offers.
  RowFormat format;
  switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
      info->out_color_space = JCS_GRAYSCALE;
      format = RowFormat::kGray;
      break;
    case JCS_RGB:
    case JCS_YCbCr:
#ifdef JCS_ALPHA_EXTENSIONS
      if constexpr (kDecodesToPixels) {
        info->out_color_space = JCS_EXT_BGRA;
        format = RowFormat::kBgra;
        break;
      }
#endif
      info->out_color_space = JCS_RGB;
      format = RowFormat::kRgb;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      info->out_color_space = JCS_CMYK;
      format = info->saw_Adobe_marker ? RowFormat::kInvertedCmyk : RowFormat::kCmyk;
      break;
    default:
      Fail(info);
  }
  jpeg_start_decompress(info);
  if (info->output_components != ComponentsOf(format) ||
      !JpegSizeAllowed(info->output_width, info->output_height, *d.limits) ||
      !Prepare(*d.output, info->output_width, info->output_height, format)) {
    Fail(info);
  }
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = NextRow(*d.output, format);
    // Memory input never suspends, so anything but one row is a failure.
    if (jpeg_read_scanlines(info, &row, 1) != 1) Fail(info);
    AppendRow(*d.output, format);
  }
  jpeg_finish_decompress(info);  // reads on to the end marker: a cut-off tail fails here
  jpeg_destroy_decompress(info);
  return true;
}

}  // namespace

bool JpegSizeAllowed(std::uint32_t width, std::uint32_t height, const JpegLimits& limits) {
  return width > 0 && height > 0 && width <= limits.max_side && height <= limits.max_side &&
         std::uint64_t{width} * height <= limits.max_pixels;
}

std::optional<PixelImage> DecodeJpeg(std::span<const std::uint8_t> data, const JpegLimits& limits) {
  StartupScope decoding(StartupPart::kPictures);
  // libjpeg takes the length as unsigned long, which has 32 bits on Windows.
  if (data.empty() || data.size() > std::numeric_limits<unsigned long>::max()) return std::nullopt;
  Output output;
  Decoder decoder{};
  decoder.output = &output;
  decoder.limits = &limits;
  if (!RunDecoder(decoder, data.data(), static_cast<unsigned long>(data.size()))) {
    return std::nullopt;
  }
  if (output.image.pixels.size() !=
      static_cast<std::size_t>(output.image.width) * output.image.height) {
    return std::nullopt;
  }
  return std::move(output.image);
}

}  // namespace telvana
