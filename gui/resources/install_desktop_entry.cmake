# Runs at install time, when the prefix given to `cmake --install --prefix` is
# known. The menu entry names the installed program by its full path, so that
# it starts even when the prefix's bin folder is not on the PATH.
# Set by app/CMakeLists.txt: ZORVANE_DESKTOP_SOURCE, ZORVANE_DESKTOP_STAGED,
# ZORVANE_BINDIR, ZORVANE_DATADIR.
if(IS_ABSOLUTE "${ZORVANE_BINDIR}")
    set(program "${ZORVANE_BINDIR}/zorvane")
else()
    set(program "${CMAKE_INSTALL_PREFIX}/${ZORVANE_BINDIR}/zorvane")
endif()
# A command line with a blank in it must be quoted in a desktop file.
set(command "${program}")
if(program MATCHES " ")
    set(command "\"${program}\"")
endif()

file(READ "${ZORVANE_DESKTOP_SOURCE}" entry)
string(REPLACE "\nTryExec=zorvane\n" "\nTryExec=${program}\n" entry "${entry}")
string(REPLACE "\nExec=zorvane\n" "\nExec=${command}\n" entry "${entry}")
file(WRITE "${ZORVANE_DESKTOP_STAGED}" "${entry}")

if(IS_ABSOLUTE "${ZORVANE_DATADIR}")
    set(applications "${ZORVANE_DATADIR}/applications")
else()
    set(applications "${CMAKE_INSTALL_PREFIX}/${ZORVANE_DATADIR}/applications")
endif()
file(INSTALL "${ZORVANE_DESKTOP_STAGED}" DESTINATION "${applications}")
