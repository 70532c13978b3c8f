// Reading M3U, PLS and ASX lists as users have them: what is taken, what is left out and why.
#include "playlists/playlist_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace telvana::playlists {
namespace {

using namespace std::string_literals;

std::size_t Skipped(const PlaylistContents& c, SkipReason reason) {
  return c.skipped[reason];
}

TEST(PlaylistReader, ExtendedM3uGivesNamesGroupsAndAddresses) {
  const auto c = ReadPlaylistText(
      u"#EXTM3U x-tvg-url=\"http://127.0.0.1/epg\"\n"
      u"#EXTINF:-1 tvg-id=\"1\" tvg-name=\"CCTV1\" group-title=\"央视, 综合\",CCTV-1 综合, 高清\n"
      u"#EXTVLCOPT:http-user-agent=x\n"
      u"  http://127.0.0.1/cctv1.m3u8  \n"
      u"#EXTINF:-1 tvg-name=\"Только имя\",\n"
      u"rtsp://127.0.0.1/ru\n"
      u"#EXTINF:0,\n"
      u"mms://127.0.0.1/path/show.asf?x=1\n"
      u"#EXTGRP:ラジオ\n"
      u"http://127.0.0.1/radio\n",
      PlaylistFormat::kM3u, u"导入");
  ASSERT_EQ(c.channels.size(), 4u);
  EXPECT_EQ(c.channels[0],
            (UserChannel{u"CCTV-1 综合, 高清", u"央视, 综合", u"http://127.0.0.1/cctv1.m3u8"}));
  EXPECT_EQ(c.channels[1], (UserChannel{u"Только имя", u"导入", u"rtsp://127.0.0.1/ru"}));
  EXPECT_EQ(c.channels[2].name, u"show.asf");  // no name at all: the address's last part
  EXPECT_EQ(c.channels[3], (UserChannel{u"radio", u"ラジオ", u"http://127.0.0.1/radio"}));
  EXPECT_EQ(c.skipped.Total(), 0u);
}

TEST(PlaylistReader, LineEndsOfEverySystemReadAlike) {
  const std::u16string lf = u"#EXTM3U\n#EXTINF:-1,A\nhttp://127.0.0.1/a\nhttp://127.0.0.1/b\n";
  std::u16string crlf, cr;
  for (const char16_t c : lf) {
    crlf += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
    cr += c == u'\n' ? u'\r' : c;
  }
  const auto expected = ReadPlaylistText(lf, PlaylistFormat::kM3u, u"g").channels;
  ASSERT_EQ(expected.size(), 2u);
  EXPECT_EQ(ReadPlaylistText(crlf, PlaylistFormat::kM3u, u"g").channels, expected);
  EXPECT_EQ(ReadPlaylistText(cr, PlaylistFormat::kM3u, u"g").channels, expected);
}

TEST(PlaylistReader, EntriesThatCannotPlayAreCountedByReason) {
  const auto c = ReadPlaylistText(
      u"#EXTM3U\n"
      u"#EXTINF:-1,relative\nchannels/one.ts\n"
      u"#EXTINF:-1,windows path\nC:\\TV\\two.ts\n"
      u"#EXTINF:-1,local\nfile:///home/tv.ts\n"
      u"#EXTINF:-1,ftp\nftp://127.0.0.1/x\n"
      u"#EXTINF:-1,no host\nhttp:///x\n"
      u"#EXTINF:-1,control\nhttp://127.0.0.1/a\u0001b\n"
      u"#EXTINF:-1,orphan\n"
      u"#EXTINF:-1,good\nhttp://127.0.0.1/ok\n"
      u"#EXTINF:-1,trailing orphan\n",
      PlaylistFormat::kM3u, u"g");
  ASSERT_EQ(c.channels.size(), 1u);
  EXPECT_EQ(c.channels[0].name, u"good");
  EXPECT_EQ(Skipped(c, SkipReason::kNotNetwork), 3u);
  EXPECT_EQ(Skipped(c, SkipReason::kUnplayable), 3u);
  EXPECT_EQ(Skipped(c, SkipReason::kNoAddress), 2u);
}

TEST(PlaylistReader, AddressesAtTheirLengthBoundary) {
  const std::u16string head = u"http://127.0.0.1/";
  const std::u16string longest = head + std::u16string(kMaxAddressLength - head.size(), u'a');
  EXPECT_TRUE(IsPlayableAddress(longest));
  SkipReason why;
  EXPECT_FALSE(IsPlayableAddress(longest + u"a", &why));
  EXPECT_EQ(why, SkipReason::kUnplayable);
  const auto c = ReadPlaylistText(u"#EXTINF:-1," + std::u16string(500, u'名') + u"\n" + longest,
                                  PlaylistFormat::kM3u, u"g");
  ASSERT_EQ(c.channels.size(), 1u);
  EXPECT_EQ(c.channels[0].name.size(), kMaxNameLength);
}

TEST(PlaylistReader, PlsTakesEntriesInTheirNumbersOrder) {
  const auto c = ReadPlaylistText(
      u"[playlist]\r\nFile2=mms://127.0.0.1/second\r\nTitle2=第二\r\n"
      u"file1=http://127.0.0.1/first\r\nTitle3=无地址\r\nNumberOfEntries=3\r\nVersion=2\r\n",
      PlaylistFormat::kPls, u"电台");
  ASSERT_EQ(c.channels.size(), 2u);
  EXPECT_EQ(c.channels[0], (UserChannel{u"first", u"电台", u"http://127.0.0.1/first"}));
  EXPECT_EQ(c.channels[1].name, u"第二");
  EXPECT_EQ(Skipped(c, SkipReason::kNoAddress), 1u);
}

TEST(PlaylistReader, AsxIsReadLeniently) {
  const auto c = ReadPlaylistText(
      u"<ASX version=\"3.0\"><TITLE>List</TITLE>\n"
      u"<Entry><Title>新闻 &amp; 体育</Title><REF HREF='http://127.0.0.1/a?x=1&amp;y=2'/></Entry>\n"
      u"<entry><ref href=mms://127.0.0.1/b /></entry>\n"
      u"<ENTRYREF HREF=\"http://127.0.0.1/more.asx\"/>\n"
      u"<entry><title>空</title></entry>\n"
      u"<entry><ref href=\"file:///c:/x.wmv\"/></entry>",
      PlaylistFormat::kAsx, u"g");
  ASSERT_EQ(c.channels.size(), 3u);
  EXPECT_EQ(c.channels[0], (UserChannel{u"新闻 & 体育", u"g", u"http://127.0.0.1/a?x=1&y=2"}));
  EXPECT_EQ(c.channels[1].address, u"mms://127.0.0.1/b");
  EXPECT_EQ(c.channels[2].address, u"http://127.0.0.1/more.asx");
  EXPECT_EQ(Skipped(c, SkipReason::kNoAddress), 1u);
  EXPECT_EQ(Skipped(c, SkipReason::kNotNetwork), 1u);
}

TEST(PlaylistReader, TheContentDecidesTheFormatBeforeTheExtension) {
  EXPECT_EQ(GuessFormat(u"  #EXTM3U\n", "pls"), PlaylistFormat::kM3u);
  EXPECT_EQ(GuessFormat(u"[Playlist]\n", "m3u"), PlaylistFormat::kPls);
  EXPECT_EQ(GuessFormat(u"[Reference]\nRef1=http://a\n", "asx"), PlaylistFormat::kPls);
  EXPECT_EQ(GuessFormat(u"<?xml version=\"1.0\"?>\n<asx>", "m3u"), PlaylistFormat::kAsx);
  EXPECT_EQ(GuessFormat(u"http://a\n", "PLS"), PlaylistFormat::kPls);
  EXPECT_EQ(GuessFormat(u"http://a\n", "wax"), PlaylistFormat::kAsx);
  EXPECT_EQ(GuessFormat(u"http://a\n", ""), PlaylistFormat::kM3u);
}

TEST(PlaylistReader, BinaryFilesYieldNothingAndHugeOnesAreCutAtALine) {
  const auto binary = ReadPlaylist("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, "m3u", u"g", nullptr);
  EXPECT_FALSE(binary.is_text);
  EXPECT_TRUE(binary.channels.empty());

  // A list longer than is read, whose cut falls inside a UTF-8 character: what comes before
  // the last whole line is still read as UTF-8.
  const std::string line = "#EXTINF:-1,频道\nhttp://127.0.0.1/x/";
  std::string huge;
  std::size_t entries = 0;
  while (huge.size() < kMaxPlaylistBytes + 100) {
    huge += line + std::to_string(entries++) + "\n";
  }
  const auto c = ReadPlaylist(huge, "m3u", u"g", [](std::string_view) -> std::u16string {
    ADD_FAILURE() << "a UTF-8 list was taken for the local code page";
    return {};
  });
  EXPECT_GT(c.channels.size(), entries - 100);
  EXPECT_LT(c.channels.size(), entries);
  EXPECT_EQ(c.channels.back().name, u"频道");
}

}  // namespace
}  // namespace telvana::playlists
