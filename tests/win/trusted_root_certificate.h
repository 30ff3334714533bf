#pragma once
// A certificate authority that the current user trusts for as long as this
// object lives. Windows asks the user before it adds a root; Wine does not,
// so the Windows tests can make and trust an authority of their own.
#include <windows.h>

#include <wincrypt.h>

#include <string>

namespace notch::testing {

class TrustedRootCertificate {
 public:
  explicit TrustedRootCertificate(const std::string& der) {
    store_ = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (store_ == nullptr ||
        !CertAddEncodedCertificateToStore(store_, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                                          static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING,
                                          &certificate_) ||
        !Commit()) {
      error_ = GetLastError();
    }
  }
  ~TrustedRootCertificate() {
    if (certificate_ != nullptr && CertDeleteCertificateFromStore(certificate_)) Commit();
    if (store_ != nullptr) CertCloseStore(store_, 0);
  }
  TrustedRootCertificate(const TrustedRootCertificate&) = delete;
  TrustedRootCertificate& operator=(const TrustedRootCertificate&) = delete;

  bool trusted() const { return error_ == ERROR_SUCCESS; }
  DWORD error() const { return error_; }

 private:
  // Wine keeps a change to the registry store in memory until it is
  // committed, while the chain engine that checks a server reads the
  // registry through a store of its own.
  bool Commit() { return CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr); }

  HCERTSTORE store_ = nullptr;
  PCCERT_CONTEXT certificate_ = nullptr;
  DWORD error_ = ERROR_SUCCESS;
};

}  // namespace notch::testing
