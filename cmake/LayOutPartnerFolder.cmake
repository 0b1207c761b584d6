# Lays out a partner folder in OUT from the agency's folder SOURCE. Run
# through the build's partner-folder.cmake, which sets the other inputs
# (see PartnerFolder.cmake). OUT ends up holding plain files only, no
# symbolic links, as FAT and CD file systems need:
#   colaborador, qt.conf         the program (stripped) and where Qt finds its parts
#   lib/                          the shared libraries it loads, but for the desktop's base
#   lib/plugins/<type>/           the Qt plugins it loads
#   lib/translations, lib/fonts   Qt's Spanish texts; the fonts the windows draw with
#   lib/licenses/                 the licence of every file bundled, by Debian package
# and the agency's files, byte for byte.
cmake_minimum_required(VERSION 3.24)

foreach(input SOURCE OUT)
    if(NOT ${input})
        message(FATAL_ERROR "${input} is not set: cmake -DSOURCE=<agency folder> -DOUT=<new folder> -P ${CMAKE_SCRIPT_MODE_FILE}")
    endif()
endforeach()
get_filename_component(SOURCE "${SOURCE}" ABSOLUTE)
get_filename_component(OUT "${OUT}" ABSOLUTE)

# The agency's files as the program names them, in any case; anything else
# in SOURCE (an old program, notes) stays behind.
function(copy_agency_files)
    set(agency_names brezomar.mdb fotos colimg nombreinmobiliaria.txt logocolaborador.jpg funcionesbrezomar.pdf)
    file(GLOB entries RELATIVE "${SOURCE}" "${SOURCE}/*")
    set(copied)
    set(left)
    foreach(entry IN LISTS entries)
        string(TOLOWER "${entry}" name)
        if(name IN_LIST agency_names)
            list(APPEND copied "${SOURCE}/${entry}")
        else()
            list(APPEND left "${entry}")
        endif()
    endforeach()
    if(left)
        list(JOIN left ", " left)
        message(NOTICE "Not copied, not part of the catalogue: ${left}")
    endif()
    if(copied)
        # Links followed, so that only plain files arrive; shared photos stay
        # hard links of one another, as in SOURCE.
        execute_process(COMMAND cp -R --dereference --preserve=links,timestamps ${copied} "${OUT}/"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endfunction()

# Copies `file` under its own name (a library under the name it is loaded by)
# into `folder`, the content of the file it links to if it is a link.
function(copy_plain file folder)
    get_filename_component(name "${file}" NAME)
    file(REAL_PATH "${file}" real)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${real}" "${folder}/${name}")
endfunction()

function(copy_program)
    file(COPY_FILE "${PROGRAM}" "${OUT}/colaborador")
    execute_process(COMMAND "${STRIP}" --strip-all "${OUT}/colaborador" COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD "${OUT}/colaborador" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
    # Relative to the program's folder, wherever it lies.
    file(WRITE "${OUT}/qt.conf" "[Paths]\nPrefix = lib\nPlugins = plugins\nTranslations = translations\n")
endfunction()

function(copy_plugins)
    foreach(plugin IN LISTS PLUGINS)
        get_filename_component(type_folder "${plugin}" DIRECTORY)
        get_filename_component(type "${type_folder}" NAME)
        copy_plain("${plugin}" "${OUT}/lib/plugins/${type}")
    endforeach()
endfunction()

# The shared libraries the program and its plugins load, but for the base
# every desktop has. Sets `bundled` to the files copied.
function(copy_libraries)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "linux+elf")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
    set(base_regexes)
    foreach(library IN LISTS BASE_LIBRARIES)
        string(REGEX REPLACE "([.+])" "\\\\\\1" escaped "${library}")
        list(APPEND base_regexes "^${escaped}$")
    endforeach()
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES "${PROGRAM}"
        MODULES ${PLUGINS}
        PRE_EXCLUDE_REGEXES ${base_regexes}
        POST_EXCLUDE_FILES_STRICT "${PROGRAM}" ${PLUGINS}
        RESOLVED_DEPENDENCIES_VAR resolved
        UNRESOLVED_DEPENDENCIES_VAR unresolved
        CONFLICTING_DEPENDENCIES_PREFIX conflicting)
    if(unresolved)
        message(FATAL_ERROR "Libraries not found on this machine: ${unresolved}")
    endif()
    foreach(name IN LISTS conflicting_FILENAMES)
        # One library seen under two folders (/lib and /usr/lib) is one file.
        set(reals)
        foreach(path IN LISTS conflicting_${name})
            file(REAL_PATH "${path}" real)
            list(APPEND reals "${real}")
        endforeach()
        list(REMOVE_DUPLICATES reals)
        list(LENGTH reals count)
        if(count GREATER 1)
            message(FATAL_ERROR "Two different libraries named ${name}: ${reals}")
        endif()
        list(GET conflicting_${name} 0 first)
        list(APPEND resolved "${first}")
    endforeach()
    foreach(library IN LISTS resolved)
        copy_plain("${library}" "${OUT}/lib")
    endforeach()
    set(bundled ${resolved} PARENT_SCOPE)
