#include "backup/sha256.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>

namespace kvitmark::backup {
namespace {

struct ContextFree {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

class Digest {
 public:
  Digest() : context_(EVP_MD_CTX_new()) {
    ok_ = context_ && EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) == 1;
  }
  void Add(const char* bytes, size_t size) {
    ok_ = ok_ && EVP_DigestUpdate(context_.get(), bytes, size) == 1;
  }
  std::optional<std::string> Hex() {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int size = 0;
    if (!ok_ || EVP_DigestFinal_ex(context_.get(), digest.data(), &size) != 1) return std::nullopt;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < size; ++i) {
      hex.push_back(kDigits[digest[i] >> 4]);
      hex.push_back(kDigits[digest[i] & 0x0F]);
    }
    return hex;
  }

 private:
  std::unique_ptr<EVP_MD_CTX, ContextFree> context_;
  bool ok_ = false;
};

}  // namespace

std::string Sha256(std::string_view bytes) {
  Digest digest;
  digest.Add(bytes.data(), bytes.size());
  return digest.Hex().value_or(std::string());
}

std::optional<std::string> FileSha256(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Digest digest;
  std::array<char, 64 * 1024> buffer;
  while (in) {
    in.read(buffer.data(), buffer.size());
    digest.Add(buffer.data(), static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return digest.Hex();
}

}  // namespace kvitmark::backup
