// Reaching a stream: each transport of an address in turn, metafiles read and their entries
// tried in order, the header read and the decoders opened; every attempt is recorded on the
// status board, and failures are told apart. Runs on the session's reading thread only, so
// it needs no lock of its own. Internal to the engine.
#pragma once

#include <string>

#include "player/cancellation.h"
#include "player/ffmpeg_handles.h"
#include "player/metafile.h"
#include "player/playback_engine.h"
#include "player/status_board.h"

namespace telvana::player {

// What an opening hands to the reader and the decoding threads.
struct OpenedStream {
  av::Input input;
  int video_index = -1, audio_index = -1;
  av::CodecContext video_codec, audio_codec;
  // The decoding threads keep these; the reader may close the input before they end.
  AVRational video_base{1, 1}, audio_base{1, 1};
  double start_time = 0;
};

class StreamOpening {
 public:
  StreamOpening(const EngineSettings& settings, Cancellation& cancel, StatusBoard& board)
      : settings_(settings), cancel_(cancel), board_(board) {}

  // Tries everything `address` leads to until one plays; false when none does (failure()
  // says why, the status board's attempts say what was tried).
  bool Open(const std::string& address, OpenedStream& out);
  PlaybackFailure failure() const { return failure_; }

 private:
  bool OpenAny(const std::string& target, int depth, OpenedStream& out);
  bool OpenCandidate(const std::string& url, Transport transport, int depth, OpenedStream& out);
  bool OpenMetafile(MetafileKind kind, const std::string& text, const std::string& url, int depth,
                    OpenedStream& out);
  bool OpenDecoders(OpenedStream& out);
  // Reads up to `limit` bytes (fewer at the end of the body, or when the time is up).
  std::string ReadUpTo(AVIOContext* io, std::size_t limit);
  // Records the attempt that started at `start` and keeps the most telling failure.
  void Record(const std::string& url, Transport transport, int depth, PlaybackFailure result,
              std::chrono::steady_clock::time_point start);

  const EngineSettings& settings_;
  Cancellation& cancel_;
  StatusBoard& board_;
  PlaybackFailure failure_ = PlaybackFailure::None;
};

}  // namespace telvana::player
