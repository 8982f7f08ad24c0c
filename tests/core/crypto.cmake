hotel_add_test(NAME core_crypto_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/crypto/tst_ccrypto.cpp
    LIBS core_crypto)

# A provider that cannot be acquired (libcrypto's legacy provider missing).
hotel_add_test(NAME core_crypto_nolegacy_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/crypto/tst_ccrypto_nolegacy.cpp
    LIBS core_crypto
    ENV OPENSSL_MODULES=${CMAKE_CURRENT_BINARY_DIR}/no-modules)
