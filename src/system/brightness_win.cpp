#include "system/brightness_win.h"

#include <highlevelmonitorconfigurationapi.h>
#include <oleauto.h>

namespace notch::brightness {
namespace {

using Microsoft::WRL::ComPtr;

// WbemLocator and IWbemLocator, as our own constants so that the program
// needs no import library for them.
constexpr CLSID kWbemLocatorClass = {0x4590f811, 0x1d3a, 0x11d0, {0x89, 0x1f, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};
constexpr IID kWbemLocatorInterface = {0xdc12a687, 0x737f, 0x11cf, {0x88, 0x4d, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};

// A BSTR owned for the length of one call.
class Bstr {
 public:
  explicit Bstr(const wchar_t* text) : value_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }
  explicit operator bool() const { return value_ != nullptr; }

 private:
  BSTR value_;
};

// A VARIANT cleared when it goes.
struct Variant {
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT value;
};

}  // namespace

bool WmiBrightnessWin::Connect() {
  services_.Reset();
  ComPtr<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(kWbemLocatorClass, nullptr, CLSCTX_INPROC_SERVER, kWbemLocatorInterface,
                              reinterpret_cast<void**>(locator.GetAddressOf()))) ||
      !locator) {
    return false;
  }
  const Bstr name(L"ROOT\\WMI");
  if (!name ||
      FAILED(locator->ConnectServer(name.get(), nullptr, nullptr, nullptr, WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr,
                                    nullptr, services_.GetAddressOf())) ||
      !services_) {
    services_.Reset();
    return false;
  }
  if (FAILED(CoSetProxyBlanket(services_.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                               RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE))) {
    services_.Reset();
    return false;
  }
  return true;
}

ComPtr<IWbemClassObject> WmiBrightnessWin::First(const wchar_t* query) {
  if (!services_) return nullptr;
  const Bstr language(L"WQL");
  const Bstr text(query);
  ComPtr<IEnumWbemClassObject> objects;
  if (!language || !text ||
      FAILED(services_->ExecQuery(language.get(), text.get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                  nullptr, objects.GetAddressOf())) ||
      !objects) {
    return nullptr;
  }
  ComPtr<IWbemClassObject> object;
  ULONG returned = 0;
  if (FAILED(objects->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.GetAddressOf(), &returned)) || returned == 0)
    return nullptr;
  return object;
}

bool WmiBrightnessWin::Set(std::uint8_t percent) {
  const ComPtr<IWbemClassObject> target = First(L"SELECT * FROM WmiMonitorBrightnessMethods WHERE Active=TRUE");
  if (!target) return false;
  Variant path;
  if (FAILED(target->Get(L"__PATH", 0, &path.value, nullptr, nullptr)) || path.value.vt != VT_BSTR ||
      path.value.bstrVal == nullptr) {
    return false;
  }
  const Bstr class_name(L"WmiMonitorBrightnessMethods");
  const Bstr method(L"WmiSetBrightness");
  ComPtr<IWbemClassObject> type;
  ComPtr<IWbemClassObject> signature;
  ComPtr<IWbemClassObject> input;
  if (!class_name || !method ||
      FAILED(services_->GetObject(class_name.get(), 0, nullptr, type.GetAddressOf(), nullptr)) || !type ||
      FAILED(type->GetMethod(L"WmiSetBrightness", 0, signature.GetAddressOf(), nullptr)) || !signature ||
      FAILED(signature->SpawnInstance(0, input.GetAddressOf())) || !input) {
    return false;
  }
  VARIANT brightness;
  VariantInit(&brightness);
  brightness.vt = VT_UI1;
  brightness.bVal = percent > 100 ? 100 : percent;
  VARIANT timeout;
  VariantInit(&timeout);
  timeout.vt = VT_I4;
  timeout.lVal = 0;
  if (FAILED(input->Put(L"Brightness", 0, &brightness, 0)) || FAILED(input->Put(L"Timeout", 0, &timeout, 0))) {
    return false;
  }
  ComPtr<IWbemClassObject> output;
  if (FAILED(services_->ExecMethod(path.value.bstrVal, method.get(), 0, nullptr, input.Get(), output.GetAddressOf(),
                                   nullptr))) {
    return false;
  }
  if (!output) return true;
  Variant answer;
  if (FAILED(output->Get(L"ReturnValue", 0, &answer.value, nullptr, nullptr))) return true;
  return answer.value.vt != VT_I4 || answer.value.lVal == 0;
}

std::optional<std::uint8_t> WmiBrightnessWin::Read() {
  const ComPtr<IWbemClassObject> monitor =
      First(L"SELECT CurrentBrightness FROM WmiMonitorBrightness WHERE Active=TRUE");
  if (!monitor) return std::nullopt;
  Variant current;
  if (FAILED(monitor->Get(L"CurrentBrightness", 0, &current.value, nullptr, nullptr)) || current.value.vt != VT_UI1) {
    return std::nullopt;
  }
  return current.value.bVal;
}

std::optional<std::uint32_t> DxvaMonitors::Open() {
  Close();
  const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  DWORD count = 0;
  if (monitor == nullptr || !GetNumberOfPhysicalMonitorsFromHMONITOR(monitor, &count) || count == 0) {
    return std::nullopt;
  }
  std::vector<PHYSICAL_MONITOR> monitors(count);
  if (!GetPhysicalMonitorsFromHMONITOR(monitor, count, monitors.data())) return std::nullopt;
  monitors_ = std::move(monitors);
  return static_cast<std::uint32_t>(monitors_.size());
}

void DxvaMonitors::Close() {
  if (monitors_.empty()) return;
  DestroyPhysicalMonitors(static_cast<DWORD>(monitors_.size()), monitors_.data());
  monitors_.clear();
}

std::optional<DdcMonitors::Range> DxvaMonitors::Get(std::uint32_t index) {
  if (index >= monitors_.size()) return std::nullopt;
  DWORD min = 0;
  DWORD current = 0;
  DWORD max = 0;
  if (!GetMonitorBrightness(monitors_[index].hPhysicalMonitor, &min, &current, &max)) return std::nullopt;
  return Range{min, current, max};
}

bool DxvaMonitors::Set(std::uint32_t index, std::uint32_t value) {
  if (index >= monitors_.size()) return false;
  return SetMonitorBrightness(monitors_[index].hPhysicalMonitor, value) != FALSE;
}

Result DisplayBrightnessWin(const Request& request) {
  WmiBrightnessWin wmi;
  DxvaMonitors monitors;
  return DisplayBrightness(wmi, monitors, request);
}

}  // namespace notch::brightness
