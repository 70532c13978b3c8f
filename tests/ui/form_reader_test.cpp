#include "ui/form_reader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/mouse.h"
#include "tests/support/solid_jpeg.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/std_controls.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::SolidJpeg;
using testsupport::TTestForm;

// The 1-based line of the first occurrence of `needle`.
int LineOf(std::string_view text, std::string_view needle) {
  const std::size_t at = text.find(needle);
  EXPECT_NE(at, std::string_view::npos) << needle;
  return 1 + static_cast<int>(
                 std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// The one problem that mentions every one of `words`, with the line it names.
::testing::AssertionResult HasProblem(const std::vector<std::string>& problems, int line,
                                      std::initializer_list<std::string_view> words) {
  const std::string where = "TTestForm line " + std::to_string(line) + ": ";
  int found = 0;
  for (const std::string& problem : problems) {
    bool all = problem.rfind(where, 0) == 0;
    for (std::string_view word : words) all = all && problem.find(word) != std::string::npos;
    found += all;
  }
  if (found == 1) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << found << " problems at line " << line << " name";
  for (std::string_view word : words) failure << " '" << word << "'";
  failure << "; the problems are:";
  for (const std::string& problem : problems) failure << "\n  " << problem;
  return failure;
}

template <class T>
T* Find(const TComponent& form, const wchar_t* name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

struct ReaderForm : TTestForm {
  std::vector<std::string> log;
  ReaderForm() {
    for (const char* name : {"Image1DblClick", "M2Click", "FormCreate"}) {
      RegisterHandler(name, NotifyEvent([this, name](TComponent&) { log.emplace_back(name); }));
    }
    RegisterHandler("FormClose", CloseEvent([this](TComponent&, TCloseAction& action) {
                      log.emplace_back("FormClose");
                      action = TCloseAction::caNone;
                    }));
  }
};

constexpr std::string_view kFaultyForm = R"(object TestForm1: TTestForm
  Caption = 'Reader ''test'''
  ClientWidth = 300
  ClientHeight = 200
  Menu = MainMenu1
  OnCreate = FormCreate
  OnClose = FormClose
  object Panel1: TPanel
    Align = alClient
    PopupMenu = PopupMenu1
    object Image1: TImage
      Align = alClient
      Stretch = True
      Picture.Data = file 'good.jpg'
      OnDblClick = Image1DblClick
    end
  end
  object Mystery1: TNoSuchClass
    Width = 5
    object Inner1: TPanel
    end
  end
  object Panel2: TPanel
    Frobnicate = 1
    Width = 77
    Align = alLeft
  end
  object List1: TListBox
    OnDblClick = NoSuchHandler
    Items.Strings = (
      'a'
      'b')
  end
  object Image2: TImage
    Picture.Data = file 'missing.jpg'
  end
  object Image3: TImage
    Picture.Data = file 'damaged.jpg'
    Hint = 'still read'
  end
  object PopupMenu1: TPopupMenu
    object P1: TMenuItem
      Caption = '全屏模式'
    end
  end
  object MainMenu1: TMainMenu
    object M1: TMenuItem
      Caption = '精选频道'
      object M2: TMenuItem
        Caption = '影视频道'
        ShortCut = 113
        OnClick = M2Click
      end
    end
  end
end
)";

TEST(FormReader, FaultyPartsAreListedAndTheRestLoads) {
  ReaderForm form;
  form.files[u"good.jpg"] = SolidJpeg(6, 4, 0x336699);
  PropBytes damaged = SolidJpeg(60, 40, 0x336699);
  damaged.resize(damaged.size() / 3);
  form.files[u"damaged.jpg"] = damaged;
  const std::vector<std::string> problems = form.Read(kFaultyForm);

  EXPECT_EQ(problems.size(), 5u);
  EXPECT_TRUE(
      HasProblem(problems, LineOf(kFaultyForm, "object Mystery1"), {"TNoSuchClass", "Mystery1"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(kFaultyForm, "object Panel2"), {"Frobnicate", "Panel2"}));
  EXPECT_TRUE(
      HasProblem(problems, LineOf(kFaultyForm, "object List1"), {"NoSuchHandler", "List1"}));
  EXPECT_TRUE(
      HasProblem(problems, LineOf(kFaultyForm, "object Image2"), {"missing.jpg", "Image2"}));
  EXPECT_TRUE(
      HasProblem(problems, LineOf(kFaultyForm, "object Image3"), {"Picture.Data", "Image3"}));

  // The unknown object and everything inside it are skipped; the rest is there.
  EXPECT_EQ(form.FindComponent(L"Mystery1"), nullptr);
  EXPECT_EQ(form.FindComponent(L"Inner1"), nullptr);
  auto* panel2 = Find<TPanel>(form, L"Panel2");
  ASSERT_NE(panel2, nullptr);
  EXPECT_EQ(panel2->Width(), 77) << "the properties after an unknown one are set";
  EXPECT_EQ(panel2->Align(), TAlign::alLeft);
  auto* list = Find<TListBox>(form, L"List1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Rows(), (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_FALSE(list->OnDblClick);
  EXPECT_TRUE(Find<TImage>(form, L"Image2")->Picture().empty());
  EXPECT_TRUE(Find<TImage>(form, L"Image3")->Picture().empty());
  EXPECT_EQ(Find<TImage>(form, L"Image3")->Hint(), L"still read");

  // The form itself.
  ASSERT_TRUE(::IsWindow(form.Handle()));
  wchar_t caption[64] = {};
  ::GetWindowTextW(form.Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Reader 'test'");
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
  EXPECT_EQ(form.Name, L"TestForm1");

  // The good picture, decoded at its size.
  auto* image = Find<TImage>(form, L"Image1");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Picture().width, 6);
  EXPECT_EQ(image->Picture().height, 4);
  EXPECT_TRUE(image->Stretch());
  EXPECT_EQ(image->Parent(), Find<TPanel>(form, L"Panel1"));
}

TEST(FormReader, ReferencesResolveToComponentsDeclaredLater) {
  ReaderForm form;
  form.files[u"good.jpg"] = SolidJpeg(6, 4, 0x336699);
  form.Read(kFaultyForm);
  auto* menu = Find<TMainMenu>(form, L"MainMenu1");
  auto* popup = Find<TPopupMenu>(form, L"PopupMenu1");
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(form.Menu(), menu);
  EXPECT_EQ(::GetMenu(form.Handle()), menu->Handle());
  EXPECT_EQ(Find<TPanel>(form, L"Panel1")->PopupMenu(), popup);

  // Menu items nest as written.
  auto* m1 = Find<TMenuItem>(form, L"M1");
  auto* m2 = Find<TMenuItem>(form, L"M2");
  ASSERT_NE(m2, nullptr);
  EXPECT_EQ(m2->ParentItem(), m1);
  EXPECT_EQ(m1->ParentItem(), &menu->Items());
  EXPECT_EQ(popup->Items().Items(), (std::vector<TMenuItem*>{Find<TMenuItem>(form, L"P1")}));
  EXPECT_EQ(m2->ShortCut(), 113);
}

TEST(FormReader, HandlersNamedByTheDescriptionRun) {
  ReaderForm form;
  form.files[u"good.jpg"] = SolidJpeg(6, 4, 0x336699);
  form.Read(kFaultyForm);
  auto* image = Find<TImage>(form, L"Image1");
  testsupport::DoubleClick(*image, 2, 2);
  ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(Find<TMenuItem>(form, L"M2")->Command(), 0),
                 0);
  ASSERT_TRUE(form.OnCreate);
  form.OnCreate(form);
  ::SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"Image1DblClick", "M2Click", "FormCreate", "FormClose"}));
  EXPECT_TRUE(::IsWindow(form.Handle())) << "the close handler kept the form";
}

