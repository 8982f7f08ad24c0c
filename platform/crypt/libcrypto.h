#pragma once
// The few libcrypto services the provider needs, with OpenSSL kept out of the callers' sight.
#include <QByteArray>

#include <optional>

namespace wincrypt::detail {

enum class Cipher { Rc2Cbc, Rc4 };

// True once libcrypto's "legacy" (RC2, RC4) and "default" (MD5) providers are loaded; while
// the legacy provider cannot be loaded, every call tries again and fails.
bool LibraryAvailable();

// The 16-byte MD5 digest; empty when the library is unavailable.
QByteArray Md5(const QByteArray &data);

// Runs a cipher over data without any padding: RC2 in CBC mode from a zero initial vector
// (data must be whole 8-byte blocks), RC4 as a stream. effectiveBits is RC2's effective key
// length and is ignored for RC4. Empty optional on failure.
std::optional<QByteArray> Transform(Cipher cipher, const QByteArray &key, int effectiveBits,
                                    bool encrypt, const QByteArray &data);

} // namespace wincrypt::detail
