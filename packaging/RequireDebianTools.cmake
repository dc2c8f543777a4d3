# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) before anything else: without
# dpkg-shlibdeps CPack would write a package whose dependencies leave out
# the libraries the programs link, which installs and then cannot start; and
# without file it cannot tell the programs from other files. Stop instead.
foreach(tool IN ITEMS dpkg-shlibdeps file)
  find_program(found ${tool} PATHS ENV PATH NO_DEFAULT_PATH NO_CACHE)
  if(NOT found)
    message(FATAL_ERROR "${tool} is missing, so the package's dependencies cannot be found: install the "
                        "Debian packages dpkg-dev and file (tools/package.sh does), then make the package again.")
  endif()
  unset(found)
endforeach()
