// What the information windows show: their headings, texts and size notes, their pictures
// at the designed sizes (and the places left empty), the hints and cursors of the
// advertisements, and the layout of the parts the windows are built from.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/infowin/program_windows.h"
#include "ui/group_box.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using testsupport::PartOf;
using testsupport::Program;

constexpr wchar_t kAdHint[] = L"双击本广告，光临本网站！";
constexpr ui::TColor kPurple = 0x800080;

std::wstring Text(const ui::TForm& form, const wchar_t* label) {
  return PartOf<ui::TLabel>(form, label).Caption();
}

bool Contains(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

int CountLinesStartingWith(const std::wstring& text, const std::wstring& start) {
  int count = 0;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find(L"\r\n", at);
    if (end == std::wstring::npos) end = text.size();
    if (text.compare(at, start.size(), start) == 0) ++count;
    at = end + 2;
  }
  return count;
}

void ExpectHeading(const ui::TForm& form, const wchar_t* label, const wchar_t* text) {
  auto& heading = PartOf<ui::TLabel>(form, label);
  EXPECT_EQ(heading.Caption(), text);
  EXPECT_TRUE(heading.Font().Bold) << Utf8FromWide(text) << " is a heading";
}

struct Picture {
  const wchar_t* name;
  int width, height;  // of the frame
  bool stored;        // a picture is stored, at the frame's size
  bool stretch;
  bool hint;  // the advertisement's hint and hand cursor
};

void ExpectPictures(const ui::TForm& form, std::initializer_list<Picture> pictures) {
  for (const Picture& p : pictures) {
    SCOPED_TRACE(Utf8FromWide(form.Name + L"." + p.name));
    auto& image = PartOf<ui::TImage>(form, p.name);
    EXPECT_EQ(image.Stretch(), p.stretch);
    if (image.Align() == ui::TAlign::alNone) {
      EXPECT_EQ(image.Width(), p.width);
      EXPECT_EQ(image.Height(), p.height);
    }
    if (p.stored) {
      EXPECT_EQ(image.Picture().width, p.width);
      EXPECT_EQ(image.Picture().height, p.height);
    } else {
      EXPECT_TRUE(image.Picture().empty()) << "an empty place";
    }
    if (p.hint) {
      EXPECT_EQ(image.Hint(), kAdHint);
      EXPECT_TRUE(image.ShowHint());
      EXPECT_EQ(image.Cursor(), ui::TCursor::crHandPoint);
    } else {
      EXPECT_FALSE(image.ShowHint() && !image.Hint().empty());
    }
  }
}

