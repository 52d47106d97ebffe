# The release package, built by `cmake --build <tree> --target release` into
# TAV_RELEASE_DIR: a ZIP archive (CPack) and a Windows Installer package
# (wixl) of the exe, its INI and the help document, both named after the
# project's version. With a code-signing certificate in the environment
# (scripts/sign.sh) the exe is signed before it goes into either, and the
# installer after it is built; without one both are unsigned.
set(TAV_RELEASE_DIR ${CMAKE_BINARY_DIR}/release CACHE PATH "Where the release package is built")
set(TAV_PACKAGE_NAME TavCopyTool-${PROJECT_VERSION}-win64)
set(TAV_ZIP ${TAV_RELEASE_DIR}/${TAV_PACKAGE_NAME}.zip)
set(TAV_MSI ${TAV_RELEASE_DIR}/${TAV_PACKAGE_NAME}.msi)
set(TAV_SHIPPED_FILES ${CMAKE_SOURCE_DIR}/res/TavCopyTool.INI ${CMAKE_SOURCE_DIR}/res/TavCopyTool.html)

# The exe as shipped: signed, or an unchanged copy. Run on every build, since
# the certificate comes from the environment of the build, not the cache.
set(TAV_SIGN ${CMAKE_SOURCE_DIR}/scripts/sign.sh)
set(TAV_SHIPPED_EXE ${CMAKE_BINARY_DIR}/signed/TavCopyTool.exe)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/signed)
add_custom_target(shipped_exe
  COMMAND bash ${TAV_SIGN} $<TARGET_FILE:TavCopyTool> ${TAV_SHIPPED_EXE}
  BYPRODUCTS ${TAV_SHIPPED_EXE}
  COMMENT "The exe as shipped (signed when a certificate is given)"
  VERBATIM)
add_dependencies(shipped_exe TavCopyTool)

# The archive: the three files at its top, as they lie beside the exe.
install(PROGRAMS ${TAV_SHIPPED_EXE} DESTINATION .)
install(FILES ${TAV_SHIPPED_FILES} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TavCopyTool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${TAV_PACKAGE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
include(CPack)
add_custom_command(OUTPUT ${TAV_ZIP}
  COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/cpack/${TAV_PACKAGE_NAME}.zip ${TAV_ZIP}
  DEPENDS shipped_exe ${TAV_SHIPPED_EXE} ${TAV_SHIPPED_FILES}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing ${TAV_PACKAGE_NAME}.zip"
  VERBATIM)

# The installer. wixl 0.101 stores the strings in the code page of its
# WINDOWS_LANGUAGE (an ASCII-only one otherwise: Japanese text is lost or
# crashes it) but leaves the database's code page unset, so msibuild then
# marks the database as code page 932, which Windows Installer reads it in.
# wixl 0.101 finds files by relative paths only: it runs in the build tree
# and gets every path relative to it.
set(TAV_MSI_CODEPAGE ${CMAKE_BINARY_DIR}/msi/_ForceCodepage.idt)
file(WRITE ${TAV_MSI_CODEPAGE} "\r\n\r\n932\t_ForceCodepage\r\n")
file(RELATIVE_PATH TAV_SOURCE_FROM_BUILD ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
function(tav_msi output version)
  set(src ${TAV_SOURCE_FROM_BUILD})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
            wixl -a x64 -D Version=${version} -D Exe=signed/TavCopyTool.exe
            -D Ini=${src}/res/TavCopyTool.INI -D Help=${src}/res/TavCopyTool.html -D Icon=${src}/res/TavCopyTool.ico
            -o ${output} ${src}/package/TavCopyTool.wxs
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja msibuild ${output} -i ${TAV_MSI_CODEPAGE}
    COMMAND bash ${TAV_SIGN} ${output} ${output}
    DEPENDS shipped_exe ${TAV_SHIPPED_EXE} ${TAV_SHIPPED_FILES} ${CMAKE_SOURCE_DIR}/res/TavCopyTool.ico
            ${CMAKE_SOURCE_DIR}/package/TavCopyTool.wxs
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building ${output}"
    VERBATIM)
endfunction()
tav_msi(${TAV_MSI} ${PROJECT_VERSION})
add_custom_target(release DEPENDS ${TAV_ZIP} ${TAV_MSI})

# For the installer test only: the same package with the next patch version,
# which must replace the installed one.
math(EXPR TAV_NEXT_PATCH "${PROJECT_VERSION_PATCH} + 1")
set(TAV_NEXT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${TAV_NEXT_PATCH})
set(TAV_NEXT_MSI ${CMAKE_BINARY_DIR}/msi/TavCopyTool-${TAV_NEXT_VERSION}-win64.msi)
tav_msi(${TAV_NEXT_MSI} ${TAV_NEXT_VERSION})
add_custom_target(release_next_version DEPENDS ${TAV_NEXT_MSI})
