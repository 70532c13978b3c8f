// A form with one control of every kind the skin engine has a wrapper for beyond buttons and
// scroll bars: framework controls (which the frame skinner wraps through their message
// handler or their window, by class) and bare common-control windows (which it wraps as a
// dialog's children). Shared by the wrapper tests and the gallery that shows it in each skin.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "tests/support/test_form.h"
#include "ui/edit.h"
#include "ui/std_controls.h"

namespace telvana::testsupport {

// A framework control around a common control, known to the skin engine by class name.
template <class Kind>
class TCommonControl : public ui::TWinControl {
 public:
  explicit TCommonControl(ui::TComponent* owner) : TWinControl(owner) {}
  static const ui::ClassInfo& StaticClass() {
    static const ui::ClassInfo info{Kind::kName, &TWinControl::StaticClass(), nullptr, {}};
    return info;
  }
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  void FillCreateParams(CreateParams& params) override {
    TWinControl::FillCreateParams(params);
    params.class_name = Kind::kWindowClass;
    params.style |= Kind::kStyle | WS_VISIBLE;
  }
};

struct TrackBarKind {
  static constexpr const char* kName = "TTrackBar";
  static constexpr const wchar_t* kWindowClass = TRACKBAR_CLASSW;
  static constexpr DWORD kStyle = TBS_AUTOTICKS;
};
struct UpDownKind {
  static constexpr const char* kName = "TUpDown";
  static constexpr const wchar_t* kWindowClass = UPDOWN_CLASSW;
  static constexpr DWORD kStyle = 0;
};
struct ProgressKind {
  static constexpr const char* kName = "TProgressBar";
  static constexpr const wchar_t* kWindowClass = PROGRESS_CLASSW;
  static constexpr DWORD kStyle = 0;
};
struct ComboKind {
  static constexpr const char* kName = "TComboBox";
  static constexpr const wchar_t* kWindowClass = WC_COMBOBOXW;
  static constexpr DWORD kStyle = CBS_DROPDOWNLIST | WS_VSCROLL;
};
struct NotebookKind {
  static constexpr const char* kName = "TTabbedNotebook";
  static constexpr const wchar_t* kWindowClass = WC_TABCONTROLW;
  static constexpr DWORD kStyle = 0;
};
struct ScrollerKind {
  static constexpr const char* kName = "TTabScroller";
  static constexpr const wchar_t* kWindowClass = UPDOWN_CLASSW;
  static constexpr DWORD kStyle = UDS_HORZ;
};
using TTrackBar = TCommonControl<TrackBarKind>;
using TUpDown = TCommonControl<UpDownKind>;
using TProgressBar = TCommonControl<ProgressKind>;
using TComboBox = TCommonControl<ComboKind>;
using TTabbedNotebook = TCommonControl<NotebookKind>;
using TTabScroller = TCommonControl<ScrollerKind>;

// A tab set: a row of tabs under a notebook, drawn by its skin wrapper; its own window
// draws nothing but its colour. Its scroll arrows are the first component it owns.
class TTabSet : public ui::TWinControl {
 public:
  explicit TTabSet(ui::TComponent* owner) : TWinControl(owner) {
    scroller = ui::TComponent::New<TTabScroller>(*this);
  }
  static const ui::ClassInfo& StaticClass() {
    static const ui::ClassInfo info{
        "TTabSet",
        &TWinControl::StaticClass(),
        nullptr,
        {
            ui::TextProp<TTabSet>(
                "Tabs", [](const TTabSet& t) { return t.tabs; },
                [](TTabSet& t, const std::wstring& v) { t.tabs = v; }),
            ui::IntProp<TTabSet>(
                "TabIndex", [](const TTabSet& t) { return t.tab_index; },
                [](TTabSet& t, std::int64_t v) { t.tab_index = static_cast<int>(v); }),
            ui::IntProp<TTabSet>(
                "FirstIndex", [](const TTabSet& t) { return t.first_index; },
                [](TTabSet& t, std::int64_t v) { t.first_index = static_cast<int>(v); }),
            ui::IntProp<TTabSet>(
                "StartMargin", [](const TTabSet& t) { return t.start_margin; },
                [](TTabSet& t, std::int64_t v) { t.start_margin = static_cast<int>(v); }),
            ui::IntProp<TTabSet>(
                "EndMargin", [](const TTabSet& t) { return t.end_margin; },
                [](TTabSet& t, std::int64_t v) { t.end_margin = static_cast<int>(v); }),
        }};
    return info;
  }
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  std::wstring tabs = L"第一页\r\n第二页\r\n第三页";
  int tab_index = 0;
  int first_index = 0;
  int start_margin = 5;
  int end_margin = 5;
  TTabScroller* scroller = nullptr;
};

// The form, 560 x 400, with every kind once, and the bare windows beside them.
class EveryControlForm {
 public:
  EveryControlForm() {
    form = std::make_unique<TTestForm>();
    form->Read(
        "object Form1: TTestForm\n  ClientWidth = 560\n  ClientHeight = 400\n"
        "  Caption = 'controls'\nend\n");
    status = Add<ui::TStatusBar>(0, 380, 560, 20);
    status->SetPanels({{200, ui::TAlignment::taLeftJustify, L"正在播放：测试"},
                       {240, ui::TAlignment::taCenter, L"现在时刻：12:00:00"},
                       {100, ui::TAlignment::taLeftJustify, L""}});
    progress = Add<TProgressBar>(10, 10, 200, 18);
    ::SendMessageW(progress->Handle(), PBM_SETRANGE32, 0, 100);
    ::SendMessageW(progress->Handle(), PBM_SETPOS, 50, 0);
    track = Add<TTrackBar>(10, 36, 200, 30);
    ::SendMessageW(track->Handle(), TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    ::SendMessageW(track->Handle(), TBM_SETPOS, TRUE, 3);
    updown = Add<TUpDown>(220, 10, 18, 40);
    ::SendMessageW(updown->Handle(), UDM_SETRANGE32, 0, 100);
    ::SendMessageW(updown->Handle(), UDM_SETPOS32, 0, 50);
    combo = Add<TComboBox>(250, 10, 140, 200);
    for (const wchar_t* item : {L"中央一台", L"中央二台", L"中央三台"}) {
      ::SendMessageW(combo->Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ::SendMessageW(combo->Handle(), CB_SETCURSEL, 0, 0);
    edit = Add<ui::TEdit>(400, 10, 140, 21);
    edit->SetText(L"一行文字");
    notebook = Add<TTabbedNotebook>(10, 80, 260, 120);
    AddTabs(notebook->Handle(), {L"常规", L"外观", L"高级"});
    tab_set = Add<TTabSet>(10, 200, 260, 22);
    tab_set->scroller->SetBounds(220, 2, 36, 18);
    tab_set->scroller->SetParent(tab_set);

    // Bare windows, as a dialog has them.
    bare_combo_left =
        Bare(WC_COMBOBOXW, CBS_DROPDOWN | WS_VSCROLL, WS_EX_LEFTSCROLLBAR, 400, 40, 140, 200);
    ::SendMessageW(bare_combo_left, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"左手"));
    ::SendMessageW(bare_combo_left, CB_SETCURSEL, 0, 0);
    bare_edit = Bare(WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 400, 72, 140, 22);
    ::SetWindowTextW(bare_edit, L"12");
    spin = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 118, 0, 18, 18,
                             bare_edit, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const struct {
      DWORD style;
      int x, y, w, h;
    } tab_places[] = {{0, 280, 80, 130, 90},
                      {TCS_BOTTOM, 420, 100, 130, 90},
                      {TCS_VERTICAL | TCS_MULTILINE, 280, 200, 130, 90},
                      {TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, 420, 200, 130, 90}};
    for (const auto& place : tab_places) {
      HWND tabs = Bare(WC_TABCONTROLW, place.style, 0, place.x, place.y, place.w, place.h);
      AddTabs(tabs, {L"一", L"二"});
      bare_tabs.push_back(tabs);
    }
    wide_tabs = Bare(WC_TABCONTROLW, 0, 0, 10, 240, 120, 60);
    AddTabs(wide_tabs, {L"第一页", L"第二页", L"第三页", L"第四页", L"第五页"});
  }

  // The skin data component lists the framework classes that are skinned by kind.
  static void ListKinds(TSkinData& data) {
    std::vector<std::wstring> lines = data.Skin3rd();
    lines.push_back(L"TProgressBar=progress");
    lines.push_back(L"TComboBox=combobox");
    data.SetSkin3rd(lines);
  }

  static void AddTabs(HWND tabs, std::initializer_list<const wchar_t*> captions) {
    int index = 0;
    for (const wchar_t* caption : captions) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(caption);
      ::SendMessageW(tabs, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
  }

  std::unique_ptr<TTestForm> form;
  ui::TStatusBar* status = nullptr;
  TProgressBar* progress = nullptr;
  TTrackBar* track = nullptr;
  TUpDown* updown = nullptr;
  TComboBox* combo = nullptr;
  ui::TEdit* edit = nullptr;
  TTabbedNotebook* notebook = nullptr;
  TTabSet* tab_set = nullptr;
  HWND bare_combo_left = nullptr;
  HWND bare_edit = nullptr;
  HWND spin = nullptr;
  std::vector<HWND> bare_tabs;  // top, bottom, left, right
  HWND wide_tabs = nullptr;     // more tabs than fit: scroll arrows

 private:
  template <class T>
  T* Add(int x, int y, int w, int h) {
    T* control = ui::TComponent::New<T>(*form);
    control->SetBounds(x, y, w, h);
    control->SetParent(form.get());
    control->CreateHandle();
    return control;
  }
  HWND Bare(const wchar_t* window_class, DWORD style, DWORD ex_style, int x, int y, int w, int h) {
    return ::CreateWindowExW(ex_style, window_class, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h,
                             form->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
};

}  // namespace telvana::testsupport
