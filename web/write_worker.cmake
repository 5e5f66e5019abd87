# Writes the site's service worker from its template: the files it keeps are those of the built
# site but itself and the media files, and its version is a digest of every other file's
# name and contents and of the template, so that any change to the site makes a new version.
# Usage: cmake -DSITE=<site folder> -DTEMPLATE=<sw.js.in> -P write_worker.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(media mascot.bmp maru1.bmp batu1.bmp maru1.wav batu1.wav)
set(contents "")
set(shell "")
foreach(name ${files})
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND contents "${name} ${digest}\n")
  if(NOT name IN_LIST media)
    list(APPEND shell "'${name}'")
  endif()
endforeach()
file(SHA256 ${TEMPLATE} digest)
string(APPEND contents "sw.js.in ${digest}\n")
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
list(JOIN shell ", " SHELL_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
