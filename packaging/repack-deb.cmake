# Run by cpack once the packages are made (CPACK_POST_BUILD_SCRIPTS), to pack each .deb again
# with dpkg-deb, its contents, md5sums and other control files as they were, except:
# - CPack's Debian generator gives a package that holds a shared library a postinst and a postrm
#   calling ldconfig. The package's ldconfig trigger (packaging/triggers) does that work already,
#   and a postrm alone keeps a removed package on dpkg's list (as config-files) until it is
#   purged; so the two scripts go.
# - CPack counts the library's two symbolic links in Installed-Size as two more copies of it;
#   the size is counted again as du sees the files.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")

    execute_process(COMMAND du -sk --apparent-size --exclude=DEBIAN "${tree}"
        OUTPUT_VARIABLE size COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "^[0-9]+" size "${size}")
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${size}" control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")

    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
