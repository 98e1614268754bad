# The browser build (Emscripten): the SDL platform compiled for the web, the game as
# orvante.js + orvante.wasm with its shipped data packed into orvante.data, and the render
# benchmark as a page of its own. scripts/build_web.sh configures it with the libraries built
# for the web (scripts/web/build_libs.sh) and copies the page beside it.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
add_subdirectory(src/media/platform_sdl)

# The decoders' own dependencies, which static libraries do not bring along: libvorbisfile
# needs libvorbis and libogg, libtiff needs libjpeg and zlib.
find_library(ORV_WEB_VORBIS NAMES libvorbis.a REQUIRED)
find_library(ORV_WEB_OGG NAMES libogg.a REQUIRED)
find_library(ORV_WEB_JPEG NAMES libjpeg.a REQUIRED)
find_library(ORV_WEB_ZLIB NAMES libz.a REQUIRED)
set(ORV_WEB_DEPS ${ORV_WEB_VORBIS} ${ORV_WEB_OGG} ${ORV_WEB_JPEG} ${ORV_WEB_ZLIB})

# Every blocking loop of the game sleeps through the frame pacer or SDL's waits; ASYNCIFY
# turns those sleeps into returns to the browser's event loop. The renderer's pixel loops never
# sleep, but call their kernels through pointers, which ASYNCIFY would otherwise instrument in
# case they did: web/asyncify_remove.json leaves them as they are (three times faster).
set(ORV_WEB_ASYNCIFY -sASYNCIFY
  -sASYNCIFY_REMOVE=@${PROJECT_SOURCE_DIR}/web/asyncify_remove.json)
set(ORV_WEB_LINK
  ${ORV_WEB_ASYNCIFY} -sASYNCIFY_STACK_SIZE=131072
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=134217728
  -sDISABLE_EXCEPTION_CATCHING=0
  -sENVIRONMENT=web -sINVOKE_RUN=0 -sEXIT_RUNTIME=1
  -sEXPORTED_RUNTIME_METHODS=callMain
  -sFORCE_FILESYSTEM=1 -lidbfs.js
  # SDL2's audio calls these helpers of Emscripten's JavaScript library.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/web/library_funcs.json)

add_executable(orvante src/main.cpp)
target_link_libraries(orvante PRIVATE orv_frame orv_media_sdl orv_media_headless ${ORV_WEB_DEPS})
target_compile_definitions(orvante PRIVATE
  ORV_VERSION="${PROJECT_VERSION}"
  ORV_DATA_FROM_BINDIR="../share/orvante/"
  ORV_SOURCE_DATA="/data/")
target_link_options(orvante PRIVATE ${ORV_WEB_LINK}
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/data@/data")
set_property(TARGET orvante APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/data/DATA/ini.txt)

# The typical play frame of the native benchmark, timed by a small stand-in for Google
# Benchmark that prints each case's median. Linked with ASYNCIFY like the game, whose
# instrumented calls cost their share of a frame too.
add_executable(bench_render_frame bench/bench_render_frame.cpp)
target_include_directories(bench_render_frame PRIVATE ${PROJECT_SOURCE_DIR}/bench/web)
target_link_libraries(bench_render_frame PRIVATE orv_media_core ${ORV_WEB_DEPS})
target_link_options(bench_render_frame PRIVATE ${ORV_WEB_ASYNCIFY} -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web -sDISABLE_EXCEPTION_CATCHING=0 -sEXIT_RUNTIME=1)

# The WebAssembly SIMD pixel loops checked against the portable ones, run under node by
# tests/web/run.sh.
add_executable(pixel_loops_check tests/web/pixel_loops_check.cpp)
target_link_libraries(pixel_loops_check PRIVATE orv_media_core ${ORV_WEB_DEPS})
target_link_options(pixel_loops_check PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1
  -sDISABLE_EXCEPTION_CATCHING=0 -sEXIT_RUNTIME=1)
