#include "core/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string_view>

namespace tavix {

const char kSaveSuffix[] = ".new-";

namespace {

struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now, so a failure to close (the last chance for a write error) can be reported.
    int Close() {
        const int r = ::close(fd);
        fd = -1;
        return r;
    }
};

bool WriteAll(int fd, const char* data, size_t size) {
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// After a rename the new name lives in the folder; until the folder is on the disk too, a power
// cut can bring the old file back.
void SyncFolder(const std::string& path) {
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);  // some file systems cannot sync a folder; nothing to do then
}

// A file larger than the process may write raises SIGXFSZ, which would end the program; ignored,
// the write fails with EFBIG instead and the save reports it.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

struct Target {
    std::string path;  // where the bytes go: a symbolic link's target
    bool exists = false;
    mode_t mode = 0;
    std::string error;
};

Target ResolveTarget(const std::string& path) {
    Target t;
    t.path = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(path.c_str(), resolved)) {
            t.error = std::string("it is a symbolic link to a file that cannot be reached (") +
                      std::strerror(errno) + ")";
            return t;
        }
        t.path = resolved;
    }
    if (::lstat(t.path.c_str(), &st) != 0) {
        if (errno != ENOENT) t.error = std::strerror(errno);
        return t;
    }
    if (S_ISDIR(st.st_mode)) {
        t.error = std::strerror(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        t.error = "it is not a regular file";
    }
    t.exists = true;
    t.mode = st.st_mode & 07777;
    return t;
}

// A new file gets the bits any other new file gets. The mask is read where the system shows it,
// since setting it to find it out would race with any other thread creating a file.
mode_t NewFileMode() {
    mode_t mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            unsigned int value = 0;
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

}  // namespace

// Plain reads rather than streams: the files are read at start-up, and the stream library's
// locale machinery would be set up for nothing else.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes, std::string* why) {
    auto fail = [&](const std::string& reason) -> std::optional<std::string> {
        if (why) *why = reason;
        return std::nullopt;
    };
    // Without O_NONBLOCK opening a pipe waits for a writer that may never come.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.fd < 0) return fail(std::strerror(errno));
    struct stat st {};
    if (::fstat(fd.fd, &st) != 0) return fail(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return fail("it is not a regular file");
    const std::string tooLarge =
        "it is larger than " + std::to_string(maxBytes) + " bytes, too large to be one";
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return fail(tooLarge);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd.fd, chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail(std::strerror(errno));
        }
        bytes.append(chunk, static_cast<size_t>(got));
        if (bytes.size() > maxBytes) return fail(tooLarge);  // it grew while being read
    }
    return bytes;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

namespace {

// Letter case is compared for A-Z alone: strcasecmp follows the locale, and in a Turkish one "I"
// is not the capital of "i", so TAVIXRO.DAT would not be found.
bool SameLettersIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

}  // namespace

std::optional<std::string> ExistingFileIgnoringCase(const std::string& folder, const std::string& name) {
    namespace fs = std::filesystem;
    const std::string exact = JoinPath(folder, name);
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error))) return exact;
    // Of several spellings the first in byte order wins, so the same one is found every time.
    std::string found;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (SameLettersIgnoringCase(entry, name) && (found.empty() || entry < found)) found = entry;
    }
    if (found.empty()) return std::nullopt;
    return JoinPath(folder, found);
}

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
    return ExistingFileIgnoringCase(folder, name).value_or(JoinPath(folder, name));
}