TEST(FormReader, ValuesOfTheWrongKindAndBadReferences) {
  constexpr std::string_view text = R"(object Wrong1: TTestForm
  object Panel1: TPanel
    Width = 'wide'
    Visible = Maybe
    Color = clNoSuchColour
    Align = 3
    Height = 33
    Font.Style = [fsBold, fsShiny]
  end
  object Panel2: TPanel
    Color = clNavy
    PopupMenu = NoSuchMenu
  end
  object Panel3: TPanel
    PopupMenu = Timer1
    Hint = 'fine'
  end
  object Panel4: TPanel
    PopupMenu = 'PopupMenu1'
  end
  object Panel5: TPanel
    OnClick = FormClose
  end
  object Timer1: TTimer
    Interval = 250
  end
end
)";
  ReaderForm form;
  const std::vector<std::string> problems = form.Read(text);
  const int panel1 = LineOf(text, "object Panel1");
  EXPECT_TRUE(HasProblem(problems, panel1, {"Width", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, panel1, {"Visible", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, panel1, {"Color", "clNoSuchColour"}));
  EXPECT_TRUE(HasProblem(problems, panel1, {"Align", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, panel1, {"Font.Style", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Panel2"), {"NoSuchMenu"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Panel3"), {"PopupMenu"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Panel4"), {"PopupMenu", "Panel4"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Panel5"), {"OnClick", "Panel5"}));
  EXPECT_EQ(problems.size(), 9u);

  EXPECT_EQ(Find<TPanel>(form, L"Panel1")->Height(), 33);
  EXPECT_EQ(Find<TPanel>(form, L"Panel2")->Color(), clNavy);
  EXPECT_EQ(Find<TPanel>(form, L"Panel2")->PopupMenu(), nullptr);
  EXPECT_EQ(Find<TPanel>(form, L"Panel3")->Hint(), L"fine");
  EXPECT_FALSE(Find<TPanel>(form, L"Panel5")->OnClick);
  EXPECT_EQ(Find<TTimer>(form, L"Timer1")->Interval(), 250);
}

TEST(FormReader, ComponentsOnlyStandWhereTheyBelong) {
  constexpr std::string_view text = R"(object Places1: TTestForm
  object Panel1: TPanel
    object Timer1: TTimer
    end
    object Item1: TMenuItem
    end
  end
  object Menu1: TPopupMenu
    object Panel2: TPanel
    end
    object Item2: TMenuItem
    end
  end
end
)";
  ReaderForm form;
  const std::vector<std::string> problems = form.Read(text);
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Timer1"), {"Timer1", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Item1"), {"Item1", "Panel1"}));
  EXPECT_TRUE(HasProblem(problems, LineOf(text, "object Panel2"), {"Panel2", "Menu1"}));
  EXPECT_EQ(problems.size(), 3u);
  auto* menu = Find<TPopupMenu>(form, L"Menu1");
  EXPECT_EQ(menu->Items().Items(), (std::vector<TMenuItem*>{Find<TMenuItem>(form, L"Item2")}));
  EXPECT_EQ(Find<TPanel>(form, L"Panel2")->Parent(), nullptr);
}

