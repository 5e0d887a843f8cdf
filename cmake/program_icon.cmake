# The program's icon is drawn once, as resources/quelrin.svg, and turned into
# a Windows icon at build time: quelrin_program_icon(DIR) adds the rule that
# makes DIR/quelrin.ico, with the sizes Windows shows in captions, task bars
# and Explorer.
find_program(QUELRIN_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUELRIN_ICOTOOL icotool REQUIRED)

function(quelrin_program_icon dir)
  set(svg ${PROJECT_SOURCE_DIR}/resources/quelrin.svg)
  set(render "")
  set(bitmaps "")
  foreach(size 16 24 32 48 256)
    list(APPEND render COMMAND ${QUELRIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/quelrin-${size}.png ${svg})
    if(NOT size EQUAL 256)
      list(APPEND bitmaps ${dir}/quelrin-${size}.png)
    endif()
  endforeach()
  # The largest size stays PNG inside the icon, as Windows stores it.
  add_custom_command(
    OUTPUT ${dir}/quelrin.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    ${render}
    COMMAND ${QUELRIN_ICOTOOL} -c -o ${dir}/quelrin.ico ${bitmaps} -r ${dir}/quelrin-256.png
    DEPENDS ${svg}
    COMMENT "Drawing the program's icon"
    VERBATIM)
endfunction()
