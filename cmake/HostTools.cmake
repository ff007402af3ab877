# The build-time generators are Linux programs. A cross build compiles them with the
# machine's own compiler in a nested project and runs them from there.
include(ExternalProject)
set(TQ_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/hosttools)
ExternalProject_Add(hosttools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${TQ_HOST_TOOLS_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=
             -DCMAKE_C_COMPILER=cc -DCMAKE_CXX_COMPILER=c++
             -DTQ_SOURCE_ROOT=${CMAKE_SOURCE_DIR}
             -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${TQ_HOST_TOOLS_DIR}/bin
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${TQ_HOST_TOOLS_DIR}/bin/bmpgen ${TQ_HOST_TOOLS_DIR}/bin/iso286gen)
set(TQ_BMPGEN ${TQ_HOST_TOOLS_DIR}/bin/bmpgen)
set(TQ_ISO286GEN ${TQ_HOST_TOOLS_DIR}/bin/iso286gen)