TEST(InformationContents, Help) {
  const ui::TForm& help = *Program().information.help;
  auto& left = PartOf<ui::TGroupBox>(help, L"GroupBox1");
  auto& right = PartOf<ui::TGroupBox>(help, L"GroupBox2");
  EXPECT_EQ(left.Width(), 171);
  EXPECT_EQ(left.Height(), 638);
  EXPECT_EQ(right.Left(), 171) << "the right box fills the rest";
  EXPECT_EQ(right.Width(), 857 - 171);
  EXPECT_EQ(left.Color(), help.Color()) << "cream like the window";
  ExpectPictures(
      help, {{L"Image2", 167, 627, true, true, true}, {L"Image1", 473, 369, true, true, false}});
  EXPECT_FALSE(PartOf<ui::TImage>(help, L"Image1").OnDblClick)
      << "the function layout has no action";
  EXPECT_EQ(Text(help, L"Label1"), L"广告大小:170*637");

  ExpectHeading(help, L"Label2", L"〈〈〈 功能分布图");
  ExpectHeading(help, L"Label3", L"操作前提");
  ExpectHeading(help, L"Label5", L"操作流程");
  ExpectHeading(help, L"Label8", L"普遍问题");
  const std::wstring prerequisites = Text(help, L"Label4");
  EXPECT_TRUE(Contains(prerequisites, L"Windows Media Player 9.0"));
  EXPECT_TRUE(Contains(prerequisites, L"512K"));
  EXPECT_TRUE(Contains(prerequisites, L"1M"));
  EXPECT_EQ(
      CountLinesStartingWith(prerequisites, L"1. ") + CountLinesStartingWith(prerequisites, L"2. "),
      2);
  const std::wstring steps = Text(help, L"Label6");
  EXPECT_EQ(CountLinesStartingWith(steps, L"1. ") + CountLinesStartingWith(steps, L"2. ") +
                CountLinesStartingWith(steps, L"3. "),
            3);
  EXPECT_TRUE(Contains(steps, L"菜单栏"));
  EXPECT_TRUE(Contains(steps, L"双击"));
  EXPECT_TRUE(Contains(steps, L"右键"));
  auto& keys = PartOf<ui::TLabel>(help, L"Label7");
  EXPECT_EQ(keys.Caption(), L"快捷键:全屏模式F11 正常模式F12");
  EXPECT_EQ(keys.Font().Color, ui::TColor{0x000080}) << "maroon";
  EXPECT_EQ(PartOf<ui::TLabel>(help, L"Label4").Font().Color, kPurple);

  auto& memo = PartOf<ui::TMemo>(help, L"Memo1");
  EXPECT_EQ(memo.Width(), 673);
  EXPECT_EQ(memo.Height(), 249);
  EXPECT_FALSE(memo.Enabled());
  EXPECT_FALSE(::IsWindowEnabled(memo.Handle()));
  EXPECT_TRUE(memo.ReadOnly());
  EXPECT_FALSE(memo.Ctl3D()) << "a flat border";
  EXPECT_EQ(memo.Color(), ui::TColor{0x808080});
  EXPECT_EQ(memo.Font().Color, ui::clWhite);
  EXPECT_EQ(CountLinesStartingWith(memo.Text(), L"●"), 7) << "seven items";
  EXPECT_TRUE(Contains(memo.Text(), L"就绪"));
  EXPECT_TRUE(Contains(memo.Text(), L"www.korvane.cn"));
}

TEST(InformationContents, Disclaimer) {
  const ui::TForm& form = *Program().information.disclaimer;
  auto& top = PartOf<ui::TPanel>(form, L"Panel1");
  EXPECT_EQ(top.Width(), 497);
  EXPECT_EQ(top.Height(), 121);
  EXPECT_EQ(top.Font().Height, -13);
  ExpectHeading(form, L"Label1", L"Korvane软件免责申明");
  const std::wstring points = Text(form, L"Label2");
  int numbered = 0;
  for (const wchar_t* n : {L"1、", L"2、", L"3、", L"4、", L"5、"})
    numbered += CountLinesStartingWith(points, n);
  EXPECT_EQ(numbered, 5);
  EXPECT_TRUE(Contains(points, L"感谢"));
  EXPECT_TRUE(Contains(points, L"版权"));
  EXPECT_TRUE(Contains(points, L"删除"));
  EXPECT_EQ(Text(form, L"Label3"), L"广告图片大小：495*210像素（2张横式）");
  auto& bottom = PartOf<ui::TPanel>(form, L"Panel2");
  EXPECT_EQ(bottom.Width(), 497);
  EXPECT_EQ(bottom.Height(), 427);
  EXPECT_TRUE(bottom.ShowHint());
  EXPECT_TRUE(Contains(bottom.Hint(), L"招租"));
  EXPECT_TRUE(Contains(bottom.Hint(), L"13800000000"));
  ExpectPictures(
      form, {{L"Image2", 495, 210, true, true, true}, {L"Image1", 495, 210, true, true, true}});
  EXPECT_LT(PartOf<ui::TImage>(form, L"Image2").Top(), PartOf<ui::TImage>(form, L"Image1").Top());
}

