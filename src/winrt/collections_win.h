#pragma once
// Our declarations of Windows.Foundation.Collections.IVectorView<T>,
// IIterable<T>, IIterator<T> and IMapView<K, V>, in ABI (vtable) order, with its instances' IIDs computed from their
// signatures.
#include <windows.h>

#include <hstring.h>
#include <inspectable.h>

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

namespace notch::winrt {

// Type arguments for strings and plain objects.
struct StringType {
  static std::string Signature() { return "string"; }
};
struct ObjectType {
  static std::string Signature() { return "cinterface(IInspectable)"; }
};
template <>
struct Abi<StringType> {
  using Type = HSTRING;
};
template <>
struct Abi<ObjectType> {
  using Type = IInspectable*;
};

inline constexpr Guid kIteratorGeneric = GuidLiteral("6a79e863-4300-459a-9966-cbb660963ee1");
inline constexpr Guid kIterableGeneric = GuidLiteral("faa585ea-6214-4217-afda-7f46de5869b3");
inline constexpr Guid kMapViewGeneric = GuidLiteral("e480ce40-a338-4ada-adcf-272272e48cb9");

template <class T>
struct IIterator : IInspectable {
  static std::string Signature() { return ParameterizedSignature(kIteratorGeneric, {SignatureOf<T>()}); }
  static GUID Iid() { return ParameterizedIidOf<IIterator>(); }

  virtual HRESULT STDMETHODCALLTYPE get_Current(AbiOf<T>* current) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HasCurrent(boolean* has_current) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveNext(boolean* has_current) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMany(UINT32 capacity, AbiOf<T>* items, UINT32* actual) = 0;
};

template <class T>
struct IIterable : IInspectable {
  static std::string Signature() { return ParameterizedSignature(kIterableGeneric, {SignatureOf<T>()}); }
  static GUID Iid() { return ParameterizedIidOf<IIterable>(); }

  virtual HRESULT STDMETHODCALLTYPE First(IIterator<T>** first) = 0;
};

template <class K, class V>
struct IMapView : IInspectable {
  static std::string Signature() {
    return ParameterizedSignature(kMapViewGeneric, {SignatureOf<K>(), SignatureOf<V>()});
  }
  static GUID Iid() { return ParameterizedIidOf<IMapView>(); }

  virtual HRESULT STDMETHODCALLTYPE Lookup(AbiOf<K> key, AbiOf<V>* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) = 0;
  virtual HRESULT STDMETHODCALLTYPE HasKey(AbiOf<K> key, boolean* found) = 0;
  virtual HRESULT STDMETHODCALLTYPE Split(IMapView** first, IMapView** second) = 0;
};

}  // namespace notch::winrt
