// The TLS front of the player's https tests, a native program: it takes https connections on
// 127.0.0.1 and passes their plain bytes on to a web server of the test on 127.0.0.1, as a
// TLS-terminating front (a reverse proxy, stunnel) does before a plain web server. Windows'
// own TLS cannot take the server's side under Wine, so the tests start this program instead.
//
// Usage: tls_front CONTROL_PORT BACKEND_PORT
// It makes its certificates, listens on three ports, connects to CONTROL_PORT and writes there
//   PORT_TRUSTED PORT_OTHER_NAME PORT_UNTRUSTED\n
// followed by the PEM of the certificates the test is to trust, and "END\n". The ports
// present: a certificate for 127.0.0.1 that the test trusts; a trusted one issued for another
// name; one for 127.0.0.1 that nobody trusts. It ends when the control connection closes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

[[noreturn]] void Die(const char* what) {
  std::fprintf(stderr, "tls_front: %s\n", what);
  ERR_print_errors_fp(stderr);
  std::_Exit(1);
}

void AddExtension(X509* cert, int nid, const char* value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
  if (!extension || !X509_add_ext(cert, extension, -1)) Die("cannot add an extension");
  X509_EXTENSION_free(extension);
}

// A self-signed server certificate, valid from an hour ago for a day.
X509* MakeCertificate(EVP_PKEY* key, const char* common_name, const char* names) {
  X509* cert = X509_new();
  unsigned char serial[16];
  RAND_bytes(serial, sizeof serial);
  serial[0] &= 0x7F;
  BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
  BN_to_ASN1_INTEGER(number, X509_get_serialNumber(cert));
  BN_free(number);
  X509_set_version(cert, 2);
  X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
  X509_gmtime_adj(X509_getm_notAfter(cert), 86400);
  X509_set_pubkey(cert, key);
  X509_NAME* name = X509_get_subject_name(cert);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                             reinterpret_cast<const unsigned char*>(common_name), -1, -1, 0);
  X509_set_issuer_name(cert, name);
  AddExtension(cert, NID_subject_alt_name, names);
  AddExtension(cert, NID_ext_key_usage, "serverAuth");
  AddExtension(cert, NID_subject_key_identifier, "hash");
  if (!X509_sign(cert, key, EVP_sha256())) Die("cannot sign a certificate");
  return cert;
}

int ListenOnLoopback(int& port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(s, 16) != 0 || ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    Die("cannot listen on 127.0.0.1");
  port = ntohs(address.sin_port);
  return s;
}

int ConnectToLoopback(int port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (s >= 0 && ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return s;
  if (s >= 0) ::close(s);
  return -1;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// One connection: the handshake, then bytes both ways until either side closes.
void Relay(SSL_CTX* context, int client, int backend_port) {
  SSL* ssl = SSL_new(context);
  SSL_set_fd(ssl, client);
  const int backend = SSL_accept(ssl) == 1 ? ConnectToLoopback(backend_port) : -1;
  char buffer[16384];
  while (backend >= 0) {
    if (SSL_pending(ssl) == 0) {
      pollfd fds[2] = {{client, POLLIN, 0}, {backend, POLLIN, 0}};
      if (::poll(fds, 2, -1) < 0) break;
      if (fds[1].revents) {
        const ssize_t n = ::recv(backend, buffer, sizeof buffer, 0);
        if (n <= 0 || SSL_write(ssl, buffer, static_cast<int>(n)) <= 0) break;
      }
      if (!fds[0].revents) continue;
    }
    const int n = SSL_read(ssl, buffer, sizeof buffer);
    if (n <= 0 || !WriteAll(backend, buffer, static_cast<std::size_t>(n))) break;
  }
  SSL_shutdown(ssl);
  SSL_free(ssl);
  if (backend >= 0) ::close(backend);
  ::close(client);
}

void Serve(SSL_CTX* context, int listener, int backend_port) {
  for (;;) {
    const int client = ::accept(listener, nullptr, nullptr);
    if (client < 0) return;
    std::thread([=] { Relay(context, client, backend_port); }).detach();
  }
}

SSL_CTX* ServerContext(X509* cert, EVP_PKEY* key) {
  SSL_CTX* context = SSL_CTX_new(TLS_server_method());
  if (!context || SSL_CTX_use_certificate(context, cert) != 1 ||
      SSL_CTX_use_PrivateKey(context, key) != 1)
    Die("cannot make a TLS context");
  return context;
}

std::string Pem(X509* cert) {
  BIO* bio = BIO_new(BIO_s_mem());
  PEM_write_bio_X509(bio, cert);
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio, &data);
  std::string pem(data, static_cast<std::size_t>(size));
  BIO_free(bio);
  return pem;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Die("usage: tls_front CONTROL_PORT BACKEND_PORT");
  const int control_port = std::atoi(argv[1]), backend_port = std::atoi(argv[2]);
  // A client that goes away while its answer is written (the player closed, or moved on)
  // must not end the front: OpenSSL writes with send(), which raises SIGPIPE then.
  ::signal(SIGPIPE, SIG_IGN);
  EVP_PKEY* key = EVP_RSA_gen(2048);
  EVP_PKEY* stranger_key = EVP_RSA_gen(2048);
  if (!key || !stranger_key) Die("cannot make keys");
  // Wine compares a server's name only with the certificate's DNS names, so 127.0.0.1 is
  // one of those too (Windows also takes the IP address entries).
  const char* loopback = "IP:127.0.0.1,IP:::1,DNS:localhost,DNS:127.0.0.1";
  X509* trusted = MakeCertificate(key, "Telvana test server", loopback);
  X509* other_name = MakeCertificate(key, "Telvana test server elsewhere", "DNS:elsewhere.invalid");
  X509* untrusted = MakeCertificate(stranger_key, "Telvana stranger", loopback);

  int ports[3];
  const int listeners[3] = {ListenOnLoopback(ports[0]), ListenOnLoopback(ports[1]),
                            ListenOnLoopback(ports[2])};
  SSL_CTX* contexts[3] = {ServerContext(trusted, key), ServerContext(other_name, key),
                          ServerContext(untrusted, stranger_key)};
  for (int i = 0; i < 3; ++i) {
    std::thread([=] { Serve(contexts[i], listeners[i], backend_port); }).detach();
  }

  const int control = ConnectToLoopback(control_port);
  if (control < 0) Die("cannot reach the control port");
  const std::string hello = std::to_string(ports[0]) + " " + std::to_string(ports[1]) + " " +
                            std::to_string(ports[2]) + "\n" + Pem(trusted) + Pem(other_name) +
                            "END\n";
  if (!WriteAll(control, hello.data(), hello.size())) Die("cannot write to the control port");
  char byte;
  while (::recv(control, &byte, 1, 0) > 0) {
  }
  // The relays are detached: ending the process ends them.
  std::_Exit(0);
}
