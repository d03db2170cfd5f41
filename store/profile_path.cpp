#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "profile_store.h"

namespace {

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// $XDG_CONFIG_HOME, else ~/.config. A relative XDG_CONFIG_HOME is ignored,
// as the XDG base directory rules ask: it would move the settings with the
// working folder.
std::string ConfigFolder() {
    const std::string_view xdg = Variable("XDG_CONFIG_HOME");
    if (xdg.starts_with('/')) return std::string(xdg);
    std::string_view home = Variable("HOME");
    if (home.empty()) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? user->pw_dir : "";
    }
    return std::string(home) + "/.config";
}

}  // namespace

std::string ProfilePathForProgram(std::string_view programName) {
    std::string_view title = programName.substr(programName.find_last_of('/') + 1);
    const size_t dot = title.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) title = title.substr(0, dot);
    return ConfigFolder() + "/" + std::string(title) + ".INI";
}
