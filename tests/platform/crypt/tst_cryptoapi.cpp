// The provider must give the Base provider's bytes. Expected cipher texts come from outside
// this code: RFC 2268 (RC2 with effective key bits), RFC 6229 (RC4 with a 40-bit key), and
// the OpenSSL command line, e.g. for "Admin" under the key text "123456789":
//   K=$(printf '%s' 123456789 | openssl md5 -r | cut -c1-10)        # 25f9e79432
//   printf 'Admin' | openssl enc -rc2-40-cbc -K $K -iv 0000000000000000
//       -provider legacy -provider default | xxd -p -u              # 47A7502894307070
//   (one command line)
// (-rc4-40 -K $K for RC4; -rc4 -K ${K}0000000000000000000000 for RC4 with the zero salt).
#include "crypt/cryptoapi.h"
#include "crypt/libcrypto.h"
#include "profile/ansi.h"

#include <QtTest>

using namespace wincrypt;

namespace {

// One verify context with a key derived from a key text, released at the end of the test.
class KeySession {
public:
    KeySession(const QByteArray &keyText, ALG_ID algid, DWORD deriveFlags = CRYPT_NO_SALT)
    {
        ok_ = CryptAcquireContext(&prov_, nullptr, MS_DEF_PROV, PROV_RSA_FULL,
                                  CRYPT_VERIFYCONTEXT)
            && CryptCreateHash(prov_, CALG_MD5, 0, 0, &hash_)
            && CryptHashData(hash_, reinterpret_cast<const BYTE *>(keyText.constData()),
                             DWORD(keyText.size()), 0)
            && CryptDeriveKey(prov_, algid, hash_, deriveFlags, &key_);
    }
    ~KeySession()
    {
        if (key_)
            CryptDestroyKey(key_);
        if (hash_)
            CryptDestroyHash(hash_);
        if (prov_)
            CryptReleaseContext(prov_, 0);
    }
    bool ok() const { return ok_; }
    HCRYPTPROV prov() const { return prov_; }
    HCRYPTHASH hash() const { return hash_; }
    HCRYPTKEY key() const { return key_; }

    // Sizes the output first, then encrypts in place: the calling pattern of the program.
    QByteArray encrypt(const QByteArray &plain) const
    {
        DWORD needed = DWORD(plain.size());
        if (!CryptEncrypt(key_, 0, true, 0, nullptr, &needed, needed))
            return "sizing failed";
        QByteArray buffer = plain + QByteArray(int(needed) - plain.size(), ' ');
        DWORD len = DWORD(plain.size());
        if (!CryptEncrypt(key_, 0, true, 0, reinterpret_cast<BYTE *>(buffer.data()), &len,
                          DWORD(buffer.size())))
            return "encrypt failed";
        return buffer.left(int(len));
    }

    std::optional<QByteArray> decrypt(QByteArray cipher) const
    {
        DWORD len = DWORD(cipher.size());
        if (!CryptDecrypt(key_, 0, true, 0, reinterpret_cast<BYTE *>(cipher.data()), &len))
            return std::nullopt;
        return cipher.left(int(len));
    }

private:
    HCRYPTPROV prov_ = 0;
    HCRYPTHASH hash_ = 0;
    HCRYPTKEY key_ = 0;
    bool ok_ = false;
};

QByteArray hex(const char *digits) { return QByteArray::fromHex(digits); }

} // namespace

class CryptoApiTest : public QObject {
    Q_OBJECT
private slots:
    void rc2EffectiveKeyBits_data();
    void rc2EffectiveKeyBits();
    void rc4FortyBitKeystream();
    void baseProviderCipher_data();
    void baseProviderCipher();
    void outputSizes();
    void decryptRejectsDamagedData();
    void hashStateAndArguments();
    void handlesAreChecked();
    void ansiCodePage();
};

