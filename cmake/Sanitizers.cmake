# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build when
# TOLVANE_SANITIZE is on; undefined behaviour aborts instead of warning.
if(TOLVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
