#include "tools/skintool/skintool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_packer.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tests/skin/sample_skin.h"
#include "tests/support/file_bytes.h"

namespace telvana::skintool {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;
using testsupport::ReadFileBytes;

class SkinToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skintool_test_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "src");
  }
  void TearDown() override { fs::remove_all(root_); }

  void Put(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  void Put(const fs::path& path, const std::string& text) {
    Put(path, Bytes(text.begin(), text.end()));
  }

  // A small but real skin source folder.
  void MakeSource() {
    Put(root_ / "src" / "Skin.ini",
        "[Personality]\r\nLeft=C:\\art\\Left.bmp\r\n[Buttons]\r\nBitmap=b.bmp\r\n");
    Put(root_ / "src" / "Left.bmp", EncodeBitmap(testing::SamplePicture(8, 30, 1)));
    Put(root_ / "src" / "b.bmp", EncodeBitmap(testing::SamplePicture(50, 20, 2)));
  }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return skintool::Run(args, out_, err_);
  }

  fs::path root_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SkinToolTest, PacksAFolderWithTheDescriptionLast) {
  MakeSource();
  const std::string file = (root_ / "a.skn").string();
  ASSERT_EQ(Run({"pack", (root_ / "src").string(), file}), kOk) << err_.str();
  EXPECT_THAT(out_.str(), HasSubstr("packed 3 entries"));
  EXPECT_EQ(err_.str(), "");

  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(ReadFileBytes(file)));
  EXPECT_THAT(reader.Names(), ::testing::ElementsAre("b.bmp", "left.bmp", "skin.ini"));

  // Packing again gives the same bytes.
  const Bytes first = ReadFileBytes(file);
  ASSERT_EQ(Run({"pack", (root_ / "src").string(), file}), kOk);
  EXPECT_EQ(ReadFileBytes(file), first);
}

TEST_F(SkinToolTest, ListIniAndUnpackReadFilesAndStreamValuesAlike) {
  MakeSource();
  const std::string file = (root_ / "a.skn").string();
  const std::string value = (root_ / "a.stream").string();
  ASSERT_EQ(Run({"pack", (root_ / "src").string(), file}), kOk);
  ASSERT_EQ(Run({"pack", "--stream", (root_ / "src").string(), value}), kOk);
  EXPECT_EQ(ReadFileBytes(value), MakeSkinStreamProperty(ReadFileBytes(file)));

  for (const std::string& input : {file, value}) {
    SCOPED_TRACE(input);
    ASSERT_EQ(Run({"list", input}), kOk) << err_.str();
    EXPECT_THAT(out_.str(), HasSubstr("left.bmp"));
    EXPECT_THAT(out_.str(),
                HasSubstr(std::to_string(ReadFileBytes(root_ / "src" / "Left.bmp").size())));
    EXPECT_THAT(out_.str(), HasSubstr("3 entries"));

    ASSERT_EQ(Run({"ini", input}), kOk);
    EXPECT_EQ(out_.str(),
              "[Personality]\r\nLeft=C:\\art\\Left.bmp\r\n[Buttons]\r\nBitmap=b.bmp\r\n");

    const fs::path dir = root_ / "out";
    fs::remove_all(dir);
    ASSERT_EQ(Run({"unpack", input, dir.string()}), kOk) << err_.str();
    EXPECT_EQ(ReadFileBytes(dir / "left.bmp"), ReadFileBytes(root_ / "src" / "Left.bmp"));
    EXPECT_EQ(ReadFileBytes(dir / "skin.ini"), ReadFileBytes(root_ / "src" / "Skin.ini"));
  }
}

TEST_F(SkinToolTest, WarnsAboutPicturesTheProgramWouldNotFind) {
  Put(root_ / "src" / "skin.ini", "[A]\r\nImage=missing.bmp\r\nOther=Shout.BMP\r\nText=x.txt\r\n");
  Put(root_ / "src" / "shout.bmp", EncodeBitmap(testing::SamplePicture(4, 4, 1)));
  ASSERT_EQ(Run({"pack", (root_ / "src").string(), (root_ / "a.skn").string()}), kOk);
  EXPECT_THAT(err_.str(), HasSubstr("[A] Image: \"missing.bmp\" is not in the skin"));
  EXPECT_THAT(err_.str(), HasSubstr("\"Shout.BMP\" is ignored"));
  EXPECT_THAT(err_.str(), ::testing::Not(HasSubstr("x.txt")));
}

