#pragma once
// Our declarations of the Windows.Storage.Streams interfaces behind a media
// thumbnail, which the MinGW-w64 headers lack.
#include <windows.h>

#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"

namespace notch::winrt {

// Has no members of its own: it requires IRandomAccessStream and
// IContentTypeProvider, which CreateStreamOverRandomAccessStream reads through.
struct IRandomAccessStreamWithContentType : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("cc254827-4b3d-438f-9232-10c76bc7e038"); }
};

struct IRandomAccessStreamReference : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("33ee3134-1dd6-4e3a-8067-d1c162e8642b"); }

  virtual HRESULT STDMETHODCALLTYPE OpenReadAsync(IAsyncOperation<IRandomAccessStreamWithContentType>** operation) = 0;
};

using StreamOpenRequest = IAsyncOperation<IRandomAccessStreamWithContentType>;

}  // namespace notch::winrt

// An IStream over a Windows Runtime stream, for WIC (shcore.dll; the MinGW-w64
// headers lack its declaration, which the Windows SDK has in <shcore.h>).
extern "C" HRESULT WINAPI CreateStreamOverRandomAccessStream(IUnknown* random_access_stream, REFIID iid, void** stream);
