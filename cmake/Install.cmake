# Installing: the bundle goes under <prefix>/lib/zelvora laid out as in the
# build tree, and <prefix>/bin/zelvora links to its executable. The program
# finds its Resources from its real path, so it works through the link.
install(TARGETS zelvora RUNTIME DESTINATION lib/zelvora/bin)
install(DIRECTORY ${ZELVORA_RESOURCES_DIR}/ DESTINATION lib/zelvora/Resources)

# A relative link keeps the installed tree movable as a whole.
install(CODE [[
  set(zelvora_link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/zelvora")
  message(STATUS "Installing: ${zelvora_link} -> ../lib/zelvora/bin/zelvora")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(CREATE_LINK ../lib/zelvora/bin/zelvora "${zelvora_link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${zelvora_link}")
]])
