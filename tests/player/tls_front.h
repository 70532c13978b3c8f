// https for the player's tests: the native TLS front (tls_front.cpp) started before a web
// server of the test, and its certificates trusted by the test's Wine prefix (as trusted root
// certificates of the machine) for as long as the object lives. Windows would ask the user
// before a program adds a trusted root; these tests run in a Wine prefix of their own.
#pragma once

#include <winsock2.h>
// winsock2.h first: windows.h would bring the old winsock.h.
#include <wincrypt.h>
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/player/loopback_server.h"

namespace telvana::testsupport {

class TlsFront {
 public:
  // Which certificate the front shows: one for 127.0.0.1 that the prefix trusts, a trusted
  // one issued for another name, or one for 127.0.0.1 that nobody trusts.
  enum class Certificate { Trusted, OtherName, Untrusted };

  explicit TlsFront(int backendPort) {
    try {
      int controlPort = 0;
      const SOCKET listener = ListenOnLoopback(controlPort);
      StartFront(controlPort, backendPort);
      control_ = AcceptWithin(listener, 20000);
      ::closesocket(listener);
      if (control_ == INVALID_SOCKET) throw std::runtime_error("the TLS front did not start");
      const std::string hello = ReadHello();
      if (std::sscanf(hello.c_str(), "%d %d %d", &ports_[0], &ports_[1], &ports_[2]) != 3)
        throw std::runtime_error("the TLS front said no ports");
      Trust(hello);
    } catch (...) {
      Release();
      throw;
    }
  }
  ~TlsFront() { Release(); }
  TlsFront(const TlsFront&) = delete;
  TlsFront& operator=(const TlsFront&) = delete;

  std::string Url(Certificate certificate, const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(ports_[static_cast<int>(certificate)]) + path;
  }

 private:
  void Release() {
    for (const std::wstring& key : trusted_) ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    trusted_.clear();
    if (control_ != INVALID_SOCKET) ::closesocket(control_);  // the front ends with it
    control_ = INVALID_SOCKET;
  }

  static void StartFront(int controlPort, int backendPort) {
    std::string path = "Z:" TELVANA_TLS_FRONT;
    for (char& c : path) c = c == '/' ? '\\' : c;
    std::string command =
        "\"" + path + "\" " + std::to_string(controlPort) + " " + std::to_string(backendPort);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
      throw std::runtime_error("cannot start " + path);
    if (process.hProcess) ::CloseHandle(process.hProcess);
    if (process.hThread) ::CloseHandle(process.hThread);
  }

  static SOCKET AcceptWithin(SOCKET listener, long milliseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(listener, &set);
    timeval wait{milliseconds / 1000, milliseconds % 1000 * 1000};
    if (::select(0, &set, nullptr, nullptr, &wait) != 1) return INVALID_SOCKET;
    return ::accept(listener, nullptr, nullptr);
  }

  std::string ReadHello() {
    std::string text;
    char buffer[4096];
    while (text.find("END\n") == std::string::npos) {
      const int n = ::recv(control_, buffer, sizeof buffer, 0);
      if (n <= 0) throw std::runtime_error("the TLS front ended early");
      text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
  }

  // Writes each certificate where Windows keeps the machine's trusted roots (a registry
  // store: one key per certificate, named by its SHA-1 hash, holding it serialised), which
  // is what adding it to the "Root" system store does on Windows. Wine reads that key, but
  // drops what is added to that store through CertAddEncodedCertificateToStore.
  void Trust(const std::string& pems) {
    const std::string begin = "-----BEGIN CERTIFICATE-----", end = "-----END CERTIFICATE-----";
    for (std::size_t at = pems.find(begin); at != std::string::npos;
         at = pems.find(begin, at + 1)) {
      const std::size_t stop = pems.find(end, at) + end.size();
      std::vector<BYTE> der(8192);
      DWORD size = static_cast<DWORD>(der.size());
      if (!::CryptStringToBinaryA(pems.c_str() + at, static_cast<DWORD>(stop - at),
                                  CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr, nullptr))
        throw std::runtime_error("the TLS front sent a certificate that cannot be read");
      TrustOne(der.data(), size);
    }
  }

  void TrustOne(const BYTE* der, DWORD size) {
    const PCCERT_CONTEXT cert = ::CertCreateCertificateContext(X509_ASN_ENCODING, der, size);
    BYTE hash[20];
    DWORD hashSize = sizeof hash;
    std::vector<BYTE> blob(16384);
    DWORD blobSize = static_cast<DWORD>(blob.size());
    const bool ok = cert &&
                    ::CertGetCertificateContextProperty(cert, CERT_HASH_PROP_ID, hash, &hashSize) &&
                    ::CertSerializeCertificateStoreElement(cert, 0, blob.data(), &blobSize);
    if (cert) ::CertFreeCertificateContext(cert);
    if (!ok) throw std::runtime_error("cannot serialise the TLS front's certificate");
    std::wstring key = L"Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\";
    for (const BYTE b : hash) {
      const wchar_t* digits = L"0123456789ABCDEF";
      key += digits[b >> 4];
      key += digits[b & 15];
    }
    HKEY opened = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &opened, nullptr) != ERROR_SUCCESS)
      throw std::runtime_error("cannot write the trusted roots");
    trusted_.push_back(key);
    const LONG written = ::RegSetValueExW(opened, L"Blob", 0, REG_BINARY, blob.data(), blobSize);
    ::RegCloseKey(opened);
    if (written != ERROR_SUCCESS) throw std::runtime_error("cannot write the trusted roots");
  }

  Winsock winsock_;
  SOCKET control_ = INVALID_SOCKET;
  int ports_[3] = {};
  std::vector<std::wstring> trusted_;  // the keys written
};

}  // namespace telvana::testsupport
