#include "ui/forms.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "ui/form_reader.h"
#include "ui/message_box.h"
#include "ui/resources.h"
#include "ui/startup_times.h"
#include "ui/utf.h"

namespace telvana::ui {

namespace {

// An .ico file: a directory of images; we take the one closest to the asked size.
win::Icon IconFromFile(const PropBytes& file, int size) {
  if (file.size() < 6) return {};
  const auto u16 = [&](std::size_t at) {
    return static_cast<unsigned>(file[at] | file[at + 1] << 8);
  };
  const auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                      std::uint32_t{file[at + 3]} << 24);
  };
  if (u16(0) != 0 || u16(2) != 1) return {};
  const unsigned count = u16(4);
  int best_distance = 1 << 30;
  std::uint32_t best_offset = 0, best_length = 0;
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * std::size_t{i};
    if (entry + 16 > file.size()) return {};
    const int width = file[entry] ? file[entry] : 256;
    const std::uint32_t length = u32(entry + 8), offset = u32(entry + 12);
    if (offset > file.size() || length > file.size() - offset) continue;
    const int distance = std::abs(width - size);
    if (distance < best_distance) {
      best_distance = distance;
      best_offset = offset;
      best_length = length;
    }
  }
  if (!best_length) return {};
  std::vector<BYTE> image(file.begin() + best_offset, file.begin() + best_offset + best_length);
  return win::Icon(::CreateIconFromResourceEx(image.data(), best_length, TRUE, 0x00030000, size,
                                              size, LR_DEFAULTCOLOR));
}

// Posted to the application's window: free what was handed over to be freed later.
constexpr UINT kReleaseLaterMessage = WM_APP + 0x100;