// RFC 2268 section 5: one block from a zero IV in CBC is the block cipher itself.
void CryptoApiTest::rc2EffectiveKeyBits_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("cipher");
    QTest::newRow("63 bits") << hex("0000000000000000") << 63 << hex("0000000000000000")
                             << hex("ebb773f993278eff");
    QTest::newRow("64 bits, ones") << hex("ffffffffffffffff") << 64 << hex("ffffffffffffffff")
                                   << hex("278b27e42e2f0d49");
    QTest::newRow("64 bits") << hex("3000000000000000") << 64 << hex("1000000000000001")
                             << hex("30649edf9be7d2c2");
    QTest::newRow("1-byte key") << hex("88") << 64 << hex("0000000000000000")
                                << hex("61a8a244adacccf0");
    QTest::newRow("7-byte key") << hex("88bca90e90875a") << 64 << hex("0000000000000000")
                                << hex("6ccf4308974c267f");
    QTest::newRow("16-byte key, 64 bits")
        << hex("88bca90e90875a7f0f79c384627bafb2") << 64 << hex("0000000000000000")
        << hex("1a807d272bbe5db1");
    QTest::newRow("16-byte key, 128 bits")
        << hex("88bca90e90875a7f0f79c384627bafb2") << 128 << hex("0000000000000000")
        << hex("2269552ab0f85ca6");
    QTest::newRow("33-byte key, 129 bits")
        << hex("88bca90e90875a7f0f79c384627bafb216f80a6f85920584c42fceb0be255daf1e") << 129
        << hex("0000000000000000") << hex("5b78d3a43dfff1f1");
}

void CryptoApiTest::rc2EffectiveKeyBits()
{
    QFETCH(QByteArray, key);
    QFETCH(int, bits);
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, cipher);
    using detail::Cipher;
    QCOMPARE(detail::Transform(Cipher::Rc2Cbc, key, bits, true, plain), cipher);
    QCOMPARE(detail::Transform(Cipher::Rc2Cbc, key, bits, false, cipher), plain);
}

// RFC 6229: the keystream of the 40-bit key 0102030405 starts b2396305f03dc027.
void CryptoApiTest::rc4FortyBitKeystream()
{
    const auto stream = detail::Transform(detail::Cipher::Rc4, hex("0102030405"), 0, true,
                                          QByteArray(16, '\0'));
    QCOMPARE(stream, hex("b2396305f03dc027ccc3524a0a1118a8"));
}

void CryptoApiTest::baseProviderCipher_data()
{
    QTest::addColumn<QByteArray>("keyText");
    QTest::addColumn<uint>("algid");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("cipher");
    const QByteArray key = "123456789";
    const uint noSalt = CRYPT_NO_SALT;
    QTest::newRow("RC2, 5 bytes") << key << uint(CALG_RC2) << noSalt << QByteArray("Admin")
                                  << hex("47A7502894307070");
    QTest::newRow("RC2, 2 bytes") << key << uint(CALG_RC2) << noSalt << QByteArray("sa")
                                  << hex("21C54EB72A90784F");
    QTest::newRow("RC2, 7 bytes") << key << uint(CALG_RC2) << noSalt << QByteArray("secret1")
                                  << hex("3A3D449AE7709824");
    QTest::newRow("RC2, 8 bytes: a whole pad block")
        << key << uint(CALG_RC2) << noSalt << QByteArray("Password")
        << hex("05D87FDBDB8E07695725D4DA414122E1");
    QTest::newRow("RC2, high bytes") << key << uint(CALG_RC2) << noSalt
                                     << QByteArray("Cr\xe8me br\xfbl\xe9" "e")
                                     << hex("A3A1AF784C53AF0BC5185B43F2283B8B");
    QTest::newRow("RC2, other key") << QByteArray("Hotel Key") << uint(CALG_RC2) << noSalt
                                    << QByteArray("Admin") << hex("360B1290784FBB43");
    QTest::newRow("RC4") << key << uint(CALG_RC4) << noSalt << QByteArray("Admin")
                         << hex("0DEEB2D607");
    QTest::newRow("RC4, high bytes") << key << uint(CALG_RC4) << noSalt
                                     << QByteArray("Cr\xe8me") << hex("0FF837D20C");
    QTest::newRow("RC4 with zero salt") << key << uint(CALG_RC4) << 0u << QByteArray("Admin")
                                        << hex("369FA7AEF6");
    QTest::newRow("RC4, explicit 40-bit length")
        << key << uint(CALG_RC4) << (noSalt | (40u << 16)) << QByteArray("Admin")
        << hex("0DEEB2D607");
}

