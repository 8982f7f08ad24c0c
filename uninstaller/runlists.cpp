#include "runlists.h"

namespace uninst {

void AppendLine(ByteString *list, const ByteString &line)
{
    list->append(line);
    list->append("\r\n");
}

std::vector<ByteString> ListLines(const ByteString &list)
{
    std::vector<ByteString> lines;
    int64_t position = 0;
    while (list.hasMore(position))
        lines.push_back(list.readLine(&position, true));
    return lines;
}

} // namespace uninst
