# Toolchain file of the web build: Emscripten's own, wherever the installed
# emscripten keeps it (Debian: /usr/share/emscripten).
find_program(AUSWEICH_EM_CONFIG em-config REQUIRED)
execute_process(COMMAND "${AUSWEICH_EM_CONFIG}" EMSCRIPTEN_ROOT
  OUTPUT_VARIABLE AUSWEICH_EMSCRIPTEN_ROOT
  OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
include("${AUSWEICH_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")
