#include "player/metafile.h"

#include <gtest/gtest.h>

namespace telvana::player {
namespace {

using Strings = std::vector<std::string>;
constexpr std::string_view kBase = "http://127.0.0.1:8080/live/list.asx";

TEST(Asx, EntriesAndTheirAlternativesInOrder) {
  const char* text = R"(<asx version="3.0">
  <title>Live</title>
  <entry><ref href="mms://a/one"/><ref href="http://b/one.asf"/></entry>
  <entry><ref href="rtsp://c/two.rm" /></entry>
</asx>)";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"mms://a/one", "http://b/one.asf", "rtsp://c/two.rm"}));
}

TEST(Asx, UpperCaseTagsUnquotedValuesAndBareAmpersands) {
  const char* text =
      "<ASX VERSION=3><ENTRY><REF HREF=mms://a/x?id=1&gs=wmv></ENTRY>"
      "<Entry><Ref Href = 'http://b/y?a=1&amp;b=2' /></Entry></ASX>";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"mms://a/x?id=1&gs=wmv", "http://b/y?a=1&b=2"}));
}

TEST(Asx, TextAroundTheMarkupAndCommentsAreIgnored) {
  const char* text =
      "garbage before <html>\r\n<!-- <ref href=\"mms://commented/out\"/> -->\n"
      "<asx><entry><ref href=\"mms://a/x\"/></entry></asx>\ntrailing words & more < 3";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase), (Strings{"mms://a/x"}));
}

TEST(Asx, RelativeReferencesAndBase) {
  EXPECT_EQ(
      ParseMetafile(MetafileKind::Asx, "<asx><entry><ref href=\"clip.wmv\"/></entry></asx>", kBase),
      (Strings{"http://127.0.0.1:8080/live/clip.wmv"}));
  EXPECT_EQ(
      ParseMetafile(
          MetafileKind::Asx,
          "<asx><base href=\"http://other/media/\"/><entry><ref href=\"c.wmv\"/></entry></asx>",
          kBase),
      (Strings{"http://other/media/c.wmv"}));
}

TEST(Asx, EntryRefsCountAndDuplicatesAndForeignSchemesDoNot) {
  const char* text =
      "<asx><entryref href=\"http://a/more.asx\"/><entry><ref href=\"mms://a/x\"/>"
      "<ref href=\"mms://a/x\"/><ref href=\"file:///c:/boot.ini\"/></entry></asx>";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"http://a/more.asx", "mms://a/x"}));
}

TEST(Asx, AddressesAreTrimmedAndEscaped) {
  const char* text = "<asx><entry><ref href=\"  mms://h/徐州 台 \"/></entry></asx>";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"mms://h/%E5%BE%90%E5%B7%9E%20%E5%8F%B0"}));
}

TEST(Asx, Utf16WithAndWithoutMark) {
  const std::string ascii = "<ASX><ENTRY><REF HREF=\"mms://h/x\"/></ENTRY></ASX>";
  std::string le = "\xFF\xFE", bareLe;
  for (char c : ascii) {
    le += c, le += '\0';
    bareLe += c, bareLe += '\0';
  }
  std::string be = "\xFE\xFF";
  for (char c : ascii) be += '\0', be += c;
  for (const std::string& text : {le, bareLe, be}) {
    EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase), (Strings{"mms://h/x"}));
  }
}

TEST(Asx, TheOlderReferenceForm) {
  const char* text = "[Reference]\r\nRef1=http://h/live?MSWMExt=.asf\r\nRef2=mms://h/live\r\n";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"mmsh://h/live?MSWMExt=.asf", "http://h/live?MSWMExt=.asf", "mms://h/live"}));
}

TEST(Asx, CharacterReferences) {
  const char* text = "<asx><ref href=\"mms://h/&#24464;&#x5DDE;&bogus;&#xZZ;&\"/></asx>";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase),
            (Strings{"mms://h/%E5%BE%90%E5%B7%9E&bogus;&#xZZ;&"}));
}

