#include "file_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

constexpr int MaxLinkHops = 40;  // as the kernel allows

std::error_code LastError() { return {errno, std::generic_category()}; }

}  // namespace

std::string ParentFolder(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return ".";
    const size_t end = path.find_last_not_of('/', slash);
    if (end == std::string_view::npos) return "/";
    return std::string(path.substr(0, end + 1));
}

std::string FollowSymlinks(const std::string& path, std::error_code& error) {
    error.clear();
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        std::string target(static_cast<size_t>(status.st_size > 0 ? status.st_size : 255) + 1,
                           '\0');
        const ssize_t size = ::readlink(current.c_str(), target.data(), target.size());
        if (size < 0) {
            error = LastError();
            return current;
        }
        target.resize(static_cast<size_t>(size));
        current = target.starts_with('/') ? target : ParentFolder(current) + "/" + target;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return current;
}

std::error_code MakeFolders(const std::string& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? std::error_code{}
                                       : std::make_error_code(std::errc::not_a_directory);
    }
    if (errno != ENOENT) return LastError();
    const std::string parent = ParentFolder(folder);
    if (parent != folder) {
        if (auto error = MakeFolders(parent)) return error;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return LastError();
    return {};
}

std::string XdgFilePath(const char* variable, std::string_view homeFolder, std::string_view leaf) {
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') return std::string(xdg) + '/' + std::string(leaf);
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::string(home) + '/' + std::string(homeFolder) + '/' + std::string(leaf);
}
