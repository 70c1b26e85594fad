# What a target links, and the guard that keeps the layers below the windows
# free of widgets.
#
#   tolvane_find_link(<target> <regex> <out-var>)
#
# sets <out-var> to "<library>;<linked by>" for the first library whose name
# matches <regex> that <target> reaches through its link libraries, directly
# or through any library it links (PRIVATE ones and names inside generator
# expressions included); empty when there is none.
#
#   tolvane_forbid_links(<target> <regex> <what>)
#
# fails the configure step when <target> reaches such a library. Call both
# after every target is defined.
function(tolvane_find_link target regex out)
  set(queue ${target})
  set(seen)
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
      continue()
    endif()
    set(items)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(values ${current} ${property})
      if(values)
        list(APPEND items ${values})
      endif()
    endforeach()
    foreach(item IN LISTS items)
      # A lone ":" separates a generator expression from its argument
      # ($<LINK_ONLY:Qt6::Widgets>).
      string(REGEX REPLACE "([^:]):([^:])" "\\1 \\2" item "${item}")
      string(REGEX REPLACE "[$<>,]" " " item "${item}")
      separate_arguments(names UNIX_COMMAND "${item}")
      foreach(name IN LISTS names)
        if(name MATCHES "${regex}")
          set(${out} "${name};${current}" PARENT_SCOPE)
          return()
        endif()
        if(TARGET ${name})
          list(APPEND queue ${name})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${out} "" PARENT_SCOPE)
endfunction()

function(tolvane_forbid_links target regex what)
  if(NOT TARGET ${target})
    return()
  endif()
  tolvane_find_link(${target} "${regex}" found)
  if(found)
    list(GET found 0 library)
    list(GET found 1 by)
    message(FATAL_ERROR "${target} must not link ${what}: ${by} links ${library}")
  endif()
endfunction()
