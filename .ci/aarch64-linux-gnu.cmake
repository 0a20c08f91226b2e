# Cross-compiling for 64-bit ARM with Debian's g++-aarch64-linux-gnu:
#   cmake -S . -B build-aarch64 --toolchain .ci/aarch64-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Header-only packages (CLI11) are found among the build machine's.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# The build machine's Qt is for x86: the ARM build has none.
set(CMAKE_DISABLE_FIND_PACKAGE_Qt6 ON)
