// Forms (top-level windows read from stored descriptions) and the application object that
// holds the title, the main form, the list of forms and the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/menus.h"

namespace telvana::ui {

class TMainMenu;

enum class TPosition {
  poDesigned,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
inline constexpr std::wstring_view kPositionNames[] = {L"poDesigned", L"poScreenCenter",
                                                       L"poDesktopCenter", L"poMainFormCenter",
                                                       L"poOwnerFormCenter"};
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline constexpr std::wstring_view kBorderStyleNames[] = {
    L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"};
enum class TFormStyle { fsNormal, fsStayOnTop };
inline constexpr std::wstring_view kFormStyleNames[] = {L"fsNormal", L"fsStayOnTop"};

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Builds the form: registers the form class's handlers, reads its stored description
  // (an RCDATA resource of the program), creates the window hidden, lets every component
  // know it is loaded, then runs OnCreate. A faulty part of a description is skipped (and
  // listed in ReadProblems) so that the form still opens.
  void Create();
  const std::vector<std::string>& ReadProblems() const { return read_problems_; }

  // Handlers that descriptions may name, registered by the form class.
  void RegisterHandler(std::string name, EventHandler handler);
  const EventHandler* FindHandler(std::string_view name) const;

  void Show();
  void Hide();
  // Asks OnClose; hides the form, ends a modal loop, or ends the program for the main form.
  void Close();
  int ShowModal();
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style) { border_style_ = style; }
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style);
  void SetIcon(const PropBytes& icon_file);
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // The shortcut key of a menu item of this form (main menu first, then context menus).
  bool IsShortCut(int short_cut);

  // Hints: controls of this form register their hint text; mouse messages are relayed. The
  // hint window itself is made at the first idle moment after a control asks for a hint.
  void UpdateHint(TWinControl& control);
  // A control without a window registers its hint for its rectangle in its parent's window
  // `parent`, again whenever that rectangle changes; `shown` false takes the hint away.
  void UpdateHint(const TControl& control, HWND parent, bool shown);
  void RelayHintEvent(const TMessage& message);
  // Takes away a hint that is showing.
  void CancelHint();

  NotifyEvent OnCreate, OnShow, OnDestroy;
  CloseEvent OnClose;

  void WndProc(TMessage& message) override;

 protected:
  // The name of the form's description resource, and the handlers it may name.
  virtual std::wstring DescriptionResource() const = 0;
  virtual void RegisterHandlers() {}

  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

 private:
  TMenuItem* FindMenuCommand(UINT command);
  template <class F>
  bool ForEachMenu(F&& f);
  void PlaceForShow();
  // Where the form stands when shown, for an outer size of width by height; false for a form
  // that keeps its own place (poDesigned).
  bool CentredOrigin(int width, int height, POINT& origin) const;
  // True when the hint window exists; else asks for it at the next idle moment when a hint
  // is wanted.
  bool HintWindowReady(bool wanted);
  void CreateHintWindow();

  std::map<std::string, EventHandler, std::less<>> handlers_;
  TMainMenu* menu_ = nullptr;
  TPosition position_ = TPosition::poDesigned;
  TBorderStyle border_style_ = TBorderStyle::bsSizeable;
  TFormStyle form_style_ = TFormStyle::fsNormal;
  win::Icon icon_;
  int modal_result_ = mrNone;
  bool modal_ = false;
  bool placed_ = false;
  int client_width_ = -1, client_height_ = -1;  // asked for by the description, or -1
  win::Font hint_font_;                         // outlives the hint window that uses it
  win::Window hint_window_;
  bool hint_window_asked_ = false;  // made at the next idle moment
  std::vector<std::string> read_problems_;
};

// The application: created by the program's entry point (or a test) and ended before it
// returns. It owns the forms; ending it frees them and their windows first, then its own
// window, then whatever was handed to it to free later.
class TApplication : public TComponent, public WindowBase {
 public:
  TApplication();
  ~TApplication() override;

  // The application that exists now, or null.
  static TApplication* Current();

  // Common controls and the application's own window, which carries the title on the
  // task bar and owns the forms.
  void Initialize();
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title);

  // Creates a form owned by the application; the first one becomes the main form.
  template <class F>
  F& CreateForm() {
    F* form = TComponent::New<F>(*this);
    forms_.push_back(form);
    if (!main_form_) main_form_ = form;
    form->Create();
    return *form;
  }
  TForm* MainForm() const { return main_form_; }
  const std::vector<TForm*>& Forms() const { return forms_; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles the messages waiting now (tests and modal loops).
  void ProcessMessages();
  // Handles one message; false when WM_QUIT came.
  bool HandleMessage();
  // Runs `action` once, the next time the message loop finds nothing left to do: every
  // message handled and every window painted. Work that need not hold up the first paint
  // of the program waits for this.
  void WhenIdle(std::function<void()> action);
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The default error report: a message box with the error's text.
  void HandleException(const std::exception& error);

  // Frees `object` once the message being handled now is done: for a window that must go
  // while its own procedure is running (a window that closes itself).
  void ReleaseLater(std::unique_ptr<WindowBase> object);

  void Minimize();
  void Restore();

 private:
  bool Dispatch(MSG& msg);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void FreeReleased();
  void RunIdleActions();

  std::wstring title_;
  std::vector<TForm*> forms_;
  TForm* main_form_ = nullptr;
  bool terminated_ = false;
  std::vector<std::unique_ptr<WindowBase>> released_;
  std::vector<std::function<void()>> idle_actions_;
};

// A component that forwards the application's events to handlers of the form that owns it;
// with no handler connected it has no effect.
class TApplicationEvents : public TComponent {
 public:
  explicit TApplicationEvents(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

// The application that exists now; a call without one is a fault of the caller.
TApplication& Application();

// What the program does to a form's hidden window right before it is first shown (the skin
// manager gives it its frame there, so that the window appears once, already in its skin).
// An empty hook does nothing.
using FormShowingHook = std::function<void(TForm&)>;
void SetFormShowingHook(FormShowingHook hook);

}  // namespace telvana::ui
