#include "winrt/string_iterable_win.h"

#include <objidl.h>
#include <winstring.h>

#include <atomic>
#include <memory>
#include <new>
#include <utility>

#include "winrt/delegate_win.h"

namespace notch::winrt {
namespace {

using Strings = std::shared_ptr<const std::vector<std::wstring>>;

// E_BOUNDS, which the MinGW-w64 headers lack.
constexpr HRESULT kOutOfBounds = static_cast<HRESULT>(0x8000000B);

// IUnknown and IInspectable for an agile object answering one more interface.
template <class Interface>
class AgileObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IInspectable)) ||
        IsEqualIID(iid, __uuidof(IAgileObject)) || IsEqualIID(iid, Interface::Iid())) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.fetch_add(1, std::memory_order_relaxed) + 1; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = references_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
    if (count == nullptr || iids == nullptr) return E_POINTER;
    *iids = static_cast<IID*>(CoTaskMemAlloc(sizeof(IID)));
    if (*iids == nullptr) return E_OUTOFMEMORY;
    (*iids)[0] = Interface::Iid();
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    if (level == nullptr) return E_POINTER;
    *level = BaseTrust;
    return S_OK;
  }

 protected:
  virtual ~AgileObject() = default;

 private:
  std::atomic<ULONG> references_{1};
};

HRESULT Copy(const std::wstring& text, HSTRING* out) {
  if (text.size() > UINT32_MAX) return E_INVALIDARG;
  return WindowsCreateString(text.data(), static_cast<UINT32>(text.size()), out);
}

class StringIterator final : public AgileObject<IIterator<StringType>> {
 public:
  explicit StringIterator(Strings strings) : strings_(std::move(strings)) {}

  HRESULT STDMETHODCALLTYPE get_Current(HSTRING* current) override {
    if (current == nullptr) return E_POINTER;
    *current = nullptr;
    if (index_ >= strings_->size()) return kOutOfBounds;
    return Copy((*strings_)[index_], current);
  }
  HRESULT STDMETHODCALLTYPE get_HasCurrent(boolean* has_current) override {
    if (has_current == nullptr) return E_POINTER;
    *has_current = index_ < strings_->size();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE MoveNext(boolean* has_current) override {
    if (has_current == nullptr) return E_POINTER;
    if (index_ < strings_->size()) ++index_;
    *has_current = index_ < strings_->size();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMany(UINT32 capacity, HSTRING* items, UINT32* actual) override {
    if (actual == nullptr || (items == nullptr && capacity > 0)) return E_POINTER;
    UINT32 taken = 0;
    while (taken < capacity && index_ < strings_->size()) {
      const HRESULT result = Copy((*strings_)[index_], &items[taken]);
      if (FAILED(result)) {
        for (UINT32 i = 0; i < taken; ++i) WindowsDeleteString(items[i]);
        *actual = 0;
        return result;
      }
      ++taken;
      ++index_;
    }
    *actual = taken;
    return S_OK;
  }

 private:
  Strings strings_;
  std::size_t index_ = 0;
};

class StringIterable final : public AgileObject<IIterable<StringType>> {
 public:
  explicit StringIterable(Strings strings) : strings_(std::move(strings)) {}

  HRESULT STDMETHODCALLTYPE First(IIterator<StringType>** first) override {
    if (first == nullptr) return E_POINTER;
    *first = new (std::nothrow) StringIterator(strings_);
    return *first != nullptr ? S_OK : E_OUTOFMEMORY;
  }

 private:
  Strings strings_;
};

}  // namespace

Microsoft::WRL::ComPtr<IIterable<StringType>> MakeStringIterable(std::vector<std::wstring> strings) {
  auto shared = std::make_shared<const std::vector<std::wstring>>(std::move(strings));
  return AdoptReference<IIterable<StringType>>(new (std::nothrow) StringIterable(std::move(shared)));
}

}  // namespace notch::winrt