TEST(InformationContents, About) {
  const ui::TForm& form = *Program().information.about;
  EXPECT_EQ(PartOf<ui::TPanel>(form, L"Panel1").Height(), 225);
  EXPECT_EQ(PartOf<ui::TPanel>(form, L"Panel2").Height(), 361);
  ExpectHeading(form, L"Label1", L"系统概述");
  EXPECT_TRUE(Contains(Text(form, L"Label2"), L"Korvane影视Telvana"));
  const std::wstring merits = Text(form, L"Label3");
  EXPECT_EQ(CountLinesStartingWith(merits, L"★"), 6);
  for (const wchar_t* merit : {L"免费", L"要求低", L"无污染", L"越流畅", L"95%", L"更新"}) {
    EXPECT_TRUE(Contains(merits, merit)) << Utf8FromWide(merit);
  }
  EXPECT_EQ(Text(form, L"Label4"), L"广告图片大小：495*176像素（2张横式）");
  EXPECT_TRUE(Contains(Text(form, L"Label5"), L"V9.8"));
  EXPECT_TRUE(Contains(Text(form, L"Label5"), L"2006年1月"));
  ExpectPictures(
      form, {{L"Image1", 495, 177, true, true, true}, {L"Image2", 495, 177, true, false, false}});
  EXPECT_EQ(PartOf<ui::TImage>(form, L"Image2").Cursor(), ui::TCursor::crHandPoint);
}

TEST(InformationContents, Contact) {
  const ui::TForm& form = *Program().information.contact;
  auto& top = PartOf<ui::TPanel>(form, L"Panel1");
  EXPECT_EQ(top.Width(), 501);
  EXPECT_EQ(top.Height(), 193);
  EXPECT_EQ(top.Font().Height, -13);
  ExpectHeading(form, L"Label1", L"联系Korvane软件");
  ExpectHeading(form, L"Label3", L"关于Korvane软件");
  const std::wstring details = Text(form, L"Label2") + L"\r\n" + Text(form, L"Label6");
  for (const wchar_t* detail : {L"负责人", L"手机", L"电子邮件", L"QQ", L"所在城市",
                                L"www.korvane.cn", L"shop.korvane.cn"}) {
    EXPECT_TRUE(Contains(details, detail)) << Utf8FromWide(detail);
  }
  EXPECT_EQ(CountLinesStartingWith(Text(form, L"Label4"), L""), 3) << "three lines about the maker";
  EXPECT_EQ(Text(form, L"Label5"), L"广告图片大小：369*162像素（2张横式）  131*335像素（1张竖式）");
  EXPECT_EQ(PartOf<ui::TPanel>(form, L"Panel2").Height(), 338);
  ExpectPictures(form, {{L"Image1", 132, 336, true, true, true},
                        {L"Image2", 369, 163, false, true, true},
                        {L"Image3", 369, 163, false, true, true}});
  EXPECT_GT(PartOf<ui::TImage>(form, L"Image1").Left(), PartOf<ui::TImage>(form, L"Image2").Left())
      << "the vertical picture at the right";
}

// The column of single blue characters at the boards' right edge.
void ExpectColumn(const ui::TForm& form, bool visible) {
  std::wstring column;
  int top = -1;
  for (int i = 3; i <= 12; ++i) {
    auto& label = PartOf<ui::TLabel>(form, (L"Label" + std::to_wstring(i)).c_str());
    column += label.Caption();
    EXPECT_GT(label.Top(), top) << "top to bottom";
    top = label.Top();
    EXPECT_EQ(label.Font().Color, ui::TColor{0xFF0000}) << "blue";
    EXPECT_EQ(label.Font().Height, -15);
    EXPECT_TRUE(label.Font().Bold);
    EXPECT_EQ(label.Visible(), visible);
  }
  EXPECT_EQ(column, L"双击各图片直通各网站");
}

void ExpectBoxes(const ui::TForm& form, int count, int width, int height) {
  for (int i = 1; i <= count; ++i) {
    auto& box = PartOf<ui::TGroupBox>(form, (L"GroupBox" + std::to_wstring(i)).c_str());
    EXPECT_EQ(box.Caption(), L"广告连接" + std::to_wstring(i));
    EXPECT_EQ(box.Width(), width);
    EXPECT_EQ(box.Height(), height);
    ASSERT_EQ(box.Controls().size(), 1u);
    EXPECT_EQ(box.Controls()[0]->Align(), ui::TAlign::alClient) << "filled by its picture";
  }
}

