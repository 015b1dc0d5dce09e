# Copies text files with CR LF line ends, as Windows users' editors expect, and other files as
# they are. Run as a script:
#   cmake -DSOURCE=<file or folder> -DDESTINATION=<file or folder> -P crlf_copy.cmake
# A folder is copied whole; a file is text when its extension is one of those below.
cmake_minimum_required(VERSION 3.25)
set(text_extensions .txt .inc .css .html .md)

function(copy_one source destination)
  get_filename_component(extension ${source} LAST_EXT)
  get_filename_component(folder ${destination} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  if(extension IN_LIST text_extensions OR NOT extension)
    file(READ ${source} content)
    string(REPLACE "\r\n" "\n" content "${content}")
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${destination} "${content}")
  else()
    file(COPY_FILE ${source} ${destination})
  endif()
endfunction()

if(IS_DIRECTORY ${SOURCE})
  file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
  foreach(file IN LISTS files)
    copy_one(${SOURCE}/${file} ${DESTINATION}/${file})
  endforeach()
else()
  copy_one(${SOURCE} ${DESTINATION})
endif()
