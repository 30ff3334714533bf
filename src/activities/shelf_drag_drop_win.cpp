#include "activities/shelf_drag_drop_win.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

FORMATETC FileNamesFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// One object for every drag out; it lives as long as the process.
class DropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
      *object = static_cast<IDropSource*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape_pressed, DWORD keys) override {
    if (escape_pressed) return DRAGDROP_S_CANCEL;
    if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

HRESULT ShelfDropTarget::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ShelfDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ShelfDropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ShelfDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepted_ = shelf_.DragEnter(OffersFileNames(data));
  if (effect != nullptr) *effect = accepted_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT ShelfDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect != nullptr) *effect = accepted_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT ShelfDropTarget::DragLeave() {
  accepted_ = false;
  shelf_.DragLeave();
  return S_OK;
}

HRESULT ShelfDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepted_ = false;
  if (effect != nullptr) *effect = DROPEFFECT_COPY;
  shelf_.Drop(DroppedFileNames(data));
  return S_OK;
}

bool OffersFileNames(IDataObject* data) {
  FORMATETC format = FileNamesFormat();
  return data != nullptr && data->QueryGetData(&format) == S_OK;
}

std::vector<std::wstring> DroppedFileNames(IDataObject* data) {
  std::vector<std::wstring> names;
  if (data == nullptr) return names;
  FORMATETC format = FileNamesFormat();
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return names;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    const HDROP drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      // Ask for the length first: a fixed buffer would cut a long path into
      // the name of some other file.
      const UINT length = DragQueryFileW(drop, i, nullptr, 0);
      std::wstring name(length + 1, L'\0');
      const UINT copied = length == 0 ? 0 : DragQueryFileW(drop, i, name.data(), length + 1);
      name.resize(copied == length ? length : 0);
      names.push_back(std::move(name));
    }
  }
  ReleaseStgMedium(&medium);
  return names;
}

ShelfDragOutcome DragOutShelfItem(const std::wstring& path) {
  static DropSource source;
  ComPtr<IShellItem> item;
  if (FAILED(SHCreateItemFromParsingName(path.c_str(), nullptr, IID_PPV_ARGS(item.GetAddressOf())))) return {};
  ComPtr<IDataObject> data;
  if (FAILED(item->BindToHandler(nullptr, BHID_DataObject, IID_PPV_ARGS(data.GetAddressOf())))) return {};
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data.Get(), &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
  return {result == DRAGDROP_S_DROP, (effect & DROPEFFECT_MOVE) != 0};
}

}  // namespace notch
