#include "search/windows_search_win.h"

#include <windows.h>

#include <oledb.h>
#include <oledberr.h>
#include <wrl/client.h>

#include <array>

#include "search/search_sources.h"

namespace notch::quick {
namespace {

using Microsoft::WRL::ComPtr;

// DBGUID_DEFAULT: the provider's own SQL dialect.
constexpr GUID kDefaultDialect = {0xc8b521fb, 0x5cf3, 0x11ce, {0xad, 0xe5, 0x00, 0xaa, 0x00, 0x44, 0x77, 0x3d}};
constexpr DBCOUNTITEM kRowsPerFetch = 20;

// One text column as the accessor fills it.
template <std::size_t Chars>
struct TextColumn {
  DBSTATUS status;
  DBLENGTH length;  // bytes, without the terminator
  wchar_t text[Chars];
};

// The command's three columns, in order: name, path, type. Rows are known by
// their path; the title comes from it as for every file result.
struct Row {
  TextColumn<260> name;
  TextColumn<1024> path;
  TextColumn<128> type;
};

template <std::size_t Chars>
DBBINDING Binding(DBORDINAL ordinal, std::size_t offset) {
  DBBINDING binding{};
  binding.iOrdinal = ordinal;
  binding.obStatus = offset + offsetof(TextColumn<Chars>, status);
  binding.obLength = offset + offsetof(TextColumn<Chars>, length);
  binding.obValue = offset + offsetof(TextColumn<Chars>, text);
  binding.dwPart = DBPART_VALUE | DBPART_LENGTH | DBPART_STATUS;
  binding.dwMemOwner = DBMEMOWNER_CLIENTOWNED;
  binding.eParamIO = DBPARAMIO_NOTPARAM;
  binding.cbMaxLen = Chars * sizeof(wchar_t);
  binding.wType = DBTYPE_WSTR;
  return binding;
}

// The headers declare no __uuidof for the OLE DB interfaces, so their IIDs
// are passed by name with this out-parameter.
template <typename Interface>
void** Out(ComPtr<Interface>& pointer) {
  return reinterpret_cast<void**>(pointer.ReleaseAndGetAddressOf());
}

// COM for the calling worker thread, as long as this query runs.
class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

ComPtr<IRowset> Execute(const std::wstring& command) {
  CLSID provider{};
  if (FAILED(CLSIDFromProgID(L"Search.CollatorDSO", &provider))) return nullptr;
  ComPtr<IDBInitialize> source;
  if (FAILED(CoCreateInstance(provider, nullptr, CLSCTX_INPROC_SERVER, IID_IDBInitialize, Out(source)))) return nullptr;
  if (FAILED(source->Initialize())) return nullptr;
  ComPtr<IDBCreateSession> sessions;
  ComPtr<IDBCreateCommand> session;
  ComPtr<ICommandText> text;
  ComPtr<IRowset> rowset;
  if (FAILED(source->QueryInterface(IID_IDBCreateSession, Out(sessions))) ||
      FAILED(sessions->CreateSession(nullptr, IID_IDBCreateCommand, reinterpret_cast<IUnknown**>(Out(session)))) ||
      FAILED(session->CreateCommand(nullptr, IID_ICommandText, reinterpret_cast<IUnknown**>(Out(text)))) ||
      FAILED(text->SetCommandText(kDefaultDialect, command.c_str())) ||
      FAILED(text->Execute(nullptr, IID_IRowset, nullptr, nullptr, reinterpret_cast<IUnknown**>(Out(rowset))))) {
    return nullptr;
  }
  return rowset;
}

}  // namespace

std::vector<std::wstring> QueryWindowsSearchIndex(const std::wstring& command) {
  const ComScope com;
  std::vector<std::wstring> paths;
  const ComPtr<IRowset> rowset = Execute(command);
  ComPtr<IAccessor> accessors;
  if (rowset == nullptr || FAILED(rowset->QueryInterface(IID_IAccessor, Out(accessors)))) return paths;

  const std::array<DBBINDING, 3> bindings = {Binding<260>(1, offsetof(Row, name)),
                                             Binding<1024>(2, offsetof(Row, path)),
                                             Binding<128>(3, offsetof(Row, type))};
  HACCESSOR accessor = DB_NULL_HACCESSOR;
  if (FAILED(accessors->CreateAccessor(DBACCESSOR_ROWDATA, bindings.size(), bindings.data(), sizeof(Row), &accessor,
                                       nullptr))) {
    return paths;
  }
  std::array<HROW, kRowsPerFetch> handles{};
  bool more = true;
  while (more && paths.size() < kWindowsSearchRows) {
    HROW* rows = handles.data();
    DBCOUNTITEM obtained = 0;
    const DBCOUNTITEM wanted = std::min<DBCOUNTITEM>(kRowsPerFetch, kWindowsSearchRows - paths.size());
    const HRESULT fetched = rowset->GetNextRows(DB_NULL_HCHAPTER, 0, static_cast<DBROWCOUNT>(wanted), &obtained, &rows);
    if (FAILED(fetched) || obtained == 0) break;
    more = fetched != DB_S_ENDOFROWSET;
    for (DBCOUNTITEM i = 0; i < obtained; ++i) {
      Row row{};
      if (FAILED(rowset->GetData(handles[i], accessor, &row))) continue;
      // A truncated path names some other file; an empty one names none.
      if (row.path.status != DBSTATUS_S_OK) continue;
      paths.emplace_back(row.path.text, row.path.length / sizeof(wchar_t));
    }
    rowset->ReleaseRows(obtained, handles.data(), nullptr, nullptr, nullptr);
  }
  accessors->ReleaseAccessor(accessor, nullptr);
  return paths;
}

}  // namespace notch::quick
