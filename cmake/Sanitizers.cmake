# A native build with AddressSanitizer and UndefinedBehaviorSanitizer, and (with clang)
# the libFuzzer targets.
option(DUV_SANITIZE "Build the native code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DUV_FUZZ "Build the libFuzzer targets (clang)" OFF)

if(DUV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(DUV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DUV_FUZZ needs clang (for example -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # Coverage feedback from all the code the targets reach, not only their own files.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
