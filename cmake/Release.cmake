# What makes the deliverables a release: the same bytes from the same sources whoever builds them,
# wherever and whenever, and Authenticode signatures when a certificate is given.

# The build time: SOURCE_DATE_EPOCH when it is set (scripts/build sets it to the last commit's
# time), else the time of configuring; string(TIMESTAMP) reads SOURCE_DATE_EPOCH itself. Every
# Windows link stamps it as the program's link time (the linker is told it: lld reads no
# SOURCE_DATE_EPOCH), which About shows as the build date, whatever the environment of the build
# step.
string(TIMESTAMP ZEMBRA_BUILD_TIME "%s" UTC)
if(WIN32)
    add_link_options(-Wl,--Xlink=-timestamp:${ZEMBRA_BUILD_TIME})
endif()

# No folder of the build machine ends up in a program: sources are named from the tree's root,
# generated files from the build folder's. (The later map wins, and the build folder may lie
# inside the tree.)
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")

# Signing, as scripts/build configures it: ZEMBRA_SIGN_PFX signs with that PKCS#12 file (its
# password and the timestamp server come from the environment of the build step), or
# ZEMBRA_ATTACH_SIGNATURES attaches the signatures a release carries (<program file>.sig in that
# folder, see scripts/check-reproducible). Neither: no step touches the linked programs.
set(ZEMBRA_SIGN_PFX "" CACHE FILEPATH "PKCS#12 file to sign the deliverables with")
set(ZEMBRA_ATTACH_SIGNATURES "" CACHE PATH "Folder of the release signatures to attach")
set(ZEMBRA_SIGN_PROGRAM ${PROJECT_SOURCE_DIR}/scripts/sign-program)

# ZEMBRA_SIGNING: unsigned, signed or attached.
set(ZEMBRA_SIGNING unsigned)
set(signer "")
if(ZEMBRA_SIGN_PFX)
    set(ZEMBRA_SIGNING signed)
    file(SHA256 ${ZEMBRA_SIGN_PFX} certificate)
    set(signer "${ZEMBRA_SIGN_PFX} ${certificate}")
elseif(ZEMBRA_ATTACH_SIGNATURES)
    set(ZEMBRA_SIGNING attached)
    set(signer "${ZEMBRA_ATTACH_SIGNATURES}")
endif()

# A deliverable is linked again whenever the build time or the signing changes, so an incremental
# build gives the same bytes as a fresh one. The stamp is rewritten only when its text changes.
set(ZEMBRA_RELEASE_STAMP ${CMAKE_BINARY_DIR}/release-stamp.txt)
file(CONFIGURE OUTPUT ${ZEMBRA_RELEASE_STAMP}
     CONTENT "${ZEMBRA_BUILD_TIME}\n${ZEMBRA_SIGNING} ${signer}\n")

# zembra_sign_after_link(<target> <PKCS#12 file> [<command prefix>...]): signs the program right
# after each link, before anything (the installer's payload) takes it. The password comes from
# ZEMBRA_SIGN_PASSWORD, in the build's environment or set by the prefix (cmake -E env ...).
function(zembra_sign_after_link target pfx)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${ARGN} ${ZEMBRA_SIGN_PROGRAM} sign $<TARGET_FILE:${target}> ${pfx}
        VERBATIM)
endfunction()

# zembra_deliverable(<target>): a program the product ships, with its image checksum, signed as
# configured.
function(zembra_deliverable target)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${ZEMBRA_RELEASE_STAMP})
    zembra_checksum_after_link(${target})
    if(ZEMBRA_SIGN_PFX)
        zembra_sign_after_link(${target} ${ZEMBRA_SIGN_PFX})
    elseif(ZEMBRA_ATTACH_SIGNATURES)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${ZEMBRA_SIGN_PROGRAM} attach $<TARGET_FILE:${target}>
                    ${ZEMBRA_ATTACH_SIGNATURES}/$<TARGET_FILE_NAME:${target}>.sig
            VERBATIM)
    endif()
endfunction()
