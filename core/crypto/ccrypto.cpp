#include "core/crypto/ccrypto.h"

#include "core/state/runhandler.h"
#include "profile/ansi.h"
#include "vb/error.h"

#include <utility>

namespace core {

using namespace wincrypt;

namespace {

// The class's numbered errors: the object-error base plus these offsets.
enum CryptoError : long {
    errAcquireContext = 0x420,
    errCreateHash = 0x421,
    errHashData = 0x422,
    errDeriveKey = 0x423,
    errEncrypt = 0x424,
    errDecrypt = 0x425,
    errBadHex = 0x426,
    errMissingArgument = 0x427,
    errBadType = 0x428,
};

[[noreturn]] void Raise(CryptoError offset, const char *description, const char *procedure)
{
    throw vb::Error(vb::vbObjectError + offset, QString::fromLatin1(description),
                    QStringLiteral("DalmCrypo.CCrypto.") + QLatin1String(procedure));
}

// The class's procedures report their errors without waiting and hand back an empty text.
template <class Body> bool Reported(const char *code, Body &&body)
{
    return RunHandler(QString::fromLatin1(code), ReportMode::Modeless, std::forward<Body>(body));
}

// The checks Encrypt and Decrypt make, in their order, before any work.
void CheckArguments(const QString &text, const QString &key, int32_t type, const char *procedure)
{
    if (type != CCrypto::RC2 && type != CCrypto::RC4)
        Raise(errBadType, "Invalid encryption type specified", procedure);
    if (text.isEmpty() || key.isEmpty())
        Raise(errMissingArgument, "Both a string and a key are required", procedure);
}

BYTE *bytesOf(QByteArray &data) { return reinterpret_cast<BYTE *>(data.data()); }

// The hash and key of one call, destroyed on every way out.
struct CallKeys {
    HCRYPTHASH hHash = 0;
    HCRYPTKEY hKey = 0;
    ~CallKeys()
    {
        if (hHash)
            CryptDestroyHash(hHash);
        if (hKey)
            CryptDestroyKey(hKey);
    }
};

QString encryptWith(HCRYPTKEY hKey, const QString &text)
{
    QByteArray data = ansi::FromUnicode(text);
    const auto plainLen = DWORD(data.size());
    // Ask for the cipher's size first (RC2 pads to whole blocks) and make room with blanks;
    // the padding then overwrites them.
    DWORD needed = plainLen;
    CryptEncrypt(hKey, 0, true, 0, nullptr, &needed, plainLen);
    if (needed > plainLen)
        data.append(qsizetype(needed - plainLen), ' ');
    DWORD dataLen = plainLen;
    if (!CryptEncrypt(hKey, 0, true, 0, bytesOf(data), &dataLen, DWORD(data.size())))
        Raise(errEncrypt, "Could not encrypt data", "EncryptDecrypt");
    return ansi::ToUnicode(data);
}

QString decryptWith(HCRYPTKEY hKey, const QString &text)
{
    QByteArray data = ansi::FromUnicode(text);
    auto dataLen = DWORD(data.size());
    if (!CryptDecrypt(hKey, 0, true, 0, bytesOf(data), &dataLen))
        Raise(errDecrypt, "Could not decrypt data", "EncryptDecrypt");
    return ansi::ToUnicode(data.left(qsizetype(dataLen)));
}

bool isUpperHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

CCrypto::CCrypto()
{
    const bool acquired = Reported("ENDN006", [this] {
        // A verify context: no key container, no stored keys.
        if (!CryptAcquireContext(&hCryptProv_, nullptr, MS_DEF_PROV, PROV_RSA_FULL,
                                 CRYPT_VERIFYCONTEXT))
            Raise(errAcquireContext, "Could not acquire context", "Class_Initialize");
    });
    if (!acquired)
        hCryptProv_ = 0;
}

// Releasing a context cannot fail in a way worth reporting.
CCrypto::~CCrypto()
{
    if (hCryptProv_)
        CryptReleaseContext(hCryptProv_, 0);
}

QString CCrypto::Encrypt(const QString &sTextToEncrypt, const QString &sPrivateKey,
                         bool bReturnTextInHex, int32_t enEncryptionType)
{
    QString result;
    // The trailing blank belongs to the code as users know it.
    Reported("ENDN002 ", [&] {
        CheckArguments(sTextToEncrypt, sPrivateKey, enEncryptionType, "Encrypt");
        const QString cipher = EncryptDecrypt(sTextToEncrypt, sPrivateKey, true, enEncryptionType);
        result = bReturnTextInHex ? ConvertStringToHex(cipher) : cipher;
    });
    return result;
}

QString CCrypto::Decrypt(const QString &sTextToDecrypt, const QString &sPrivateKey,
                         bool bTextSuppliedInHex, int32_t enEncryptionType)
{
    QString result;
    Reported("ENDN003", [&] {
        CheckArguments(sTextToDecrypt, sPrivateKey, enEncryptionType, "Decrypt");
        // Malformed hex is reported by the conversion, which gives an empty text: that
        // decrypts to an empty text.
        const QString cipher =
            bTextSuppliedInHex ? ConvertStringFromHex(sTextToDecrypt) : sTextToDecrypt;
        result = EncryptDecrypt(cipher, sPrivateKey, false, enEncryptionType);
    });
    return result;
}

// Key: the first 5 bytes of MD5(key text) at the provider's default 40-bit length, without
// salt (CRYPT_NO_SALT): the Base provider would otherwise append 11 zero bytes of salt to
// the 5 key bytes, and the cipher text would differ.
QString CCrypto::EncryptDecrypt(const QString &text, const QString &key, bool encrypt,
                                int32_t enEncryptionType)
{
    CallKeys call;
    QString result;
    Reported("ENDN001", [&] {
        if (!CryptCreateHash(hCryptProv_, CALG_MD5, 0, 0, &call.hHash))
            Raise(errCreateHash, "Could not create hash", "EncryptDecrypt");
        const QByteArray keyBytes = ansi::FromUnicode(key);
        if (!CryptHashData(call.hHash, reinterpret_cast<const BYTE *>(keyBytes.constData()),
                           DWORD(keyBytes.size()), 0))
            Raise(errHashData, "Could not create hash data", "EncryptDecrypt");
        const ALG_ID algid = enEncryptionType == RC2 ? CALG_RC2 : CALG_RC4;
        if (!CryptDeriveKey(hCryptProv_, algid, call.hHash, CRYPT_NO_SALT, &call.hKey))
            Raise(errDeriveKey, "Could not derive key", "EncryptDecrypt");
        result = encrypt ? encryptWith(call.hKey, text) : decryptWith(call.hKey, text);
    });
    return result;
}

// Two upper-case digits per ANSI byte; this cannot fail.
QString CCrypto::ConvertStringToHex(const QString &text)
{
    return QString::fromLatin1(ansi::FromUnicode(text).toHex().toUpper());
}

QString CCrypto::ConvertStringFromHex(const QString &text)
{
    try {
        if (text.size() % 2 != 0)
            Raise(errBadHex, "Not a valid hex string", "ConvertStringFromHex");
        for (const QChar c : text) {
            if (!isUpperHexDigit(c))   // lower-case digits are refused as well
                Raise(errBadHex, "Not a valid hex string", "ConvertStringFromHex");
        }
        return ansi::ToUnicode(QByteArray::fromHex(text.toLatin1()));
    } catch (const vb::Error &e) {
        // The one hex text a user can damage by hand is config.ini's database key.
        ReportError(QStringLiteral("ENDN005"),
                    e.Description() + vbCrLf
                        + QStringLiteral("--- Ensure 'dbkey' value in config.ini file is valid"),
                    ReportMode::Modeless);
        return {};
    }
}

} // namespace core
