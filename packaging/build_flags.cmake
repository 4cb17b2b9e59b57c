# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags (dpkg-buildflags: fortified functions, stack
# protector, read-only relocations bound at start-up) for optimised builds, so
# the package gets what a distribution's own build would give it. Sanitizer
# and fuzzing builds bring their own checks, and fortification does nothing
# without optimisation, so they are left alone.
option(SPLITWICK_DEBIAN_BUILD_FLAGS "Optimised builds use Debian's hardening build flags (dpkg-buildflags)" ON)
set(SPLITWICK_HARDENED OFF CACHE INTERNAL "Built with Debian's hardening flags")
if(SPLITWICK_DEBIAN_BUILD_FLAGS AND NOT SPLITWICK_SANITIZE AND NOT SPLITWICK_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    # A packager's own choice wins; otherwise every hardening feature (bindnow is not on by default).
    set(maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
    if(maint_options STREQUAL "")
      set(maint_options "hardening=+all")
    endif()
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maint_options}" ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
      endif()
      separate_arguments(flags UNIX_COMMAND "${flags}")
      # The build type chooses optimisation and debug information.
      list(FILTER flags EXCLUDE REGEX "^-(O[0-9sgz]?|g[0-9]?)$")
      if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
      else()
        add_compile_options(${flags})
      endif()
      set(SPLITWICK_BUILD_${kind} "${flags}")
    endforeach()
    set(SPLITWICK_HARDENED ON CACHE INTERNAL "Built with Debian's hardening flags")
    message(STATUS "Debian build flags: ${SPLITWICK_BUILD_CPPFLAGS} ${SPLITWICK_BUILD_CXXFLAGS} ${SPLITWICK_BUILD_LDFLAGS}")
  endif()
endif()
