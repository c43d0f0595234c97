# What `cmake --install` puts where, and the Debian package built from it (`cpack -G DEB`).
include(GNUInstallDirs)

# Directories that install() creates would otherwise be 0777 less the umask (0775 under a
# umask of 002); a package needs 0755.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(sostav_app_id org.sostav.Sostav)
install(TARGETS sostav RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A plain strip keeps the compiler's .comment section, which nothing reads at run time.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sostav\")
  endif()")
# The sound module, loaded on the first check from this folder (shell/CueModule.cpp); the
# server's client library it links is among the dependencies dpkg-shlibdeps finds.
install(TARGETS sostav-sound LIBRARY DESTINATION ${SOSTAV_CUE_MODULE_DESTINATION})
install(FILES desktop/${sostav_app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/${sostav_app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES assets/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${sostav_app_id}.png)
endforeach()

# The man page and the changelog ship compressed; -n keeps the name and time stamp out of
# the archive, so the same sources always give the same bytes.
set(sostav_gzipped)
foreach(pair "doc/sostav.1|sostav.1.gz" "doc/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${target}
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} > ${CMAKE_BINARY_DIR}/${target}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND sostav_gzipped ${CMAKE_BINARY_DIR}/${target})
endforeach()
add_custom_target(sostav_docs ALL DEPENDS ${sostav_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/sostav.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES doc/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sostav)
set(CPACK_PACKAGE_VENDOR "Sostav developers")
set(CPACK_PACKAGE_CONTACT "Sostav developers <sostav@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic trainer: how 8, 9 and 10 split into two addends")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop trainer for primary-school children, all of its text in Russian.
On three exercise screens the child types two addends that make 8, 9 or 10;
on a review worksheet the child fills the blank cells of three number tables.
A check button judges the answers with a smiling or a surprised face or a word
and a short sound; a reset button clears the screen for another try.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The package installs into /usr as Debian expects, whatever prefix the build was given.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# mkdir still applies the umask to those 0755 directories: under a strict one (077) the
# package would carry 0700 directories. They are set right in the staging tree.
set(sostav_fix_dirs ${CMAKE_BINARY_DIR}/cpack-dir-permissions.cmake)
file(WRITE ${sostav_fix_dirs} [[
file(CHMOD_RECURSE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
]])
set(CPACK_PRE_BUILD_SCRIPTS ${sostav_fix_dirs})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the group "run" of setup/packages. The
# X11 platform plugin comes with libqt6gui6, which shlibdeps already finds; Wayland sessions
# are better served by Qt's own plugin.
file(STRINGS ${CMAKE_SOURCE_DIR}/setup/packages sostav_run_packages REGEX "^run: ")
string(REGEX REPLACE "^run: " "" sostav_run_packages "${sostav_run_packages}")
string(REPLACE " " ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${sostav_run_packages}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
