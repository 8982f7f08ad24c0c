#pragma once
// The calls of the Windows CryptoAPI that the program makes, over libcrypto, giving the same
// bytes as the "Microsoft Base Cryptographic Provider v1.0" so that secrets stored by the
// Windows program stay readable and the other way round.
//
// What that provider does with them:
// - CryptDeriveKey takes the first 5 bytes of the hash value as the key: RC2 and RC4 keys
//   are 40 bits long by default, and RC2 has 40 effective key bits.
// - A 40-bit key derived without CRYPT_NO_SALT carries eleven bytes of zero salt after its 5
//   key bytes: the cipher then runs under a 16-byte key (for RC4 exactly as if the key were
//   16 bytes with 11 trailing zeros). With CRYPT_NO_SALT, the cipher runs under the 5 bytes.
// - RC2 runs in CBC mode from an all-zero initial vector, and the final call pads with
//   PKCS #5: 1 to 8 bytes of the pad length, a whole block when the data is already aligned.
//
// Only this much is provided: verify-context handles of the Base provider, MD5 hashes, keys
// derived from them for RC2 and RC4 at their default length, and single final calls of
// CryptEncrypt and CryptDecrypt. Anything else fails with NTE_NOT_SUPPORTED or the error
// code the provider gives for bad arguments. Handles are checked: a handle that is 0,
// destroyed or of another kind fails instead of crashing.
#include <cstdint>

namespace wincrypt {

using DWORD = std::uint32_t;
using BYTE = unsigned char;
using ALG_ID = std::uint32_t;
using HCRYPTPROV = std::uintptr_t;
using HCRYPTHASH = std::uintptr_t;
using HCRYPTKEY = std::uintptr_t;

inline constexpr char MS_DEF_PROV[] = "Microsoft Base Cryptographic Provider v1.0";
inline constexpr DWORD PROV_RSA_FULL = 1;
inline constexpr DWORD CRYPT_VERIFYCONTEXT = 0xF0000000;

inline constexpr ALG_ID CALG_MD5 = 0x8003;
inline constexpr ALG_ID CALG_RC2 = 0x6602;
inline constexpr ALG_ID CALG_RC4 = 0x6801;

inline constexpr DWORD CRYPT_EXPORTABLE = 0x1;
inline constexpr DWORD CRYPT_NO_SALT = 0x10;

// Error codes, as LastError() returns them after a failed call.
inline constexpr DWORD ERROR_MORE_DATA = 234;
inline constexpr DWORD NTE_BAD_UID = 0x80090001;
inline constexpr DWORD NTE_BAD_HASH = 0x80090002;
inline constexpr DWORD NTE_BAD_KEY = 0x80090003;
inline constexpr DWORD NTE_BAD_DATA = 0x80090005;
inline constexpr DWORD NTE_BAD_ALGID = 0x80090008;
inline constexpr DWORD NTE_BAD_FLAGS = 0x80090009;
inline constexpr DWORD NTE_BAD_HASH_STATE = 0x8009000C;
inline constexpr DWORD NTE_PROV_TYPE_NO_MATCH = 0x8009001B;
inline constexpr DWORD NTE_KEYSET_NOT_DEF = 0x80090019;
inline constexpr DWORD NTE_PROV_DLL_NOT_FOUND = 0x8009001E;
inline constexpr DWORD NTE_BAD_KEYSET_PARAM = 0x8009001F;
inline constexpr DWORD NTE_NOT_SUPPORTED = 0x80090029;

// The provider must be MS_DEF_PROV of type PROV_RSA_FULL, opened with CRYPT_VERIFYCONTEXT
// and no key container (no stored keys exist here). Fails with NTE_PROV_DLL_NOT_FOUND when
// libcrypto's legacy provider, which holds RC2 and RC4, cannot be loaded.
bool CryptAcquireContext(HCRYPTPROV *phProv, const char *container, const char *provider,
                         DWORD provType, DWORD flags);
bool CryptReleaseContext(HCRYPTPROV hProv, DWORD flags);

// CALG_MD5 only, without a key.
bool CryptCreateHash(HCRYPTPROV hProv, ALG_ID algid, HCRYPTKEY hKey, DWORD flags,
                     HCRYPTHASH *phHash);
// Fails with NTE_BAD_HASH_STATE once a key has been derived from the hash.
bool CryptHashData(HCRYPTHASH hHash, const BYTE *data, DWORD dataLen, DWORD flags);
bool CryptDestroyHash(HCRYPTHASH hHash);

// CALG_RC2 or CALG_RC4; flags may hold CRYPT_NO_SALT and CRYPT_EXPORTABLE, and in the upper
// 16 bits a key length of 0 (the default) or 40 bits.
bool CryptDeriveKey(HCRYPTPROV hProv, ALG_ID algid, HCRYPTHASH hBaseData, DWORD flags,
                    HCRYPTKEY *phKey);
bool CryptDestroyKey(HCRYPTKEY hKey);

// Encrypts *pdwDataLen bytes of data in place. With data null, only sets *pdwDataLen to the
// size the output needs (for RC2 the length raised to the next whole block, a whole extra
// block when already aligned); a bufLen smaller than that fails with ERROR_MORE_DATA and the
// needed size in *pdwDataLen. On success *pdwDataLen is the cipher length.
bool CryptEncrypt(HCRYPTKEY hKey, HCRYPTHASH hHash, bool final, DWORD flags, BYTE *data,
                  DWORD *pdwDataLen, DWORD bufLen);
// Decrypts *pdwDataLen bytes in place and sets *pdwDataLen to the plain length (RC2's padding
// removed). RC2 data that is not whole blocks or whose padding is wrong fails with
// NTE_BAD_DATA; no data at all decrypts to no data.
bool CryptDecrypt(HCRYPTKEY hKey, HCRYPTHASH hHash, bool final, DWORD flags, BYTE *data,
                  DWORD *pdwDataLen);

// The error code of the calling thread's last failed call.
DWORD LastError();

} // namespace wincrypt