namespace {

// The new file's bytes go into a file without a name first (O_TMPFILE), so a save cut short by a
// crash or a kill leaves nothing behind; it gets its temporary name only once it is complete, just
// before the rename. File systems without unnamed files get a named one from the start.
struct NewFile {
    std::string name;  // empty while the file has none
    Fd fd{-1};
};

bool OpenNewFile(const std::string& target, mode_t mode, NewFile& file) {
    file.fd.fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (file.fd.fd >= 0) return true;
    file.name = target + kSaveSuffix + "XXXXXX";
    // A name made here and now, created exclusively: no other process writes into it, and a
    // symbolic link planted under that name is never followed.
    file.fd.fd = ::mkostemp(file.name.data(), O_CLOEXEC);
    return file.fd.fd >= 0;
}

// Gives an unnamed file a fresh name beside the target.
bool NameNewFile(const std::string& target, NewFile& file) {
    if (!file.name.empty()) return true;
    const std::string proc = "/proc/self/fd/" + std::to_string(file.fd.fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + kSaveSuffix + "XXXXXX";
        // mkstemp only to draw an unused name; the placeholder goes at once.
        Fd probe(::mkostemp(name.data(), O_CLOEXEC));
        if (probe.fd < 0) return false;
        ::unlink(name.c_str());
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            file.name = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool IsSaveLeftover(const std::string& entry, const std::string& name) {
    const std::string prefix = name + kSaveSuffix;
    if (entry.size() != prefix.size() + 6 ||
        !SameLettersIgnoringCase(std::string_view(entry).substr(0, prefix.size()), prefix))
        return false;
    for (size_t i = prefix.size(); i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    return true;
}

}  // namespace

WriteResult WriteFileSafely(const std::string& path, const std::string& bytes) {
    IgnoreFileSizeSignal();
    const Target target = ResolveTarget(path);
    auto refuse = [&](const std::string& why) { return WriteResult{false, path + ": " + why, {}}; };
    if (!target.error.empty()) return refuse(target.error);
    // The rename would replace a write-protected file as easily as any other, since only the
    // folder's permissions count for it; the user's protection is kept instead.
    if (target.exists && ((target.mode & 0222) == 0 || ::access(target.path.c_str(), W_OK) != 0))
        return refuse("the file is write-protected");

    NewFile file;
    if (!OpenNewFile(target.path, target.exists ? target.mode : NewFileMode(), file))
        return refuse(std::strerror(errno));
    auto fail = [&](int err) {
        if (!file.name.empty()) ::unlink(file.name.c_str());
        return refuse(std::strerror(err));
    };
    if (::fchmod(file.fd.fd, target.exists ? target.mode : NewFileMode()) != 0) return fail(errno);
    if (!WriteAll(file.fd.fd, bytes.data(), bytes.size())) return fail(errno);
    if (::fsync(file.fd.fd) != 0) return fail(errno);
    if (!NameNewFile(target.path, file)) return fail(errno);
    if (file.fd.Close() != 0) return fail(errno);
    if (::rename(file.name.c_str(), target.path.c_str()) != 0) return fail(errno);
    SyncFolder(target.path);
    return {};
}

int RemoveSaveLeftovers(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsSaveLeftover(entry->d_name, name) && ::unlink(JoinPath(folder, entry->d_name).c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<std::string> KeepDamagedCopy(const std::string& path, std::string& error) {
    error.clear();
    Fd in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.fd < 0) return std::nullopt;
    struct stat st {};
    // An empty file holds nothing to lose; a pipe or device is not copied.
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) return std::nullopt;

    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M", &local);
    const std::string base = path + ".damaged-" + stamp;

    // A copy kept earlier is never written over: a second one in the same minute gets a number.
    std::string copy = base;
    Fd out(-1);
    for (int n = 2; n < 1000; ++n) {
        out.fd =
            ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, st.st_mode & 0666);
        if (out.fd >= 0 || errno != EEXIST) break;
        copy = base + "-" + std::to_string(n);
    }
    if (out.fd < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    auto fail = [&](int err) {
        error = std::strerror(err);
        ::unlink(copy.c_str());
        return std::nullopt;
    };
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(in.fd, chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (!WriteAll(out.fd, chunk, static_cast<size_t>(got))) return fail(errno);
    }
    if (::fsync(out.fd) != 0) return fail(errno);
    if (out.Close() != 0) return fail(errno);
    SyncFolder(copy);
    return copy;
}

}  // namespace tavix
