cmake_policy(VERSION 3.25)
# Part of the staging (cmake/DebianStaging.cmake) for the manual's package:
# the manual moves into the package's own documentation folder, Sphinx's
# copies of JavaScript libraries become links to the same files from
# Debian's packages (the package depends on them), and doc-base learns of it.
set(root ${CPACK_TEMPORARY_DIRECTORY}/doc)
set(package ${CPACK_DEBIAN_DOC_PACKAGE_NAME})
set(manual /usr/share/doc/${package}/manual)
file(GLOB installed ${root}/usr/share/doc/*/manual)
list(REMOVE_ITEM installed ${root}${manual})
foreach(folder ${installed})
  file(RENAME ${folder} ${root}${manual})
  get_filename_component(parent ${folder} DIRECTORY)
  file(GLOB left ${parent}/*)
  if(NOT left)
    file(REMOVE_RECURSE ${parent})
  endif()
endforeach()

# A copy becomes a link only where it is the same file as Debian's.
set(debian_copies
  jquery.js=/usr/share/javascript/jquery/jquery.js
  underscore.js=/usr/share/javascript/underscore/underscore.js)
foreach(name doctools.js searchtools.js language_data.js sphinx_highlight.js _sphinx_javascript_frameworks_compat.js)
  list(APPEND debian_copies ${name}=/usr/share/javascript/sphinxdoc/1.0/${name})
endforeach()
foreach(pair ${debian_copies})
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 target)
  set(copy ${root}${manual}/_static/${name})
  if(EXISTS ${copy} AND EXISTS ${target})
    file(SHA256 ${copy} copy_sum)
    file(SHA256 ${target} target_sum)
    if(copy_sum STREQUAL target_sum)
      file(RELATIVE_PATH link ${manual}/_static ${target})
      file(REMOVE ${copy})
      file(CREATE_LINK ${link} ${copy} SYMBOLIC)
    endif()
  endif()
endforeach()

file(MAKE_DIRECTORY ${root}/usr/share/doc-base)
file(WRITE ${root}/usr/share/doc-base/${package} "Document: zuvexa-manual
Title: libzuvexa manual
Author: libzuvexa maintainers
Abstract: How to use libzuvexa, the C interface for the RF signal analyzer:
 getting started, guides, the C and Python references, the zuvexa command
 and every status code.
Section: Programming

Format: HTML
Index: ${manual}/index.html
Files: ${manual}/*.html
")