TEST(FormReader, ADescriptionOfAnotherClassIsNotedButRead) {
  constexpr std::string_view text = "object Other1: TOtherForm\n  Caption = 'x'\nend\n";
  ReaderForm form;
  const std::vector<std::string> problems = form.Read(text);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(HasProblem(problems, 1, {"TOtherForm"}));
  EXPECT_EQ(form.Caption(), L"x");
}

TEST(FormReader, FontsPassFromParentsToChildren) {
  constexpr std::string_view text = R"(object Fonts1: TTestForm
  Font.Name = '宋体'
  Font.Height = -12
  object Panel1: TPanel
    object List1: TListBox
      Font.Color = clNavy
    end
  end
  Font.Charset = 134
end
)";
  ReaderForm form;
  EXPECT_TRUE(form.Read(text).empty());
  auto* panel = Find<TPanel>(form, L"Panel1");
  auto* list = Find<TListBox>(form, L"List1");
  EXPECT_EQ(panel->Font(), form.Font());
  EXPECT_EQ(panel->Font().Charset, 134) << "a change after the children still reaches them";
  EXPECT_FALSE(list->ParentFont());
  EXPECT_EQ(list->Font().Color, clNavy);
  EXPECT_EQ(list->Font().Height, -12);
  // The list's window uses that font (in a face with Chinese, where 宋体 is missing).
  LOGFONTW font{};
  ASSERT_NE(::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(list->Handle(), WM_GETFONT, 0, 0)),
                         sizeof font, &font),
            0);
  EXPECT_STREQ(font.lfFaceName, TextLogFont(list->Font()).lfFaceName);
  EXPECT_EQ(font.lfHeight, -12);
}

// A component that notes when it is told it is loaded.
class TLoadProbe : public TComponent {
 public:
  explicit TLoadProbe(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& StaticClass() {
    static const ClassInfo info{
        "TLoadProbe",
        &TComponent::StaticClass(),
        [](TComponent& owner) -> TComponent* { return TComponent::New<TLoadProbe>(owner); },
        {}};
    return info;
  }
  const ClassInfo& Class() const override { return StaticClass(); }
  void Loaded() override {
    ++loadedCalls;
    formHadWindow =
        dynamic_cast<TForm*>(Owner()) && static_cast<TForm*>(Owner())->Handle() != nullptr;
  }

  int loadedCalls = 0;
  bool formHadWindow = false;
};

TEST(FormReader, CreateWithoutAStoredDescriptionStillOpensTheForm) {
  // Create() reads the form's resource; this program has none for it.
  ReaderForm form;
  auto* probe = TComponent::New<TLoadProbe>(form);
  std::vector<std::string> order;
  form.OnCreate = [&](TComponent& sender) {
    EXPECT_EQ(&sender, &form);
    EXPECT_NE(form.Handle(), nullptr);
    EXPECT_EQ(probe->loadedCalls, 1) << "components are loaded before the form's OnCreate";
    order.push_back("OnCreate");
  };
  form.Create();
  ASSERT_EQ(form.ReadProblems().size(), 1u);
  EXPECT_NE(form.ReadProblems()[0].find("TELVANA_TEST_NO_SUCH_DESCRIPTION"), std::string::npos)
      << form.ReadProblems()[0];
  EXPECT_TRUE(::IsWindow(form.Handle()));
  EXPECT_TRUE(probe->formHadWindow);
  EXPECT_EQ(order, (std::vector<std::string>{"OnCreate"}));
}

}  // namespace
}  // namespace telvana