void CryptoApiTest::baseProviderCipher()
{
    QFETCH(QByteArray, keyText);
    QFETCH(uint, algid);
    QFETCH(uint, flags);
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, cipher);
    KeySession session(keyText, algid, flags);
    QVERIFY(session.ok());
    QCOMPARE(session.encrypt(plain).toHex().toUpper(), cipher.toHex().toUpper());
    // Each final call starts again from the zero IV (RC2) or the key's first keystream byte.
    QCOMPARE(session.encrypt(plain), cipher);
    QCOMPARE(session.decrypt(cipher), plain);
}

void CryptoApiTest::outputSizes()
{
    KeySession rc2("k", CALG_RC2);
    KeySession rc4("k", CALG_RC4);
    QVERIFY(rc2.ok() && rc4.ok());
    const QList<QPair<DWORD, DWORD>> rc2Sizes{{0, 8}, {1, 8}, {7, 8}, {8, 16}, {9, 16}, {16, 24}};
    for (const auto &[plain, needed] : rc2Sizes) {
        DWORD len = plain;
        QVERIFY(CryptEncrypt(rc2.key(), 0, true, 0, nullptr, &len, plain));
        QCOMPARE(len, needed);
    }
    DWORD len = 9;
    QVERIFY(CryptEncrypt(rc4.key(), 0, true, 0, nullptr, &len, 9));
    QCOMPARE(len, DWORD(9));

    // A buffer too small for the padding is refused and the needed size given back.
    QByteArray buffer("12345678");
    len = 8;
    QVERIFY(!CryptEncrypt(rc2.key(), 0, true, 0, reinterpret_cast<BYTE *>(buffer.data()), &len,
                          8));
    QCOMPARE(LastError(), ERROR_MORE_DATA);
    QCOMPARE(len, DWORD(16));
    QCOMPARE(buffer, QByteArray("12345678"));
}

void CryptoApiTest::decryptRejectsDamagedData()
{
    KeySession session("123456789", CALG_RC2);
    QVERIFY(session.ok());
    const QByteArray cipher = hex("47A7502894307070");   // "Admin"

    QVERIFY(!session.decrypt(cipher.left(7)));   // not whole blocks
    QCOMPARE(LastError(), NTE_BAD_DATA);

    KeySession otherKey("987654321", CALG_RC2);   // its plain text ends in a bad pad
    QVERIFY(!otherKey.decrypt(cipher));
    QCOMPARE(LastError(), NTE_BAD_DATA);

    // A pad byte in range whose fellow pad bytes differ is refused too: "Admin" padded with
    // 03 03 03 in the last block, with one of them changed, encrypted by the same key.
    QByteArray forged = QByteArray("Admin") + hex("030103");
    KeySession forger("123456789", CALG_RC2);
    QByteArray forgedCipher = forger.encrypt(forged).left(8);   // first block only
    QCOMPARE(forgedCipher.size(), 8);
    QVERIFY(!session.decrypt(forgedCipher));
    QCOMPARE(LastError(), NTE_BAD_DATA);

    // No data decrypts to no data.
    QCOMPARE(session.decrypt(QByteArray()), QByteArray());
}

