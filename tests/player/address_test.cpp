#include "player/address.h"

#include <gtest/gtest.h>

namespace telvana::player {
namespace {

using Strings = std::vector<std::string>;

TEST(NormalizeAddress, TrimsSurroundingBlanksOfEveryKind) {
  EXPECT_EQ(NormalizeAddress(u"  mms://live.example.com/ggtv \t\r\n"),
            "mms://live.example.com/ggtv");
  EXPECT_EQ(NormalizeAddress(u"\u3000\u00A0\uFEFFrtsp://h/a.rm\u3000"), "rtsp://h/a.rm");
  EXPECT_EQ(NormalizeAddress(u" \u3000 "), "");
  EXPECT_EQ(NormalizeAddress(u""), "");
}

TEST(NormalizeAddress, PercentEncodesNonAsciiAsUtf8) {
  // 徐州 = E5 BE 90 E5 B7 9E in UTF-8.
  EXPECT_EQ(NormalizeAddress(u"mms://198.51.100.27/徐州_经济"),
            "mms://198.51.100.27/%E5%BE%90%E5%B7%9E_%E7%BB%8F%E6%B5%8E");
}

TEST(NormalizeAddress, EscapesInnerBlanksAndControlsButKeepsEscapes) {
  EXPECT_EQ(NormalizeAddress(u"http://h/a b%20c\x01"), "http://h/a%20b%20c%01");
  EXPECT_EQ(NormalizeAddress(u"http://h/play.asp?id=380&gs=wmv"),
            "http://h/play.asp?id=380&gs=wmv");
}

TEST(NormalizeAddress, LowerCasesOnlyTheScheme) {
  EXPECT_EQ(NormalizeAddress(u"MMS://Live.Example.COM/Path"), "mms://Live.Example.COM/Path");
}

TEST(NormalizeAddressBytes, EscapesBytesOfALocalCodePageOneByOne) {
  // "徐" in GBK is D0 EC: not UTF-8, sent as the server stores it.
  EXPECT_EQ(NormalizeAddressBytes("mms://h/\xD0\xEC.asf"), "mms://h/%D0%EC.asf");
}

TEST(TransportCandidates, MmsTriesHttpThenTcp) {
  EXPECT_EQ(TransportCandidates("mms://h/live"), (Strings{"mmsh://h/live", "mmst://h/live"}));
  EXPECT_EQ(TransportCandidates("mmst://h:1755/x"), (Strings{"mmst://h:1755/x"}));
  EXPECT_EQ(TransportCandidates("mmsh://h/x"), (Strings{"mmsh://h/x"}));
}

TEST(TransportCandidates, RtspHttpAndHttpsAreThemselvesAndPnmBecomesRtsp) {
  EXPECT_EQ(TransportCandidates("rtsp://h:554/a.rm"), (Strings{"rtsp://h:554/a.rm"}));
  EXPECT_EQ(TransportCandidates("http://h/a.asx"), (Strings{"http://h/a.asx"}));
  EXPECT_EQ(TransportCandidates("HTTPS://h/a.m3u8"), (Strings{"https://h/a.m3u8"}));
  EXPECT_EQ(TransportCandidates("pnm://h/a.rm"), (Strings{"rtsp://h/a.rm"}));
}

TEST(TransportPlan, RtspIsTriedInterleavedOverTcpThenOverUdp) {
  const std::vector<TransportCandidate> plan = TransportPlan("pnm://h/a.rm");
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[0].url, "rtsp://h/a.rm");
  EXPECT_EQ(plan[0].transport, Transport::RtspOverTcp);
  EXPECT_EQ(plan[1].url, "rtsp://h/a.rm");
  EXPECT_EQ(plan[1].transport, Transport::RtspOverUdp);
  EXPECT_EQ(TransportPlan("mms://h/x")[1].transport, Transport::MmsOverTcp);
}

TEST(TransportCandidates, NothingOutsideTheNetwork) {
  EXPECT_TRUE(TransportCandidates("file:///c:/windows/win.ini").empty());
  EXPECT_TRUE(TransportCandidates("javascript://x").empty());
  EXPECT_TRUE(TransportCandidates("no scheme").empty());
  EXPECT_TRUE(TransportCandidates("").empty());
}

TEST(SchemeOf, LowerCaseWithoutSeparator) {
  EXPECT_EQ(SchemeOf("RTSP://h/x"), "rtsp");
  EXPECT_EQ(SchemeOf("h/x"), "");
  EXPECT_EQ(SchemeOf("://h"), "");
  EXPECT_EQ(SchemeOf("1http://h"), "");
}

TEST(ResolveReference, AbsoluteReferencesStay) {
  EXPECT_EQ(ResolveReference("http://a/b/c.asx", "mms://x/y"), "mms://x/y");
}

TEST(ResolveReference, RelativeReferencesFollowTheMetafile) {
  EXPECT_EQ(ResolveReference("http://a:8080/b/c.asx?x=1", "clip.wmv"), "http://a:8080/b/clip.wmv");
  EXPECT_EQ(ResolveReference("http://a/b/c.asx", "/top.wmv"), "http://a/top.wmv");
  EXPECT_EQ(ResolveReference("http://a", "clip.wmv"), "http://a/clip.wmv");
  EXPECT_EQ(ResolveReference("http://a/b/c.asx", "//other/x.rm"), "http://other/x.rm");
}

TEST(PathExtension, IgnoresQueryAndHost) {
  EXPECT_EQ(PathExtension("http://h/a/live.ASX?x=1.rm#y"), "asx");
  EXPECT_EQ(PathExtension("http://h.example.com"), "");
  EXPECT_EQ(PathExtension("http://h/dir.d/file"), "");
  EXPECT_EQ(PathExtension("http://h/play1.asp?id=380&gs=wmv"), "asp");
}

}  // namespace
}  // namespace telvana::player
