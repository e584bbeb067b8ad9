# `cpack` in the build folder makes dialtrak_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dialtrak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "when you were connected, for how long, and what each dial-up call cost")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Dialtrak reads the log that the modem driver appends to, keeps every dial-up
connection it finds in a log file of its own, and costs each call from your
tariff. The connections are shown as a written list with the totals of the
lines you select, a sortable table, statistics and a bar graph.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Debian wants a name and an address; the project has no address of its own yet.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dialtrak developers <dialtrak@example.org>")
# The libraries the program links (Qt, libsystemd, zlib) come from dpkg-shlibdeps. The platform plugin that shows
# a window is loaded at run time, where dpkg-shlibdeps cannot see it, and Qt only recommends it:
# without it the program cannot start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

# What Debian asks of every package: the terms it is given under, in the machine-readable copyright
# format (the licence itself is the system's copy), and a changelog, compressed without a name or
# time stamp so that the same source makes the same file.
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
set(changelog ${PROJECT_BINARY_DIR}/package/changelog)
dialtrak_changelog(${changelog} "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
execute_process(COMMAND gzip -9nkf ${changelog} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip could not compress ${changelog}")
endif()
install(FILES data/copyright ${changelog}.gz DESTINATION share/doc/dialtrak)

include(CPack)
