// make-default-db <path>: writes the default data.mdb (keyed with the built-in password, every table,
// the hotel information row). Refuses to overwrite an existing file.
#include "schema/schema.h"
#include "vb/error.h"

#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-default-db <path of data.mdb>\n");
        return 2;
    }
    const QString path = QFile::decodeName(argv[1]);
    if (QFile::exists(path)) {
        std::fprintf(stderr, "make-default-db: %s exists already; nothing written\n", argv[1]);
        return 1;
    }
    try {
        schema::MakeDefaultDatabase(path);
    } catch (const vb::Error &error) {
        std::fprintf(stderr, "make-default-db: %s\n", qUtf8Printable(error.Description()));
        return 1;
    }
    return 0;
}
