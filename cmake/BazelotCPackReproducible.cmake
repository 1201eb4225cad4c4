# Run by cpack around packing (CPACK_PRE_BUILD_SCRIPTS, CPACK_POST_BUILD_SCRIPTS), so that the packages
# come out the same whatever the packer's umask and clock.
if(NOT DEFINED CPACK_PACKAGE_FILES)
    # Before packing: every staged file and folder gets SOURCE_DATE_EPOCH as its time, which the
    # archives store.
    file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
    execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${CPACK_TEMPORARY_INSTALL_DIRECTORY} ${staged}
        COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

# After packing: the DEB generator gives the three members of a .deb's outer ar archive the modes of
# the files it wrote them from, which follow the umask. Each member's header (60 bytes, the mode in
# octal at offset 40) gets 100644, as dpkg-deb writes. perl is part of every Debian system.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.deb$")
        execute_process(COMMAND perl -e [[
            open(my $deb, '+<', $ARGV[0]) or die "$ARGV[0]: $!";
            binmode $deb;
            for (my $at = 8; seek($deb, $at, 0) && read($deb, my $header, 60) == 60;) {
                my $size = substr($header, 48, 10) + 0;
                substr($header, 40, 8) = sprintf('%-8o', 0100644);
                seek($deb, $at, 0);
                print $deb $header;
                $at += 60 + $size + $size % 2;
            }
            close($deb) or die "$ARGV[0]: $!";
        ]] ${package} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
