#pragma once
// Our declaration of Windows.Foundation.Collections.IVectorView<T>, in ABI
// (vtable) order, with its instances' IIDs computed from their signatures.
#include <windows.h>

#include <string>

#include "winrt/guid_win.h"
#include "winrt/type_signature_win.h"

namespace notch::winrt {

inline constexpr Guid kVectorViewGeneric = GuidLiteral("bbe1fa4c-b0e3-4583-baef-1f1b2e483e56");

template <class T>
struct IVectorView : IInspectable {
  static std::string Signature() { return ParameterizedSignature(kVectorViewGeneric, {SignatureOf<T>()}); }
  static GUID Iid() { return ParameterizedIidOf<IVectorView>(); }

  virtual HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, AbiOf<T>* item) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) = 0;
  virtual HRESULT STDMETHODCALLTYPE IndexOf(AbiOf<T> value, UINT32* index, boolean* found) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMany(UINT32 start_index, UINT32 capacity, AbiOf<T>* items, UINT32* actual) = 0;
};

}  // namespace notch::winrt