// Puts `tool` in the form's hint window with `text`, or takes it out when `text` is null.
void SetHintTool(const win::Window& hints, TTTOOLINFOW& tool, const std::wstring* text) {
  ::SendMessageW(hints.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text) {
    std::wstring copy = *text;  // the tooltip takes a writable text, and copies it
    tool.lpszText = copy.data();
    ::SendMessageW(hints.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TForm

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
  if (Handle()) ::SetMenu(Handle(), nullptr);  // the menu belongs to its component
  // The menus' items are freed one by one after this; the menus need not follow each step.
  for (const auto& c : Components()) {
    if (auto* menu = dynamic_cast<TMenu*>(c.get())) menu->Release();
  }
}

void TForm::Create() {
  RegisterHandlers();
  {
    StartupScope reading(StartupPart::kDescriptions);
    read_problems_ = ReadFormDescription(*this, DescriptionResource());
  }
  {
    StartupScope windows(StartupPart::kWindows);
    CreateHandle();
  }
  {
    StartupScope reading(StartupPart::kDescriptions);
    for (const auto& c : Components()) c->Loaded();
    Loaded();
  }
  if (OnCreate) OnCreate(*this);
}

void TForm::RegisterHandler(std::string name, EventHandler handler) {
  handlers_[std::move(name)] = std::move(handler);
}

const EventHandler* TForm::FindHandler(std::string_view name) const {
  auto it = handlers_.find(name);
  return it == handlers_.end() ? nullptr : &it->second;
}

void TForm::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  params.parent = Application().Handle();  // owner: the application window
  params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ex_style = 0;
  switch (border_style_) {
    case TBorderStyle::bsNone:
      params.style |= WS_POPUP;
      break;
    case TBorderStyle::bsSingle:
      params.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER;
      break;
    case TBorderStyle::bsSizeable:
      params.style |= WS_OVERLAPPEDWINDOW;
      break;
    case TBorderStyle::bsDialog:
      params.style |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      params.ex_style |= WS_EX_DLGMODALFRAME;
      break;
    case TBorderStyle::bsToolWindow:
      params.style |= WS_CAPTION | WS_SYSMENU;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
    case TBorderStyle::bsSizeToolWin:
      params.style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
  }
  if (form_style_ == TFormStyle::fsStayOnTop) params.ex_style |= WS_EX_TOPMOST;
  if (client_width_ >= 0 || client_height_ >= 0) {
    // A client size asked for by the description wins over the outer size, axis by axis.
    RECT r{0, 0, std::max(client_width_, 0), std::max(client_height_, 0)};
    ::AdjustWindowRectEx(&r, params.style, menu_ != nullptr, params.ex_style);
    if (client_width_ >= 0) params.bounds.right = params.bounds.left + (r.right - r.left);
    if (client_height_ >= 0) params.bounds.bottom = params.bounds.top + (r.bottom - r.top);
  }
  // A form centred on the screen or the desktop is made where its first showing puts it,
  // rather than moved there when it shows.
  if (!placed_ &&
      (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter)) {
    POINT origin;
    if (CentredOrigin(params.bounds.right - params.bounds.left,
                      params.bounds.bottom - params.bounds.top, origin)) {
      ::OffsetRect(&params.bounds, origin.x - params.bounds.left, origin.y - params.bounds.top);
    }
  }
}

void TForm::HandleCreated() {
  if (menu_) ::SetMenu(Handle(), menu_->Handle());
  if (icon_) {
    ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  menu_ = menu;
  if (Handle()) ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
}

void TForm::SetFormStyle(TFormStyle style) {
  form_style_ = style;
  if (Handle()) {
    ::SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                   0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TForm::SetIcon(const PropBytes& icon_file) {
  icon_ = IconFromFile(icon_file, ::GetSystemMetrics(SM_CXICON));
  if (!icon_) throw PropertyError("the icon file cannot be read");
  if (Handle()) HandleCreated();
}

void TForm::SetClientSize(int width, int height) {
  client_width_ = width;
  client_height_ = height;
  if (Handle() && width >= 0 && height >= 0) {
    RECT r{0, 0, width, height};
    ::AdjustWindowRectEx(&r, ::GetWindowLongW(Handle(), GWL_STYLE), ::GetMenu(Handle()) != nullptr,
                         ::GetWindowLongW(Handle(), GWL_EXSTYLE));
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
  }
}

int TForm::ClientWidth() const {
  if (!Handle()) return client_width_;
  RECT r;
  ::GetClientRect(Handle(), &r);
  return r.right;
}

int TForm::ClientHeight() const {
  if (!Handle()) return client_height_;
  RECT r;
  ::GetClientRect(Handle(), &r);
  return r.bottom;
}

bool TForm::CentredOrigin(int width, int height, POINT& origin) const {
  if (position_ == TPosition::poDesigned) return false;
  const bool on_main_form =
      position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter;
  RECT area;
  HWND relative = nullptr;
  if (on_main_form) {
    TForm* main = Application().MainForm();
    if (main && main != this && main->Handle() && ::IsWindowVisible(main->Handle()))
      relative = main->Handle();
  }
  // The work area of the monitor that holds the main form, or the primary one.
  HWND anchor = Application().MainForm() ? Application().MainForm()->Handle() : nullptr;
  MONITORINFO info{sizeof(info)};
  ::GetMonitorInfoW(::MonitorFromWindow(anchor, MONITOR_DEFAULTTOPRIMARY), &info);
  if (relative) {
    ::GetWindowRect(relative, &area);
  } else {
    area = position_ == TPosition::poDesktopCenter ? info.rcMonitor : info.rcWork;
  }
  int left = area.left + ((area.right - area.left) - width) / 2;
  int top = area.top + ((area.bottom - area.top) - height) / 2;
  if (relative) {
    // Centred on a main form near the edge of the screen, the caption stays reachable.
    const RECT& work = info.rcWork;
    left =
        std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top =
        std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
  }
  origin = {left, top};
  return true;
}

void TForm::PlaceForShow() {
  // A form centred on the main form follows it: it is placed again at every showing.
  const bool on_main_form =
      position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter;
  if (placed_ && !on_main_form) return;
  placed_ = true;
  POINT origin;
  if (!CentredOrigin(Width(), Height(), origin)) return;
  // A form made where its showing puts it (FillCreateParams) need not move.
  if (origin.x != Left() || origin.y != Top()) SetBounds(origin.x, origin.y, Width(), Height());
}

namespace {
FormShowingHook& ShowingHook() {
  static FormShowingHook hook;
  return hook;
}
}  // namespace

void SetFormShowingHook(FormShowingHook hook) {
  ShowingHook() = std::move(hook);
}

void TForm::Show() {
  if (!Handle()) CreateHandle();
  PlaceForShow();
  visible_ = true;
  if (ShowingHook() && !::IsWindowVisible(Handle())) ShowingHook()(*this);
  ::ShowWindow(Handle(), SW_SHOW);
  // In front of the program's other windows: they all have the same owner, and activation
  // alone does not raise a window on every system (Wine on a bare X display does not). A
  // window already in front is left alone: moving it costs a round of messages.
  if (::GetWindow(Handle(), GW_HWNDPREV)) {
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  ::SetForegroundWindow(Handle());
  if (OnShow) OnShow(*this);
}

void TForm::Hide() {
  visible_ = false;
  if (Handle()) ::ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(*this, action);
  if (action == TCloseAction::caNone) return;
  if (modal_) {
    if (modal_result_ == mrNone) modal_result_ = mrCancel;
    return;
  }
  if (this == Application().MainForm()) {
    Application().Terminate();
  } else if (action == TCloseAction::caMinimize) {
    ::ShowWindow(Handle(), SW_MINIMIZE);
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  // No hint outlives the start of a modal showing: a hint window hidden later would, under
  // Wine, bring its form back in front of this one.
  for (TForm* form : Application().Forms()) form->CancelHint();
  CancelHint();
  // Every other window of the program is disabled while the form is up.
  std::vector<HWND> disabled;
  for (TForm* form : Application().Forms()) {
    if (form != this && form->Handle() && ::IsWindowEnabled(form->Handle())) {
      ::EnableWindow(form->Handle(), FALSE);
      disabled.push_back(form->Handle());
    }
  }
  modal_ = true;
  modal_result_ = mrNone;
  Show();
  while (modal_result_ == mrNone && !Application().Terminated()) {
    if (!Application().HandleMessage()) break;
  }
  modal_ = false;
  for (HWND w : disabled) ::EnableWindow(w, TRUE);
  Hide();
  if (TForm* main = Application().MainForm(); main && main != this && main->Handle()) {
    ::SetActiveWindow(main->Handle());
  }
  const int result = modal_result_;
  modal_result_ = mrNone;
  return result;
}

template <class F>
bool TForm::ForEachMenu(F&& f) {
  if (menu_ && f(*menu_)) return true;
  for (const auto& c : Components()) {
    if (auto* popup = dynamic_cast<TPopupMenu*>(c.get()); popup && f(*popup)) return true;
  }
  return false;
}

TMenuItem* TForm::FindMenuCommand(UINT command) {
  TMenuItem* found = nullptr;
  ForEachMenu([&](TMenu& menu) { return (found = menu.FindItem(command)) != nullptr; });
  return found;
}

bool TForm::IsShortCut(int short_cut) {
  TMenuItem* found = nullptr;
  ForEachMenu([&](TMenu& menu) { return (found = menu.FindShortCut(short_cut)) != nullptr; });
  if (!found) return false;
  found->Click();
  return true;
}

void TForm::UpdateHint(TWinControl& control) {
  if (!Handle() || !control.Handle()) return;
  const bool wanted = control.ShowHint() && !control.Hint().empty();
  if (!HintWindowReady(wanted)) return;
  TTTOOLINFOW tool{sizeof(tool)};
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  SetHintTool(hint_window_, tool, wanted ? &control.Hint() : nullptr);
}

void TForm::UpdateHint(const TControl& control, HWND parent, bool shown) {
  if (!Handle() || !parent) return;
  const bool wanted = shown && control.ShowHint() && !control.Hint().empty();
  if (!HintWindowReady(wanted)) return;
  // The hint window finds such a tool by the window that a relayed mouse message came from
  // and the rectangle around the point.
  TTTOOLINFOW tool{sizeof(tool)};
  tool.hwnd = parent;
  tool.uId = reinterpret_cast<UINT_PTR>(&control);
  tool.rect = control.BoundsRect();
  SetHintTool(hint_window_, tool, wanted ? &control.Hint() : nullptr);
}

bool TForm::HintWindowReady(bool wanted) {
  if (hint_window_) return true;
  // Making comctl32's tooltip window is one of the dearest steps of a form's creation, and no
  // hint shows before the mouse has rested on a painted window: it waits for the idle moment,
  // and then takes the hints of every control of the form.
  if (wanted && !hint_window_asked_) {
    hint_window_asked_ = true;
    Application().WhenIdle([window = Handle()] {
      if (auto* form = dynamic_cast<TForm*>(FromHandle(window))) form->CreateHintWindow();
    });
  }
  return false;
}

namespace {
template <class F>
void ForEachControl(const TWinControl& parent, const F& f) {
  for (TControl* c : parent.Controls()) {
    f(*c);
    if (auto* control = dynamic_cast<TWinControl*>(c)) ForEachControl(*control, f);
  }
}
}  // namespace

void TForm::CreateHintWindow() {
  if (hint_window_ || !Handle()) return;
  hint_window_ = win::Window(::CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
      ::GetModuleHandleW(nullptr), nullptr));
  ::SendMessageW(hint_window_.get(), TTM_SETMAXTIPWIDTH, 0, 400);
  // The tooltip's own font is the system's status font, which has no Chinese on a system
  // whose code page is not 936.
  hint_font_ = CreateTextFont(SystemFont::Status);
  ::SendMessageW(hint_window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(hint_font_.get()), FALSE);
  UpdateHint(*this);
  ForEachControl(*this, [](TControl& control) { control.HintChanged(); });
}

void TForm::CancelHint() {
  if (hint_window_) ::SendMessageW(hint_window_.get(), TTM_POP, 0, 0);
}

void TForm::RelayHintEvent(const TMessage& message) {
  if (!hint_window_) return;
  MSG msg{message.hwnd, message.msg, message.wParam, message.lParam, ::GetMessageTime(), {}};
  ::SendMessageW(hint_window_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void TForm::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      if (m.lParam == 0 && HIWORD(m.wParam) == 0) {  // a menu command
        if (TMenuItem* item = FindMenuCommand(LOWORD(m.wParam))) {
          item->Click();
          return;
        }
      }
      break;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
      if (measure.CtlType == ODT_MENU &&
          ForEachMenu([&](TMenu& menu) { return menu.MeasureItem(measure); })) {
        m.result = TRUE;
        return;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
      if (draw.CtlType == ODT_MENU &&
          ForEachMenu([&](TMenu& menu) { return menu.DrawItem(draw); })) {
        m.result = TRUE;
        return;
      }
      break;
    }
    case WM_SYSCOMMAND:
      if ((m.wParam & 0xFFF0) == SC_MINIMIZE && this == Application().MainForm() &&
          Application().Handle()) {
        Application().Minimize();
        return;
      }
      break;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy(*this);
      ::SetMenu(m.hwnd, nullptr);  // the menu handle belongs to its component
      break;
  }
  TWinControl::WndProc(m);
}

const ClassInfo& TForm::StaticClass() {
  static const ClassInfo info{
      "TForm",
      &TWinControl::StaticClass(),
      nullptr,
      {
          EnumProp<TForm, TPosition>(
              "Position", kPositionNames, [](const TForm& f) { return f.position_; },
              [](TForm& f, TPosition v) { f.SetPosition(v); }),
          EnumProp<TForm, TBorderStyle>(
              "BorderStyle", kBorderStyleNames, [](const TForm& f) { return f.border_style_; },
              [](TForm& f, TBorderStyle v) { f.SetBorderStyle(v); }),
          EnumProp<TForm, TFormStyle>(
              "FormStyle", kFormStyleNames, [](const TForm& f) { return f.form_style_; },
              [](TForm& f, TFormStyle v) { f.SetFormStyle(v); }),
          IntProp<TForm>(
              "ClientWidth", [](const TForm& f) { return f.ClientWidth(); },
              [](TForm& f, std::int64_t v) { f.SetClientSize(int(v), f.client_height_); }),
          IntProp<TForm>(
              "ClientHeight", [](const TForm& f) { return f.ClientHeight(); },
              [](TForm& f, std::int64_t v) { f.SetClientSize(f.client_width_, int(v)); }),
          {"Menu", PropKind::Component,
           [](const TComponent& c) {
             return PropValue{static_cast<TComponent*>(As<TForm>(c).menu_)};
           },
           [](TComponent& c, const PropValue& v) {
             As<TForm>(c).SetMenu(v.Component() ? &As<TMainMenu>(*v.Component()) : nullptr);
           }},
          {"Icon", PropKind::Binary, nullptr,
           [](TComponent& c, const PropValue& v) { As<TForm>(c).SetIcon(v.Bytes()); }},
          EventProp<TForm>("OnCreate", &TForm::OnCreate),
          EventProp<TForm>("OnShow", &TForm::OnShow),
          EventProp<TForm>("OnDestroy", &TForm::OnDestroy),
          EventProp<TForm>("OnClose", &TForm::OnClose),
      }};
  return info;
}

const ClassInfo& TApplicationEvents::StaticClass() {
  static const ClassInfo info{
      "TApplicationEvents",
      &TComponent::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TApplicationEvents>(owner); },
      {}};
  return info;
}

// ---------------------------------------------------------------------------------------
// TApplication

namespace {
TApplication* current_application = nullptr;
}  // namespace

TApplication& Application() {
  if (!current_application) throw std::logic_error("there is no application");
  return *current_application;
}

TApplication* TApplication::Current() {
  return current_application;
}

TApplication::TApplication() : TComponent(nullptr) {
  if (current_application) throw std::logic_error("there is an application already");
  current_application = this;
}

TApplication::~TApplication() {
  // The forms and their windows first: the application's window owns theirs.
  FreeComponents();
  forms_.clear();
  main_form_ = nullptr;
  DestroyHandle();
  FreeReleased();
  current_application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  // A window of no size that stands for the program on the task bar, with the program's
  // title, and owns the forms (so the forms themselves have no task-bar buttons).
  WindowOptions options;
  options.own_class = L"TApplication";
  options.class_style = 0;
  options.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  options.title = title_.c_str();
  const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2, y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
  options.bounds = {x, y, x, y};
  CreateWindowFrom(options);
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (Handle()) ::SetWindowTextW(Handle(), title_.c_str());
}

LRESULT TApplication::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case kReleaseLaterMessage:
      FreeReleased();
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_RESTORE) {
        Restore();
        return 0;
      }
      break;
    case WM_CLOSE:
      if (main_form_) main_form_->Close();
      return 0;
    case WM_ACTIVATE:
      // Activating the task-bar window passes the focus on to the main form.
      if (LOWORD(wparam) != WA_INACTIVE && !::IsIconic(Handle())) {
        if (main_form_ && main_form_->Handle() && ::IsWindowVisible(main_form_->Handle())) {
          ::SetActiveWindow(main_form_->Handle());
          return 0;
        }
      }
      break;
  }
  return DefaultProc(msg, wparam, lparam);
}

void TApplication::ReleaseLater(std::unique_ptr<WindowBase> object) {
  released_.push_back(std::move(object));
  if (Handle()) ::PostMessageW(Handle(), kReleaseLaterMessage, 0, 0);
}

void TApplication::FreeReleased() {
  // Freeing one may hand over another: take the list as it is now.
  while (!released_.empty()) {
    auto objects = std::move(released_);
    released_.clear();
    objects.clear();
  }
}

void TApplication::Minimize() {
  if (!Handle()) return;
  for (TForm* form : forms_) {
    if (form->Handle() && ::IsWindowVisible(form->Handle())) ::ShowWindow(form->Handle(), SW_HIDE);
  }
  ::ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (!Handle()) return;
  ::ShowWindow(Handle(), SW_RESTORE);
  for (TForm* form : forms_) {
    if (form->Handle() && form->Visible()) ::ShowWindow(form->Handle(), SW_SHOW);
  }
  if (main_form_ && main_form_->Handle()) ::SetForegroundWindow(main_form_->Handle());
}

bool TApplication::Dispatch(MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    int short_cut = static_cast<int>(msg.wParam & 0xFF);
    if (::GetKeyState(VK_SHIFT) < 0) short_cut |= scShift;
    if (::GetKeyState(VK_CONTROL) < 0) short_cut |= scCtrl;
    if (::GetKeyState(VK_MENU) < 0) short_cut |= scAlt;
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root));
    // A window of the program that is not a form (the player's full-screen host) takes the
    // shortcuts of the form that owns it.
    TForm* shortcut_form = form;
    for (HWND owner = root; owner && !shortcut_form; owner = ::GetWindow(owner, GW_OWNER)) {
      shortcut_form = dynamic_cast<TForm*>(TWinControl::FromHandle(owner));
    }
    // What a key runs here is outside any window procedure: its errors end in the report.
    try {
      if (shortcut_form && shortcut_form->IsShortCut(short_cut)) return true;
      // A plain key: the dialog keys of the form's controls (Escape, the cancel button).
      if (form && msg.message == WM_KEYDOWN && short_cut == static_cast<int>(msg.wParam & 0xFF) &&
          form->DialogKey(msg.wParam)) {
        return true;
      }
    } catch (const std::exception& error) {
      HandleException(error);
      return true;
    }
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void TApplication::WhenIdle(std::function<void()> action) {
  idle_actions_.push_back(std::move(action));
}

void TApplication::RunIdleActions() {
  // An action may ask for the next idle moment: that is a later one, not this.
  auto actions = std::move(idle_actions_);
  idle_actions_.clear();
  for (auto& action : actions) action();
}

bool TApplication::HandleMessage() {
  MSG msg;
  // PeekMessage reports a pending paint as WM_PAINT: nothing found means every window has
  // painted.
  if (!idle_actions_.empty() && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    RunIdleActions();
  }
  if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  return Dispatch(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  for (;;) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        terminated_ = true;
        return;
      }
      Dispatch(msg);
    }
    if (idle_actions_.empty()) return;
    RunIdleActions();  // then what they posted
  }
}

void TApplication::Run() {
  if (main_form_) {
    SwitchStartupPart(StartupPart::kShow);
    if (Handle()) ::ShowWindow(Handle(), SW_SHOWNORMAL);
    main_form_->Show();
    SwitchStartupPart(StartupPart::kFirstPaint);
  }
  while (!terminated_ && HandleMessage()) {
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  ::PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) {
  HWND owner = main_form_ ? main_form_->Handle() : nullptr;
  ShowMessageBox(owner, WideFromUtf8(error.what()), title_, MB_ICONSTOP | MB_OK);
}

}  // namespace telvana::ui
