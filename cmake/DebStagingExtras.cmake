# Runs in CPack after the staging installation, before the .deb is made.
set(dirMode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Adds what only the Debian package carries: its lintian overrides. (file(COPY)
# because file(INSTALL) would put DESTDIR in front once more.)
file(COPY ${CPACK_IPPON_LINTIAN_OVERRIDES}
     DESTINATION ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS ${dirMode})

# The installation set the files' modes, but the directories it made follow
# the umask of whoever builds; the package's are 0755 whatever that is.
file(GLOB_RECURSE entries LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY ${entry} AND NOT IS_SYMLINK ${entry})
        file(CHMOD ${entry} PERMISSIONS ${dirMode})
    endif()
endforeach()
