#include "ui/component.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/control.h"
#include "ui/menus.h"
#include "ui/std_controls.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::TTestForm;

// A component that notes its own end in a shared log.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<std::wstring>* log, std::wstring name)
      : TComponent(owner), log_(log) {
    Name = std::move(name);
  }
  ~Probe() override { log_->push_back(Name); }

 private:
  std::vector<std::wstring>* log_;
};

std::ptrdiff_t Position(const std::vector<std::wstring>& log, const std::wstring& name) {
  return std::find(log.begin(), log.end(), name) - log.begin();
}

TEST(Ownership, AnOwnerFreesWhatItOwnsTheLastCreatedFirst) {
  std::vector<std::wstring> log;
  {
    TComponent root(nullptr);
    Probe* a = TComponent::New<Probe>(root, &log, L"a");
    TComponent::New<Probe>(root, &log, L"b");
    TComponent::New<Probe>(root, &log, L"c");
    TComponent::New<Probe>(*a, &log, L"a1");
    TComponent::New<Probe>(*a, &log, L"a2");

    ASSERT_EQ(root.Components().size(), 3u);
    EXPECT_EQ(root.Components()[0].get(), a);
    EXPECT_EQ(a->Owner(), &root);
    EXPECT_EQ(a->Components().size(), 2u);
    EXPECT_EQ(root.FindComponent(L"b")->Name, L"b");
    EXPECT_EQ(root.FindComponent(L"a1"), nullptr) << "only direct components are found by name";
    EXPECT_EQ(a->FindComponent(L"a2")->Name, L"a2");
    EXPECT_EQ(root.FindComponent(L"B"), nullptr) << "names are matched exactly";
    EXPECT_TRUE(log.empty());
  }
  ASSERT_EQ(log.size(), 5u);
  EXPECT_LT(Position(log, L"c"), Position(log, L"b"));
  EXPECT_LT(Position(log, L"b"), Position(log, L"a"));
  EXPECT_LT(Position(log, L"a2"), Position(log, L"a1"));
}

TEST(Ownership, OwnerAndParentAreIndependent) {
  TTestForm form;
  form.SetClientSize(200, 100);
  form.CreateHandle();
  auto* panel = TComponent::New<TPanel>(form);
  panel->SetParent(&form);
  panel->SetAlign(TAlign::alClient);
  panel->SetBevelOuter(TBevelCut::bvNone);

  // A band owned elsewhere, shown inside the form's panel above the rest.
  auto elsewhere = std::make_unique<TComponent>(nullptr);
  auto* band = TComponent::New<TPanel>(*elsewhere);
  band->SetBounds(0, 0, 10, 30);
  band->SetAlign(TAlign::alTop);
  band->SetParent(panel);
  auto* rest = TComponent::New<TPanel>(form);
  rest->SetAlign(TAlign::alClient);
  rest->SetParent(panel);

  const HWND bandWindow = band->Handle();
  ASSERT_TRUE(::IsWindow(bandWindow));
  EXPECT_EQ(::GetParent(bandWindow), panel->Handle());
  EXPECT_EQ(band->Owner(), elsewhere.get());
  EXPECT_EQ(band->Parent(), panel);
  EXPECT_EQ(rest->Top(), 30);
  EXPECT_EQ(rest->Height(), 70);

  // Freeing the band takes it out of its parent, and the others close the gap.
  elsewhere.reset();
  EXPECT_FALSE(::IsWindow(bandWindow));
  ASSERT_EQ(panel->Controls().size(), 1u);
  EXPECT_EQ(panel->Controls()[0], rest);
  EXPECT_EQ(rest->Top(), 0);
  EXPECT_EQ(rest->Height(), 100);
}

