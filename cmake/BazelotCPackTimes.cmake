# Run by cpack after it has installed into its staging folder and before it packs (CPACK_PRE_BUILD_SCRIPTS):
# every staged file and folder gets SOURCE_DATE_EPOCH as its time, which the archives store.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${CPACK_TEMPORARY_INSTALL_DIRECTORY} ${staged}
    COMMAND_ERROR_IS_FATAL ANY)
