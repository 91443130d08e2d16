# Installs VtSkinEd like any desktop program: the programs, the demo skins, the desktop
# entry, the file types with their icons, the thumbnailer, the AppStream metadata, the
# manual pages and the bash completion; and packs it all as one Debian package.
# Included last, so that every program target exists when it is looked for.
include(GNUInstallDirs)

set(VTSKIN_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(VTSKIN_SKIN_TYPES uskn kskn xskn mskn)

# ---- Programs and demo skins -------------------------------------------------------

foreach(program vtskined vtskin vtskin-preview)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

foreach(stem demo-light demo-dark)
  foreach(type IN LISTS VTSKIN_SKIN_TYPES)
    install(FILES ${VTSKIN_DEMO_SKIN_DIR}/${stem}.${type}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/vtskined/skins)
  endforeach()
endforeach()

# ---- Desktop integration -----------------------------------------------------------

install(FILES ${VTSKIN_DATA_DIR}/vtskined.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VTSKIN_DATA_DIR}/vtskined.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${VTSKIN_DATA_DIR}/vtskined.thumbnailer
        DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${VTSKIN_DATA_DIR}/org.veltrane.vtskined.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# ---- Icons: one SVG source each, rasterised at the sizes of the hicolor theme ------

set(VTSKIN_ICON_SIZES 16 24 32 48 64 128 256)
set(VTSKIN_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
find_program(VTSKIN_RSVG_CONVERT rsvg-convert)

# vtskin_icon(SVG CONTEXT NAME): installs SVG as NAME in the hicolor CONTEXT folder, and
# a PNG of NAME at every size when the rasteriser is there.
function(vtskin_icon svg context name)
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context}
          RENAME ${name}.svg)
  if(NOT VTSKIN_RSVG_CONVERT)
    return()
  endif()
  set(pngs)
  foreach(size IN LISTS VTSKIN_ICON_SIZES)
    set(png ${VTSKIN_ICON_DIR}/${size}x${size}/${context}/${name}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VTSKIN_ICON_DIR}/${size}x${size}/${context}
      COMMAND ${VTSKIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg} VERBATIM)
    install(FILES ${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context})
    list(APPEND pngs ${png})
  endforeach()
  add_custom_target(icon_${name} ALL DEPENDS ${pngs})
endfunction()

if(NOT VTSKIN_RSVG_CONVERT)
  message(WARNING "rsvg-convert not found: only the SVG icons are installed")
endif()
vtskin_icon(${VTSKIN_DATA_DIR}/icons/vtskined.svg apps vtskined)

set(VTSKIN_TYPE_COLOR_uskn "#607d8b")
set(VTSKIN_TYPE_COLOR_kskn "#2e7d32")
set(VTSKIN_TYPE_COLOR_xskn "#6a1b9a")
set(VTSKIN_TYPE_COLOR_mskn "#c62828")
foreach(type IN LISTS VTSKIN_SKIN_TYPES)
  string(TOUPPER ${type} LABEL)
  set(COLOR ${VTSKIN_TYPE_COLOR_${type}})
  set(svg ${VTSKIN_ICON_DIR}/application-x-vtskin-${type}.svg)
  configure_file(${VTSKIN_DATA_DIR}/icons/skin-file.svg.in ${svg} @ONLY)
  vtskin_icon(${svg} mimetypes application-x-vtskin-${type})
endforeach()

# ---- Manual pages and completion, from the programs' own help ---------------------

find_program(VTSKIN_HELP2MAN help2man)
set(VTSKIN_MAN_DIR ${PROJECT_BINARY_DIR}/man)

# vtskin_manpage(PROGRAM NAME-LINE [--commands]): PROGRAM.1 from its --help and --version.
function(vtskin_manpage program name_line)
  if(NOT TARGET ${program} OR NOT VTSKIN_HELP2MAN)
    return()
  endif()
  set(page ${VTSKIN_MAN_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VTSKIN_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env HELP2MAN=${VTSKIN_HELP2MAN}
            ${PROJECT_SOURCE_DIR}/tools/install/make-manpage.sh $<TARGET_FILE:${program}>
            ${name_line} ${page} ${ARGN}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/tools/install/make-manpage.sh
    COMMENT "Writing the manual page of ${program}" VERBATIM)
  add_custom_target(man_${program} ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(NOT VTSKIN_HELP2MAN)
  message(WARNING "help2man not found: the manual pages are not built")
endif()
vtskin_manpage(vtskin "check, convert and render skin files" --commands)
vtskin_manpage(vtskined "the VtSkinEd skin editor")
vtskin_manpage(vtskin-preview "show a skin on windows full of live themed controls")

if(TARGET vtskin)
  set(completion ${PROJECT_BINARY_DIR}/completion/vtskin)
  add_custom_command(OUTPUT ${completion}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/completion
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${PROJECT_SOURCE_DIR}/tools/install/make-completion.sh $<TARGET_FILE:vtskin>
            ${VTSKIN_DATA_DIR}/vtskin.bash-completion.in ${completion}
    DEPENDS vtskin ${VTSKIN_DATA_DIR}/vtskin.bash-completion.in
            ${PROJECT_SOURCE_DIR}/tools/install/make-completion.sh
    COMMENT "Writing the bash completion of vtskin" VERBATIM)
  add_custom_target(completion_vtskin ALL DEPENDS ${completion})
  install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

# ---- One Debian package ------------------------------------------------------------

set(CPACK_PACKAGE_NAME vtskined)
set(CPACK_PACKAGE_VENDOR "Veltrane")
set(CPACK_PACKAGE_CONTACT "VtSkinEd developers <vtskined@veltrane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skin editor and skinning engine for themed user interfaces")
set(CPACK_PACKAGE_DESCRIPTION
    "VtSkinEd opens, creates, edits, previews, exports and saves skins: files that describe the\
 whole look of a themed user interface. It brings the vtskin command-line tool, a file-manager\
 thumbnailer for skin files, and a Qt style that paints any Qt 6 program through a skin.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vtskined)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The bundled look draws its text with the free Tahoma of fonts-wine, which the
# programs load at start; no library of it shows up in the binaries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/tools/install/debian/postinst
    ${PROJECT_SOURCE_DIR}/tools/install/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