void CryptoApiTest::hashStateAndArguments()
{
    KeySession session("123456789", CALG_RC2);
    QVERIFY(session.ok());
    // The value is fixed once a key was derived, but more keys may be derived from it.
    QVERIFY(!CryptHashData(session.hash(), reinterpret_cast<const BYTE *>("x"), 1, 0));
    QCOMPARE(LastError(), NTE_BAD_HASH_STATE);
    HCRYPTKEY again = 0;
    QVERIFY(CryptDeriveKey(session.prov(), CALG_RC2, session.hash(), CRYPT_NO_SALT, &again));
    QVERIFY(again != 0 && again != session.key());
    QVERIFY(CryptDestroyKey(again));

    HCRYPTKEY key = 0;
    QVERIFY(!CryptDeriveKey(session.prov(), 0x6603 /* 3DES */, session.hash(), 0, &key));
    QCOMPARE(LastError(), NTE_BAD_ALGID);
    QVERIFY(!CryptDeriveKey(session.prov(), CALG_RC4, session.hash(), 128u << 16, &key));
    QCOMPARE(LastError(), NTE_BAD_FLAGS);
    QCOMPARE(key, HCRYPTKEY(0));

    HCRYPTHASH sha = 0;
    QVERIFY(!CryptCreateHash(session.prov(), 0x8004 /* SHA-1 */, 0, 0, &sha));
    QCOMPARE(LastError(), NTE_BAD_ALGID);

    HCRYPTPROV prov = 0;
    QVERIFY(!CryptAcquireContext(&prov, nullptr, "Microsoft Enhanced Cryptographic Provider v1.0",
                                 PROV_RSA_FULL, CRYPT_VERIFYCONTEXT));
    QCOMPARE(LastError(), NTE_KEYSET_NOT_DEF);
    QVERIFY(!CryptAcquireContext(&prov, nullptr, MS_DEF_PROV, PROV_RSA_FULL, 0));
    QCOMPARE(LastError(), NTE_BAD_FLAGS);
    QVERIFY(!CryptAcquireContext(&prov, nullptr, MS_DEF_PROV, 24, CRYPT_VERIFYCONTEXT));
    QCOMPARE(LastError(), NTE_PROV_TYPE_NO_MATCH);
    QCOMPARE(prov, HCRYPTPROV(0));

    DWORD len = 5;
    QVERIFY(!CryptEncrypt(session.key(), 0, false, 0, nullptr, &len, 5));
    QCOMPARE(LastError(), NTE_NOT_SUPPORTED);
}

void CryptoApiTest::handlesAreChecked()
{
    HCRYPTHASH hash = 0;
    QVERIFY(!CryptCreateHash(0, CALG_MD5, 0, 0, &hash));   // what a failed acquire leaves
    QCOMPARE(LastError(), NTE_BAD_UID);

    HCRYPTPROV prov = 0;
    QVERIFY(CryptAcquireContext(&prov, nullptr, MS_DEF_PROV, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT));
    QVERIFY(CryptCreateHash(prov, CALG_MD5, 0, 0, &hash));
    HCRYPTKEY key = 0;
    QVERIFY(CryptDeriveKey(prov, CALG_RC4, hash, CRYPT_NO_SALT, &key));

    DWORD len = 0;
    QVERIFY(!CryptEncrypt(hash, 0, true, 0, nullptr, &len, 0));   // a hash is no key
    QCOMPARE(LastError(), NTE_BAD_KEY);
    HCRYPTKEY other = 0;
    QVERIFY(!CryptDeriveKey(prov, CALG_RC4, key, CRYPT_NO_SALT, &other));   // nor a key a hash
    QCOMPARE(LastError(), NTE_BAD_HASH);

    QVERIFY(CryptDestroyKey(key));
    QVERIFY(!CryptDestroyKey(key));
    QVERIFY(CryptDestroyHash(hash));
    QVERIFY(!CryptHashData(hash, nullptr, 0, 0));
    QCOMPARE(LastError(), NTE_BAD_HASH);
    QVERIFY(CryptReleaseContext(prov, 0));
    QVERIFY(!CryptReleaseContext(prov, 0));
    QCOMPARE(LastError(), NTE_BAD_UID);
    QVERIFY(!CryptCreateHash(prov, CALG_MD5, 0, 0, &hash));
}

void CryptoApiTest::ansiCodePage()
{
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    QCOMPARE(ansi::FromUnicode(ansi::ToUnicode(all)), all);

    QCOMPARE(ansi::FromUnicode(QStringLiteral("Crème €")), QByteArray("Cr\xe8me \x80"));
    QCOMPARE(ansi::ToUnicode("\x80\x9f\xe9"), QStringLiteral("€Ÿé"));
    // Characters the code page lacks become "?", one per character.
    QCOMPARE(ansi::FromUnicode(QStringLiteral("a\u0101\u4e2d") + QString::fromUtf8("\xf0\x9f\x98\x80") + "b"),
             QByteArray("a???b"));
}

QTEST_GUILESS_MAIN(CryptoApiTest)
#include "tst_cryptoapi.moc"
