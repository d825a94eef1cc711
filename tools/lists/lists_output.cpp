#include "tools/lists/lists_output.h"

#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/lists/record_writers.h"

namespace tavix {
namespace {

// The errno of the first failed write, 0 when every byte went out.
int WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<size_t>(n);
    }
    return 0;
}

}  // namespace

std::string InUserCharset(const std::string& latin1) {
    const std::string codeset = nl_langinfo(CODESET);
    if (codeset == "ISO-8859-1" || codeset == "ISO-8859-15") return latin1;
    return Latin1ToUtf8(latin1);
}

int FinishListsOutput(int status, const std::string& out, const std::string& err) {
    WriteAll(STDERR_FILENO, err);
    const int error = WriteAll(STDOUT_FILENO, out);
    if (error == EPIPE) return 128 + 13;
    if (error != 0) {
        WriteAll(STDERR_FILENO, std::string("tavix-lists: write error: ") + std::strerror(error) + "\n");
        return 1;
    }
    return status;
}

}  // namespace tavix