TEST_F(SkinToolTest, RefusesFoldersThatMakeNoSkin) {
  const std::string src = (root_ / "src").string();
  const std::string file = (root_ / "a.skn").string();
  auto refused = [&](const std::string& why) {
    EXPECT_EQ(Run({"pack", src, file}), kFailed);
    EXPECT_THAT(err_.str(), HasSubstr(why));
    EXPECT_FALSE(fs::exists(file));
  };
  refused("exactly one description");  // empty folder
  Put(root_ / "src" / "skin.ini", "[A]\r\n");
  Put(root_ / "src" / "notes.txt", "x");
  refused("neither a description");
  fs::remove(root_ / "src" / "notes.txt");
  Put(root_ / "src" / "broken.bmp", "BMnot really");
  refused("broken.bmp: bitmap:");
  fs::remove(root_ / "src" / "broken.bmp");
  Put(root_ / "src" / "second.INI", "[B]\r\n");
  refused("exactly one description");
  fs::remove(root_ / "src" / "second.INI");
  Put(root_ / "src" / "a.ini.bmp", EncodeBitmap(testing::SamplePicture(2, 2, 1)));
  refused("taken for the description");
  fs::remove(root_ / "src" / "a.ini.bmp");
  fs::create_directory(root_ / "src" / "sub");
  refused("only files");
  EXPECT_EQ(Run({"pack", (root_ / "nowhere").string(), file}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("not a folder"));
}

TEST_F(SkinToolTest, ReportsDamagedAndOlderSkins) {
  Put(root_ / "short.skn", Bytes{1, 2});
  EXPECT_EQ(Run({"list", (root_ / "short.skn").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("damaged skin"));

  Bytes older = BuildSkinContainer(std::vector<SkinEntry>{{"a.ini", {}}});
  older[0] = 0x1F;  // format mark 19999
  Put(root_ / "old.skn", PackSkinContainer(older));
  EXPECT_EQ(Run({"ini", (root_ / "old.skn").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("older skin format"));

  Put(root_ / "noini.skn", PackSkin(std::vector<SkinEntry>{{"a.bmp", {}}}));
  EXPECT_EQ(Run({"ini", (root_ / "noini.skn").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("no description"));

  Put(root_ / "empty.stream", Bytes{0, 0, 0, 0});
  EXPECT_EQ(Run({"list", (root_ / "empty.stream").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("holds no skin"));

  EXPECT_EQ(Run({"list", (root_ / "absent.skn").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("cannot open"));
}

TEST_F(SkinToolTest, UnpackRefusesNamesThatLeaveTheFolder) {
  Put(root_ / "evil.skn", PackSkin(std::vector<SkinEntry>{{"../escape.bmp", {1}}, {"a.ini", {}}}));
  EXPECT_EQ(Run({"unpack", (root_ / "evil.skn").string(), (root_ / "out").string()}), kFailed);
  EXPECT_THAT(err_.str(), HasSubstr("not a plain file name"));
  EXPECT_FALSE(fs::exists(root_ / "escape.bmp"));
}

TEST_F(SkinToolTest, HelpAndUsageErrors) {
  EXPECT_EQ(Run({"--help"}), kOk);
  EXPECT_THAT(out_.str(), HasSubstr("skintool pack [--stream] DIR FILE"));
  EXPECT_EQ(Run({}), kBadUsage);
  EXPECT_THAT(err_.str(), HasSubstr("usage:"));
  EXPECT_EQ(Run({"explode", "x"}), kBadUsage);
  EXPECT_THAT(err_.str(), HasSubstr("unknown command \"explode\""));
  EXPECT_EQ(Run({"list"}), kBadUsage);
  EXPECT_EQ(Run({"pack", "only-one"}), kBadUsage);
  EXPECT_EQ(Run({"pack", "--fast", "a", "b"}), kBadUsage);
}

}  // namespace
}  // namespace telvana::skintool
