# The Debian package. In a Release build, `cpack -G DEB` (or the `package` target) makes
# glowdeck_<version>_<arch>.deb from the install rules: the program, its desktop entry, AppStream
# metadata, icons and manual page, plus the copyright file and changelog Debian asks for.
include(GNUInstallDirs)

set(GLOWDECK_MAINTAINER
    "Glowdeck maintainers <maintainers@users.noreply.c-seed-1f07293c.example>"
    CACHE STRING "The Debian package's maintainer, as Name <address>")

set(packaging ${CMAKE_SOURCE_DIR}/packaging/debian)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9n -c ${packaging}/changelog > ${changelog}
    DEPENDS ${packaging}/changelog
    VERBATIM)
add_custom_target(glowdeck_changelog ALL DEPENDS ${changelog})
file(READ ${packaging}/changelog changes)
if(NOT changes MATCHES "^glowdeck \\(${PROJECT_VERSION}\\)")
    message(FATAL_ERROR "packaging/debian/changelog does not begin with ${PROJECT_VERSION}")
endif()
install(FILES ${packaging}/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/glowdeck)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glowdeck)
set(CPACK_PACKAGE_VENDOR "The Glowdeck developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control WiZ lights from the system tray")
# Lines of at most 80 characters, as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Glowdeck puts a light-bulb icon in the system tray. A click on it drops a small"
    "panel from which you find the WiZ smart bulbs on the local network, pick one or"
    "all of them, switch them on and off, and set the brightness, the white"
    "temperature, a colour or a preset scene. Bulbs can also be added by address,"
    "renamed and forgotten."
    ""
    "Glowdeck talks to the bulbs directly on the local network, with no account or"
    "cloud service, and keeps nothing but the list of known bulbs. It needs a system"
    "tray (StatusNotifierItem or XEmbed).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GLOWDECK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/glowdeck/glowdeck")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# GNOME Shell shows tray icons only through this extension.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
# Qt's own texts (the colour dialog, standard buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