TEST(Asx, AnUnclosedQuoteEndsWithItsTag) {
  const char* text =
      "<asx><entry><ref href=\"mms://h/a>\n</entry><entry><ref href=\"mms://h/b\"/></entry></asx>";
  EXPECT_EQ(ParseMetafile(MetafileKind::Asx, text, kBase), (Strings{"mms://h/a", "mms://h/b"}));
}

TEST(Ram, OneAddressALineWithCommentsAndStop) {
  const char* text =
      "# RealMedia\r\nrtsp://h/one.rm\r\n\r\n  pnm://h/two.rm  "
      "\nhttp://h/three.rm\n--stop--\nrtsp://h/after.rm\n";
  EXPECT_EQ(ParseMetafile(MetafileKind::Ram, text, kBase),
            (Strings{"rtsp://h/one.rm", "pnm://h/two.rm", "http://h/three.rm"}));
}

TEST(Ram, LinesThatAreNotAddressesAreSkipped) {
  EXPECT_EQ(ParseMetafile(MetafileKind::Ram,
                          "hello\nfile:///etc/passwd\nrtsp://h/x.rm?title=\"A B\"", kBase),
            (Strings{"rtsp://h/x.rm?title=\"A%20B\""}));
}

TEST(Smil, MediaElementsInDocumentOrderWithBase) {
  const char* text = R"(<smil><head><meta name="base" content="rtsp://real.example/"/></head>
<body><par><video src="show.rm" region="v"/><AUDIO SRC="http://h/a.rm"/><img src="logo.gif"/>
<ref src='rtsp://h/r.rm'/></par></body></smil>)";
  EXPECT_EQ(ParseMetafile(MetafileKind::Smil, text, kBase),
            (Strings{"rtsp://real.example/show.rm", "http://h/a.rm", "rtsp://h/r.rm"}));
}

TEST(Sniff, RecognisesMetafilesByContent) {
  EXPECT_EQ(SniffMetafile("  \r\n<ASX version=\"3.0\">"), MetafileKind::Asx);
  EXPECT_EQ(SniffMetafile("<?xml version=\"1.0\"?><asx>"), MetafileKind::Asx);
  EXPECT_EQ(SniffMetafile("[Reference]\r\nRef1=http://h/x"), MetafileKind::Asx);
  EXPECT_EQ(SniffMetafile("<smil><body>"), MetafileKind::Smil);
  EXPECT_EQ(SniffMetafile("# list\nrtsp://h/x.rm\n"), MetafileKind::Ram);
  EXPECT_EQ(SniffMetafile("\xEF\xBB\xBFpnm://h/x.rm"), MetafileKind::Ram);
}

TEST(Sniff, MediaAndPagesAreNotMetafiles) {
  EXPECT_EQ(SniffMetafile(std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA", 12)),
            MetafileKind::None);
  EXPECT_EQ(SniffMetafile(std::string(".RMF\0\0\0\x12", 8)), MetafileKind::None);
  EXPECT_EQ(SniffMetafile("<html><body>Not found</body></html>"), MetafileKind::None);
  EXPECT_EQ(SniffMetafile("hello\nrtsp://h/x"), MetafileKind::None);
  EXPECT_EQ(SniffMetafile(""), MetafileKind::None);
}

TEST(Extension, WhatEachExtensionPromises) {
  EXPECT_EQ(MetafileKindFromExtension("asx"), MetafileKind::Asx);
  EXPECT_EQ(MetafileKindFromExtension("WAX"), MetafileKind::Asx);
  EXPECT_EQ(MetafileKindFromExtension("wvx"), MetafileKind::Asx);
  EXPECT_EQ(MetafileKindFromExtension("ram"), MetafileKind::Ram);
  EXPECT_EQ(MetafileKindFromExtension("rpm"), MetafileKind::Ram);
  EXPECT_EQ(MetafileKindFromExtension("smi"), MetafileKind::Smil);
  EXPECT_EQ(MetafileKindFromExtension("rm"), MetafileKind::None);
}

TEST(Limits, NoMoreThanTheMaximumOfEntries) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "rtsp://h/" + std::to_string(i) + ".rm\n";
  EXPECT_EQ(ParseMetafile(MetafileKind::Ram, text, kBase).size(), kMaxMetafileEntries);
}

}  // namespace
}  // namespace telvana::player
