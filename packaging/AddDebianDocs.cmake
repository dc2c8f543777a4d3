# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) once the files are installed in the
# staging folder: adds /usr/share/doc/<package>/copyright and
# changelog.Debian.gz, which Debian asks of every package. The changelog is
# compressed with gzip -9n (no name or time stamp inside), and its date is
# SOURCE_DATE_EPOCH when that is set, so that a rebuild can give the same
# package.
set(doc_dir "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc_dir}")
file(COPY_FILE "${CPACK_TORVALY_PACKAGING_DIR}/copyright" "${doc_dir}/copyright")

set(TORVALY_DEBIAN_VERSION "${CPACK_DEBIAN_PACKAGE_VERSION}")
if(CPACK_DEBIAN_PACKAGE_RELEASE)
  string(APPEND TORVALY_DEBIAN_VERSION "-${CPACK_DEBIAN_PACKAGE_RELEASE}")
endif()
string(TIMESTAMP TORVALY_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file("${CPACK_TORVALY_PACKAGING_DIR}/changelog.Debian.in" "${doc_dir}/changelog.Debian" @ONLY)
execute_process(
  COMMAND gzip -9nf "${doc_dir}/changelog.Debian"
  COMMAND_ERROR_IS_FATAL ANY
)
