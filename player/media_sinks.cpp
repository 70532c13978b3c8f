#include "player/media_sinks.h"

namespace telvana::player {

using namespace std::chrono_literals;

void DecodePackets(DecodingFeed& feed, PacketQueue& queue, AVCodecContext* codec,
                   const std::function<void()>& restart,
                   const std::function<void(const AVFrame&, int)>& use,
                   const std::function<void()>& finished) {
  av::Frame frame(av_frame_alloc());
  int current = feed.Serial();
  while (!feed.Halted()) {
    auto item = queue.Pop(100ms);
    if (!item) {
      feed.NoteEmpty(queue);
      continue;
    }
    if (item->serial != feed.Serial()) continue;  // from before a seek
    if (item->serial != current) {
      avcodec_flush_buffers(codec);
      current = item->serial;
      restart();
    }
    const bool end = item->kind == PacketQueue::Kind::EndOfStream;
    const int sent = avcodec_send_packet(codec, end ? nullptr : item->value.get());
    if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_EOF) feed.NoteDecodeError();
    while (!feed.Halted() && avcodec_receive_frame(codec, frame.get()) >= 0) {
      feed.NoteDecoded();
      use(*frame, current);
      av_frame_unref(frame.get());
    }
    if (end) {
      if (finished) finished();
      feed.NoteEnd(queue);
    }
  }
}

}  // namespace telvana::player