TEST(Ownership, AParentFreedFirstLeavesItsChildrenUsable) {
  TTestForm form;
  form.SetClientSize(200, 100);
  form.CreateHandle();
  auto elsewhere = std::make_unique<TComponent>(nullptr);
  auto* parent = TComponent::New<TPanel>(*elsewhere);
  parent->SetParent(&form);
  auto* child = TComponent::New<TListBox>(form);
  child->SetParent(parent);
  child->Add(L"row");
  const HWND parentWindow = parent->Handle(), childWindow = child->Handle();
  ASSERT_TRUE(::IsWindow(childWindow));
  EXPECT_EQ(::GetParent(childWindow), parentWindow);

  elsewhere.reset();
  EXPECT_FALSE(::IsWindow(parentWindow));
  EXPECT_FALSE(::IsWindow(childWindow)) << "the child's window goes with its parent's";
  EXPECT_EQ(child->Parent(), nullptr);
  EXPECT_EQ(child->Handle(), nullptr);
  EXPECT_TRUE(form.Controls().empty());

  // The child lives on and gets a new window in a new parent, with its rows.
  child->SetParent(&form);
  ASSERT_TRUE(::IsWindow(child->Handle()));
  EXPECT_EQ(::GetParent(child->Handle()), form.Handle());
  EXPECT_EQ(::SendMessageW(child->Handle(), LB_GETCOUNT, 0, 0), 1);
}

TEST(Properties, ReadAndWrittenByName) {
  TTestForm form;
  auto* panel = TComponent::New<TPanel>(form);

  panel->SetProperty("Name", PropValue{std::wstring(L"Panel7")});
  EXPECT_EQ(panel->Name, L"Panel7");
  panel->SetProperty("Tag", PropValue{std::int64_t{-5}});
  EXPECT_EQ(panel->Tag, -5);
  EXPECT_EQ(panel->GetProperty("Tag").Int(), -5);

  // Properties of the class and of the classes it extends.
  panel->SetProperty("Width", PropValue{std::int64_t{146}});
  panel->SetProperty("Height", PropValue{std::int64_t{391}});
  panel->SetProperty("Left", PropValue{std::int64_t{602}});
  EXPECT_EQ(panel->BoundsRect().left, 602);
  EXPECT_EQ(panel->Width(), 146);
  EXPECT_EQ(panel->GetProperty("Height").Int(), 391);
  panel->SetProperty("Align", PropValue{std::wstring(L"alRight")});
  EXPECT_EQ(panel->Align(), TAlign::alRight);
  EXPECT_EQ(panel->GetProperty("Align").Text(), L"alRight");
  panel->SetProperty("BevelOuter", PropValue{std::wstring(L"bvLowered")});
  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvLowered);
  panel->SetProperty("Caption", PropValue{std::wstring(L"影视")});
  EXPECT_EQ(panel->GetProperty("Caption").Text(), L"影视");
  panel->SetProperty("Visible", PropValue{false});
  EXPECT_FALSE(panel->Visible());
  EXPECT_FALSE(panel->GetProperty("Visible").Bool());
  panel->SetProperty("Color", PropValue{std::int64_t{clNavy}});
  EXPECT_EQ(panel->Color(), clNavy);
  panel->SetProperty("Cursor", PropValue{std::wstring(L"crHandPoint")});
  EXPECT_EQ(panel->Cursor(), TCursor::crHandPoint);
  panel->SetProperty("TabOrder", PropValue{std::int64_t{3}});
  EXPECT_EQ(panel->TabOrder(), 3);

  // The font's fields one by one; setting one makes the font the control's own.
  EXPECT_TRUE(panel->ParentFont());
  panel->SetProperty("Font.Height", PropValue{std::int64_t{-16}});
  panel->SetProperty("Font.Name", PropValue{std::wstring(L"宋体")});
  panel->SetProperty("Font.Color", PropValue{std::int64_t{clNavy}});
  panel->SetProperty("Font.Style", PropValue{std::vector<std::wstring>{L"fsBold", L"fsUnderline"}});
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_EQ(panel->Font().Height, -16);
  EXPECT_EQ(panel->Font().Name, L"宋体");
  EXPECT_EQ(panel->Font().Color, clNavy);
  EXPECT_TRUE(panel->Font().Bold);
  EXPECT_FALSE(panel->Font().Italic);
  EXPECT_TRUE(panel->Font().Underline);
  EXPECT_EQ(panel->GetProperty("Font.Style").Strings(),
            (std::vector<std::wstring>{L"fsBold", L"fsUnderline"}));
  EXPECT_EQ(panel->GetProperty("Font.Height").Int(), -16);

  // Events take handlers of their own signature.
  int clicks = 0;
  panel->SetProperty("OnClick", PropValue{EventHandler{NotifyEvent([&](TComponent& sender) {
                       EXPECT_EQ(&sender, panel);
                       ++clicks;
                     })}});
  ASSERT_TRUE(panel->OnClick);
  panel->OnClick(*panel);
  EXPECT_EQ(clicks, 1);

  // A component reference.
  auto* menu = TComponent::New<TPopupMenu>(form);
  panel->SetProperty("PopupMenu", PropValue{static_cast<TComponent*>(menu)});
  EXPECT_EQ(panel->PopupMenu(), menu);
  EXPECT_EQ(panel->GetProperty("PopupMenu").Component(), menu);
  panel->SetProperty("PopupMenu", PropValue{static_cast<TComponent*>(nullptr)});
  EXPECT_EQ(panel->PopupMenu(), nullptr);
}

