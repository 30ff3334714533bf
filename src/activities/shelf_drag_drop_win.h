#pragma once
// OLE drag and drop for the shelf: the island window's drop target, which
// takes file names (CF_HDROP), and the drag of one entry out of the island
// with the shell item's own data object.
#include <windows.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "activities/shelf_activity.h"

namespace notch {

class ShelfDropTarget final : public IDropTarget {
 public:
  explicit ShelfDropTarget(ShelfActivity& shelf) : shelf_(shelf) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

 private:
  ~ShelfDropTarget() = default;

  ShelfActivity& shelf_;
  LONG references_ = 1;
  bool accepted_ = false;
};

// Whether the data offers file names as an HDROP in global memory.
bool OffersFileNames(IDataObject* data);
// The file names the data carries, whole whatever their length; an entry
// is empty where a name could not be read.
std::vector<std::wstring> DroppedFileNames(IDataObject* data);

// Drags `path` out of the island until the user drops or cancels it.
ShelfDragOutcome DragOutShelfItem(const std::wstring& path);

}  // namespace notch
