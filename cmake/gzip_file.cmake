# cmake -DGZIP=... -DINPUT=... -DOUTPUT=... -P gzip_file.cmake
# Compresses INPUT into OUTPUT with the highest level and without the name or
# the time stamp of the input in the header.
execute_process(
  COMMAND "${GZIP}" -9 -n -c "${INPUT}"
  OUTPUT_FILE "${OUTPUT}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "gzip failed on ${INPUT}: ${status}")
endif()
