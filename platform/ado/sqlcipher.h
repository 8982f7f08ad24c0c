#pragma once
// Internal: the sqlite3 API of SQLCipher, with sqlite3_key. Never mix with another sqlite3 library in
// one process: both export the same symbols.
#ifndef SQLITE_HAS_CODEC
#define SQLITE_HAS_CODEC 1
#endif
#include <sqlcipher/sqlite3.h>

namespace ado {

// Call before the first database is opened or made. SQLCipher wipes and frees a block at the top of the
// heap for every page it writes; with glibc's default trim threshold each free hands memory back to the
// system and the next page takes it again, which makes writing ten times slower. A larger threshold
// keeps a few megabytes in the process instead.
void prepareSqlcipher();

} // namespace ado
