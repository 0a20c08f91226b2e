# Fuzzing build: everything the fuzzers reach (the core library included) is
# compiled with libFuzzer's coverage hooks and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so that a fault deep in a loader is caught
# where it happens. Only the fuzz targets themselves link libFuzzer's main.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "SALTMARK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
