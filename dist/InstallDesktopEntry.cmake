# Runs at install time: writes the desktop entry with the launcher's absolute path
# under the prefix given to this install (cmake --install --prefix, or CPack's
# /usr), so a menu start needs no PATH that holds the launcher.
# In: QUORVEL_DESKTOP_TEMPLATE, QUORVEL_DESKTOP_SCRATCH (a folder to write in),
#     QUORVEL_BINDIR, QUORVEL_APPLICATIONS_DIR (relative to the prefix or absolute).

function(quorvel_under_prefix out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A value of type string: backslash and the control characters are escaped.
function(quorvel_desktop_string out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\r" "\\r" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The program of an Exec key: a path with a reserved character goes in double
# quotes, with ", `, $ and \ escaped inside them; % is a field code unless doubled.
# The result is then escaped once more as a string value.
function(quorvel_desktop_exec out path)
  if(path MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\" path "${path}")
    string(REPLACE "\"" "\\\"" path "${path}")
    string(REPLACE "`" "\\`" path "${path}")
    string(REPLACE "$" "\\$" path "${path}")
    set(path "\"${path}\"")
  endif()
  string(REPLACE "%" "%%" path "${path}")
  quorvel_desktop_string(path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

quorvel_under_prefix(bindir "${QUORVEL_BINDIR}")
quorvel_under_prefix(appdir "${QUORVEL_APPLICATIONS_DIR}")
set(launcher "${bindir}/quorvel-launcher")
quorvel_desktop_exec(QUORVEL_DESKTOP_EXEC "${launcher}")
quorvel_desktop_string(QUORVEL_DESKTOP_TRYEXEC "${launcher}")

# A folder of its own per run: two installs from one build tree may run at once.
string(RANDOM LENGTH 12 run)
set(scratch "${QUORVEL_DESKTOP_SCRATCH}/desktop-${run}")
configure_file("${QUORVEL_DESKTOP_TEMPLATE}" "${scratch}/quorvel.desktop" @ONLY)
file(INSTALL DESTINATION "${appdir}" TYPE FILE FILES "${scratch}/quorvel.desktop")
file(REMOVE_RECURSE "${scratch}")
