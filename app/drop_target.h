// What the main window takes when something is dropped on it: files (from Explorer) and text
// (an address dragged from a browser's address bar or a selection of a list). OLE drag and
// drop, since the shell's WM_DROPFILES knows only files. Lives while the window is registered
// for it; needs OLE initialised on the thread (OleScope).
#pragma once

#include <windows.h>

#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace telvana {

// OleInitialize for one scope (drag and drop needs OLE, not only COM).
class OleScope {
 public:
  OleScope() : result_(::OleInitialize(nullptr)) {}
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;
  ~OleScope() {
    if (SUCCEEDED(result_)) ::OleUninitialize();
  }
  bool Ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

class DropTarget final : public IDropTarget {
 public:
  using FilesDropped = std::function<void(std::vector<std::wstring>)>;
  using TextDropped = std::function<void(std::wstring)>;

  // Registers a new target for `window`; null when the system refuses. The registration
  // holds the only reference; Revoke ends it.
  static DropTarget* Register(HWND window, FilesDropped files, TextDropped text);
  static void Revoke(HWND window) { ::RevokeDragDrop(window); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  DropTarget(FilesDropped files, TextDropped text)
      : files_(std::move(files)), text_(std::move(text)) {}
  ~DropTarget() = default;

  ULONG references_ = 1;
  bool acceptable_ = false;
  FilesDropped files_;
  TextDropped text_;
};

}  // namespace telvana
