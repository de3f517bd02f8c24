# What `cmake --install` puts where, and the Debian package CPack builds from it
# (`cpack -G DEB` in the build directory). Only the two programs, the client's library, the
# desktop entry, the icon, the service's session unit and the demo walk are installed: no tests,
# benchmarks or fuzzers.
include(GNUInstallDirs)

# qm_core is the client's own library: private to it, beside nothing else in the system's
# library path, and found through the client's run path wherever the tree is unpacked.
set(QM_PRIVATE_LIBDIR "lib/qmclient")
set_target_properties(qmclient PROPERTIES INSTALL_RPATH "$ORIGIN/../${QM_PRIVATE_LIBDIR}")
install(TARGETS qmclient qm-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS qm_core LIBRARY DESTINATION ${QM_PRIVATE_LIBDIR} NAMELINK_SKIP)

install(FILES packaging/qmclient.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES data/shanghai-walk.nmea DESTINATION ${CMAKE_INSTALL_DATADIR}/qmclient)
install(FILES packaging/qm-service.service DESTINATION lib/systemd/user)

set(CPACK_PACKAGE_NAME "qmclient")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "qmclient")
set(CPACK_PACKAGE_CONTACT "qmclient developers <qmclient@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Shanghai cinema tickets and film community on a phone-sized screen")
# Debian's description lines are short: CPack indents each line of this text.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Films now showing and coming soon, cinemas near you or by district, a film's\n"
    "schedule, seats on the hall's seat map and the ticket order, comments and\n"
    "ratings, and a members' community. Includes qm-service, a stand-in service\n"
    "with Shanghai sample data that the client talks to on 127.0.0.1:8470.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from dpkg-shlibdeps; what it cannot see is listed by hand: the fonts every
# Chinese text is drawn in, and the plugin that replays a position log.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, libqt6positioning6-plugins")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/debian/postinst;${PROJECT_SOURCE_DIR}/packaging/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
