#pragma once
// CCrypto turns a secret into the text in which the system stores it, and back: RC2 (type 1)
// or RC4 (type 2) under a key derived from the MD5 digest of the key text, usually written
// as upper-case hex. It reports its own failures (error report, not modal) and then returns
// an empty text, so no error ever reaches the caller.
#include "crypt/cryptoapi.h"

#include <QString>
#include <cstdint>

namespace core {

class CCrypto {
public:
    enum EncryptionType : int32_t { RC2 = 1, RC4 = 2 };

    // Acquires this object's own provider context; reports ENDN006 when that fails, and
    // every later call then fails in its hash step.
    CCrypto();
    ~CCrypto();
    CCrypto(const CCrypto &) = delete;
    CCrypto &operator=(const CCrypto &) = delete;

    // The cipher text, as hex when bReturnTextInHex, else one character per cipher byte.
    QString Encrypt(const QString &sTextToEncrypt, const QString &sPrivateKey,
                    bool bReturnTextInHex, int32_t enEncryptionType);
    QString Decrypt(const QString &sTextToDecrypt, const QString &sPrivateKey,
                    bool bTextSuppliedInHex, int32_t enEncryptionType);

private:
    friend class CCryptoTest;

    QString EncryptDecrypt(const QString &text, const QString &key, bool encrypt,
                           int32_t enEncryptionType);
    static QString ConvertStringToHex(const QString &text);
    static QString ConvertStringFromHex(const QString &text);

    wincrypt::HCRYPTPROV hCryptProv_ = 0;
};

} // namespace core
