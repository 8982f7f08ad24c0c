#include "crypt/cryptoapi.h"

#include "crypt/handletable.h"
#include "crypt/libcrypto.h"

#include <QByteArray>

#include <cstring>
#include <mutex>
#include <optional>

namespace wincrypt {

namespace detail {
std::uintptr_t NextHandle()
{
    static std::uintptr_t last = 0;
    return ++last;
}
} // namespace detail

namespace {

using detail::HandleTable;

constexpr int kRc2BlockSize = 8;
constexpr int kDefaultKeyBytes = 5;   // the Base provider's 40-bit keys
constexpr int kSaltBytes = 11;        // its zero salt of 40-bit keys made without CRYPT_NO_SALT

struct Provider {};

struct Hash {
    QByteArray data;
    bool finished = false;   // a key was derived: the value is fixed
};

struct Key {
    ALG_ID algid;
    QByteArray cipherKey;   // the key bytes and any salt, as the cipher receives them
};

struct Handles {
    std::mutex mutex;
    HandleTable<Provider> providers;
    HandleTable<Hash> hashes;
    HandleTable<Key> keys;
};

Handles &handles()
{
    static Handles h;
    return h;
}

thread_local DWORD lastError = 0;

bool fail(DWORD code)
{
    lastError = code;
    return false;
}

bool succeed()
{
    lastError = 0;
    return true;
}

std::optional<QByteArray> transform(const Key &key, bool encrypt, const QByteArray &data)
{
    const auto cipher = key.algid == CALG_RC2 ? detail::Cipher::Rc2Cbc : detail::Cipher::Rc4;
    return detail::Transform(cipher, key.cipherKey, kDefaultKeyBytes * 8, encrypt, data);
}

// The start of a call that makes an object of a provider: the handle it hands back is
// cleared first (none to hand back: `noOutput`), then the provider must be an acquired one.
// `make` runs under the lock and gives the call's result.
template <class Make>
bool makeWithProvider(HCRYPTPROV hProv, std::uintptr_t *handleOut, DWORD noOutput, Make make)
{
    if (!handleOut)
        return fail(noOutput);
    *handleOut = 0;
    Handles &h = handles();
    const std::lock_guard lock(h.mutex);
    if (!h.providers.find(hProv))
        return fail(NTE_BAD_UID);
    return make(h);
}

// Releases a handle of one of the tables; a handle the table does not hold fails with `badHandle`.
template <class T>
bool release(HandleTable<T> Handles::*table, std::uintptr_t handle, DWORD badHandle)
{
    Handles &h = handles();
    const std::lock_guard lock(h.mutex);
    return (h.*table).remove(handle) ? succeed() : fail(badHandle);
}

// The start of an encrypting or decrypting call: under the lock, the key must be a live one
// and the call one that is provided. `run` then does the work with the key.
template <class Run>
bool cipherCall(HCRYPTKEY hKey, HCRYPTHASH hHash, bool final, DWORD flags, const DWORD *pdwDataLen, Run run)
{
    Handles &h = handles();
    const std::lock_guard lock(h.mutex);
    const Key *key = h.keys.find(hKey);
    if (!key)
        return fail(NTE_BAD_KEY);
    if (!pdwDataLen)
        return fail(NTE_BAD_DATA);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    if (hHash != 0 || !final)   // hashing while encrypting and multi-part calls are not provided
        return fail(NTE_NOT_SUPPORTED);
    return run(*key);
}

} // namespace

bool CryptAcquireContext(HCRYPTPROV *phProv, const char *container, const char *provider,
                         DWORD provType, DWORD flags)
{
    if (!phProv)
        return fail(NTE_BAD_UID);
    *phProv = 0;
    if (flags != CRYPT_VERIFYCONTEXT)
        return fail(NTE_BAD_FLAGS);
    if (container && *container)
        return fail(NTE_BAD_KEYSET_PARAM);
    if (!provider || std::strcmp(provider, MS_DEF_PROV) != 0)
        return fail(NTE_KEYSET_NOT_DEF);
    if (provType != PROV_RSA_FULL)
        return fail(NTE_PROV_TYPE_NO_MATCH);
    if (!detail::LibraryAvailable())
        return fail(NTE_PROV_DLL_NOT_FOUND);
    Handles &h = handles();
    const std::lock_guard lock(h.mutex);
    *phProv = h.providers.add(Provider{});
    return succeed();
}

bool CryptReleaseContext(HCRYPTPROV hProv, DWORD flags)
{
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    return release(&Handles::providers, hProv, NTE_BAD_UID);
}

bool CryptCreateHash(HCRYPTPROV hProv, ALG_ID algid, HCRYPTKEY hKey, DWORD flags,
                     HCRYPTHASH *phHash)
{
    return makeWithProvider(hProv, phHash, NTE_BAD_HASH, [&](Handles &h) {
        if (algid != CALG_MD5)
            return fail(NTE_BAD_ALGID);
        if (hKey != 0)
            return fail(NTE_BAD_KEY);
        if (flags != 0)
            return fail(NTE_BAD_FLAGS);
        *phHash = h.hashes.add(Hash{});
        return succeed();
    });
}

bool CryptHashData(HCRYPTHASH hHash, const BYTE *data, DWORD dataLen, DWORD flags)
{
    Handles &h = handles();
    const std::lock_guard lock(h.mutex);
    Hash *hash = h.hashes.find(hHash);
    if (!hash)
        return fail(NTE_BAD_HASH);
    if (flags != 0)
        return fail(NTE_BAD_FLAGS);
    if (hash->finished)
        return fail(NTE_BAD_HASH_STATE);
    if (dataLen > 0 && !data)
        return fail(NTE_BAD_DATA);
    hash->data.append(reinterpret_cast<const char *>(data), static_cast<qsizetype>(dataLen));
    return succeed();
}

bool CryptDestroyHash(HCRYPTHASH hHash) { return release(&Handles::hashes, hHash, NTE_BAD_HASH); }

bool CryptDeriveKey(HCRYPTPROV hProv, ALG_ID algid, HCRYPTHASH hBaseData, DWORD flags,
                    HCRYPTKEY *phKey)
{
    return makeWithProvider(hProv, phKey, NTE_BAD_KEY, [&](Handles &h) {
        Hash *hash = h.hashes.find(hBaseData);
        if (!hash)
            return fail(NTE_BAD_HASH);
        if (algid != CALG_RC2 && algid != CALG_RC4)
            return fail(NTE_BAD_ALGID);
        const DWORD keyBits = flags >> 16;
        if ((flags & 0xFFFF & ~(CRYPT_NO_SALT | CRYPT_EXPORTABLE)) != 0
            || (keyBits != 0 && keyBits != kDefaultKeyBytes * 8))
            return fail(NTE_BAD_FLAGS);

        const QByteArray digest = detail::Md5(hash->data);
        if (digest.isEmpty())
            return fail(NTE_PROV_DLL_NOT_FOUND);
        hash->finished = true;
        QByteArray cipherKey = digest.left(kDefaultKeyBytes);
        if (!(flags & CRYPT_NO_SALT))
            cipherKey.append(kSaltBytes, '\0');
        *phKey = h.keys.add(Key{algid, cipherKey});
        return succeed();
    });
}

bool CryptDestroyKey(HCRYPTKEY hKey) { return release(&Handles::keys, hKey, NTE_BAD_KEY); }

bool CryptEncrypt(HCRYPTKEY hKey, HCRYPTHASH hHash, bool final, DWORD flags, BYTE *data,
                  DWORD *pdwDataLen, DWORD bufLen)
{
    return cipherCall(hKey, hHash, final, flags, pdwDataLen, [&](const Key &key) {
        const DWORD plainLen = *pdwDataLen;
        const DWORD padLen = key.algid == CALG_RC2 ? kRc2BlockSize - plainLen % kRc2BlockSize : 0;
        const DWORD neededLen = plainLen + padLen;
        *pdwDataLen = neededLen;
        if (!data)
            return succeed();
        if (bufLen < neededLen)
            return fail(ERROR_MORE_DATA);

        QByteArray plain(reinterpret_cast<const char *>(data), static_cast<qsizetype>(plainLen));
        plain.append(static_cast<qsizetype>(padLen), static_cast<char>(padLen));
        const std::optional<QByteArray> cipher = transform(key, true, plain);
        if (!cipher) {
            *pdwDataLen = plainLen;
            return fail(NTE_BAD_DATA);
        }
        std::memcpy(data, cipher->constData(), neededLen);
        return succeed();
    });
}

bool CryptDecrypt(HCRYPTKEY hKey, HCRYPTHASH hHash, bool final, DWORD flags, BYTE *data,
                  DWORD *pdwDataLen)
{
    return cipherCall(hKey, hHash, final, flags, pdwDataLen, [&](const Key &key) {
        const DWORD cipherLen = *pdwDataLen;
        if (cipherLen == 0)
            return succeed();
        if (!data)
            return fail(NTE_BAD_DATA);
        const bool blockCipher = key.algid == CALG_RC2;
        if (blockCipher && cipherLen % kRc2BlockSize != 0)
            return fail(NTE_BAD_DATA);

        const QByteArray cipher(reinterpret_cast<const char *>(data),
                                static_cast<qsizetype>(cipherLen));
        const std::optional<QByteArray> plain = transform(key, false, cipher);
        if (!plain)
            return fail(NTE_BAD_DATA);

        DWORD plainLen = cipherLen;
        if (blockCipher) {
            const auto padLen = static_cast<unsigned char>(plain->back());
            if (padLen == 0 || padLen > kRc2BlockSize)
                return fail(NTE_BAD_DATA);
            for (qsizetype i = plain->size() - padLen; i < plain->size(); ++i) {
                if (static_cast<unsigned char>(plain->at(i)) != padLen)
                    return fail(NTE_BAD_DATA);
            }
            plainLen -= padLen;
        }
        std::memcpy(data, plain->constData(), plainLen);
        *pdwDataLen = plainLen;
        return succeed();
    });
}

DWORD LastError() { return lastError; }

} // namespace wincrypt
