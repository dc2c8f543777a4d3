# The web build's header-only libraries, toml++ and nlohmann-json: the
# host's copies, copied at configure time into a folder of their own in the
# build folder (include/), which is all that emscripten is shown of them.
# Emscripten never searches the host's include folder, whose C and C++
# headers are the host's, not its own.
set(TORVALY_WEB_INCLUDE ${PROJECT_BINARY_DIR}/include)
foreach(header IN ITEMS toml++/toml.h nlohmann/json.hpp)
  string(MAKE_C_IDENTIFIER ${header} id)
  # The host's include folders, which the toolchain's searches leave out:
  # they look in emscripten's own root only.
  find_path(TORVALY_HOST_${id} ${header} PATHS /usr/local/include /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED
            DOC "Folder of the host's ${header} (Debian: libtomlplusplus-dev, nlohmann-json3-dev)")
  get_filename_component(library ${header} DIRECTORY)
  file(COPY ${TORVALY_HOST_${id}}/${library} DESTINATION ${TORVALY_WEB_INCLUDE})
endforeach()
# Where puzzle/ looks for toml++.
set(TORVALY_TOMLPLUSPLUS_INCLUDE ${TORVALY_WEB_INCLUDE} CACHE PATH "toml++, copied for the web build" FORCE)
# nlohmann-json as its package names it, for a target of the web build that
# wants it.
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${TORVALY_WEB_INCLUDE})