endfunction()

function(copy_texts_and_fonts)
    if(NOT EXISTS "${TRANSLATION}")
        message(FATAL_ERROR "Qt's Spanish translation is missing: ${TRANSLATION} (Debian: qt6-translations-l10n)")
    endif()
    copy_plain("${TRANSLATION}" "${OUT}/lib/translations")
    file(GLOB fonts "${FONT_FOLDER}/LiberationSans-*.ttf")
    if(NOT fonts)
        message(FATAL_ERROR "Liberation Sans is missing (Debian: fonts-liberation2)")
    endif()
    foreach(font IN LISTS fonts)
        copy_plain("${font}" "${OUT}/lib/fonts")
    endforeach()
    set(fonts ${fonts} PARENT_SCOPE)
endfunction()

# The Debian package of each file bundled gives its licence: the package's
# copyright file, with the common licence texts it points to.
function(copy_licences)
    set(paths)
    foreach(file IN LISTS ARGN)
        file(REAL_PATH "${file}" real)
        list(APPEND paths "${real}")
        # dpkg knows a file by the path its package installed, which a
        # merged /usr may have moved.
        string(REGEX REPLACE "^/usr/" "/" moved "${real}")
        list(APPEND paths "${moved}")
    endforeach()
    list(REMOVE_DUPLICATES paths)
    execute_process(COMMAND dpkg-query --search ${paths} OUTPUT_VARIABLE owners ERROR_QUIET)
    string(REGEX MATCHALL "[^\n]+" lines "${owners}")
    set(packages)
    set(owned)
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([^:,]+)[^ ]*: (.+)$" match "${line}")
        list(APPEND packages "${CMAKE_MATCH_1}")
        list(APPEND owned "${CMAKE_MATCH_2}")
    endforeach()
    foreach(file IN LISTS ARGN)
        file(REAL_PATH "${file}" real)
        string(REGEX REPLACE "^/usr/" "/" moved "${real}")
        if(NOT real IN_LIST owned AND NOT moved IN_LIST owned)
            message(FATAL_ERROR "No Debian package owns ${real}: its licence is unknown")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES packages)
    set(common)
    foreach(package IN LISTS packages)
        set(copyright "/usr/share/doc/${package}/copyright")
        if(NOT EXISTS "${copyright}")
            message(FATAL_ERROR "The package ${package} has no ${copyright}")
        endif()
        copy_plain("${copyright}" "${OUT}/lib/licenses/${package}")
        file(READ "${copyright}" text)
        string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9.+_-]*[A-Za-z0-9+_-]" referenced "${text}")
        list(APPEND common ${referenced})
    endforeach()
    list(REMOVE_DUPLICATES common)
    foreach(licence IN LISTS common)
        if(EXISTS "${licence}")
            copy_plain("${licence}" "${OUT}/lib/licenses/common-licenses")
        endif()
    endforeach()
endfunction()

file(MAKE_DIRECTORY "${OUT}")
# A catalogue's photos may take a minute to copy.
message(NOTICE "Copying the agency's files into ${OUT}")
copy_agency_files()
message(NOTICE "Adding the program, its libraries, plugins, texts, fonts and licences")
copy_program()
copy_plugins()
copy_libraries()
copy_texts_and_fonts()
copy_licences(${bundled} ${PLUGINS} "${TRANSLATION}" ${fonts})
