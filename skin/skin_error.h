// The one error type of the skin reader: anything wrong with a skin's bytes. A caller that
// catches it knows the skin could not be read at all and keeps what it had before.
#pragma once

#include <stdexcept>
#include <string>

namespace telvana {

enum class SkinFault {
  kTruncated,          // the bytes end before a length field says they do
  kTooLarge,           // a declared length beyond the limits of skin_limits.h
  kTooManyEntries,     // more names than the directory has slots for
  kNameListOverrun,    // the name list runs past the end of the container
  kSizeTableOverrun,   // the size table runs past the end of the container
  kEntryOverrun,       // an entry size is negative or the entries run past the data
  kBadBitmap,          // not a well-formed Windows bitmap
  kUnsupportedBitmap,  // a well-formed bitmap in a form we do not decode (JPEG, PNG, ...)
  kBitmapTooLarge,     // a bitmap whose dimensions exceed the limits of skin_limits.h
  kNoMemory,           // the decompressor could not get its tables or its output
  kOlderFormat,        // a container of an older format (its message has been shown)
  kUnreadableFile,     // a skin file that exists but cannot be read
};

class SkinLoadError : public std::runtime_error {
 public:
  SkinLoadError(SkinFault fault, const std::string& what)
      : std::runtime_error(what), fault_(fault) {}
  SkinFault fault() const { return fault_; }

 private:
  SkinFault fault_;
};

// Raised by TLZH when its dictionary tables cannot be had; the message is the program's
// historical one.
class ElzhException : public SkinLoadError {
 public:
  explicit ElzhException(const std::string& what) : SkinLoadError(SkinFault::kNoMemory, what) {}
};

}  // namespace telvana
