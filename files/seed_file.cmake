# Copies SOURCE to TARGET only when TARGET does not exist yet; otherwise marks
# it up to date so the build does not ask again.
if(EXISTS "${TARGET}")
  file(TOUCH_NOCREATE "${TARGET}")
else()
  get_filename_component(folder "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