TEST(Properties, FaultsAreReportedAndChangeNothing) {
  TTestForm form;
  auto* panel = TComponent::New<TPanel>(form);
  panel->SetBounds(1, 2, 30, 40);
  panel->SetAlign(TAlign::alLeft);

  EXPECT_THROW(panel->GetProperty("Frobnicate"), PropertyError);
  EXPECT_THROW(panel->SetProperty("Frobnicate", PropValue{std::int64_t{1}}), PropertyError);
  EXPECT_THROW(panel->GetProperty("width"), PropertyError) << "names are matched exactly";
  EXPECT_THROW(panel->GetProperty("ItemHeight"), PropertyError)
      << "a list box's property, not a panel's";

  // Values of the wrong kind.
  EXPECT_THROW(panel->SetProperty("Width", PropValue{std::wstring(L"wide")}), PropertyError);
  EXPECT_THROW(panel->SetProperty("Width", PropValue{true}), PropertyError);
  EXPECT_THROW(panel->SetProperty("Align", PropValue{std::int64_t{1}}), PropertyError);
  EXPECT_THROW(panel->SetProperty("Align", PropValue{std::wstring(L"alMiddle")}), PropertyError);
  EXPECT_THROW(panel->SetProperty("Visible", PropValue{std::int64_t{0}}), PropertyError);
  EXPECT_THROW(panel->SetProperty("Caption", PropValue{}), PropertyError);
  EXPECT_THROW(
      panel->SetProperty("Font.Style", PropValue{std::vector<std::wstring>{L"fsBlinking"}}),
      PropertyError);
  EXPECT_EQ(panel->Width(), 30);
  EXPECT_EQ(panel->Align(), TAlign::alLeft);
  EXPECT_FALSE(panel->Font().Bold);

  // Events: write-only, and only with a handler of the event's own signature.
  EXPECT_THROW(panel->GetProperty("OnClick"), PropertyError);
  EXPECT_THROW(
      panel->SetProperty("OnClick",
                         PropValue{EventHandler{CloseEvent([](TComponent&, TCloseAction&) {})}}),
      PropertyError);
  EXPECT_FALSE(panel->OnClick);
  EXPECT_THROW(
      form.SetProperty("OnClose", PropValue{EventHandler{NotifyEvent([](TComponent&) {})}}),
      PropertyError);

  // A reference to a component of the wrong class.
  auto* timer = TComponent::New<TTimer>(form);
  EXPECT_THROW(panel->SetProperty("PopupMenu", PropValue{static_cast<TComponent*>(timer)}),
               PropertyError);
  EXPECT_EQ(panel->PopupMenu(), nullptr);
  EXPECT_THROW(form.SetProperty("Menu", PropValue{static_cast<TComponent*>(timer)}), PropertyError);

  // Features the framework does not offer are refused rather than ignored.
  auto* splitter = TComponent::New<TSplitter>(form);
  EXPECT_THROW(splitter->SetProperty("AutoSnap", PropValue{true}), PropertyError);
  EXPECT_NO_THROW(splitter->SetProperty("AutoSnap", PropValue{false}));
  auto* menu = TComponent::New<TMainMenu>(form);
  EXPECT_THROW(menu->SetProperty("AutoHotkeys", PropValue{true}), PropertyError);
  EXPECT_FALSE(menu->GetProperty("AutoHotkeys").Bool());
}