TEST(InformationContents, CommercialBoard) {
  const ui::TForm& form = *Program().information.commercial;
  ExpectHeading(form, L"Label1", L"商业广告说明：");
  const std::wstring rules = Text(form, L"Label2");
  EXPECT_EQ(CountLinesStartingWith(rules, L"1、") + CountLinesStartingWith(rules, L"2、"), 2);
  for (const wchar_t* rule : {L"公益广告区", L"友情广告区", L"360*216", L"100元", L"竞价"}) {
    EXPECT_TRUE(Contains(rules, rule)) << Utf8FromWide(rule);
  }
  EXPECT_EQ(PartOf<ui::TBevel>(form, L"Bevel1").Height(), 2) << "a raised rule line";
  EXPECT_EQ(PartOf<ui::TBevel>(form, L"Bevel1").Style(), ui::TBevelStyle::bsRaised);
  ExpectBoxes(form, 4, 366, 233);
  ExpectPictures(form, {{L"Image1", 360, 216, true, true, true},
                        {L"Image2", 0, 0, false, true, true},
                        {L"Image3", 360, 216, true, true, true},
                        {L"Image4", 0, 0, false, true, true}});
  EXPECT_EQ(PartOf<ui::TImage>(form, L"Image4").Parent(),
            &PartOf<ui::TGroupBox>(form, L"GroupBox4"));
  ExpectColumn(form, true);
}

TEST(InformationContents, PublicServiceBoard) {
  const ui::TForm& form = *Program().information.publicService;
  ExpectHeading(form, L"Label1", L"公益广告说明：");
  const std::wstring rules = Text(form, L"Label2");
  for (const wchar_t* rule : {L"公益广告", L"免费", L"慈善", L"申请", L"175*101"}) {
    EXPECT_TRUE(Contains(rules, rule)) << Utf8FromWide(rule);
  }
  EXPECT_EQ(PartOf<ui::TBevel>(form, L"Bevel1").Height(), 2);
  ExpectPictures(form, {{L"Image1", 549, 339, true, false, true}});
  ExpectColumn(form, false);
}

TEST(InformationContents, FriendshipBoard) {
  const ui::TForm& form = *Program().information.friendship;
  ExpectHeading(form, L"Label1", L"友情广告说明：");
  const std::wstring rules = Text(form, L"Label2");
  for (const wchar_t* rule : {L"友情广告", L"合作", L"175*101"}) EXPECT_TRUE(Contains(rules, rule));
  ExpectBoxes(form, 8, 360, 105);
  // Boxes 1 and 2 side by side, then the next row.
  EXPECT_EQ(PartOf<ui::TGroupBox>(form, L"GroupBox1").Top(),
            PartOf<ui::TGroupBox>(form, L"GroupBox2").Top());
  EXPECT_LT(PartOf<ui::TGroupBox>(form, L"GroupBox1").Left(),
            PartOf<ui::TGroupBox>(form, L"GroupBox2").Left());
  EXPECT_GT(PartOf<ui::TGroupBox>(form, L"GroupBox3").Top(),
            PartOf<ui::TGroupBox>(form, L"GroupBox1").Top());
  // The pictures of boxes 1 and 3 are stored; their names follow the pages they open.
  EXPECT_EQ(PartOf<ui::TImage>(form, L"Image1").Parent(),
            &PartOf<ui::TGroupBox>(form, L"GroupBox1"));
  EXPECT_EQ(PartOf<ui::TImage>(form, L"Image3").Parent(),
            &PartOf<ui::TGroupBox>(form, L"GroupBox2"));
  EXPECT_EQ(PartOf<ui::TImage>(form, L"Image4").Parent(),
            &PartOf<ui::TGroupBox>(form, L"GroupBox3"));
  EXPECT_FALSE(PartOf<ui::TImage>(form, L"Image1").Picture().empty());
  EXPECT_FALSE(PartOf<ui::TImage>(form, L"Image4").Picture().empty());
  for (const wchar_t* empty : {L"Image2", L"Image3", L"Image5", L"Image6", L"Image7", L"Image8"}) {
    EXPECT_TRUE(PartOf<ui::TImage>(form, empty).Picture().empty()) << Utf8FromWide(empty);
  }
  ExpectColumn(form, true);
}

}  // namespace
}  // namespace telvana
