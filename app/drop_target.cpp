#include "app/drop_target.h"

#include <shellapi.h>

namespace telvana {

namespace {

FORMATETC Format(CLIPFORMAT format) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = Format(format);
  return data && data->QueryGetData(&wanted) == S_OK;
}

// The medium of one format, released with the object.
class Medium {
 public:
  Medium(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = Format(format);
    ok_ = data->GetData(&wanted, &medium_) == S_OK && medium_.tymed == TYMED_HGLOBAL;
  }
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;
  ~Medium() {
    if (ok_) ::ReleaseStgMedium(&medium_);
  }
  HGLOBAL Global() const { return ok_ ? medium_.hGlobal : nullptr; }

 private:
  STGMEDIUM medium_{};
  bool ok_ = false;
};

}  // namespace

DropTarget* DropTarget::Register(HWND window, FilesDropped files, TextDropped text) {
  auto* target = new DropTarget(std::move(files), std::move(text));
  const bool registered = SUCCEEDED(::RegisterDragDrop(window, target));
  target->Release();  // the registration keeps its own reference, or the target goes now
  return registered ? target : nullptr;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  acceptable_ = Offers(data, CF_HDROP) || Offers(data, CF_UNICODETEXT);
  *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  *effect = DROPEFFECT_NONE;
  // What a drop runs is outside any window procedure of ours: nothing may escape to OLE.
  try {
    if (Offers(data, CF_HDROP)) {
      const Medium medium(data, CF_HDROP);
      auto* drop = static_cast<HDROP>(::GlobalLock(medium.Global()));
      if (!drop) return S_OK;
      std::vector<std::wstring> paths;
      const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
        paths.push_back(std::move(path));
      }
      ::GlobalUnlock(medium.Global());
      *effect = DROPEFFECT_COPY;
      files_(std::move(paths));
    } else if (Offers(data, CF_UNICODETEXT)) {
      const Medium medium(data, CF_UNICODETEXT);
      const auto* chars = static_cast<const wchar_t*>(::GlobalLock(medium.Global()));
      if (!chars) return S_OK;
      // The text ends at its terminator or at the end of its memory, whichever comes first.
      const std::size_t limit = ::GlobalSize(medium.Global()) / sizeof(wchar_t);
      std::wstring text(chars, ::wcsnlen(chars, limit));
      ::GlobalUnlock(medium.Global());
      *effect = DROPEFFECT_COPY;
      text_(std::move(text));
    }
  } catch (...) {
  }
  return S_OK;
}

}  // namespace telvana
