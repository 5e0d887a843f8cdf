# The program's icon is drawn once, as resources/quelrin.svg, and rendered at
# build time: quelrin_icon_pngs(DIR SIZES...) adds the rules that make
# DIR/quelrin-SIZE.png; quelrin_program_icon(DIR) the rule that makes
# DIR/quelrin.ico, with the sizes Windows shows in captions, task bars and
# Explorer.
find_program(QUELRIN_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUELRIN_ICOTOOL icotool REQUIRED)

function(quelrin_icon_pngs dir)
  set(svg ${PROJECT_SOURCE_DIR}/resources/quelrin.svg)
  foreach(size IN LISTS ARGN)
    add_custom_command(
      OUTPUT ${dir}/quelrin-${size}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${QUELRIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/quelrin-${size}.png ${svg}
      DEPENDS ${svg}
      COMMENT "Drawing the program's icon, ${size} pixels"
      VERBATIM)
  endforeach()
endfunction()

function(quelrin_program_icon dir)
  set(sizes 16 24 32 48)
  quelrin_icon_pngs(${dir} ${sizes} 256)
  list(TRANSFORM sizes REPLACE "(.+)" "${dir}/quelrin-\\1.png" OUTPUT_VARIABLE bitmaps)
  # The largest size stays PNG inside the icon, as Windows stores it.
  add_custom_command(
    OUTPUT ${dir}/quelrin.ico
    COMMAND ${QUELRIN_ICOTOOL} -c -o ${dir}/quelrin.ico ${bitmaps} -r ${dir}/quelrin-256.png
    DEPENDS ${bitmaps} ${dir}/quelrin-256.png
    COMMENT "Making the program's Windows icon"
    VERBATIM)
endfunction()
