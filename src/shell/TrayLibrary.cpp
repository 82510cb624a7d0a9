#include "TrayLibrary.h"

#include "shell/TrayEntry.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace glowdeck {

namespace {

// The folder of the running program's file, symbolic links resolved; empty when unknown.
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path)
        return {};
    std::string file(path, static_cast<std::size_t>(length));
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

} // namespace

int TrayLibrary::run(int argc, char** argv, bool showPanel) {
    const std::string folder = programFolder();
    if (folder.empty()) {
        std::fprintf(stderr, "glowdeck: cannot find the program's own folder\n");
        return 1;
    }
    const std::string beside = folder + "/" GLOWDECK_TRAY_LIBRARY;
    const std::string installed = folder + "/" GLOWDECK_TRAY_FOLDER "/" GLOWDECK_TRAY_LIBRARY;
    const std::string& file = ::access(beside.c_str(), F_OK) == 0 ? beside : installed;
    void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "glowdeck: cannot load the tray application: %s\n", ::dlerror());
        return 1;
    }
    const auto entry = reinterpret_cast<TrayEntry>(::dlsym(library, trayEntryName));
    if (entry == nullptr) {
        std::fprintf(stderr, "glowdeck: %s has no %s\n", file.c_str(), trayEntryName);
        return 1;
    }
    // The library stays loaded until the process ends: Qt's exit handlers may still run its code.
    return entry(argc, argv, showPanel ? 1 : 0);
}

} // namespace glowdeck