TEST(Properties, ClassesAreFoundByNameAndCreateOwnedComponents) {
  for (const char* name :
       {"TPanel", "TSplitter", "TListBox", "TStatusBar", "TImage", "TBevel", "TTimer", "TMainMenu",
        "TPopupMenu", "TMenuItem", "TApplicationEvents"}) {
    SCOPED_TRACE(name);
    const ClassInfo* info = FindClass(name);
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->name, name);
    ASSERT_TRUE(info->create);
    TComponent owner(nullptr);
    TComponent* made = info->create(owner);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(&made->Class(), info);
    ASSERT_EQ(owner.Components().size(), 1u);
    EXPECT_EQ(owner.Components()[0].get(), made);
    EXPECT_TRUE(info->InheritsFrom(TComponent::StaticClass()));
    EXPECT_NE(info->Find("Name"), nullptr) << "every class has the component's properties";
  }
  EXPECT_EQ(FindClass("TNoSuchThing"), nullptr);
  EXPECT_EQ(FindClass("tpanel"), nullptr);

  EXPECT_TRUE(TPanel::StaticClass().InheritsFrom(TWinControl::StaticClass()));
  EXPECT_TRUE(TPanel::StaticClass().InheritsFrom(TControl::StaticClass()));
  EXPECT_FALSE(TPanel::StaticClass().InheritsFrom(TListBox::StaticClass()));
  EXPECT_FALSE(TTimer::StaticClass().InheritsFrom(TControl::StaticClass()));
  EXPECT_NE(TPanel::StaticClass().Find("Font.Height"), nullptr);
  EXPECT_EQ(TTimer::StaticClass().Find("Font.Height"), nullptr);
}

TEST(Properties, ListRowsAndStatusPanelsByName) {
  TTestForm form;
  auto* list = TComponent::New<TListBox>(form);
  list->SetProperty("Items.Strings",
                    PropValue{std::vector<std::wstring>{L"天津影视频道", L"", L"CCTV-10"}});
  EXPECT_EQ(list->Rows(), (std::vector<std::wstring>{L"天津影视频道", L"", L"CCTV-10"}));
  EXPECT_EQ(list->GetProperty("Items.Strings").Strings(), list->Rows());
  list->SetProperty("ItemHeight", PropValue{std::int64_t{12}});
  EXPECT_EQ(list->ItemHeight(), 12);

  auto* bar = TComponent::New<TStatusBar>(form);
  PropItems panels(2);
  panels[0] = {{"Width", PropValue{std::int64_t{200}}}, {"Text", PropValue{std::wstring(L"a")}}};
  panels[1] = {{"Width", PropValue{std::int64_t{320}}},
               {"Alignment", PropValue{std::wstring(L"taCenter")}}};
  bar->SetProperty("Panels", PropValue{panels});
  ASSERT_EQ(bar->Panels().size(), 2u);
  EXPECT_EQ(bar->Panels()[0].width, 200);
  EXPECT_EQ(bar->Panels()[0].text, L"a");
  EXPECT_EQ(bar->Panels()[1].alignment, TAlignment::taCenter);

  PropItems bad(1);
  bad[0] = {{"Bevel", PropValue{std::wstring(L"pbRaised")}}};
  EXPECT_THROW(bar->SetProperty("Panels", PropValue{bad}), PropertyError);
  bad[0] = {{"Alignment", PropValue{std::wstring(L"taJustify")}}};
  EXPECT_THROW(bar->SetProperty("Panels", PropValue{bad}), PropertyError);
  EXPECT_EQ(bar->Panels().size(), 2u) << "a refused collection leaves the panels as they were";
}

}  // namespace
}  // namespace telvana
