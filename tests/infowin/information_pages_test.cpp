// The web pages of the information windows: every reacting element asks the shell for its
// address, owned by its window; elements without an action ask for nothing; when the shell
// cannot be asked, the network notice appears and the window stays open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/infowin/program_windows.h"
#include "tests/support/mouse.h"
#include "ui/buttons.h"
#include "ui/group_box.h"
#include "ui/std_controls.h"
#include "web/site_addresses.h"

namespace telvana {
namespace {

using testsupport::Click;
using testsupport::DoubleClick;
using testsupport::PartOf;
using testsupport::Program;
using testsupport::ShellRequests;

ui::TForm& Help() {
  return *Program().information.help;
}
ui::TForm& Disclaimer() {
  return *Program().information.disclaimer;
}
ui::TForm& About() {
  return *Program().information.about;
}
ui::TForm& Contact() {
  return *Program().information.contact;
}
ui::TForm& Commercial() {
  return *Program().information.commercial;
}
ui::TForm& PublicService() {
  return *Program().information.publicService;
}
ui::TForm& Friendship() {
  return *Program().information.friendship;
}

struct Page {
  ui::TForm& (*window)();
  const wchar_t* element;
  const wchar_t* address;
};

// Every picture with an action, each opening its own page.
const Page kPictures[] = {
    {Help, L"Image2", kAdvertiserA},       {Disclaimer, L"Image2", kAdvertiserA},
    {Disclaimer, L"Image1", kAdvertiserB}, {About, L"Image1", kAdvertiserC},
    {About, L"Image2", kAdvertiserD},      {Contact, L"Image1", kMakerSite},
    {Contact, L"Image2", kMakerSite},      {Contact, L"Image3", kMakerSite},
    {Commercial, L"Image1", kAdvertiserE}, {Commercial, L"Image2", kMakerSite},
    {Commercial, L"Image3", kAdvertiserF}, {PublicService, L"Image1", kNewYearProgramme},
    {Friendship, L"Image1", kShopPage},    {Friendship, L"Image3", kMakerSite},
    {Friendship, L"Image4", kAdvertiserH},
};

TEST(InformationPages, ADoubleClickOnEachAdvertisementOpensItsPage) {
  testsupport::MessageBoxRecorder boxes;
  for (const Page& page : kPictures) {
    ui::TForm& window = page.window();
    SCOPED_TRACE(Utf8FromWide(window.Name + L"." + page.element));
    ShellRequests shell;
    auto& picture = PartOf<ui::TImage>(window, page.element);
    Click(picture);
    EXPECT_TRUE(shell.opened.empty()) << "a single click opens nothing";
    DoubleClick(picture);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].second, page.address);
    EXPECT_EQ(shell.opened[0].first, window.Handle()) << "owned by its window";
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST(InformationPages, TheNewYearButtonLeadsToTheProgrammePageOnItsSite) {
  const std::wstring page = kNewYearProgramme, site = kAdvertiserB;
  EXPECT_EQ(page, site.substr(0, site.size() - 1) + L"/Article/jiemu/jiemu2006/200601/124.html");
  ShellRequests shell;
  auto& more = PartOf<ui::TBitBtn>(PublicService(), L"BitBtn2");
  ::SendMessageW(::GetParent(more.Handle()), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(more.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(more.Handle()));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].second, page);
  EXPECT_EQ(shell.opened[0].first, PublicService().Handle());
  EXPECT_FALSE(::IsWindowVisible(PublicService().Handle())) << "the button only opens the page";
}

TEST(InformationPages, TheFourthCommercialPlaceReactsOnItsFrameNotOnItsPicture) {
  ShellRequests shell;
  auto& box = PartOf<ui::TGroupBox>(Commercial(), L"GroupBox4");
  auto& picture = PartOf<ui::TImage>(Commercial(), L"Image4");
  EXPECT_EQ(box.Caption(), L"广告连接4");
  // Where the mouse finds the frame and where the picture.
  const POINT middle{box.Width() / 2, box.Height() / 2}, edge{1, box.Height() / 2},
      top{box.Width() - 20, 3};
  ASSERT_EQ(box.GraphicControlAt(middle), &picture);
  ASSERT_EQ(box.GraphicControlAt(edge), nullptr);
  ASSERT_EQ(box.GraphicControlAt(top), nullptr);

  DoubleClick(box, middle.x, middle.y);
  EXPECT_TRUE(shell.opened.empty()) << "the picture in box 4 does nothing";
  DoubleClick(box, edge.x, edge.y);
  DoubleClick(box, top.x, top.y);
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].second, kAdvertiserG);
  EXPECT_EQ(shell.opened[1].second, kAdvertiserG);
  EXPECT_EQ(shell.opened[0].first, Commercial().Handle());
  EXPECT_EQ(box.Cursor(), ui::TCursor::crHandPoint);
}

TEST(InformationPages, ElementsWithoutAnActionOpenNothing) {
  ShellRequests shell;
  struct Quiet {
    ui::TForm& (*window)();
    const wchar_t* element;
  };
  for (const Quiet& q :
       {Quiet{Help, L"Image1"}, Quiet{Friendship, L"Image2"}, Quiet{Friendship, L"Image5"},
        Quiet{Friendship, L"Image6"}, Quiet{Friendship, L"Image7"}, Quiet{Friendship, L"Image8"},
        Quiet{Commercial, L"Image4"}, Quiet{Commercial, L"GroupBox1"},
        Quiet{Friendship, L"GroupBox1"}}) {
    auto& control = PartOf<ui::TControl>(q.window(), q.element);
    EXPECT_FALSE(control.OnDblClick) << Utf8FromWide(q.element);
    DoubleClick(control, 1, 1);
  }
  EXPECT_TRUE(shell.opened.empty());
}

TEST(InformationPages, WhenTheShellCannotBeAskedTheNoticeSaysSoAndTheWindowStays) {
  for (ui::TForm& (*window)() :
       {Help, Disclaimer, About, Contact, Commercial, PublicService, Friendship}) {
    ui::TForm& form = window();
    SCOPED_TRACE(Utf8FromWide(form.Name));
    const Page* page = nullptr;
    for (const Page& p : kPictures) {
      if (&p.window() == &form) page = &p;
    }
    ASSERT_NE(page, nullptr);
    form.Show();
    testsupport::MessageBoxRecorder boxes;
    ShellRequests shell;
    shell.succeed = false;
    DoubleClick(PartOf<ui::TImage>(form, page->element));
    ASSERT_EQ(shell.opened.size(), 1u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, L"您的网络出现故障，不能连入Internet，请检查！");
    EXPECT_EQ(boxes.boxes[0].caption, L"Korvane友情提醒");
    EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONEXCLAMATION | MB_OK});
    EXPECT_EQ(boxes.boxes[0].owner, form.Handle());
    EXPECT_TRUE(::IsWindowVisible(form.Handle())) << "the window stays open";
    form.Hide();
  }
}

}  // namespace
}  // namespace telvana
