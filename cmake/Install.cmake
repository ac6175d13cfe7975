# The installed layout (FHS): programs in bin, catalogs in share/kestrigo (found from bin/.. by the
# program), desktop entry, AppStream metadata, icons and manual pages where desktops and man look.
set(KESTRIGO_PROGRAMS kestrigo kestrigo-calc kestrigo-snapshot)
install(TARGETS ${KESTRIGO_PROGRAMS} RUNTIME DESTINATION bin)
# The installed programs lose the compiler's notes (.comment, .note), as Debian's dh_strip removes
# them: nothing reads them (lintian: binary-has-unneeded-section). The build tree keeps its own.
if(CMAKE_OBJCOPY)
  foreach(program IN LISTS KESTRIGO_PROGRAMS)
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/$<TARGET_FILE_NAME:${program}>\" COMMAND_ERROR_IS_FATAL ANY)")
  endforeach()
endif()
install(FILES ${KESTRIGO_CATALOGS} DESTINATION share/kestrigo)

set(KESTRIGO_DATA ${CMAKE_CURRENT_SOURCE_DIR}/data)
configure_file(${KESTRIGO_DATA}/kestrigo.desktop.in ${KESTRIGO_APP_ID}.desktop @ONLY)
configure_file(${KESTRIGO_DATA}/kestrigo.metainfo.xml.in ${KESTRIGO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KESTRIGO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KESTRIGO_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# data/icons/<N>x<N>.png, rendered from data/icons/kestrigo.svg.
file(GLOB KESTRIGO_ICONS CONFIGURE_DEPENDS ${KESTRIGO_DATA}/icons/*x*.png)
foreach(icon IN LISTS KESTRIGO_ICONS)
  get_filename_component(size ${icon} NAME_WE)
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}/apps RENAME ${KESTRIGO_APP_ID}.png)
endforeach()
install(FILES ${KESTRIGO_DATA}/icons/kestrigo.svg DESTINATION share/icons/hicolor/scalable/apps
  RENAME ${KESTRIGO_APP_ID}.svg)

# Manual pages and the changelog are installed compressed (gzip -9n: the best ratio, no name or time
# stamp inside, so that builds are reproducible), as Debian's policy asks and man reads them.
function(kestrigo_gzip source compressed)
  get_filename_component(directory ${compressed} DIRECTORY)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${directory}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${source} ${compressed}
    DEPENDS ${source} VERBATIM)
endfunction()

file(GLOB KESTRIGO_MANUALS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/*.1)
set(KESTRIGO_COMPRESSED_MANUALS)
foreach(page IN LISTS KESTRIGO_MANUALS)
  get_filename_component(name ${page} NAME)
  kestrigo_gzip(${page} ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.gz)
  list(APPEND KESTRIGO_COMPRESSED_MANUALS ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.gz)
endforeach()
# docs/changelog, in Debian's format: a native package's changelog.gz.
set(KESTRIGO_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
kestrigo_gzip(${CMAKE_CURRENT_SOURCE_DIR}/docs/changelog ${KESTRIGO_CHANGELOG})
add_custom_target(kestrigo_manuals ALL DEPENDS ${KESTRIGO_COMPRESSED_MANUALS} ${KESTRIGO_CHANGELOG})
install(FILES ${KESTRIGO_COMPRESSED_MANUALS} DESTINATION share/man/man1)
install(FILES ${KESTRIGO_CHANGELOG} DESTINATION share/doc/kestrigo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE DESTINATION share/doc/kestrigo RENAME copyright)
