#include "player/media_queue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "player/media_clock.h"

namespace telvana::player {
namespace {

using namespace std::chrono_literals;
using Queue = MediaQueue<int>;

Queue::Item Data(int value, double start, double duration, std::size_t bytes) {
  return Queue::Item{Queue::Kind::Data, value, start, duration, bytes, 0};
}

TEST(MediaQueue, KeepsOrderAndCountsBytesAndTime) {
  Queue q;
  q.Push(Data(1, 10.0, 0.5, 100));
  q.Push(Data(2, 10.5, 0.5, 50));
  q.Push(Data(3, NAN, 0, 7));
  EXPECT_EQ(q.Bytes(), 157u);
  EXPECT_DOUBLE_EQ(q.Buffered(), 1.0);
  EXPECT_EQ(q.Pop(0ms)->value, 1);
  EXPECT_DOUBLE_EQ(q.Buffered(), 0.5);
  EXPECT_EQ(q.Pop(0ms)->value, 2);
  EXPECT_EQ(q.Buffered(), 0.0);
  EXPECT_EQ(q.Pop(0ms)->value, 3);
  EXPECT_EQ(q.Bytes(), 0u);
  EXPECT_FALSE(q.Pop(0ms).has_value());
}

TEST(MediaQueue, EndOfStreamIsAnItem) {
  Queue q;
  EXPECT_FALSE(q.EndQueued());
  q.Push(Queue::Item{Queue::Kind::EndOfStream});
  EXPECT_TRUE(q.EndQueued());
  EXPECT_EQ(q.Pop(0ms)->kind, Queue::Kind::EndOfStream);
}

TEST(MediaQueue, RoomDependsOnBytesAndSeconds) {
  Queue q;
  EXPECT_TRUE(q.WaitForRoom(100, 1.0, 0ms));
  q.Push(Data(1, 0, 2.0, 10));
  EXPECT_FALSE(q.WaitForRoom(100, 1.0, 0ms));
  EXPECT_TRUE(q.WaitForRoom(100, 5.0, 0ms));
  EXPECT_FALSE(q.WaitForRoom(10, 5.0, 0ms));
  q.Clear();
  EXPECT_TRUE(q.WaitForRoom(10, 1.0, 0ms));
}

TEST(MediaQueue, AbortEndsAWaitingPopAndDropsLaterPushes) {
  Queue q;
  std::thread aborter([&] {
    std::this_thread::sleep_for(20ms);
    q.Abort();
  });
  EXPECT_FALSE(
      q.Pop(std::chrono::hours(1)).has_value());  // would hang the test if Abort did not wake it
  aborter.join();
  q.Push(Data(1, 0, 0, 1));
  EXPECT_EQ(q.Size(), 0u);
  EXPECT_FALSE(q.WaitForRoom(100, 100, std::chrono::hours(1)));
}

TEST(MediaQueue, WakeEndsAWaitOnceWithoutAborting) {
  Queue q;
  q.Push(Data(1, 0, 5.0, 1));
  std::thread waker([&] {
    std::this_thread::sleep_for(20ms);
    q.Wake();
  });
  EXPECT_FALSE(q.WaitForRoom(100, 1.0, std::chrono::hours(1)));
  waker.join();
  EXPECT_EQ(q.Pop(0ms)->value, 1);
}

TEST(MediaQueue, APushWakesAWaitingPop) {
  Queue q;
  std::thread producer([&] { q.Push(Data(7, 0, 0, 1)); });
  const auto item = q.Pop(std::chrono::hours(1));
  producer.join();
  ASSERT_TRUE(item.has_value());
  EXPECT_EQ(item->value, 7);
}

TEST(MediaClock, StandsUntilStartedAndAfterStopped) {
  MediaClock clock;
  clock.Set(5.0);
  EXPECT_FALSE(clock.Running());
  EXPECT_EQ(clock.Now(), 5.0);
  clock.Start();
  EXPECT_TRUE(clock.Running());
  std::this_thread::sleep_for(5ms);
  const double running = clock.Now();
  EXPECT_GT(running, 5.0);
  clock.Stop();
  const double stopped = clock.Now();
  EXPECT_GE(stopped, running);
  std::this_thread::sleep_for(5ms);
  EXPECT_EQ(clock.Now(), stopped);
}

TEST(MediaClock, WaitUntilReturnsWhenTheTimeCameOrWhenCancelled) {
  MediaClock clock;
  clock.Set(1.0);
  clock.Start();
  EXPECT_TRUE(clock.WaitUntil(0.5, [] { return false; }));  // already past
  EXPECT_TRUE(clock.WaitUntil(1.01, [] { return false; }));
  EXPECT_GE(clock.Now(), 1.01);
  clock.Stop();
  std::atomic<bool> cancel{false};
  std::thread canceller([&] {
    std::this_thread::sleep_for(20ms);
    cancel = true;
    clock.Wake();
  });
  // A standing clock never reaches the time: only the cancellation ends the wait.
  EXPECT_FALSE(clock.WaitUntil(2.0, [&] { return cancel.load(); }));
  canceller.join();
}

}  // namespace
}  // namespace telvana::player
