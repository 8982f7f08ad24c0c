#include "crypt/libcrypto.h"

#include <openssl/core_names.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/provider.h>

#include <memory>
#include <mutex>

namespace wincrypt::detail {

namespace {

// A private library context, so loading providers here changes nothing for other users of
// libcrypto in the process. Loading one provider explicitly turns off the implicit
// "default" one, which MD5 needs, hence both.
struct Library {
    OSSL_LIB_CTX *context = nullptr;
    EVP_MD *md5 = nullptr;
    EVP_CIPHER *rc2 = nullptr;
    EVP_CIPHER *rc4 = nullptr;
};

Library *load()
{
    OSSL_LIB_CTX *context = OSSL_LIB_CTX_new();
    if (!context)
        return nullptr;
    auto *lib = new Library{context};
    if (OSSL_PROVIDER_load(context, "legacy") && OSSL_PROVIDER_load(context, "default")) {
        lib->md5 = EVP_MD_fetch(context, "MD5", nullptr);
        lib->rc2 = EVP_CIPHER_fetch(context, "RC2-CBC", nullptr);
        lib->rc4 = EVP_CIPHER_fetch(context, "RC4", nullptr);
    }
    if (lib->md5 && lib->rc2 && lib->rc4)
        return lib;
    EVP_CIPHER_free(lib->rc4);
    EVP_CIPHER_free(lib->rc2);
    EVP_MD_free(lib->md5);
    OSSL_LIB_CTX_free(context);   // unloads the providers too
    delete lib;
    ERR_clear_error();
    return nullptr;
}

// Loaded once and kept for the whole run: freeing it from a static destructor could race
// OpenSSL's own clean-up at exit.
const Library *library()
{
    static std::mutex mutex;
    static Library *lib = nullptr;
    const std::lock_guard lock(mutex);
    if (!lib)
        lib = load();
    return lib;
}

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

} // namespace

bool LibraryAvailable() { return library() != nullptr; }

QByteArray Md5(const QByteArray &data)
{
    const Library *lib = library();
    if (!lib)
        return {};
    QByteArray digest(EVP_MAX_MD_SIZE, '\0');
    unsigned int size = 0;
    if (!EVP_Digest(data.constData(), data.size(), reinterpret_cast<unsigned char *>(digest.data()),
                    &size, lib->md5, nullptr))
        return {};
    digest.resize(size);
    return digest;
}

std::optional<QByteArray> Transform(Cipher cipher, const QByteArray &key, int effectiveBits,
                                    bool encrypt, const QByteArray &data)
{
    const Library *lib = library();
    if (!lib || key.isEmpty())
        return std::nullopt;
    CipherContext ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    if (!ctx)
        return std::nullopt;

    const bool rc2 = cipher == Cipher::Rc2Cbc;
    size_t keyLength = static_cast<size_t>(key.size());
    size_t keyBits = static_cast<size_t>(effectiveBits);
    OSSL_PARAM params[3];
    int n = 0;
    params[n++] = OSSL_PARAM_construct_size_t(OSSL_CIPHER_PARAM_KEYLEN, &keyLength);
    if (rc2)
        params[n++] = OSSL_PARAM_construct_size_t(OSSL_CIPHER_PARAM_RC2_KEYBITS, &keyBits);
    params[n] = OSSL_PARAM_construct_end();

    // Key length and effective bits must be in place before the key arrives: RC2 expands its
    // key when the key is set, and silently uses the cipher's defaults otherwise.
    static const unsigned char zeroIv[8] = {};
    const int enc = encrypt ? 1 : 0;
    if (!EVP_CipherInit_ex2(ctx.get(), rc2 ? lib->rc2 : lib->rc4, nullptr, nullptr, enc, params)
        || !EVP_CipherInit_ex2(ctx.get(), nullptr,
                               reinterpret_cast<const unsigned char *>(key.constData()),
                               rc2 ? zeroIv : nullptr, enc, nullptr)
        || !EVP_CIPHER_CTX_set_padding(ctx.get(), 0)) {
        ERR_clear_error();
        return std::nullopt;
    }

    QByteArray out(data.size() + EVP_MAX_BLOCK_LENGTH, '\0');
    auto *outBytes = reinterpret_cast<unsigned char *>(out.data());
    int updated = 0;
    int finished = 0;
    if (!EVP_CipherUpdate(ctx.get(), outBytes, &updated,
                          reinterpret_cast<const unsigned char *>(data.constData()),
                          static_cast<int>(data.size()))
        || !EVP_CipherFinal_ex(ctx.get(), outBytes + updated, &finished)) {
        ERR_clear_error();
        return std::nullopt;
    }
    out.resize(updated + finished);
    return out;
}

} // namespace wincrypt::detail
