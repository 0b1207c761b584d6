# The partner folder: the program with the shared libraries, Qt plugins,
# Qt's Spanish texts, fonts and licences it needs, laid out beside an
# agency's files, so that it runs from that folder (a CD, a stick) on a
# desktop without Qt. The build writes the script that does it:
#     cmake -DSOURCE=<agency folder> -DOUT=<new folder> -P <build>/partner-folder.cmake

# The program finds lib/ beside itself wherever the folder lies. An
# old-style RPATH, unlike a RUNPATH, also serves the libraries' and the
# plugins' own dependencies. Linked in as installed: a build RPATH would be
# padded with empty entries, and an empty entry searches the current folder.
set_target_properties(colaborador PROPERTIES INSTALL_RPATH "\$ORIGIN/lib" BUILD_WITH_INSTALL_RPATH ON)
target_link_options(colaborador PRIVATE LINKER:--disable-new-dtags)

# What every Linux desktop has and the folder never carries: the C library
# with its loader, and the C++ and GCC runtimes and Expat that every desktop
# stack links. A newer copy of any of them from the build machine would stop
# the program on an older desktop.
set(PARTNER_BASE_LIBRARIES
    ld-linux-x86-64.so.2 ld-linux-aarch64.so.1
    libc.so.6 libm.so.6 libdl.so.2 libpthread.so.0 librt.so.1 libresolv.so.2 libutil.so.1
    libstdc++.so.6 libgcc_s.so.1 libexpat.so.1)

# Liberation Sans draws in place of Arial, which the windows ask for.
find_path(LIBERATION_SANS_FOLDER LiberationSans-Regular.ttf
    PATHS /usr/share/fonts/truetype
    PATH_SUFFIXES liberation2 liberation
    DOC "Folder of Liberation Sans (Debian: fonts-liberation2)")

# The Qt plugins the program loads, named by file: Qt's CMake package skips
# the xcb plugin's target on a machine without the XKB headers.
set(partner_plugins
    platforms/libqxcb.so            # the X11 desktop (and Wayland's XWayland)
    platforms/libqoffscreen.so      # headless runs, as the tests start it
    imageformats/libqjpeg.so imageformats/libqgif.so  # photos, thumbnails and the logo
    platforminputcontexts/libcomposeplatforminputcontextplugin.so) # accents typed with dead keys
list(TRANSFORM partner_plugins PREPEND "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/")

string(JOIN "\n" partner_script
    "# Written by the build: the inputs of cmake/LayOutPartnerFolder.cmake."
    "set(PROGRAM \"$<TARGET_FILE:colaborador>\")"
    "set(PLUGINS \"${partner_plugins}\")"
    "set(TRANSLATION \"${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_es.qm\")"
    "set(FONT_FOLDER \"${LIBERATION_SANS_FOLDER}\")"
    "set(BASE_LIBRARIES \"${PARTNER_BASE_LIBRARIES}\")"
    "set(STRIP \"${CMAKE_STRIP}\")"
    "set(OBJDUMP \"${CMAKE_OBJDUMP}\")"
    "include(\"${CMAKE_CURRENT_LIST_DIR}/LayOutPartnerFolder.cmake\")"
    "")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/partner-folder.cmake CONTENT "${partner_script}")
