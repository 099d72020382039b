# Runs in CPack after the packages are made and repairs the -dbgsym package
# that CPack 3.25 writes:
# - its md5sums name the files by their absolute staging paths;
# - the .debug files are executable, though nothing runs them;
# - it has no documentation directory; as in Debian's own dbgsym packages it
#   gets a link to the main package's, which it depends on.
find_program(DPKG_DEB dpkg-deb REQUIRED)
string(TOLOWER "${CPACK_PACKAGE_NAME}" name)

set(dirMode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(fileMode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
        continue()
    endif()
    set(root ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-repair)
    file(REMOVE_RECURSE ${root})
    execute_process(COMMAND ${DPKG_DEB} --raw-extract ${package} ${root} COMMAND_ERROR_IS_FATAL ANY)

    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${root}/usr/*)
    file(GLOB_RECURSE dirs LIST_DIRECTORIES true RELATIVE ${root} ${root}/usr/*)
    list(REMOVE_ITEM dirs ${files})
    list(APPEND dirs usr)
    list(SORT files)
    set(md5sums "")
    foreach(f IN LISTS files)
        file(CHMOD ${root}/${f} PERMISSIONS ${fileMode})
        file(MD5 ${root}/${f} sum)
        string(APPEND md5sums "${sum}  ${f}\n")
    endforeach()
    foreach(d IN LISTS dirs)
        file(CHMOD ${root}/${d} PERMISSIONS ${dirMode})
    endforeach()
    file(WRITE ${root}/DEBIAN/md5sums "${md5sums}")
    file(CHMOD ${root}/DEBIAN/md5sums ${root}/DEBIAN/control PERMISSIONS ${fileMode})
    file(CHMOD ${root} ${root}/DEBIAN PERMISSIONS ${dirMode})

    set(doc ${root}/usr/share/doc)
    file(MAKE_DIRECTORY ${doc})
    file(CHMOD ${root}/usr/share ${doc} PERMISSIONS ${dirMode})
    file(CREATE_LINK ${name} ${doc}/${name}-dbgsym SYMBOLIC)

    # Compressed as CPack compresses the main package.
    execute_process(COMMAND ${DPKG_DEB} -Zgzip --root-owner-group --build ${root} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${root})
endforeach()
